#include "run/log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "support/run_fakes.h"

namespace corvane {
namespace {

using testing::read_file;

TEST(LogFile, TruncatesWritesAndCountsPerCategory) {
  testing::ScratchDirectory scratch;
  std::string name = scratch.file("run.err");
  std::ofstream(name) << "old contents\n";
  {
    LogFile file;
    ASSERT_TRUE(file.open(name));
    file.write_line(MessageCategory::STATUS, "STATUS: one");
    file.write_line(MessageCategory::ERROR, "  ERROR: two");
    file.write_line(MessageCategory::STATUS, "STATUS: three");
    EXPECT_EQ(file.counts(), (CategoryCounts{0, 0, 1, 2}));
  }
  EXPECT_EQ(read_file(name), "STATUS: one\n  ERROR: two\nSTATUS: three\n");
}

TEST(LogFile, EmptyFileIsDeletedWhenTheLastReferenceGoes) {
  testing::ScratchDirectory scratch;
  std::string name = scratch.file("empty.err");
  auto first = std::make_shared<LogFile>();
  ASSERT_TRUE(first->open(name));
  auto second = first;
  first.reset();
  EXPECT_TRUE(std::filesystem::exists(name));
  second.reset();
  EXPECT_FALSE(std::filesystem::exists(name));
}

TEST(LogFile, FailedOpenStillCountsAndTouchesNoOtherFile) {
  testing::ScratchDirectory scratch;
  std::string kept = scratch.file("keep");
  std::ofstream(kept) << "contents\n";
  {
    LogFile file;
    // Without care the NUL would cut the name to "keep" and truncate that file.
    EXPECT_FALSE(file.open(kept + std::string(1, '\0') + ".err"));
    EXPECT_TRUE(file.failed());
    file.write_line(MessageCategory::STATUS, "STATUS: x");
    EXPECT_EQ(file.counts(), (CategoryCounts{0, 0, 0, 1}));
  }
  EXPECT_EQ(read_file(kept), "contents\n");
}

}  // namespace
}  // namespace corvane
