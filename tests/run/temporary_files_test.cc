#include "run/temporary_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "support/run_fakes.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_file;

std::vector<std::string> entries_in(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST(TemporaryFiles, AFileIsWrittenBesideItsNameAndTrackedUntilPlaced) {
  testing::ScratchDirectory scratch;
  TemporaryFiles files;
  const std::string name = scratch.file("out.lib");
  TemporaryFile file(name, &files);
  ASSERT_TRUE(file.is_open());
  ASSERT_EQ(files.names().size(), 1u);
  EXPECT_EQ(fs::path(files.names()[0]).parent_path(), fs::path(name).parent_path());
  EXPECT_TRUE(file.write("one "));
  EXPECT_TRUE(file.write("two"));
  EXPECT_EQ(file.size(), 7u);
  EXPECT_FALSE(fs::exists(name));
  EXPECT_TRUE(file.place());
  EXPECT_TRUE(files.names().empty());
  EXPECT_EQ(read_file(name), "one two");
  EXPECT_EQ(entries_in(scratch.directory()), std::vector<std::string>{"out.lib"});
}

// An interrupt removes what is being written; nothing is made or placed
// afterwards, so the old file stays.
TEST(TemporaryFiles, RemoveAllLeavesNoFileAndStopsLaterOnes) {
  testing::ScratchDirectory scratch;
  testing::write_file(scratch.file("out.lib"), "old");
  TemporaryFiles files;
  TemporaryFile first(scratch.file("out.lib"), &files);
  TemporaryFile second(scratch.file("out.err"), &files);
  ASSERT_TRUE(first.write("new"));
  files.remove_all();
  EXPECT_EQ(entries_in(scratch.directory()), std::vector<std::string>{"out.lib"});
  EXPECT_FALSE(first.place());
  EXPECT_EQ(read_file(scratch.file("out.lib")), "old");
  TemporaryFile late(scratch.file("late.lib"), &files);
  EXPECT_FALSE(late.is_open());
  EXPECT_FALSE(late.place());
  EXPECT_EQ(entries_in(scratch.directory()), std::vector<std::string>{"out.lib"});
}

// Threads write and place files while another removes them all: every
// file is then either placed whole or gone, none is left half way.
TEST(TemporaryFiles, ThreadsRacingRemoveAllLeaveNoTemporaryFile) {
  testing::ScratchDirectory scratch;
  TemporaryFiles files;
  std::vector<std::thread> writers;
  for (int t = 0; t < 4; ++t) {
    writers.emplace_back([&, t] {
      for (int i = 0; i < 200; ++i) {
        const std::string name = scratch.file(std::to_string(t) + "_" + std::to_string(i));
        TemporaryFile file(name, &files);
        if (file.write(name)) (void)file.place();
      }
    });
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(5));
  files.remove_all();
  for (std::thread& writer : writers) writer.join();
  for (const std::string& name : entries_in(scratch.directory())) {
    EXPECT_FALSE(name.starts_with(".")) << name;
    EXPECT_EQ(read_file(scratch.file(name)), scratch.file(name));
  }
}

}  // namespace
}  // namespace corvane
