#include <gtest/gtest.h>

#include "control/analyses.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::translate_body;
using testing::warnings;

std::string main_text(const char* body) { return translate_body(body).text; }

std::vector<std::string> warning_list(const char* body) { return warnings(translate_body(body)); }

TEST(SweepTypeWord, GivesOndrelsWords) {
  EXPECT_EQ(sweep_type_word("dec"), "dec");
  EXPECT_EQ(sweep_type_word("lin"), "lin");
  EXPECT_EQ(sweep_type_word("oct"), "oct");
  EXPECT_EQ(sweep_type_word("poi"), "list");
  EXPECT_EQ(sweep_type_word("data"), "");
  EXPECT_EQ(sweep_type_word("sweep"), "");
}

TEST(TranslateAc, WritesTheSweepTypeAndThreeValues) {
  EXPECT_EQ(main_text(".ac dec 10 1 1meg\n"), ".ac dec 10 1 1meg \n");
  EXPECT_EQ(main_text(".AC DEC 50 10K 100Meg\n"), ".ac dec 50 10k 100meg \n");
  EXPECT_EQ(main_text(".ac lin 10 1 5 7\n"), ".ac lin 10 1 5 \n");
  EXPECT_EQ(main_text(".ac oct 8 1 'fmax'\n"), ".ac oct 8 1 { fmax } \n");
}

TEST(TranslateAc, APointListIsWrittenWhole) {
  EXPECT_EQ(main_text(".ac poi 4 1k 10k 100k 1meg\n"), ".ac list 1k 10k 100k 1meg \n");
}

TEST(TranslateAc, ASweepBecomesAStepLine) {
  EXPECT_EQ(main_text(".ac dec 10 1 1g sweep rl lin 1k 10k 1k\n"),
            ".ac dec 10 1 1g \n.step param rl lin 1k 10k 1k \n");
  // dec after the swept name is taken like the other types.
  EXPECT_EQ(main_text(".ac dec 10 1 1g sweep rl dec 5 1k 1meg\n"),
            ".ac dec 10 1 1g \n.step param rl dec 5 1k 1meg \n");
  EXPECT_EQ(main_text(".ac dec 10 1 1g sweep rl poi 3 1k 2k 5k\n"),
            ".ac dec 10 1 1g \n.step param rl list 1k 2k 5k \n");
  // A swept temperature is Ondrel's temperature step.
  EXPECT_EQ(main_text(".ac dec 10 1 1g sweep temp -40 125 5\n"),
            ".ac dec 10 1 1g \n.step temp -40 125 5 \n");
}

TEST(TranslateAc, MonteCarloBecomesAnMcLine) {
  EXPECT_EQ(main_text(".ac dec 10 1 1g sweep monte=30\n"),
            ".ac dec 10 1 1g \n.mc 30 ac v(out) list output all \n");
}

TEST(TranslateAc, MalformedStatementsAreReported) {
  const std::vector<std::string> ac_error{
      "WARNING: Unrecognized syntax when parsing .AC statement ()"};
  EXPECT_EQ(warning_list(".ac monte=3\n"), ac_error);
  EXPECT_EQ(warning_list(".ac dec 10 1\n"), ac_error);
  EXPECT_EQ(warning_list(".ac dec 10 1 1g monte=3\n"), ac_error);
  EXPECT_EQ(warning_list(".ac dec 10 1 1g sweep data=d1\n"), ac_error);
  EXPECT_EQ(warning_list(".ac dec 10 1 1g sweep\n"), ac_error);
  EXPECT_EQ(warning_list(".ac\n"), ac_error);
  EXPECT_EQ(warning_list(".ac data=d1\n"), ac_error);
  EXPECT_EQ(warning_list(".ac dec 10 1 1g sweep monte 3\n"),
            std::vector<std::string>{"WARNING: Unrecognized syntax when parsing statement ()"});
  const testing::Translated t = translate_body(".ac dec 10 1 1g sweep data=d1\nv1 1 0 1\n");
  EXPECT_EQ(t.text, "**** .ac dec 10 1 1g sweep data=d1\nv1 1 0 1\n");
}

TEST(TranslateDc, WritesEachSweepOnTheLine) {
  EXPECT_EQ(main_text(".dc v1 0 5 0.1\n"), ".dc v1 0 5 0.1 \n");
  EXPECT_EQ(main_text(".dc v1 0 5 0.1 v2 0 1 0.5\n"), ".dc v1 0 5 0.1 v2 0 1 0.5 \n");
  EXPECT_EQ(main_text(".DC Vdsp 0 -6 0.5 SWEEP Vgp 0 -6 0.1\n"),
            ".dc vdsp 0 -6 0.5 \n.step vgp 0 -6 0.1 \n");
  EXPECT_EQ(main_text(".dc vds 0 vdd 0.01\n"), ".dc vds 0 { vdd } 0.01 \n");
  EXPECT_EQ(main_text(".dc v1 poi 3 0 1.5 3 v2 0 1 0.5\n"), ".dc v1 list 0 1.5 3 v2 0 1 0.5 \n");
}

