#pragma once

#include <string>

#include "run/translation_run.h"

namespace corvane {

/// What the terminal is given beside plain text: colour codes and the
/// progress bar go only to a terminal that can show them.
struct TerminalStyle {
  bool colour = false;
  bool progress_bar = false;
};

/// The style for standard error: `is_terminal` tells whether it is one;
/// `no_color` and `term` are the NO_COLOR and TERM variables (null when
/// unset). NO_COLOR set to anything, even empty, turns colour off; TERM=dumb
/// turns off colour and the bar; `quiet` turns off the bar.
TerminalStyle terminal_style(bool is_terminal, const char* no_color, const char* term, bool quiet);

/// The line that ends a pair: the files written, the log, and what was lost
/// (warnings, errors, model parameters, options, names respelled), then the
/// result word, coloured when `colour`.
std::string pair_summary(const PairReport& report, bool colour);

/// The line that ends a run of several pairs: how many were translated and
/// the sums of what was lost, then the run's result word. Empty for a run
/// of one pair or none, whose pair line says it all.
std::string run_total(const RunResult& result, bool colour);

}  // namespace corvane
