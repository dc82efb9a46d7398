// The name and constant tables: indices stay put however many names come.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/keywords.h"
#include "core/symbol_tables.h"
#include "core/text_index.h"
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

// Names made to share the low bits of the unseeded hash, as a file made
// to slow the translator down would: an index placed by those bits put them
// all on one probing chain, so each lookup passed every name before it.
TEST(SymbolTable, NamesMadeToCollideDoNotFormOneProbingChain) {
  std::vector<std::string> names;
  for (long i = 0; names.size() < 2048; ++i) {
    std::string name = "n" + std::to_string(i);
    if ((TextIndex::hash(name) & 0xfff) == 0x5a5) names.push_back(std::move(name));
  }
  // Seed 0 starts from the unseeded hash: placing by every bit spreads them.
  // A table of its own draws its start, so the names are not made for it.
  for (const bool drawn : {false, true}) {
    SymbolTable table = drawn ? SymbolTable() : SymbolTable(0);
    table.reset();
    for (const std::string& name : names) table.enter(name, 0);
    EXPECT_LT(table.longest_probe_run(), 64u);
    for (const std::string& name : names) EXPECT_GE(table.find(name), KEYWORD_COUNT) << name;
  }
  EXPECT_NE(SymbolTable().hash_start(), SymbolTable().hash_start());
  EXPECT_EQ(SymbolTable(7).hash_start(), SymbolTable(7).hash_start());
}

// Name texts are kept side by side in blocks: a view handed out early stays
// the name's text however many names come after it, a name longer than a
// block included, and a reset table starts again from nothing.
TEST(SymbolTable, NameTextsStayWholeAsTheTableGrows) {
  SymbolTable table(3);
  std::vector<std::pair<std::string, int>> entered;
  for (int i = 0; i < 40000; ++i) {
    std::string name =
        "net" + std::to_string(i) + std::string(static_cast<std::size_t>(i % 37), 'x');
    if (i == 20000) name = std::string(200000, 'q');
    const int index = table.enter(name, i);
    entered.emplace_back(std::move(name), index);
  }
  const std::string_view first = table[entered.front().second].text;
  for (const auto& [name, index] : entered) {
    ASSERT_EQ(table[index].text, name);
    ASSERT_EQ(table.find(name), index);
  }
  EXPECT_EQ(first, "net0");
  table.reset();
  EXPECT_EQ(table.find("net5xxxxx"), -1);
  EXPECT_EQ(table[table.enter("again", 1)].text, "again");
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
