#include "run/host_file_system.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/run_fakes.h"

namespace corvane {
namespace {

TEST(RealFileSystem, OneRootedVolumeAndNoDrives) {
  RealFileSystem file_system;
  std::optional<VolumeInfo> root = file_system.volume_of("/");
  ASSERT_TRUE(root);
  EXPECT_EQ(root->file_system_name, "posix");
  EXPECT_EQ(root->max_component_length, 255u);
  EXPECT_FALSE(file_system.volume_of("C:\\"));
  EXPECT_FALSE(file_system.volume_of("\\\\server\\share\\"));
}

TEST(RealFileSystem, TemporaryDirectoryIsTmpdirWhenItExists) {
  const char* saved = std::getenv("TMPDIR");
  std::string saved_value = saved ? saved : "";
  testing::ScratchDirectory scratch;
  RealFileSystem file_system;
  std::string directory = scratch.directory();
  setenv("TMPDIR", directory.substr(0, directory.size() - 1).c_str(), 1);
  EXPECT_EQ(file_system.temporary_directory(), directory);
  setenv("TMPDIR", scratch.file("missing").c_str(), 1);
  EXPECT_EQ(file_system.temporary_directory(), "/tmp/");
  saved ? setenv("TMPDIR", saved_value.c_str(), 1) : unsetenv("TMPDIR");
}

}  // namespace
}  // namespace corvane
