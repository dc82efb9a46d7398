#include "app/output_names.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(OutputNames, DerivedNameReplacesTheExtensionOfTheFileName) {
  EXPECT_EQ(derived_output_name("C:\\models\\nmos.l"), "C:\\models\\nmos.lib");
  EXPECT_EQ(derived_output_name("/models/nmos"), "/models/nmos.lib");
  EXPECT_EQ(derived_output_name("/models.v2/nmos"), "/models.v2/nmos.lib");
  EXPECT_EQ(derived_output_name("/m/a.b.sp"), "/m/a.b.lib");
  EXPECT_EQ(derived_output_name("C:\\my models\\a.sp"), "C:\\my models\\a.lib");
}

TEST(OutputNames, QuotedNamesGetOneQuotedOutputEach) {
  EXPECT_EQ(derived_output_name("\"/m/a.sp\" \"/m x/b.cir\""), "\"/m/a.lib\" \"/m x/b.lib\"");
  EXPECT_EQ(derived_output_name("\"/my models/a.sp\""), "\"/my models/a.lib\"");
}

TEST(OutputNames, EmptyOutputDefaultsToTheFirstInputsDirectory) {
  const RowOutputText output = row_output_text({"D/a.sp", "D/b.sp"}, "");
  ASSERT_TRUE(output.defaulted_directory);
  EXPECT_EQ(*output.defaulted_directory, "D/");
  EXPECT_EQ(output.text, "\"D/a.lib\" \"D/b.lib\"");

  const RowOutputText windows = row_output_text({"C:\\D\\a.sp", "C:\\E\\b.sp"}, "");
  EXPECT_EQ(windows.defaulted_directory, "C:\\D\\");
  EXPECT_EQ(windows.text, "\"C:\\D\\a.lib\" \"C:\\D\\b.lib\"");
}

TEST(OutputNames, ADirectoryGetsTheInputsBaseName) {
  const RowOutputText output = row_output_text({"/in/nmos.sp"}, "/out/");
  EXPECT_FALSE(output.defaulted_directory);
  EXPECT_EQ(output.text, "\"/out/nmos.lib\"");
  EXPECT_EQ(row_output_text({"/in/a.sp", "/in/b.sp"}, "\"/o 1/\" /o2/").text,
            "\"/o 1/a.lib\" \"/o2/b.lib\"");
}

TEST(OutputNames, MissingOutputsGoBesideTheFirstOutput) {
  EXPECT_EQ(row_output_text({"/in/a.sp", "/in/b.sp", "/x/c"}, "/out/first.lib").text,
            "\"/out/first.lib\" \"/out/b.lib\" \"/out/c.lib\"");
  EXPECT_EQ(row_output_text({"/in/a.sp", "/in/b.sp"}, "\"/o/a.lib\"  ").text,
            "\"/o/a.lib\" \"/o/b.lib\"");
}

TEST(OutputNames, NamesAreKeptAsWritten) {
  EXPECT_EQ(row_output_text({"/in/a.sp"}, "my out.txt").text, "\"my out.txt\"");
  EXPECT_EQ(row_output_text({"/in/a.sp"}, "\"/o/a.lib\" \"/o/b.lib\"").text,
            "\"/o/a.lib\" \"/o/b.lib\"");
}

TEST(OutputNames, RelativeInputWithoutDirectory) {
  const RowOutputText output = row_output_text({"a.sp"}, "");
  EXPECT_EQ(output.defaulted_directory, "");
  EXPECT_EQ(output.text, "\"a.lib\"");
}

TEST(OutputNames, QuotingAndTrailingSpace) {
  EXPECT_EQ(quoted_unless_quoted("a b.sp"), "\"a b.sp\"");
  EXPECT_EQ(quoted_unless_quoted("\"a\" \"b\""), "\"a\" \"b\"");
  EXPECT_EQ(without_trailing_space("\"a\" \t\r\n"), "\"a\"");
  EXPECT_EQ(without_trailing_space(" a"), " a");
}

}  // namespace
}  // namespace corvane