TEST(TranslateDc, TemperatureSweeps) {
  EXPECT_EQ(main_text(".dc temp -40 125 5\n"), ".dc temp -40 125 5 \n");
  EXPECT_EQ(main_text(".dc temp -40 125 5 v1 0 1 0.5\n"), ".dc temp -40 125 5 v1 0 1 0.5 \n");
  EXPECT_EQ(main_text(".dc v1 0 5 0.1 sweep temp poi 2 27 85\n"),
            ".dc v1 0 5 0.1 \n.step temp list 27 85 \n");
}

TEST(TranslateDc, MonteCarloBecomesAnMcLine) {
  EXPECT_EQ(main_text(".dc v1 0 5 0.1 sweep monte=20\n"),
            ".dc v1 0 5 0.1 \n.mc 20 dc v(out) list output all \n");
}

TEST(TranslateDc, MalformedStatementsAreReported) {
  const std::vector<std::string> dc_error{
      "WARNING: Unrecognized syntax when parsing .DC statement ()"};
  EXPECT_EQ(warning_list(".dc monte=5\n"), dc_error);
  EXPECT_EQ(warning_list(".dc vds 0 vdd 0.01 monte=2500\n"), dc_error);
  EXPECT_EQ(warning_list(".dc v1 0 5\n"), dc_error);
  EXPECT_EQ(warning_list(".dc 1 2 3\n"), dc_error);
  // A sweep clause needs an analysis sweep before it; nothing is left of the line.
  const testing::Translated t = translate_body(".dc sweep v1 0 1 0.1\nv1 1 0 1\n");
  EXPECT_EQ(t.text, "**** .dc sweep v1 0 1 0.1\nv1 1 0 1\n");
  EXPECT_EQ(warnings(t), dc_error);
}

TEST(TranslateTran, WritesStepAndStopTime) {
  EXPECT_EQ(main_text(".tran 1n 100n\n"), ".tran 1n 100n \n");
  EXPECT_EQ(main_text(".tran 1n 100n 0 1n\n"), ".tran 1n 100n \n");
  EXPECT_EQ(main_text(".tran 1e-13 '7*clock_period'\n"), ".tran 1e-13 { 7*clock_period } \n");
  EXPECT_EQ(main_text(".tran 1n tstop\n"), ".tran 1n { tstop } \n");
  EXPECT_EQ(main_text(".tran 5e-9 5e-9 START=0.0\n"), ".tran 5e-9 5e-9 \n");
  EXPECT_EQ(main_text(".tran 1n 10n start='t0' uic\n"),
            ".tran 1n 10n UIC \n.options noictranslate\n");
}

TEST(TranslateTran, UicAddsTheNoInitialConditionOption) {
  EXPECT_EQ(main_text(".tran 1n 100n uic\n"), ".tran 1n 100n UIC \n.options noictranslate\n");
}

TEST(TranslateTran, SweepsAndMonteCarlo) {
  EXPECT_EQ(main_text(".tran 1e-13 280e-12 SWEEP H 1.5 2.5 1e-2\n"),
            ".tran 1e-13 280e-12 \n.step param h 1.5 2.5 1e-2 \n");
  EXPECT_EQ(main_text(".TRAN 3.5P 'st' SWEEP MONTE=50\n"),
            ".tran 3.5p { st } \n.mc 50 tran v(out) list output all \n");
  EXPECT_EQ(main_text(".tran 1n 10n sweep temp 0 100 25\n"),
            ".tran 1n 10n \n.step temp 0 100 25 \n");
}

TEST(TranslateTran, MalformedStatementsAreReported) {
  const std::vector<std::string> tran_error{
      "WARNING: Unrecognized syntax when parsing .TRAN statement ()"};
  EXPECT_EQ(warning_list(".tran 1n 10n monte=4\n"), tran_error);
  EXPECT_EQ(warning_list(".TRAN 1p 4n SWEEP DATA=sweep_data\n"), tran_error);
  EXPECT_EQ(warning_list(".tran step='8*tp' stop='800*tp'\n"), tran_error);
  EXPECT_EQ(warning_list(".tran\n"), tran_error);
}

}  // namespace
}  // namespace corvane
