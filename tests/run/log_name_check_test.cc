#include "run/log_name_check.h"

#include <gtest/gtest.h>

#include "support/run_fakes.h"

namespace corvane {
namespace {

class LogNameCheck : public ::testing::Test {
 protected:
  LogNameCheck() {
    file_system_.volumes["C:\\"] = VolumeInfo{"NTFS", 255};
    file_system_.volumes["A:\\"] = VolumeInfo{"FAT", 12};
    file_system_.volumes["B:\\"] = VolumeInfo{"fat", 255};
    file_system_.volumes["\\\\server\\share\\"] = VolumeInfo{"NWCompat", 255};
  }
  bool check(std::string_view path) { return log_name_check(path, file_system_); }

  testing::FakeFileSystem file_system_;
};

TEST_F(LogNameCheck, NeedsARootWhoseVolumeExistsAndALengthWithinTheLimit) {
  EXPECT_TRUE(check("c:/work/out.err"));
  EXPECT_TRUE(check("\\\\server\\share\\out.err"));
  EXPECT_TRUE(check("/tmp/out.err"));
  for (const char* bad : {"Q:\\out.err", "\\\\other\\share\\x", "\\\\server", "out.err", "a/b"}) {
    EXPECT_FALSE(check(bad)) << bad;
  }
  std::string windows = "C:\\" + std::string(200, 'd') + "\\" + std::string(56, 'f');
  EXPECT_TRUE(check(windows));  // 260 characters
  EXPECT_FALSE(check(windows + "x"));
  std::string host;
  while (host.size() < 4000) host += "/" + std::string(99, 'd');
  EXPECT_TRUE(check(host + std::string(95, 'x')));  // 4095 characters
  EXPECT_FALSE(check(host + std::string(96, 'x')));
}

TEST_F(LogNameCheck, LongNameComponents) {
  EXPECT_TRUE(check("C:\\My Models\\a+b=c [1];2.long.err"));
  EXPECT_TRUE(check("B:\\long name.err"));  // FAT with long components
  EXPECT_TRUE(check("/tmp/" + std::string(255, 'n')));
  EXPECT_FALSE(check("/tmp/" + std::string(256, 'n')));
  for (const char* bad : {"a?b", "a<b", "a>b", "a:b", "a|b", "a*b", "a\"b", "a\tb"}) {
    EXPECT_FALSE(check(std::string("C:\\dir\\") + bad)) << bad;
  }
}

TEST_F(LogNameCheck, ShortNameComponentsOnSmallFat) {
  EXPECT_TRUE(check("A:\\12345678\\..\\12345678.123"));
  for (const char* bad : {"longfilename.err", "123456789", "a.errs", ".err", "a.b.c", "a b", "a[b",
                          "a]b", "a;b", "a+b", "a=b", "a,b"}) {
    EXPECT_FALSE(check(std::string("A:\\") + bad)) << bad;
  }
}

TEST(FileNamePart, UnderstandsBothSeparators) {
  EXPECT_EQ(file_name_part("C:\\dir/sub\\out.err"), "out.err");
  EXPECT_EQ(file_name_part("/dir\\sub/out.err"), "out.err");
  EXPECT_EQ(file_name_part("C:out.err"), "out.err");
  EXPECT_EQ(file_name_part("dir/"), "");
}

}  // namespace
}  // namespace corvane
