#include "run/split_quoted.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Pieces = std::vector<std::string>;

TEST(SplitQuoted, CutsOutsideQuotesSkipsEmptyPiecesAndDropsQuotes) {
  EXPECT_EQ(split_quoted("\"C:\\my models\\a.sp\"  b.sp ", ' '),
            (Pieces{"C:\\my models\\a.sp", "b.sp"}));
  EXPECT_EQ(split_quoted("dir\\\"x y\"\\f", ' '), (Pieces{"dir\\x y\\f"}));
  EXPECT_EQ(split_quoted("status, \"FWK1,2\",,x", ','), (Pieces{"status", " FWK1,2", "x"}));
  EXPECT_EQ(split_quoted("a \"b c", ' '), (Pieces{"a", "b c"}));  // unterminated quote
  EXPECT_EQ(split_quoted("'a b' \"c", ' ', '\''), (Pieces{"a b", "\"c"}));
  EXPECT_EQ(split_quoted("   ", ' '), Pieces{});
}

TEST(SplitQuoted, PieceBeyondTheLastIsEmpty) {
  EXPECT_EQ(split_quoted_piece("\"a b\" c", ' ', 1), "c");
  EXPECT_EQ(split_quoted_piece("\"a b\" c", ' ', 2), "");
  EXPECT_EQ(split_quoted_piece("", ' ', 0), "");
}

}  // namespace
}  // namespace corvane
