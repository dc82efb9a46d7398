// Decomposition of path names into drive, directory, name and extension,
// their components, and the comparisons.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "corvane/util/pathstring.h"

namespace {

using MakeForm = pathstring (pathstring::*)() const;
using FillForm = void (pathstring::*)(std::string&) const;
using RangeForm = void (pathstring::*)(const char*&, const char*&) const;

struct Decomposition {
  const char* name;
  MakeForm make;
  FillForm fill;
  RangeForm range;
};

const Decomposition kDecompositions[] = {
    {"getDrive", &pathstring::getDrive, &pathstring::getDrive, &pathstring::getDrive},
    {"getDriveNoColon", &pathstring::getDriveNoColon, &pathstring::getDriveNoColon,
     &pathstring::getDriveNoColon},
    {"getPath", &pathstring::getPath, &pathstring::getPath, &pathstring::getPath},
    {"getPathNoSlash", &pathstring::getPathNoSlash, &pathstring::getPathNoSlash,
     &pathstring::getPathNoSlash},
    {"getDirectory", &pathstring::getDirectory, &pathstring::getDirectory,
     &pathstring::getDirectory},
    {"getBase", &pathstring::getBase, &pathstring::getBase, &pathstring::getBase},
    {"getRoot", &pathstring::getRoot, &pathstring::getRoot, &pathstring::getRoot},
    {"getExt", &pathstring::getExt, &pathstring::getExt, &pathstring::getExt},
    {"getExtNoDot", &pathstring::getExtNoDot, &pathstring::getExtNoDot, &pathstring::getExtNoDot},
    {"getNameNoExt", &pathstring::getNameNoExt, &pathstring::getNameNoExt,
     &pathstring::getNameNoExt},
    {"getUNCShareName", &pathstring::getUNCShareName, &pathstring::getUNCShareName,
     &pathstring::getUNCShareName},
};

// The three forms must agree, and the range must lie in the object's text.
std::string decompose(const pathstring& path, const Decomposition& how) {
  const pathstring made = (path.*how.make)();
  std::string filled = "previous content";
  (path.*how.fill)(filled);
  const char* begin = nullptr;
  const char* end = nullptr;
  (path.*how.range)(begin, end);
  EXPECT_LE(path.data(), begin) << how.name;
  EXPECT_LE(begin, end) << how.name;
  EXPECT_LE(end, path.data() + path.size()) << how.name;
  EXPECT_EQ(made, filled) << how.name;
  EXPECT_EQ(made, std::string(begin, end)) << how.name;
  return made;
}

// One row per text: the expected result of each decomposition, in the order
// of kDecompositions.
struct Row {
  const char* text;
  std::vector<std::string> expected;
};

void PrintTo(const Row& row, std::ostream* out) { *out << '"' << row.text << '"'; }

class Decompose : public testing::TestWithParam<Row> {};

TEST_P(Decompose, AllThreeFormsGiveTheExpectedPart) {
  const Row& row = GetParam();
  const pathstring path(row.text);
  ASSERT_EQ(row.expected.size(), std::size(kDecompositions));
  for (std::size_t i = 0; i < row.expected.size(); ++i) {
    EXPECT_EQ(decompose(path, kDecompositions[i]), row.expected[i])
        << kDecompositions[i].name << " of " << row.text;
  }
}

// Columns: drive, letter, path, path without slash, directory, base, root,
// extension, extension without dot, name without extension, UNC share.
INSTANTIATE_TEST_SUITE_P(
    PathNames, Decompose,
    testing::Values(
        Row{R"(C:\dir\sub\name.ext)",
            {"C:", "C", R"(C:\dir\sub\)", R"(C:\dir\sub)", R"(\dir\sub\)", "name.ext", "name",
             ".ext", "ext", R"(C:\dir\sub\name)", ""}},
        Row{"", {"", "", "", "", "", "", "", "", "", "", ""}},
        Row{"C:", {"C:", "C", "", "", "", "", "", "", "", "C:", ""}},
        Row{"file", {"", "", "", "", "", "file", "file", "", "", "file", ""}},
        Row{R"(a.b\c)", {"", "", R"(a.b\)", "a.b", R"(a.b\)", "c", "c", "", "", R"(a.b\c)", ""}},
        Row{"d:x.tar.gz", {"d:", "d", "", "", "", "x.tar.gz", "x.tar", ".gz", "gz", "d:x.tar", ""}},
        Row{R"(\\srv\share\x.txt)",
            {"", "", R"(\\srv\share\)", R"(\\srv\share)", R"(\\srv\share\)", "x.txt", "x", ".txt",
             "txt", R"(\\srv\share\x)", R"(\\srv\share)"}},
        Row{R"(\etc\.profile)",
            {"", "", R"(\etc\)", R"(\etc)", R"(\etc\)", ".profile", "", ".profile", "profile",
             R"(\etc\)", ""}}));

TEST(PathComponents, DriveIsComponentZeroAndEmptyPiecesDoNotCount) {
  const pathstring path(std::string(R"(C:\\a\/b.txt\)"));
  EXPECT_EQ(path.getNumberOfComponents(), 3);
  EXPECT_EQ(path.getPathComponent(0), "C:");
  EXPECT_EQ(path.getPathComponent(1), "a");
  EXPECT_EQ(path.getPathComponent(2), "b.txt");
}

TEST(PathComponents, OutOfRangeIsEmptyAtTheEndOfTheText) {
  const pathstring path(R"(C:\dir\sub\name.ext)");
  EXPECT_EQ(path.getPathComponent(1), "dir");
  for (const int index : {-1, 4, 1000}) {
    const char* begin = nullptr;
    const char* end = nullptr;
    path.getPathComponent(index, begin, end);
    EXPECT_EQ(begin, path.data() + path.size()) << index;
    EXPECT_EQ(end, begin) << index;
    std::string out = "x";
    path.getPathComponent(index, out);
    EXPECT_EQ(out, "") << index;
  }
  EXPECT_EQ(pathstring("").getNumberOfComponents(), 0);
  EXPECT_EQ(pathstring("C:").getNumberOfComponents(), 1);
}

TEST(PathComponents, UncNameCountsServerAndShare) {
  const pathstring path(R"(\\srv\share\f)");
  EXPECT_TRUE(path.isUNCname());
  EXPECT_FALSE(path.hasDriveLetter());
  EXPECT_EQ(path.getNumberOfComponents(), 3);
  EXPECT_EQ(path.getPathComponent(0), "srv");
  EXPECT_EQ(path.getPathComponent(1), "share");
  EXPECT_EQ(path.getPathComponent(2), "f");
}

TEST(UncNames, ShareNameNeedsServerAndShare) {
  EXPECT_EQ(pathstring(R"(\\srv\share)").getUNCShareName(), R"(\\srv\share)");
  EXPECT_EQ(pathstring(R"(\\srv)").getUNCShareName(), "");
  EXPECT_EQ(pathstring(R"(\\srv\)").getUNCShareName(), "");
  EXPECT_EQ(pathstring(R"(\srv\share)").getUNCShareName(), "");
  EXPECT_FALSE(pathstring(R"(\srv\share)").isUNCname());
  // Forward slashes are separators too, also in an untidied text.
  EXPECT_TRUE(pathstring(std::string("//srv/share")).isUNCname());
  EXPECT_EQ(pathstring(std::string("//srv/share/x")).getUNCShareName(), "//srv/share");
}

TEST(PathComparison, EqualQuicklyIgnoresCaseButNotLength) {
  EXPECT_TRUE(pathstring(R"(C:\Dir\File.TXT)").compareEqualQuickly(R"(c:\dir\file.txt)"));
  EXPECT_FALSE(pathstring(R"(C:\dir\file)").compareEqualQuickly(R"(C:\dir\file2)"));
  EXPECT_FALSE(pathstring(R"(C:\dir\a)").compareEqualQuickly(R"(C:\dir\b)"));
}

TEST(PathComparison, ExactNamesOrderIgnoringCase) {
  const pathstring name(R"(C:\Dir\b.txt)");
  EXPECT_EQ(name.compareExactNames(R"(c:\dir\B.TXT)"), 0);
  EXPECT_LT(name.compareExactNames(R"(C:\dir\C.txt)"), 0);
  EXPECT_GT(name.compareExactNames(R"(C:\dir\A.txt)"), 0);
  EXPECT_LT(pathstring("a").compareExactNames("B"), 0);
  EXPECT_LT(pathstring("ab").compareExactNames("abc"), 0);
  // The text overload tidies the other name; the pathstring one does not.
  EXPECT_EQ(name.compareExactNames(R"( c:/dir//b.txt )"), 0);
  EXPECT_NE(name.compareExactNames(pathstring(std::string("c:/dir/b.txt"))), 0);
}

}  // namespace
