#include "control/analyses.h"

#include <algorithm>
#include <optional>
#include <string>

#include "control/control_tokens.h"
#include "control/output_requests.h"
#include "control/statement_text.h"
#include "core/diagnostics.h"
#include "core/names.h"
#include "core/numeric_value.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_list.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

struct Analysis {
  std::string_view keyword;
  std::string_view syntax_error;
  std::string_view monte_carlo_tail;  // what the ".mc" line analyses
  bool step_names_parameter;          // ".step param NAME" rather than ".step NAME"
  std::string_view unused_values;     // reports values that have no place
};

constexpr Analysis kAc{".ac", "Unrecognized syntax when parsing .AC statement",
                       "ac v(out) list output all", true, "Values of .AC not translated:"};
constexpr Analysis kDc{".dc", "Unrecognized syntax when parsing .DC statement",
                       "dc v(out) list output all", false, "Values of .DC not translated:"};
constexpr Analysis kTemp{".temp", "Unrecognized syntax when parsing .TEMP statement", "", false,
                         ""};
constexpr Analysis kTran{".tran", "Unrecognized syntax when parsing .TRAN statement",
                         "tran v(out) list output all", true, "Values of .TRAN not translated:"};

constexpr std::string_view kMonteCarloOutput =
    "Output v(out) of .MC supplied by the translator; set it to the output wanted:";

struct SweepType {
  std::string_view hspice;
  std::string_view ondrel;
};

constexpr SweepType kSweepTypes[] = {
    {"dec", "dec"}, {"lin", "lin"}, {"oct", "oct"}, {"poi", "list"}};
constexpr std::string_view kPointList = "list";
constexpr int kSweepValues = 3;  // points or step, start, stop

// Words of the analysis statements themselves, never parameter values.
bool is_control_word(std::string_view word) {
  return word == "sweep" || word == "monte" || word == "start" || word == "uic" ||
         !sweep_type_word(word).empty();
}

// Whether the current token can begin a value: a number, a sign, a quoted
// expression or a parameter name.
bool at_value(const TranslationContext& ctx) {
  if (ctx.statement_ended) return false;
  const int kind = ctx.token_kind;
  if (is_number_kind(kind) || kind == TOK_QUOTE || kind == TOK_PLUS || kind == TOK_MINUS) {
    return true;
  }
  const std::string_view word = current_word(ctx);
  return !word.empty() && !is_control_word(word);
}

bool at_point(const TranslationContext& ctx) { return at_value(ctx) && current_word(ctx).empty(); }

// Reads one value; a number is written as it stands, a parameter name or a
// quoted expression in braces. False when a name turns out to be a keyword
// setting (NAME=...), which is no value.
bool read_analysis_value(TranslationContext& ctx, TokenList& value) {
  const bool name = !current_word(ctx).empty();
  read_value(ctx, value);
  return !(name && !ctx.statement_ended && ctx.token_kind == TOK_EQUALS);
}

bool write_analysis_value(TranslationContext& ctx, int target) {
  TokenList value;
  if (!read_analysis_value(ctx, value)) return false;
  token_list_write(ctx, target, value);
  return true;
}

bool skip_analysis_value(TranslationContext& ctx) {
  TokenList value;
  return read_analysis_value(ctx, value);
}

// Passes over one value and gives its text as the source has it (a quoted
// expression whole), for a message; empty when it was no value.
std::string skip_value_for_message(TranslationContext& ctx) {
  const std::string_view line = ctx.scan.line;
  const std::size_t start = std::min(ctx.scan.token_start, line.size());
  const std::size_t end = ctx.token_kind == TOK_QUOTE ? line.find('\'', start + 1)
                                                      : line.find_first_of(" \t,$;", start);
  std::string text(line.substr(start, end == std::string_view::npos || ctx.token_kind != TOK_QUOTE
                                          ? end - start
                                          : end + 1 - start));
  if (!skip_analysis_value(ctx)) return {};
  return text;
}

// Whether a number's text is zero (0, 0.0, 0n, 0e3): the default of the
// values it may stand for, so nothing is lost when it is left out.
bool is_zero_text(std::string_view text) {
  const std::size_t digits_end = text.find_first_not_of("0123456789.");
  const std::string_view digits = text.substr(0, digits_end);
  return !digits.empty() && digits.find_first_not_of("0.") == std::string_view::npos;
}

