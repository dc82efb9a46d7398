// The canonical form: separators, blanks, quotes and dot components, and
// which ways of making a pathstring tidy it.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "corvane/util/pathstring.h"

namespace {

struct TidyCase {
  const char* given;
  const char* tidy;
};

void PrintTo(const TidyCase& c, std::ostream* out) { *out << '"' << c.given << '"'; }

class Tidy : public testing::TestWithParam<TidyCase> {};

TEST_P(Tidy, ReachesTheCanonicalFormAndStaysThere) {
  const TidyCase& c = GetParam();
  pathstring path{std::string(c.given)};
  path.tidyUp(false);
  EXPECT_EQ(path, c.tidy) << "from \"" << c.given << '"';
  path.tidyUp(false);
  EXPECT_EQ(path, c.tidy) << "tidying again changed \"" << c.tidy << '"';
}

INSTANTIATE_TEST_SUITE_P(
    SeparatorsAndBlanks, Tidy,
    testing::Values(TidyCase{"c:/a//b/", R"(c:\a\b\)"},
                    TidyCase{R"( C:\ a \b .txt)", R"(C:\a\b .txt)"}, TidyCase{"a\t\tb", "a  b"},
                    TidyCase{R"(C :\x)", R"(C:\x)"},
                    TidyCase{R"("C:\Program Files\x")", R"(C:\Program Files\x)"},
                    TidyCase{R"(\\srv\\share\x)", R"(\\srv\share\x)"},
                    TidyCase{"//srv/share", R"(\\srv\share)"},
                    TidyCase{R"(\\\srv\share)", R"(\\srv\share)"}, TidyCase{"", ""},
                    TidyCase{"   ", ""}));

INSTANTIATE_TEST_SUITE_P(
    DotComponents, Tidy,
    testing::Values(TidyCase{R"(a\.\b\..\c)", R"(a\c)"}, TidyCase{R"(..\x)", R"(..\x)"},
                    TidyCase{R"(.\x)", R"(.\x)"}, TidyCase{R"(..\..\a\..\b)", R"(..\..\b)"},
                    TidyCase{R"(a\b\..)", "a"}, TidyCase{R"(a\b\..\)", R"(a\)"},
                    TidyCase{R"(C:\a\..)", R"(C:\)"}, TidyCase{R"(C:\a\.\b)", R"(C:\a\b)"},
                    TidyCase{R"(C:\..\x)", R"(C:\..\x)"}, TidyCase{R"(C:a\..\b)", "C:b"},
                    // Three dots climb two levels, four dots three.
                    TidyCase{R"(...\x)", R"(..\..\x)"}, TidyCase{R"(a\...\b)", R"(..\b)"},
                    TidyCase{R"(C:\x\y\....\z)", R"(C:\..\z)"},
                    TidyCase{R"(C:\w\x\y\z\...)", R"(C:\w\x)"},
                    // The current directory's parent is the parent.
                    TidyCase{R"(.\..\x)", R"(..\x)"},
                    // A UNC server and share are never climbed out of.
                    TidyCase{R"(\\srv\share\..)", R"(\\srv\share\..)"},
                    TidyCase{R"(\\srv\share\a\..\b)", R"(\\srv\share\b)"}, TidyCase{"a..b", "a..b"},
                    TidyCase{R"(x\.hidden)", R"(x\.hidden)"}));

TEST(TidyOnConstruction, StandardStringIsKeptAsItIsOtherTextsAreTidied) {
  const std::string text = " a/b//c ";
  EXPECT_EQ(pathstring(text), text);
  EXPECT_EQ(pathstring(text.c_str()), R"(a\b\c)");
  EXPECT_EQ(pathstring(text.c_str(), 4), R"(a\b)");
  EXPECT_EQ(pathstring(text.data() + 1, text.data() + 5), R"(a\b\)");
  const pathstring raw(text);
  EXPECT_EQ(pathstring(raw, 3, 5), R"(b\c)");
  EXPECT_EQ(pathstring(raw), text);
}

TEST(TidyOnAssignment, TextsAreTidiedPathstringsCopiedAsTheyAre) {
  pathstring path;
  path = std::string("x//y/");
  EXPECT_EQ(path, R"(x\y\)");
  path = "p/./q";
  EXPECT_EQ(path, R"(p\q)");
  const pathstring raw(std::string("m/n"));
  path = raw;
  EXPECT_EQ(path, "m/n");
}

#if !defined(_WIN32)
TEST(TidyFull, RelativeNameBecomesTheFullNameUnderTheWorkingDirectory) {
  pathstring expected(std::filesystem::current_path().string().c_str());
  expected.appendComponent(R"(sub\name.txt)");
  pathstring path("./sub/x/../name.txt");
  path.tidyUp(true);
  EXPECT_EQ(path, expected);
  EXPECT_TRUE(path.compareEqualQuickly(expected));
}

TEST(TidyFull, NamesTheHostCannotResolveOnlyGetTheTextTidying) {
  pathstring drive("C:/a/./b");
  drive.tidyUp(true);
  EXPECT_EQ(drive, R"(C:\a\b)");
  pathstring unc("//srv/share/x/../y");
  unc.tidyUp(true);
  EXPECT_EQ(unc, R"(\\srv\share\y)");
}
#endif

}  // namespace
