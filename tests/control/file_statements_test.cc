#include <gtest/gtest.h>

#include <fstream>

#include "run/log_environment.h"
#include "run/progress_window.h"
#include "run/translation_run.h"
#include "support/run_fakes.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::translate_body;
using testing::warnings;

TEST(TranslateInclude, QuotedNamesBecomeInc) {
  EXPECT_EQ(translate_body(".inc 'sub.inc'\n").text, ".inc \"sub.inc\"\n");
  EXPECT_EQ(translate_body(".INCLUDE \"/Tools/Lib/NMOS_VTL.inc\"\n").text,
            ".inc \"/Tools/Lib/NMOS_VTL.inc\"\n");
  EXPECT_EQ(translate_body(".inc '$PDK_DIR/models/x.inc' $ note\n").text,
            ".inc \"$PDK_DIR/models/x.inc\"\n");
}

TEST(TranslateInclude, UnquotedNamesAreCopied) {
  EXPECT_EQ(translate_body(".include sub.inc\nv1 1 0 1\n").text, ".include sub.inc\nv1 1 0 1\n");
}

TEST(TranslateInclude, BadLinesAreReported) {
  const testing::Translated t = translate_body(".inc 'sub.inc  \nv1 1 0 1\n");
  EXPECT_EQ(t.text, ".inc \"sub.inc\"\nv1 1 0 1\n");
  EXPECT_EQ(warnings(t),
            std::vector<std::string>{"WARNING: File name without its closing quote (\"sub.inc\")"});
  const testing::Translated empty = translate_body(".include\nv1 1 0 1\n");
  EXPECT_EQ(empty.text, "**** .include\nv1 1 0 1\n");
  EXPECT_EQ(warnings(empty).size(), 1u);
}

TEST(TranslateLoad, WritesLoadbias) {
  EXPECT_EQ(translate_body(".load file='op.ic'\n").text, ".loadbias \"op.ic\"\n");
  EXPECT_EQ(translate_body(".LOAD FILE = \"Op.IC\"\n").text, ".loadbias \"Op.IC\"\n");
  EXPECT_EQ(translate_body(".load 'op.ic'\n").text, ".loadbias \"op.ic\"\n");
  EXPECT_EQ(warnings(translate_body(".load\nv1 1 0 1\n")).size(), 1u);
}

TEST(TranslateSave, WritesSavebias) {
  EXPECT_EQ(translate_body(".save level=top file='x.ic'\n").text,
            ".savebias \"x.ic\" op nosubckt \n");
  EXPECT_EQ(translate_body(".save file='a.ic' time=10n\n").text,
            ".savebias \"a.ic\" tran time=10n \n");
  EXPECT_EQ(translate_body(".save file='a.ic' level=all\n").text, ".savebias \"a.ic\" op \n");
}

TEST(TranslateSave, SettingsAfterTheFileNameAreRead) {
  EXPECT_EQ(translate_body(".save type=ic file='op.ic' level=top time=1u\n").text,
            ".savebias \"op.ic\" tran time=1u nosubckt \n");
  EXPECT_EQ(translate_body(".save file='run 1.ic' time=2n\n").text,
            ".savebias \"run 1.ic\" tran time=2n \n");
  // A name the scanner cannot read through ends the line.
  EXPECT_EQ(translate_body(".save file='$HOME/op.ic' time=2n\n").text,
            ".savebias \"$HOME/op.ic\" op \n");
}

TEST(TranslateSave, UnknownSettingsAreReported) {
  const testing::Translated t = translate_body(".save file='a.ic' when=2\nv1 1 0 1\n");
  EXPECT_EQ(t.text, "**** .save file='a.ic' when=2\nv1 1 0 1\n");
  EXPECT_EQ(warnings(t), std::vector<std::string>{
                             "WARNING: Unrecognized syntax when parsing .SAVE statement ()"});
  EXPECT_EQ(warnings(translate_body(".save time=tsave\n")).size(), 1u);
}

TEST(TranslateGlobal, NamesAccumulateWithoutDuplicates) {
  const testing::Translated t = translate_body(".global vdd gnd\n.global vss vdd\n+ 0\n");
  EXPECT_EQ(t.text, "");
  EXPECT_EQ(t.global_names, (std::vector<std::string>{"vdd", "gnd", "vss", "0"}));
}

TEST(TranslateGlobal, NamesCarryOverFromEarlierFiles) {
  const testing::Translated t = translate_body(".global b a\n", {"a", "z"});
  EXPECT_EQ(t.global_names, (std::vector<std::string>{"a", "z", "b"}));
  EXPECT_EQ(translate_body(".print tran v(z) v(y)\n", {"z"}).text, ".print tran v($G_z) v(y) \n");
}

// Each file of a run sees the global names of the files before it, however
// many files are translated at once.
TEST(TranslateGlobal, NamesLastForTheWholeRun) {
  for (int jobs : {1, 3}) {
    corvane::testing::ScratchDirectory scratch;
    const std::pair<const char*, const char*> files[] = {
        {"a", "first\n.global vdd\n"},
        {"b", "second\n.global gnd vdd\n.print dc v(vdd) v(gnd)\n"},
        {"c", "third\n.print dc v(vdd) v(gnd) v(x)\n"},
    };
    std::string inputs;
    std::string outputs;
    for (const auto& [name, text] : files) {
      std::ofstream(scratch.file(std::string(name) + ".sp"), std::ios::binary) << text;
      inputs += " \"" + scratch.file(std::string(name) + ".sp") + '"';
      outputs += " \"" + scratch.file(std::string(name) + ".lib") + '"';
    }
    corvane::testing::FakePrompts prompts;
    RealFileSystem file_system;
    LogEnvironment environment{MessageFilter(), {}, prompts, file_system};
    ProgressWindow progress(prompts);
    RunServices services{environment, progress, nullptr, {}, jobs};
    translate_libraries(TranslationRequest{inputs, outputs, true, {}, {}}, services);
    EXPECT_EQ(corvane::testing::read_file(scratch.file("b.lib")),
              "* second\n.print dc v($G_vdd) v($G_gnd) \n")
        << jobs;
    EXPECT_EQ(corvane::testing::read_file(scratch.file("c.lib")),
              "* third\n.print dc v($G_vdd) v($G_gnd) v(x) \n")
        << jobs;
  }
}

}  // namespace
}  // namespace corvane