bool reject(TranslationContext& ctx, int target, const Analysis& analysis) {
  // Lines the analysis wrote already (a sweep's .step) are taken back: the
  // echo stands for the whole statement.
  if (target == ctx.statement_target) output_of(ctx, target).truncate(ctx.statement_output_start);
  warn_and_skip(ctx, target, analysis.syntax_error, "");
  return false;
}

// The swept name: a word, or a call with its arguments (i(v1)).
bool read_swept_name(TranslationContext& ctx, std::string& name) {
  if (!current_word(ctx).empty()) {
    name.assign(token_text(ctx));
    next_token(ctx, MODE_ALL_KEYWORDS);
    return true;
  }
  if (!ctx.statement_ended && ctx.token_kind == TOK_CALL) {
    return read_call_group(ctx, name, MODE_ALL_KEYWORDS);
  }
  return false;
}

// A sweep type after the swept name is written in Ondrel's word and
// consumed; returns the word, empty when there is none.
std::string_view write_sweep_type(TranslationContext& ctx, int target) {
  const std::string_view type = sweep_type_word(current_word(ctx));
  if (!type.empty()) {
    write_text(ctx, target, type, true);
    next_token(ctx, MODE_ALL_KEYWORDS);
  }
  return type;
}

// POI NP P1 ... PN -> list P1 ... PN: the count is no point. The points run
// to the first token that is no number.
bool write_point_list(TranslationContext& ctx, int target) {
  if (!at_value(ctx) || !skip_analysis_value(ctx)) return false;
  int points = 0;
  while (at_point(ctx)) {
    if (!write_analysis_value(ctx, target)) return false;
    ++points;
  }
  return points > 0;
}

// On the analysis line:
//   TYPE NP START STOP | NAME [TYPE] START STOP STEP | [NAME] POI NP P1 ... PN
bool write_sweep(TranslationContext& ctx, int target) {
  std::string_view type = sweep_type_word(current_word(ctx));
  if (type.empty()) {
    std::string name;
    if (!read_swept_name(ctx, name)) return false;
    // A parameter of the file is swept as one: HSPICE sweeps sources and
    // parameters by name alike.
    if (is_top_parameter(ctx, name)) write_text(ctx, target, "param", true);
    write_text(ctx, target, name, true);
    type = write_sweep_type(ctx, target);
  } else {
    write_text(ctx, target, type, true);
    next_token(ctx, MODE_ALL_KEYWORDS);
  }
  if (type == kPointList) return write_point_list(ctx, target);
  for (int i = 0; i < kSweepValues; ++i) {
    if (!at_value(ctx) || !write_analysis_value(ctx, target)) return false;
  }
  return true;
}

// MONTE = COUNT -> .mc COUNT ANALYSIS v(out) list output all
// HSPICE's Monte Carlo takes no output; Ondrel's .mc needs one, and v(out)
// may be no node of the circuit, so the log asks for the output wanted.
bool write_monte_carlo(TranslationContext& ctx, int target, const Analysis& analysis) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!expect_token(ctx, TOK_EQUALS)) return false;
  next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || !is_number_kind(ctx.token_kind)) return reject(ctx, target, analysis);
  const std::string line =
      ".mc " + std::string(token_text(ctx)) + " " + std::string(analysis.monte_carlo_tail);
  write_line(ctx, target, "");
  write_text(ctx, target, line, true);
  post_warning(ctx, kMonteCarloOutput, line);
  next_token(ctx, MODE_ALL_KEYWORDS);
  return true;
}

// SWEEP NAME [TYPE] VALUES... -> .step [param] NAME [TYPE] VALUES...
// SWEEP TEMP ...              -> .step temp ...
// SWEEP MONTE=COUNT           -> .mc COUNT ...
bool write_sweep_clause(TranslationContext& ctx, int target, const Analysis& analysis) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (current_word(ctx) == "monte") return write_monte_carlo(ctx, target, analysis);
  std::string name;
  if (!read_swept_name(ctx, name)) return reject(ctx, target, analysis);
  // DATA=, OPTIMIZE= and the like have no Ondrel counterpart.
  if (!ctx.statement_ended && ctx.token_kind == TOK_EQUALS) return reject(ctx, target, analysis);

  write_line(ctx, target, "");
  write_text(ctx, target, ".step", true);
  ++ctx.sweeps_as_step;
  const bool top_parameter = is_top_parameter(ctx, name);
  if ((analysis.step_names_parameter && name != "temp") || top_parameter) {
    write_text(ctx, target, "param", true);
    // HSPICE sweeps a source of that name as well; .step param would not.
    if (!top_parameter && name != "temp") {
      post_warning(ctx,
                   "SWEEP of a name no .param of this file defines, written as a parameter:", name);
    }
  }
  write_text(ctx, target, name, true);
  if (write_sweep_type(ctx, target) == kPointList && at_value(ctx) && !skip_analysis_value(ctx)) {
    return reject(ctx, target, analysis);
  }
  // The values run to the first word that is none (UIC, START=): the
  // analysis line goes on there.
  while (at_value(ctx)) {
    if (!write_analysis_value(ctx, target)) return reject(ctx, target, analysis);
  }
  return true;
}

