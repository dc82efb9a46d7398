// The output text's blocks and the symbol table's index: the storage that
// large libraries lean on.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "core/output_text.h"
#include "core/symbol_tables.h"
#include "core/token_list.h"
#include "core/translate_file.h"

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

std::vector<int> kinds(const TokenList& list) {
  std::vector<int> out;
  for (const TokenNode& node : list) out.push_back(node.kind);
  return out;
}

// Lists keep a few pieces in themselves and move to the heap when they grow;
// each operation must give what a vector gives, on both sides of that line.
TEST(TokenList, BehavesAsAVectorInsideAndBeyondItsOwnRoom) {
  TokenList list{{1, 0}, {2, 0}, {3, 0}};
  TokenList copy = list;
  list.push_back({4, 0});
  list.push_back({5, 0});  // now on the heap
  EXPECT_EQ(kinds(list), (std::vector<int>{1, 2, 3, 4, 5}));
  {
    // A piece of the list itself, pushed as the heap storage moves.
    TokenList full = list;
    while (full.size() < 8) full.push_back({0, 0});
    full.push_back(full.front());
    EXPECT_EQ(full.back().kind, 1);
  }
  EXPECT_EQ(kinds(copy), (std::vector<int>{1, 2, 3}));

  // A range of the list itself, inserted into itself.
  list.insert(list.begin() + 1, list.begin(), list.end());
  EXPECT_EQ(kinds(list), (std::vector<int>{1, 1, 2, 3, 4, 5, 2, 3, 4, 5}));
  list.insert(list.begin(), list.back());
  list.erase(list.begin() + 1, list.begin() + 6);
  EXPECT_EQ(kinds(list), (std::vector<int>{5, 5, 2, 3, 4, 5}));
  list.insert(list.end(), 2, TokenNode{7, 0});
  list.insert(list.begin(), {{8, 0}, {9, 0}});
  EXPECT_EQ(kinds(list), (std::vector<int>{8, 9, 5, 5, 2, 3, 4, 5, 7, 7}));

  // Moves of an inline and of a heap list leave the source empty and usable.
  TokenList moved_heap = std::move(list);
  TokenList moved_inline = std::move(copy);
  EXPECT_EQ(moved_heap.size(), 10u);
  EXPECT_EQ(kinds(moved_inline), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(list.empty());  // NOLINT(bugprone-use-after-move): defined here
  list.push_back({6, 0});
  EXPECT_EQ(kinds(list), (std::vector<int>{6}));
  moved_inline = moved_heap;
  EXPECT_TRUE(moved_inline == moved_heap);
  moved_heap.pop_back();
  EXPECT_FALSE(moved_inline == moved_heap);
  moved_heap = TokenList{{1, 2}};
  EXPECT_EQ(moved_heap.front().value, 2);
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
