#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "run/output_files.h"
#include "support/run_fakes.h"
#include "support/translation_support.h"
#include "translate/library_sections.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::translate_body;
using testing::warnings;

std::vector<std::string> section_names(const testing::Translated& t) {
  std::vector<std::string> names;
  for (const OutputSection& section : t.sections) names.push_back(section.name);
  return names;
}

std::set<std::string> files_in(const fs::path& directory) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

TEST(SectionFilePart, ReplacesWhatFileNamesCannotHold) {
  EXPECT_EQ(section_file_part("tt"), "tt");
  EXPECT_EQ(section_file_part("mos_18.1"), "mos_18.1");
  EXPECT_EQ(section_file_part("a<b>:c|d?e*f\"g"), "a_b__c_d_e_f_g");
  EXPECT_EQ(section_file_part("x/y\\z"), "x_y_z");
  EXPECT_EQ(section_file_part(std::string("a\x01\x7f", 3)), "a__");
  EXPECT_EQ(section_file_part(std::string(150, 'k')), std::string(MAX_SECTION_NAME_LENGTH, 'k'));
}

TEST(TranslateLib, SectionsGoToTextsOfTheirOwn) {
  const testing::Translated t = translate_body(
      ".param vdd=1\n"
      ".lib TT\n"
      "* typical corner\n"
      ".param a=1\n"
      "v1 n1 0 1\n"
      ".inc 'tt.inc'\n"
      ".endl TT\n"
      "* between\n"
      ".lib ff\n"
      ".param a=2\n"
      ".endl ff\n"
      ".param after=3\n");
  EXPECT_EQ(t.text, ".param vdd = 1 \n* between\n.param after = 3 \n");
  ASSERT_EQ(section_names(t), (std::vector<std::string>{"tt", "ff"}));
  EXPECT_EQ(t.sections[0].text, "* typical corner\n.param a = 1 \nv1 n1 0 1\n.inc \"tt.inc\"\n");
  EXPECT_EQ(t.sections[1].text, ".param a = 2 \n");
  EXPECT_TRUE(t.messages.empty());
}

TEST(TranslateLib, WritesOneFilePerSectionEachStartingWithTheMainText) {
  const std::string input =
      "* corners\n.lib tt\n.param a=1\n.endl tt\n.lib ff\n.param a=2\n.endl ff\n.end\n";
  RecordingSink sink;
  const TranslationOutput output = translate_text(input, {}, sink);
  testing::ScratchDirectory scratch;
  const std::string out = scratch.file("out.lib");
  write_output_files(output, out, scratch.file("in.sp"));
  EXPECT_EQ(files_in(scratch.directory()), (std::set<std::string>{"out_tt.lib", "out_ff.lib"}));
  // The section goes before the main text's .end: after it, a reader would
  // never take it.
  EXPECT_EQ(read_file(scratch.file("out_tt.lib")), "* corners\n.param a = 1 \n.end\n");
  EXPECT_EQ(read_file(scratch.file("out_ff.lib")), "* corners\n.param a = 2 \n.end\n");
}

TEST(TranslateLib, HasNoLimitOnSections) {
  std::string input;
  for (int i = 0; i < 40; ++i) {
    input += ".lib s" + std::to_string(i) + "\n.param p=" + std::to_string(i) + "\n.endl\n";
  }
  const testing::Translated t = translate_body(input);
  ASSERT_EQ(t.sections.size(), 40u);
  EXPECT_EQ(t.sections[39].name, "s39");
  EXPECT_EQ(t.sections[39].text, ".param p = 39 \n");
}

TEST(TranslateLib, SectionNamesAreKeptWholeAndMadeUsable) {
  const testing::Translated t = translate_body(
      ".lib typical_corner_with_a_long_name\n.endl\n.lib a:b\n.endl\n.lib TT\n.endl\n"
      ".lib tt\n.endl\n.lib a_b\n.endl\n.lib 7nm\n.endl\n");
  EXPECT_EQ(section_names(t), (std::vector<std::string>{"typical_corner_with_a_long_name", "a_b",
                                                        "tt", "tt_4", "a_b_5", "7nm"}));
  EXPECT_EQ(warnings(t), (std::vector<std::string>{
                             "WARNING: Section name is not usable in a file name, section "
                             "written as a_b (a:b)",
                             "WARNING: Section name used before, section written as tt_4 (tt)",
                             "WARNING: Section name used before, section written as a_b_5 (a_b)",
                         }));
}

// A reference names the file Corvane writes for that section of that
// library: the file less its extension, "_", the section in lower case.
TEST(TranslateLib, ReferencesNameTheSectionFile) {
  EXPECT_EQ(translate_body(".lib 'mylib.lib' tt\n").text, ".lib \"mylib_tt.lib\"\n");
  EXPECT_EQ(translate_body(".LIB \"cic018.l\" TT\n").text, ".lib \"cic018_tt.lib\"\n");
  EXPECT_EQ(translate_body(".lib Models.lib tt\n").text, ".lib \"Models_tt.lib\"\n");
  EXPECT_EQ(translate_body(".lib '../lib.v2/corners' SS $ slow\n").text,
            ".lib \"../lib.v2/corners_ss.lib\"\n");
  EXPECT_EQ(translate_body(".lib '/pdk/models.lib'\n").text, ".lib \"/pdk/models.lib\"\n");
}

