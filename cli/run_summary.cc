#include "cli/run_summary.h"

#include <string_view>

namespace corvane {
namespace {

std::string_view colour_name(StatusColour colour) {
  switch (colour) {
    case StatusColour::red:
      return "red";
    case StatusColour::yellow:
      return "yellow";
    case StatusColour::green:
      return "green";
    case StatusColour::neutral:
      break;
  }
  return "neutral";
}

std::string_view colour_code(StatusColour colour) {
  switch (colour) {
    case StatusColour::red:
      return "\033[31m";
    case StatusColour::yellow:
      return "\033[33m";
    case StatusColour::green:
      return "\033[32m";
    case StatusColour::neutral:
      break;
  }
  return "";
}

std::string result_word(StatusColour colour, bool coloured) {
  const std::string_view code = coloured ? colour_code(colour) : "";
  std::string word(code);
  word += colour_name(colour);
  if (!code.empty()) word += "\033[0m";
  return word;
}

// "1 warning", "2 warnings".
std::string counted(long long n, std::string_view one, std::string_view many) {
  return std::to_string(n) + " " + std::string(n == 1 ? one : many);
}

// What a pair (or the run) lost, after its warnings: the parts not zero.
struct Losses {
  long long warnings = 0;
  long long errors = 0;
  long long parameters_dropped = 0;
  long long cards_with_dropped_parameters = 0;
  long long options_dropped = 0;
  long long names_respelled = 0;

  void add(const PairReport& report) {
    warnings += report.warnings;
    errors += report.errors;
    parameters_dropped += report.parameters_dropped;
    cards_with_dropped_parameters += report.cards_with_dropped_parameters;
    options_dropped += report.options_dropped;
    names_respelled += report.names_respelled;
  }

  std::string text() const {
    std::string text = counted(warnings, "warning", "warnings");
    if (errors > 0) text += ", " + counted(errors, "error", "errors");
    if (parameters_dropped > 0) {
      text += ", " + counted(parameters_dropped, "model parameter", "model parameters") +
              " dropped on " + counted(cards_with_dropped_parameters, "card", "cards");
    }
    if (options_dropped > 0)
      text += ", " + counted(options_dropped, "option", "options") + " dropped";
    if (names_respelled > 0) {
      text += ", " + counted(names_respelled, "name", "names") + " respelled";
    }
    return text;
  }
};

}  // namespace

TerminalStyle terminal_style(bool is_terminal, const char* no_color, const char* term, bool quiet) {
  const bool dumb = term != nullptr && std::string_view(term) == "dumb";
  TerminalStyle style;
  style.colour = is_terminal && no_color == nullptr && !dumb;
  style.progress_bar = is_terminal && !dumb && !quiet;
  return style;
}

std::string pair_summary(const PairReport& report, bool colour) {
  std::string line = report.input_path + ": ";
  if (!report.translated) return line + "not translated; " + result_word(report.colour, colour);
  line += "wrote";
  for (const std::string& file : report.files_written) line += " " + file;
  if (report.files_written.empty()) line += " nothing";
  line += "; log " + report.log_path + (report.log_failed ? " not written" : "") + "; ";
  Losses losses;
  losses.add(report);
  return line + losses.text() + "; " + result_word(report.colour, colour);
}

std::string run_total(const RunResult& result, bool colour) {
  if (result.pairs.size() < 2) return {};
  Losses losses;
  long long translated = 0;
  for (const PairReport& report : result.pairs) {
    losses.add(report);
    translated += report.translated ? 1 : 0;
  }
  const long long pairs = static_cast<long long>(result.pairs.size());
  std::string line = "corvane: " + counted(pairs, "file", "files") + ": " +
                     std::to_string(translated) + " translated";
  if (translated < pairs) line += ", " + std::to_string(pairs - translated) + " not translated";
  return line + "; " + losses.text() + "; " + result_word(result.colour, colour);
}

}  // namespace corvane
