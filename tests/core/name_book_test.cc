#include "core/name_book.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace corvane {
namespace {

// The set grows from nothing through many rehashings; 0 (the empty slot's
// mark) and values that differ only in high bits are kept apart.
TEST(HashSet64, HoldsWhatWasInsertedAndNothingElse) {
  HashSet64 set;
  EXPECT_TRUE(set.empty());
  EXPECT_FALSE(set.contains(0));
  for (std::uint64_t i = 0; i < 5000; ++i) set.insert(i << 40);
  set.insert(0);
  set.insert(12345);
  set.insert(12345);
  EXPECT_FALSE(set.empty());
  for (std::uint64_t i = 0; i < 5000; ++i) EXPECT_TRUE(set.contains(i << 40)) << i;
  EXPECT_TRUE(set.contains(0));
  EXPECT_TRUE(set.contains(12345));
  EXPECT_FALSE(set.contains(12346));
  EXPECT_FALSE(set.contains((5000ull << 40)));
  EXPECT_FALSE(set.contains(3));
}

}  // namespace
}  // namespace corvane