// The rest of an .ac or .dc line: sweeps, one after the other, then SWEEP.
// A line without any sweep is no analysis. Numbers that belong to no sweep
// (a fourth after .ac lin 10 1 5) are reported.
void write_sweeps(TranslationContext& ctx, int target, const Analysis& analysis) {
  int sweeps = 0;
  std::string passed;
  while (!ctx.statement_ended) {
    const std::string_view word = current_word(ctx);
    if (word == "sweep" && sweeps > 0) {
      if (!write_sweep_clause(ctx, target, analysis)) return;
    } else if (word == "sweep" || word == "monte") {
      reject(ctx, target, analysis);
      return;
    } else if (!word.empty() || ctx.token_kind == TOK_CALL) {
      if (!write_sweep(ctx, target)) {
        reject(ctx, target, analysis);
        return;
      }
      ++sweeps;
    } else {
      if (is_number_kind(ctx.token_kind)) {
        if (!passed.empty()) passed += ' ';
        passed += source_token_text(ctx);
      }
      next_token(ctx, MODE_ALL_KEYWORDS);
    }
  }
  if (sweeps == 0) {
    reject(ctx, target, analysis);
    return;
  }
  write_line(ctx, target, "");
  if (!passed.empty()) post_warning(ctx, analysis.unused_values, passed);
}

// UIC belongs on the .tran line, also when it stands after a SWEEP clause
// whose .step line is written already (`tran_line_end`, where the .tran
// line ends, is then known).
void write_uic(TranslationContext& ctx, int target, std::size_t& tran_line_end) {
  if (tran_line_end == std::string::npos) {
    write_text(ctx, target, "UIC", true);
    return;
  }
  OutputText& output = output_of(ctx, target);
  const std::string after = output.text_from(tran_line_end);
  output.truncate(tran_line_end);
  write_text(ctx, target, "UIC", true);
  tran_line_end = output.size();
  output.append(after);
}

// Counts the analysis being translated, once it is done, towards the
// warning that .step sweeps every analysis; a rejected one, and the sweep
// it began, do not count.
class AnalysisCount {
 public:
  explicit AnalysisCount(TranslationContext& ctx) : ctx_(ctx), sweeps_(ctx.sweeps_as_step) {}
  AnalysisCount(const AnalysisCount&) = delete;
  AnalysisCount& operator=(const AnalysisCount&) = delete;
  ~AnalysisCount() {
    if (ctx_.rejected_serial == ctx_.dispatched_serial) {
      ctx_.sweeps_as_step = sweeps_;
    } else {
      ++ctx_.analyses;
    }
  }

 private:
  TranslationContext& ctx_;
  int sweeps_;
};

}  // namespace

std::string_view sweep_type_word(std::string_view hspice_word) {
  for (const SweepType& type : kSweepTypes) {
    if (type.hspice == hspice_word) return type.ondrel;
  }
  return {};
}

// .ac TYPE NP FSTART FSTOP [SWEEP ...]  ->  .ac TYPE NP FSTART FSTOP [.step/.mc line]
// .ac POI NP F1 ... FN                  ->  .ac list F1 ... FN
void translate_ac(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || current_word(ctx) == "monte") {
    reject(ctx, target, kAc);
    return;
  }
  write_text(ctx, target, kAc.keyword, true);
  const AnalysisCount count(ctx);
  write_sweeps(ctx, target, kAc);
}

