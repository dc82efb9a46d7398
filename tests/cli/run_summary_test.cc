// The lines that end each pair and the run, and when the terminal gets
// colour codes and a progress bar.
#include <gtest/gtest.h>

#include "cli/run_summary.h"

namespace corvane {
namespace {

TEST(TerminalStyle, ColourAndBarOnlyWhereTheTerminalCanShowThem) {
  struct Case {
    bool is_terminal;
    const char* no_color;
    const char* term;
    bool quiet;
    bool colour;
    bool bar;
  };
  const Case cases[] = {
      {true, nullptr, "xterm-256color", false, true, true},
      {true, "", "xterm", false, false, true},  // NO_COLOR set, even empty
      {true, "1", nullptr, false, false, true},
      {true, nullptr, "dumb", false, false, false},
      {false, nullptr, "xterm", false, false, false},  // a pipe or a file
      {true, nullptr, "xterm", true, true, false},     // -q: no bar
  };
  for (const Case& c : cases) {
    const TerminalStyle style = terminal_style(c.is_terminal, c.no_color, c.term, c.quiet);
    EXPECT_EQ(style.colour, c.colour) << c.is_terminal << (c.term ? c.term : "-") << c.quiet;
    EXPECT_EQ(style.progress_bar, c.bar) << c.is_terminal << (c.term ? c.term : "-") << c.quiet;
  }
}

PairReport report(std::string input, bool translated, StatusColour colour) {
  PairReport r;
  r.input_path = std::move(input);
  r.translated = translated;
  r.colour = colour;
  r.log_path = "out/a.err";
  return r;
}

TEST(PairSummary, SaysWhatWasWrittenAndEverythingLost) {
  PairReport lossy = report("a.sp", true, StatusColour::yellow);
  lossy.files_written = {"out/a_tt.lib", "out/a_ff.lib"};
  lossy.warnings = 1;
  lossy.errors = 2;
  lossy.parameters_dropped = 7;
  lossy.cards_with_dropped_parameters = 1;
  lossy.options_dropped = 3;
  lossy.names_respelled = 1;
  EXPECT_EQ(pair_summary(lossy, false),
            "a.sp: wrote out/a_tt.lib out/a_ff.lib; log out/a.err; 1 warning, 2 errors, 7 model "
            "parameters dropped on 1 card, 3 options dropped, 1 name respelled; yellow");
  EXPECT_EQ(pair_summary(lossy, true).substr(pair_summary(lossy, true).rfind("; ")),
            "; \033[33myellow\033[0m");

  const PairReport clean = report("b.sp", true, StatusColour::green);
  EXPECT_EQ(pair_summary(clean, false), "b.sp: wrote nothing; log out/a.err; 0 warnings; green");
  EXPECT_EQ(pair_summary(report("c.sp", false, StatusColour::red), true),
            "c.sp: not translated; \033[31mred\033[0m");
}

TEST(RunTotal, SumsSeveralPairsAndLeavesOnePairAlone) {
  RunResult result;
  result.colour = StatusColour::red;
  PairReport a = report("a.sp", true, StatusColour::yellow);
  a.warnings = 2;
  a.parameters_dropped = 3;
  a.cards_with_dropped_parameters = 2;
  PairReport b = report("b.sp", true, StatusColour::green);
  b.names_respelled = 2;
  b.parameters_dropped = 1;
  b.cards_with_dropped_parameters = 1;
  result.pairs = {a};
  EXPECT_EQ(run_total(result, false), "");
  result.pairs = {a, b, report("c.sp", false, StatusColour::red)};
  EXPECT_EQ(run_total(result, false),
            "corvane: 3 files: 2 translated, 1 not translated; 2 warnings, 4 model parameters "
            "dropped on 3 cards, 2 names respelled; red");
  EXPECT_EQ(run_total(result, true).substr(run_total(result, true).rfind("; ")),
            "; \033[31mred\033[0m");
}

}  // namespace
}  // namespace corvane
