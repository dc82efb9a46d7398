#include "run/string_table.h"

#include <gtest/gtest.h>

#include "run/message_category.h"

namespace corvane {
namespace {

TEST(StringTable, PrefixesMatchTheCategoryPrefixes) {
  for (int category = 0; category < kMessageCategoryCount; ++category) {
    int id = category == 3 ? IDS_PREFIX_STATUS : IDS_PREFIX_INFO + category;
    EXPECT_EQ(string_text(id), kCategoryPrefix[static_cast<size_t>(category)]);
  }
  EXPECT_EQ(string_text(4711), "");
}

TEST(FillStringArgument, FillsTheFirstStringConversionLikePrintf) {
  EXPECT_EQ(fill_string_argument("[%-5s][%5s]", "ab"), "[ab   ][%5s]");
  EXPECT_EQ(fill_string_argument("[%#08.2ls]", "abcd"), "[      ab]");
  EXPECT_EQ(fill_string_argument("%.s|%S", "abc"), "|%S");
  // Other conversions stay as written instead of eating the string.
  EXPECT_EQ(fill_string_argument("%d in %s", "a.sp"), "%d in a.sp");
}

TEST(FillStringArgument, AppendsWhenNoConversionIsFound) {
  EXPECT_EQ(fill_string_argument("100%%s", "x"), "100%%sx");
  EXPECT_EQ(fill_string_argument("100%%s done %s", "x"), "100%s done x");
  EXPECT_EQ(fill_string_argument("50%", "x"), "50%x");
  EXPECT_EQ(fill_string_argument("%*s", "x"), "%*sx");
  EXPECT_EQ(fill_string_argument("%.*s end %s", "x"), "%.*s end %sx");
  EXPECT_EQ(fill_string_argument("%99999999999999999999999s", "x"), "%99999999999999999999999sx");
  EXPECT_EQ(fill_string_argument("%4096s", "x").size(), 4096u);
}

}  // namespace
}  // namespace corvane
