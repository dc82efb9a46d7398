// The output text's blocks: the storage that large outputs lean on.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/output_text.h"

namespace corvane {
namespace {

TEST(OutputText, KeepsEveryByteInOrderAcrossBlocks) {
  OutputText text;
  std::string expected;
  // Pieces of every size, some longer than a block, so appends split.
  for (int i = 0; i < 5000; ++i) {
    std::string piece(static_cast<std::size_t>(i % 700 == 0 ? 300000 : i % 37),
                      static_cast<char>('a' + i % 26));
    piece += '\n';
    text.append(piece);
    expected += piece;
  }
  int blocks = 0;
  text.for_each_block([&blocks](std::string_view) { ++blocks; });
  EXPECT_GT(blocks, 2);
  EXPECT_EQ(text.size(), expected.size());
  EXPECT_EQ(text.str(), expected);
  EXPECT_EQ(text.take(), expected);
  EXPECT_TRUE(text.empty());
}

TEST(OutputText, DropsTheUnfinishedLineEvenWhenItSpansBlocks) {
  OutputText text;
  text.append("* kept\n");
  const std::string long_tail(5000, 'x');  // several blocks after the last newline
  for (int i = 0; i < 20; ++i) text.append(long_tail);
  text.drop_unfinished_line();
  EXPECT_EQ(text.str(), "* kept\n");
  text.append("next\n");
  EXPECT_EQ(text.size(), 12u);
  EXPECT_EQ(text.take(), "* kept\nnext\n");

  text.append("no newline at all");
  text.drop_unfinished_line();
  EXPECT_EQ(text.str(), "");
}

// The braces open in the last line, counted the plain way.
int open_braces_of_last_line(const std::string& text) {
  const std::size_t newline = text.rfind('\n');
  int open = 0;
  for (std::size_t i = newline == std::string::npos ? 0 : newline + 1; i < text.size(); ++i) {
    open += text[i] == '{' ? 1 : text[i] == '}' ? -1 : 0;
  }
  return open;
}

TEST(OutputText, CountsTheOpenBracesOfItsLastLineAsItGrowsAndShrinks) {
  OutputText text;
  std::string expected;
  EXPECT_EQ(text.open_braces_in_last_line(), 0);
  // Pieces with braces and newlines, some longer than a block; between
  // them the text is cut back now and then. Each count must be the whole
  // last line's, however much of it was counted before.
  const std::string pieces[] = {"{ ",     "a }", "\n",      "x={ {", std::string(3000, 'w') + "{",
                                "} }\n{", " }",  "no brace"};
  for (int i = 0; i < 4000; ++i) {
    const std::string& piece = pieces[static_cast<std::size_t>(i * 7 + i / 5) % 8];
    text.append(piece);
    expected += piece;
    if (i % 3 == 0) {
      ASSERT_EQ(text.open_braces_in_last_line(), open_braces_of_last_line(expected)) << i;
    }
    if (i % 11 == 5 && expected.size() > 3) {
      text.unappend(2);
      expected.resize(expected.size() - 2);
    } else if (i % 17 == 9) {
      text.truncate(expected.size() / 2);
      expected.resize(expected.size() / 2);
    } else if (i % 29 == 13) {
      text.drop_unfinished_line();
      const std::size_t newline = expected.rfind('\n');
      expected.resize(newline == std::string::npos ? 0 : newline + 1);
    }
    ASSERT_EQ(text.open_braces_in_last_line(), open_braces_of_last_line(expected)) << i;
  }
  EXPECT_EQ(text.str(), expected);
}

// Counts the bytes a preparer was handed, and scribbles over them: what the
// text holds must be what was appended, whatever the block held before.
std::size_t& prepared_bytes() {
  static std::size_t bytes = 0;
  return bytes;
}
void scribble_and_count(char* block, std::size_t size) {
  std::memset(block, '#', size);
  prepared_bytes() += size;
}

TEST(OutputText, HandsOnlyItsLargeBlocksToThePreparer) {
  prepared_bytes() = 0;
  OutputText small(scribble_and_count);
  small.append("+ vth0 = 0.4\n");
  EXPECT_EQ(prepared_bytes(), 0u);

  OutputText large(scribble_and_count);
  std::string expected;
  for (int i = 0; i < 200000; ++i) {
    const std::string line = "+ vth0 = 0." + std::to_string(i) + "\n";
    large.append(line);
    expected += line;
  }
  EXPECT_EQ(large.str(), expected);
  EXPECT_GE(prepared_bytes(), std::size_t{1} << 20);
  EXPECT_LE(prepared_bytes(), expected.size());
}

}  // namespace
}  // namespace corvane
