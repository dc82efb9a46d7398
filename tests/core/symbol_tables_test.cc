// The name and constant tables: indices stay put however many names come.
#include <gtest/gtest.h>

#include <string>

#include "core/symbol_tables.h"
#include "translate/translate_file.h"

namespace corvane {
namespace {

TEST(SymbolTable, ManyNamesKeepTheirFirstIndexAndKeywordsStayKeywords) {
  SymbolTable table;
  table.reset();
  const int first = table.size();
  for (int i = 0; i < 20000; ++i) {
    EXPECT_EQ(table.enter("node" + std::to_string(i), 0), first + i);
  }
  for (int i = 0; i < 20000; i += 997) {
    EXPECT_EQ(table.find("node" + std::to_string(i)), first + i);
    EXPECT_EQ(table.enter("node" + std::to_string(i), 0), first + i);
  }
  EXPECT_EQ(table.find("node20000"), -1);
  const int level = table.find("level");
  ASSERT_GE(level, 0);
  EXPECT_LT(level, first);
  EXPECT_EQ(table[level].text, "level");
  table.reset();
  EXPECT_EQ(table.find("node5"), -1);
  EXPECT_EQ(table.size(), first);
}

// Number texts are dropped at each statement start; a number that starts a
// statement, and the numbers of a long card, still come out whole.
TEST(ConstantTable, NumbersSurviveTheirStatementsStart) {
  RecordingSink sink;
  const TranslationOutput out = translate_text(
      "title\n1 2 3\nr1 a b 1k\n.model n1 nmos level=1 vto=0.7 kp=2e-5\nr2 a 0 2.5k\n", {}, sink);
  EXPECT_NE(out.main_text.find("**** 1 2 3"), std::string::npos) << out.main_text;
  EXPECT_NE(out.main_text.find("1k"), std::string::npos) << out.main_text;
  EXPECT_NE(out.main_text.find("2e-5"), std::string::npos) << out.main_text;
  EXPECT_NE(out.main_text.find("2.5k"), std::string::npos) << out.main_text;
}

}  // namespace
}  // namespace corvane
