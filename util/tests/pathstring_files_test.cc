// File-system queries and changes on real files in a scratch directory.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "corvane/util/pathstring.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kTicksPerSecond = 10'000'000;
constexpr std::uint64_t kTicksFrom1601To1970 = 116'444'736'000'000'000;

FILETIME file_time_of(std::uint64_t ticks) {
  return {static_cast<std::uint32_t>(ticks & 0xFFFFFFFFu), static_cast<std::uint32_t>(ticks >> 32)};
}

std::uint64_t ticks_of(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// A fresh directory holding "data.bin" (5000 bytes) and "sub/"; the working
// directory is moved into it for the tests of relative names.
class FileSystem : public testing::Test {
 protected:
  void SetUp() override {
    std::random_device seed;
    dir_ = fs::temp_directory_path() / ("corvane_util_" + std::to_string(seed()));
    fs::create_directories(dir_ / "sub");
    std::ofstream(dir_ / "data.bin", std::ios::binary) << std::string(5000, 'x');
    previous_dir_ = fs::current_path();
  }

  void TearDown() override {
    fs::current_path(previous_dir_);
    std::error_code ignored;
    fs::permissions(dir_ / "data.bin", fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }

  // The name as a Windows-style pathstring: "\" separators.
  pathstring named(const std::string& relative) const {
    return pathstring((dir_ / relative).string().c_str());
  }

  fs::path dir_;
  fs::path previous_dir_;
};

TEST_F(FileSystem, ExistenceTellsFilesFromDirectories) {
  const pathstring file = named("data.bin");
  EXPECT_NE(file.find('\\'), std::string::npos);
  EXPECT_TRUE(file.exists());
  EXPECT_TRUE(file.existsFile());
  EXPECT_FALSE(file.existsDirectory());
  const pathstring sub = named("sub");
  EXPECT_TRUE(sub.exists());
  EXPECT_TRUE(sub.existsDirectory());
  EXPECT_FALSE(sub.existsFile());
  const pathstring missing = named("missing.txt");
  EXPECT_FALSE(missing.exists());
  EXPECT_FALSE(missing.existsFile());
  EXPECT_FALSE(missing.existsDirectory());
  // Forward slashes in an untidied text reach the same file.
  EXPECT_TRUE(pathstring((dir_ / "data.bin").string()).existsFile());
}

#if !defined(_WIN32)
TEST_F(FileSystem, DrivesAndUncNamesAreNotFoundOnThisHost) {
  for (const char* name : {R"(C:\Windows)", R"(\\localhost\share\x)", "c:data.bin"}) {
    const pathstring path(name);
    EXPECT_FALSE(path.exists()) << name;
    EXPECT_EQ(path.getFileSize(), 0u) << name;
    EXPECT_FALSE(path.createDirectory()) << name;
  }
  EXPECT_FALSE(pathstring(R"(C:\)").exists());
}
#endif

TEST_F(FileSystem, SizeComesFromTheFileAndIsZeroOtherwise) {
  EXPECT_EQ(named("data.bin").getFileSize(), 5000u);
  EXPECT_EQ(named("sub").getFileSize(), 0u);
  EXPECT_EQ(named("missing.txt").getFileSize(), 0u);
}

TEST_F(FileSystem, LastWriteTimeIsSetAndReadInWindowsTicks) {
  const pathstring file = named("data.bin");
  // 2001-09-09 01:46:40 UTC, one billion seconds after 1970 began.
  const std::uint64_t ticks = kTicksFrom1601To1970 + 1'000'000'000 * kTicksPerSecond + 1234;
  ASSERT_TRUE(file.setFileTime_LastWrite(file_time_of(ticks)));

  FILETIME read{};
  ASSERT_TRUE(file.getFileTime_LastWrite(read));
  EXPECT_EQ(ticks_of(read), ticks);
  const auto written = std::chrono::file_clock::to_sys(fs::last_write_time(dir_ / "data.bin"));
  EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(written.time_since_epoch()).count(),
            1'000'000'000);
  EXPECT_EQ(fs::file_size(dir_ / "data.bin"), 5000u);
}

TEST_F(FileSystem, LastWriteTimeFailsWithoutAWritableFile) {
  FILETIME read = file_time_of(99);
  EXPECT_FALSE(named("missing.txt").getFileTime_LastWrite(read));
  EXPECT_EQ(ticks_of(read), 0u);
  EXPECT_FALSE(named("missing.txt").setFileTime_LastWrite(file_time_of(kTicksFrom1601To1970)));
  EXPECT_FALSE(fs::exists(dir_ / "missing.txt"));
  EXPECT_FALSE(named("sub").setFileTime_LastWrite(file_time_of(kTicksFrom1601To1970)));
}

TEST_F(FileSystem, ReadOnlyFlagIsSetAndCleared) {
  const pathstring file = named("data.bin");
  EXPECT_FALSE(file.isReadOnly());
  EXPECT_TRUE(file.setReadOnly(true));
  EXPECT_TRUE(file.isReadOnly());
  EXPECT_EQ(fs::status(dir_ / "data.bin").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_TRUE(file.setReadOnly(true));
  EXPECT_TRUE(file.isReadOnly());
  EXPECT_TRUE(file.setReadOnly(false));
  EXPECT_FALSE(file.isReadOnly());
  EXPECT_NE(fs::status(dir_ / "data.bin").permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_FALSE(named("missing.txt").setReadOnly(true));
  EXPECT_FALSE(named("missing.txt").isReadOnly());
}

TEST_F(FileSystem, CreateDirectoryMakesEveryMissingLevel) {
  const pathstring deep = named(R"(new/a/b)");
  EXPECT_TRUE(deep.createDirectory());
  EXPECT_TRUE(fs::is_directory(dir_ / "new" / "a" / "b"));
  EXPECT_TRUE(deep.createDirectory());
  EXPECT_TRUE(named("sub").createDirectory());
}

TEST_F(FileSystem, CreateDirectoryRefusesAFileInTheWay) {
  EXPECT_FALSE(named("data.bin").createDirectory());
  EXPECT_FALSE(named("data.bin/below").createDirectory());
  EXPECT_FALSE(fs::is_directory(dir_ / "data.bin"));
}

TEST_F(FileSystem, CreateDirectoryMakesTheFirstLevelOfARelativeName) {
  fs::current_path(dir_);
  const pathstring relative(R"(top\middle\leaf)");
  EXPECT_TRUE(relative.createDirectory());
  EXPECT_TRUE(fs::is_directory(dir_ / "top" / "middle" / "leaf"));
}

TEST_F(FileSystem, LongNameOfExistingNamesIsTheNameItself) {
  const pathstring file = named("data.bin");
  std::string out = "untouched";
  EXPECT_EQ(file.getLFN(out), 0);
  EXPECT_EQ(out, file);

  fs::current_path(dir_);
  EXPECT_EQ(pathstring(R"(sub\..\data.bin)").getLFN(out), 0);
  EXPECT_EQ(out, R"(.\data.bin)");
}

TEST_F(FileSystem, LongNameKeepsTheRestFromTheFirstMissingComponent) {
  const pathstring path = named(R"(sub/missing/x/y.txt)");
  std::string out;
  EXPECT_EQ(path.getLFN(out), 2);
  EXPECT_EQ(out, path);
}

TEST_F(FileSystem, LongNameOfRootsAndEmptyText) {
  std::string out = "untouched";
  EXPECT_EQ(pathstring().getLFN(out), 0);
  EXPECT_EQ(out, "untouched");
  EXPECT_EQ(pathstring(R"(C:\)").getLFN(out), 0);
  EXPECT_EQ(out, R"(C:\)");
  EXPECT_EQ(pathstring(R"(\\srv\share)").getLFN(out), 0);
  EXPECT_EQ(out, R"(\\srv\share)");
}

TEST_F(FileSystem, ShortNameFallsBackToTheLongestPrefixThatConverts) {
  std::string out = "untouched";
  EXPECT_EQ(pathstring().getSFN(out), 0);
  EXPECT_EQ(out, "untouched");

  const pathstring file = named("data.bin");
  EXPECT_EQ(file.getSFN(out), 0);
  EXPECT_EQ(out, file);

  // Two components do not convert: their count plus two.
  const pathstring missing = named(R"(sub/missing/y.txt)");
  EXPECT_EQ(missing.getSFN(out), 4);
  EXPECT_EQ(out, missing);
}

#if !defined(_WIN32)
TEST_F(FileSystem, ShortNameOfANameNothingOfWhichConvertsIsTheText) {
  std::string out;
  const pathstring drive(R"(C:\a\b)");
  EXPECT_EQ(drive.getSFN(out), 5);
  EXPECT_EQ(out, drive);
}
#endif

}  // namespace