// .dc NAME START STOP STEP [NAME2 START2 STOP2 STEP2] [SWEEP ...]
//   -> .dc NAME START STOP STEP [NAME2 ...] [.step NAME .../.mc line]
// .dc TEMP -40 125 5  ->  .dc temp -40 125 5
void translate_dc(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended) {
    reject(ctx, target, kDc);
    return;
  }
  write_text(ctx, target, kDc.keyword, true);
  const AnalysisCount count(ctx);
  write_sweeps(ctx, target, kDc);
}

// .tran TSTEP TSTOP [START=T] [UIC] [SWEEP ...]
//   -> .tran TSTEP TSTOP [UIC] [.step/.mc line] [.options noictranslate]
void translate_tran(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_NO_KEYWORDS);
  write_text(ctx, target, kTran.keyword, true);
  const AnalysisCount count(ctx);
  int leading = 0;
  for (; leading < 2 && at_value(ctx); ++leading) {
    if (!write_analysis_value(ctx, target)) break;
  }
  if (leading == 0 || (!ctx.statement_ended && ctx.token_kind == TOK_EQUALS)) {
    reject(ctx, target, kTran);
    return;
  }
  bool uic = false;
  std::size_t tran_line_end = std::string::npos;  // once a sweep clause follows it
  std::string dropped;                            // what is not written, as the source has it
  const auto drop = [&](std::string_view what) {
    if (!dropped.empty()) dropped += ' ';
    dropped += what;
  };
  while (!ctx.statement_ended) {
    const std::string_view word = current_word(ctx);
    if (word == "sweep") {
      if (tran_line_end == std::string::npos) tran_line_end = output_of(ctx, target).size();
      if (!write_sweep_clause(ctx, target, kTran)) return;
    } else if (word == "monte") {
      reject(ctx, target, kTran);
      return;
    } else if (word == "start") {
      // START=T has no Ondrel counterpart: dropped with its value, and
      // reported unless it is 0.
      next_token(ctx, MODE_NO_KEYWORDS);
      if (!ctx.statement_ended && ctx.token_kind == TOK_EQUALS) {
        next_token(ctx, MODE_NO_KEYWORDS);
        const std::string value = at_value(ctx) ? skip_value_for_message(ctx) : std::string();
        if (!is_zero_text(value)) drop("start=" + value);
      }
    } else if (word == "uic") {
      write_uic(ctx, target, tran_line_end);
      uic = true;
      next_token(ctx, MODE_ALL_KEYWORDS);
    } else if (at_value(ctx)) {
      // A third or fourth value, the start of the output and the largest
      // time step, has no place either.
      const std::string value = skip_value_for_message(ctx);
      if (value.empty()) {
        reject(ctx, target, kTran);
        return;
      }
      if (!is_zero_text(value)) drop(value);
    } else {
      drop(source_token_text(ctx));
      next_token(ctx, MODE_ALL_KEYWORDS);
    }
  }
  write_line(ctx, target, "");
  if (uic) write_line(ctx, target, ".options noictranslate");
  if (!dropped.empty()) post_warning(ctx, kTran.unused_values, dropped);
}

// .temp T1 [T2 ...]  ->  .temp T1 ...: a parameter name or an expression
// in braces, numbers as they stand.
void translate_temp(TranslationContext& ctx, int target, int /*code*/) {
  write_text(ctx, target, source_token_text(ctx), true);
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!at_value(ctx)) {
    reject(ctx, target, kTemp);
    return;
  }
  while (!ctx.statement_ended) {
    if (!at_value(ctx) || !write_analysis_value(ctx, target)) {
      reject(ctx, target, kTemp);
      return;
    }
  }
  write_line(ctx, target, "");
}

// .op  ->  .op
void translate_op(TranslationContext& ctx, int target, int /*code*/) {
  write_line(ctx, target, ".op");
  finish_statement(ctx, MODE_ALL_KEYWORDS);
  // Words are output formats (all, brief, current ...); times other than 0
  // ask for operating points during the transient, which have no place.
  std::string times;
  const std::string text = statement_text(ctx.previous_statement_lines);
  std::size_t start = 0;
  while ((start = text.find_first_not_of(" \t,", start)) != std::string::npos) {
    const std::size_t end = std::min(text.find_first_of(" \t,", start), text.size());
    const std::string_view word = std::string_view(text).substr(start, end - start);
    const std::optional<double> time = number_text_value(word);
    if (time && *time != 0) {
      if (!times.empty()) times += ' ';
      times += word;
    }
    start = end;
  }
  if (!times.empty()) post_warning(ctx, "Values of .OP not translated:", times);
}

}  // namespace corvane
