#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/token_node_list.h"

namespace corvane {
namespace {

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

}  // namespace
}  // namespace corvane