TEST(TranslateLib, StatementsInsideSections) {
  const testing::Translated t = translate_body(
      ".lib tt\n"
      ".temp 70\n"
      ".ic v(1)=0\n"
      ".nodeset v(2)=1\n"
      ".lib 'models.lib' tt\n"
      ".lib nmodels.lib typical\n"
      ".options post\n"
      ".subckt s1 a b\nv1 a b 1\n.ends\n"
      ".endl tt\n");
  EXPECT_EQ(t.text, ".ic v(1)=0\n.nodeset v(2)=1\n");
  ASSERT_EQ(t.sections.size(), 1u);
  EXPECT_EQ(t.sections[0].text,
            ".temp 70 \n.lib \"models_tt.lib\"\n.lib \"nmodels_typical.lib\"\n**** .options post\n"
            ".subckt s1 a b \nv1 a b 1\n.ends\n");
  EXPECT_EQ(warnings(t), std::vector<std::string>{
                             "WARNING: Unrecognized syntax when parsing .lib statement ()"});
}

TEST(TranslateLib, ASectionCannotBeDefinedInsideAnother) {
  const testing::Translated t = translate_body(".lib tt\n.lib ff\n.param a=1\n.endl\n");
  EXPECT_EQ(section_names(t), std::vector<std::string>{"tt"});
  EXPECT_EQ(t.sections[0].text, "**** .lib ff\n.param a = 1 \n");
  EXPECT_EQ(warnings(t).size(), 1u);
}

TEST(TranslateLib, ASectionWithoutEndlEndsAtTheEndOfInput) {
  const testing::Translated t = translate_body(".lib tt\n.param a=1\n");
  ASSERT_EQ(t.sections.size(), 1u);
  EXPECT_EQ(t.sections[0].text, ".param a = 1 \n");
  EXPECT_EQ(warnings(t), std::vector<std::string>{
                             "WARNING: Section not closed by .endl before the end of input (tt)"});
}

TEST(TranslateLib, MalformedLinesAreReported) {
  for (const char* line : {".lib\n", ".lib =\n", ".lib 'x.lib\n"}) {
    const testing::Translated t = translate_body(std::string(line) + "v1 1 0 1\n");
    EXPECT_EQ(warnings(t).size(), 1u) << line;
    EXPECT_TRUE(t.text.ends_with("v1 1 0 1\n")) << line;
    EXPECT_TRUE(t.sections.empty()) << line;
  }
}

// A real foundry-style corner library, when the shared corpus is at hand:
// one file per section, each starting with the text outside the sections.
TEST(TranslateLib, RealCornerLibraryGivesOneFilePerSection) {
  const char* source = std::getenv("CORVANE_SOURCE_DIR");
  const fs::path corpus = fs::path(source != nullptr ? source : ".") / ".." / "shared" / "corpus";
  const fs::path library = corpus / "libs" / "hmc_ami_c5n_opConditions.lib";
  std::error_code error;
  if (!fs::is_regular_file(library, error)) GTEST_SKIP() << "no corpus at " << corpus;

  const std::string input = read_file(library.string());
  // The sections as the library names them, found independently of the
  // translator: lines ".lib NAME" without quotes.
  std::set<std::string> expected;
  const std::regex section_line(R"(^\s*\.lib\s+([A-Za-z0-9_]+)\s*$)",
                                std::regex::icase | std::regex::multiline);
  for (auto it = std::sregex_iterator(input.begin(), input.end(), section_line);
       it != std::sregex_iterator(); ++it) {
    std::string name = (*it)[1];
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    expected.insert("corners_" + name + ".lib");
  }
  ASSERT_GE(expected.size(), 10u);

  RecordingSink sink;
  const TranslationOutput output = translate_text(input, {}, sink);
  testing::ScratchDirectory scratch;
  write_output_files(output, scratch.file("corners.lib"), library.string());
  EXPECT_EQ(files_in(scratch.directory()), expected);
  EXPECT_NE(output.main_text.find("ddiaz@hmc.edu"), std::string::npos);
  for (const std::string& file : expected) {
    const std::string text = read_file(scratch.file(file));
    EXPECT_TRUE(text.starts_with(output.main_text)) << file;
    EXPECT_NE(text.find(".param supply = ", output.main_text.size()), std::string::npos) << file;
    // Each corner reads the section file of the same corner.
    EXPECT_NE(text.find(".lib \"ami_c5n_corner_bsim3_", output.main_text.size()), std::string::npos)
        << file;
  }
}

}  // namespace
}  // namespace corvane
