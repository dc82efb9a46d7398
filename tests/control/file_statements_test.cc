#include <gtest/gtest.h>

#include <fstream>

#include "app/app_fakes.h"
#include "app/log_environment.h"
#include "app/progress_window.h"
#include "control_support.h"
#include "core/translation_run.h"

namespace corvane {
namespace {

using testing::translate;
using testing::warnings;

TEST(TranslateInclude, QuotedNamesBecomeInc) {
  EXPECT_EQ(translate(".inc 'sub.inc'\n").main, ".inc \"sub.inc\"\n");
  EXPECT_EQ(translate(".INCLUDE \"/Tools/Lib/NMOS_VTL.inc\"\n").main,
            ".inc \"/Tools/Lib/NMOS_VTL.inc\"\n");
  EXPECT_EQ(translate(".inc '$PDK_DIR/models/x.inc' $ note\n").main,
            ".inc \"$PDK_DIR/models/x.inc\"\n");
}

TEST(TranslateInclude, UnquotedNamesAreCopied) {
  EXPECT_EQ(translate(".include sub.inc\nv1 1 0 1\n").main, ".include sub.inc\nv1 1 0 1\n");
}

TEST(TranslateInclude, BadLinesAreReported) {
  const testing::Translated t = translate(".inc 'sub.inc  \nv1 1 0 1\n");
  EXPECT_EQ(t.main, ".inc \"sub.inc\"\nv1 1 0 1\n");
  EXPECT_EQ(warnings(t),
            std::vector<std::string>{"WARNING: File name without its closing quote (\"sub.inc\")"});
  const testing::Translated empty = translate(".include\nv1 1 0 1\n");
  EXPECT_EQ(empty.main, "**** .include\nv1 1 0 1\n");
  EXPECT_EQ(warnings(empty).size(), 1u);
}

TEST(TranslateLoad, WritesLoadbias) {
  EXPECT_EQ(translate(".load file='op.ic'\n").main, ".loadbias \"op.ic\"\n");
  EXPECT_EQ(translate(".LOAD FILE = \"Op.IC\"\n").main, ".loadbias \"Op.IC\"\n");
  EXPECT_EQ(translate(".load 'op.ic'\n").main, ".loadbias \"op.ic\"\n");
  EXPECT_EQ(warnings(translate(".load\nv1 1 0 1\n")).size(), 1u);
}

TEST(TranslateSave, WritesSavebias) {
  EXPECT_EQ(translate(".save level=top file='x.ic'\n").main, ".savebias \"x.ic\" op nosubckt \n");
  EXPECT_EQ(translate(".save file='a.ic' time=10n\n").main, ".savebias \"a.ic\" tran time=10n \n");
  EXPECT_EQ(translate(".save file='a.ic' level=all\n").main, ".savebias \"a.ic\" op \n");
}

TEST(TranslateSave, SettingsAfterTheFileNameAreRead) {
  EXPECT_EQ(translate(".save type=ic file='op.ic' level=top time=1u\n").main,
            ".savebias \"op.ic\" tran time=1u nosubckt \n");
  EXPECT_EQ(translate(".save file='run 1.ic' time=2n\n").main,
            ".savebias \"run 1.ic\" tran time=2n \n");
  // A name the scanner cannot read through ends the line.
  EXPECT_EQ(translate(".save file='$HOME/op.ic' time=2n\n").main,
            ".savebias \"$HOME/op.ic\" op \n");
}

TEST(TranslateSave, UnknownSettingsAreReported) {
  const testing::Translated t = translate(".save file='a.ic' when=2\nv1 1 0 1\n");
  EXPECT_EQ(t.main, "**** .save file='a.ic' when=2\nv1 1 0 1\n");
  EXPECT_EQ(warnings(t), std::vector<std::string>{
                             "WARNING: Unrecognized syntax when parsing .SAVE statement ()"});
  EXPECT_EQ(warnings(translate(".save time=tsave\n")).size(), 1u);
}

TEST(TranslateGlobal, NamesAccumulateWithoutDuplicates) {
  const testing::Translated t = translate(".global vdd gnd\n.global vss vdd\n+ 0\n");
  EXPECT_EQ(t.main, "");
  EXPECT_EQ(t.global_names, (std::vector<std::string>{"vdd", "gnd", "vss", "0"}));
}

TEST(TranslateGlobal, NamesCarryOverFromEarlierFiles) {
  const testing::Translated t = translate(".global b a\n", {"a", "z"});
  EXPECT_EQ(t.global_names, (std::vector<std::string>{"a", "z", "b"}));
  EXPECT_EQ(translate(".print tran v(z) v(y)\n", {"z"}).main, ".print tran v($G_z) v(y) \n");
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
    translate_libraries(TranslationRequest{inputs, outputs, true, nullptr}, services);
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
