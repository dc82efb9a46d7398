#include "cli/output_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

// Mapping pages in must leave what they hold, and the edges of a block that
// is not page-aligned, as they were; odd sizes must not fault.
TEST(OutputPages, LeaveTheBytesAsTheyWere) {
  std::string buffer(3 * 4096 * 16 + 123, '\0');
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = static_cast<char>('a' + i % 26);
  const std::string before = buffer;
  map_output_pages(buffer.data() + 7, buffer.size() - 20);
  map_output_pages(buffer.data() + 1, 10);
  map_output_pages(buffer.data(), 0);
  EXPECT_EQ(buffer, before);
  buffer[5000] = '!';
  EXPECT_EQ(buffer[5000], '!');
}

}  // namespace
}  // namespace corvane
