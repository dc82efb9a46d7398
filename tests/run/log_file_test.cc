#include "run/log_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "support/run_fakes.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_file;

std::size_t entries_in(const std::string& directory) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

TEST(LogFile, ReplacesTheOldLogOnlyWhenItClosesAndCountsPerCategory) {
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
    // Until it closes the old log is whole, the new one beside it.
    EXPECT_EQ(read_file(name), "old contents\n");
    EXPECT_EQ(entries_in(scratch.directory()), 2u);
    EXPECT_TRUE(file.close());
  }
  EXPECT_EQ(read_file(name), "STATUS: one\n  ERROR: two\nSTATUS: three\n");
  EXPECT_EQ(entries_in(scratch.directory()), 1u);
}

TEST(LogFile, EmptyFileIsDeletedWhenTheLastReferenceGoes) {
  testing::ScratchDirectory scratch;
  std::string name = scratch.file("empty.err");
  std::ofstream(name) << "an earlier run's log\n";
  auto first = std::make_shared<LogFile>();
  ASSERT_TRUE(first->open(name));
  auto second = first;
  first.reset();
  EXPECT_TRUE(fs::exists(name));
  second.reset();
  EXPECT_FALSE(fs::exists(name));
  EXPECT_TRUE(fs::is_empty(scratch.directory()));
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
    EXPECT_FALSE(file.close());
  }
  EXPECT_EQ(read_file(kept), "contents\n");
}

// A link named like the log is replaced by the log; what it points to, here
// a file outside the folder, is never written.
TEST(LogFile, ALinkNamedLikeTheLogIsReplacedItsTargetUntouched) {
  testing::ScratchDirectory scratch;
  testing::ScratchDirectory elsewhere;
  const std::string target = elsewhere.file("precious");
  std::ofstream(target) << "precious\n";
  const std::string name = scratch.file("in.err");
  fs::create_symlink(target, name);
  LogFile file;
  ASSERT_TRUE(file.open(name));
  file.write_line(MessageCategory::STATUS, "STATUS: log");
  EXPECT_TRUE(file.close());
  EXPECT_FALSE(fs::is_symlink(name));
  EXPECT_EQ(read_file(name), "STATUS: log\n");
  EXPECT_EQ(read_file(target), "precious\n");
  // An empty log removes the link, not its target.
  fs::remove(name);
  fs::create_symlink(target, name);
  LogFile empty;
  ASSERT_TRUE(empty.open(name));
  EXPECT_TRUE(empty.close());
  EXPECT_FALSE(fs::exists(fs::symlink_status(name)));
  EXPECT_EQ(read_file(target), "precious\n");
}

// A log on a stream writes each line in one write as it comes, and fails
// with the first write the stream refuses.
TEST(LogFile, AStreamTakesEachLineInOneWriteAndFailsWithIt) {
  testing::StringStream stream("standard error");
  LogFile file;
  file.open(stream);
  EXPECT_TRUE(file.is_open());
  EXPECT_EQ(file.name(), "standard error");
  file.write_line(MessageCategory::STATUS, "STATUS: one");
  EXPECT_EQ(stream.text, "STATUS: one\n");
  EXPECT_EQ(stream.writes, 1);
  EXPECT_FALSE(file.failed());
  stream.full = true;
  file.write_line(MessageCategory::ERROR, "  ERROR: two");
  EXPECT_TRUE(file.failed());
  EXPECT_EQ(file.counts(), (CategoryCounts{0, 0, 1, 1}));
  EXPECT_FALSE(file.close());
  EXPECT_FALSE(file.is_open());
  EXPECT_EQ(stream.text, "STATUS: one\n");
}

}  // namespace
}  // namespace corvane
