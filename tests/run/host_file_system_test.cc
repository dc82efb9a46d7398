#include "run/host_file_system.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvane
