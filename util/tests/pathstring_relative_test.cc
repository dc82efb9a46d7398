// Building names from others: appending, changing extension or directory,
// resolving against a base and making relative to one.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "corvane/util/pathstring.h"

namespace {

struct ResolveCase {
  const char* path;
  const char* base;
  const char* resolved;
};

void PrintTo(const ResolveCase& c, std::ostream* out) {
  *out << '"' << c.path << "\" against \"" << c.base << '"';
}

class Resolve : public testing::TestWithParam<ResolveCase> {};

TEST_P(Resolve, EveryOverloadGivesTheSameName) {
  const ResolveCase& c = GetParam();
  const pathstring base(c.base);
  const std::string path_text(c.path);

  pathstring from_pathstring_base(c.path);
  from_pathstring_base.assignRelativeTo(base);
  EXPECT_EQ(from_pathstring_base, c.resolved);

  pathstring from_text_base(c.path);
  from_text_base.assignRelativeTo(c.base);
  EXPECT_EQ(from_text_base, c.resolved);

  pathstring target("previous");
  target.assignRelativeTo(c.path, c.base);
  EXPECT_EQ(target, c.resolved);
  target = "previous";
  target.assignRelativeTo(c.path, base);
  EXPECT_EQ(target, c.resolved);
  target = "previous";
  target.assignRelativeTo(path_text, c.base);
  EXPECT_EQ(target, c.resolved);
  target = "previous";
  target.assignRelativeTo(path_text, base);
  EXPECT_EQ(target, c.resolved);
}

INSTANTIATE_TEST_SUITE_P(
    AgainstBase, Resolve,
    testing::Values(ResolveCase{R"(..\lib\x.lib)", R"(C:\work\src)", R"(C:\work\lib\x.lib)"},
                    ResolveCase{R"(\tmp\a)", R"(D:\w)", R"(D:\tmp\a)"},
                    ResolveCase{"x.sp", R"(C:\work\)", R"(C:\work\x.sp)"},
                    ResolveCase{"C:x.sp", R"(c:\work)", R"(c:\work\x.sp)"},
                    ResolveCase{"C:x.sp", R"(\work)", R"(C:\x.sp)"},
                    ResolveCase{"x.sp", R"(\\srv\share\d)", R"(\\srv\share\d\x.sp)"},
                    ResolveCase{"a/./b", "rel/dir", R"(rel\dir\a\b)"},
                    // A root alone must not make the "\\" of a UNC name.
                    ResolveCase{"x.sp", R"(\)", R"(\x.sp)"}));

INSTANTIATE_TEST_SUITE_P(
    LeftAsTheyAre, Resolve,
    testing::Values(ResolveCase{R"(\\srv\share\x)", R"(C:\w)", R"(\\srv\share\x)"},
                    ResolveCase{R"(C:\x)", R"(D:\w)", R"(C:\x)"},
                    ResolveCase{"C:x", R"(\\srv\share)", "C:x"},
                    ResolveCase{"C:x", R"(D:\w)", "C:x"}, ResolveCase{"x", "", "x"},
                    ResolveCase{R"(\x)", R"(\w)", R"(\x)"}));

struct RelativeCase {
  const char* path;
  const char* base;
  const char* relative;
  int shared;
};

void PrintTo(const RelativeCase& c, std::ostream* out) {
  *out << '"' << c.path << "\" relative to \"" << c.base << '"';
}

class MakeRelative : public testing::TestWithParam<RelativeCase> {};

TEST_P(MakeRelative, RewritesTheSharedPrefixAndResolvesBack) {
  const RelativeCase& c = GetParam();
  pathstring path(c.path);
  EXPECT_EQ(path.makeRelativeTo(c.base), c.shared);
  EXPECT_EQ(path, c.relative);
  if (c.shared > 0) {
    path.assignRelativeTo(c.base);
    EXPECT_TRUE(path.compareEqualQuickly(c.path)) << path << " from " << c.base;
  }
}

INSTANTIATE_TEST_SUITE_P(
    ToBase, MakeRelative,
    testing::Values(RelativeCase{R"(C:\a\b\c.txt)", R"(C:\a\d)", R"(..\b\c.txt)", 2},
                    RelativeCase{R"(C:\a\b\c.txt)", R"(C:\a)", R"(.\b\c.txt)", 2},
                    RelativeCase{R"(C:\a\b\c.txt)", R"(c:\A\B\)", R"(.\c.txt)", 3},
                    RelativeCase{R"(C:\a\b\c.txt)", R"(C:\x\y\z)", R"(..\..\..\a\b\c.txt)", 1},
                    RelativeCase{R"(C:\ab\c)", R"(C:\a)", R"(..\ab\c)", 1},
                    RelativeCase{R"(\\srv\share\d\f)", R"(\\srv\share\e)", R"(..\d\f)", 2},
                    RelativeCase{R"(C:\a\b)", R"(D:\a)", R"(C:\a\b)", 0},
                    RelativeCase{R"(a\b)", R"(c\d)", R"(a\b)", 0}));

TEST(InDirectory, ComparesWholeLeadingComponentsIgnoringCase) {
  const pathstring path(R"(C:\Work\src\x.sp)");
  EXPECT_TRUE(path.isInDirectory(R"(C:\work)"));
  EXPECT_TRUE(path.isInDirectory(R"(c:\WORK\src\)"));
  EXPECT_TRUE(path.isInDirectory(pathstring(R"(C:\work\src\x.sp)")));
  EXPECT_FALSE(path.isInDirectory(R"(C:\wor)"));
  EXPECT_FALSE(path.isInDirectory(R"(C:\work\src\x.sp\more)"));
  EXPECT_FALSE(path.isInDirectory(R"(D:\work)"));
  EXPECT_TRUE(pathstring(R"(\\srv\share\d\f)").isInDirectory(R"(\\SRV\share)"));
  EXPECT_FALSE(pathstring(R"(\\srv\share2\d)").isInDirectory(R"(\\srv\share)"));
}

TEST(AppendComponent, AddsExactlyOneSeparator) {
  pathstring path(R"(C:\a)");
  path.appendComponent("b");
  EXPECT_EQ(path, R"(C:\a\b)");
  path.appendComponent(std::string(R"(\c\)"));
  EXPECT_EQ(path, R"(C:\a\b\c\)");
  path.appendComponent("d.txt");
  EXPECT_EQ(path, R"(C:\a\b\c\d.txt)");

  pathstring empty;
  empty.appendComponent("x");
  EXPECT_EQ(empty, "x");
  pathstring root(R"(\)");
  root.appendComponent("tmp");
  EXPECT_EQ(root, R"(\tmp)");
  EXPECT_FALSE(root.isUNCname());
}

TEST(ChangeExt, TakesTheExtensionOfTheArgument) {
  for (const char* ext : {".lib", "lib", "other.lib", "dir.d/x.lib"}) {
    pathstring path(R"(C:\m\models.sp)");
    path.changeExt(ext);
    EXPECT_EQ(path, R"(C:\m\models.lib)") << ext;
  }
  pathstring no_ext(R"(C:\m.d\models)");
  no_ext.changeExt("lib");
  EXPECT_EQ(no_ext, R"(C:\m.d\models.lib)");
  pathstring removed(R"(C:\m\models.sp)");
  removed.changeExt("");
  EXPECT_EQ(removed, R"(C:\m\models)");
  removed.changeExt(".");
  EXPECT_EQ(removed, R"(C:\m\models)");
  // The pathstring overload takes its argument as it is.
  pathstring raw(R"(C:\m\models.sp)");
  raw.changeExt(pathstring(std::string("lib ")));
  EXPECT_EQ(raw, R"(C:\m\models.lib )");
}

TEST(ChangePath, PutsTheNameAfterTheDirectoryPart) {
  pathstring path(R"(C:\a\f.txt)");
  path.changePath(R"(D:\x\y\)");
  EXPECT_EQ(path, R"(D:\x\y\f.txt)");
  path.changePath(R"(E:\p\ignored.name)");
  EXPECT_EQ(path, R"(E:\p\f.txt)");
  path.changePath("nodir");
  EXPECT_EQ(path, "f.txt");
  path.changePath(R"(\ignored)");
  EXPECT_EQ(path, R"(\f.txt)");
  EXPECT_FALSE(path.isUNCname());
}

TEST(ForcedEndings, DotAndSlashAreAddedOnlyWhenMissing) {
  pathstring name(R"(a\b)");
  name.forceDotIfNoExt();
  EXPECT_EQ(name, R"(a\b.)");
  name.forceDotIfNoExt();
  EXPECT_EQ(name, R"(a\b.)");
  pathstring with_ext(R"(a\b.c)");
  with_ext.forceDotIfNoExt();
  EXPECT_EQ(with_ext, R"(a\b.c)");
  pathstring dir(R"(a\)");
  dir.forceDotIfNoExt();
  EXPECT_EQ(dir, R"(a\)");
  pathstring empty;
  empty.forceDotIfNoExt();
  EXPECT_EQ(empty, "");

  pathstring slash("a");
  slash.forceEndInSlash();
  EXPECT_EQ(slash, R"(a\)");
  slash.forceEndInSlash();
  EXPECT_EQ(slash, R"(a\)");
  pathstring root(R"(\)");
  root.forceEndInSlash();
  EXPECT_EQ(root, R"(\)");

  slash.clear();
  EXPECT_TRUE(slash.empty());
}

}  // namespace
