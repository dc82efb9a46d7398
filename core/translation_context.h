#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "core/expression.h"
#include "core/global_names.h"
#include "core/line_number.h"
#include "core/message_sink.h"
#include "core/name_book.h"
#include "core/output_text.h"
#include "core/symbol_tables.h"
#include "core/token_kinds.h"

namespace corvane {

/// Output targets: the main text, and the `.lib` section texts from 1 on.
inline constexpr int MAIN_OUTPUT = 0;

/// The scanner's position in the input. The input is held whole in memory;
/// lines are views into it.
struct ScannerState {
  std::string_view input;
  std::size_t next_line_start = 0;  // where the next physical line begins
  // The first "\n" at or after next_line_start as last found (the input's
  // size when there is none): a file of lone "\r" line ends searches for
  // it once, not once per line.
  std::size_t next_newline = 0;
  bool next_newline_known = false;
  std::string_view line;  // current physical line, without its line end
  std::size_t pos = 0;    // read position in `line`
  std::size_t token_start = 0;
  std::size_t previous_token_end = std::string_view::npos;
  std::string number_spelling;          // room for a number written otherwise
  bool token_touches_previous = false;  // no blank between this token and the last
  bool comma_before = false;            // a comma stood between this token and the last
  bool after_skip = false;              // the rest of a line was skipped on purpose
  LineNumber line_number = 0;           // physical lines read, blank ones included
  LineNumber token_line = 0;            // line number of the current token
  int previous_kind = TOK_EOL;          // decides whether a "*" starts a comment
  bool in_quote = false;  // inside a quoted expression read across lines: "*" multiplies
  bool need_line = true;  // the next scan reads a new line first
  bool input_ended = false;
  std::string_view token_text;  // current token, lower case: in `line` or `token_buffer`
  std::string token_buffer;     // a token's lower-case copy when the line has capitals
};

class TranslationReport;
struct TranslationContext;

/// Told where each statement's output begins; for tests that hold what was
/// written for a statement against its source.
class StatementObserver {
 public:
  virtual ~StatementObserver() = default;
  /// A translation of the file begins (a file may be translated twice).
  virtual void translation_begins() = 0;
  /// The statement starting at source line `line` is about to be written
  /// to `target`, whose text is `offset` bytes long.
  virtual void statement_begins(LineNumber line, int target, std::size_t offset) = 0;
  /// `size` bytes of `target`'s text at `from` were moved to `to` (before
  /// them); the text between moved up by `size`.
  virtual void text_moved(int /*target*/, std::size_t /*from*/, std::size_t /*size*/,
                          std::size_t /*to*/) {}
};

/// Where a statement starts: the number and text of its first line.
struct StatementStart {
  LineNumber line = 0;
  std::string_view text;
};

/// `.option scale` and `.option scalm`: they hold for the whole file,
/// wherever the option stands.
/// Values are kept as expression text: numbers are entered per statement.
struct GeometryScales {
  std::string scale;      // element geometry; empty when not given
  std::string scalm;      // the scalm of model cards that give none; empty when not given
  bool reported = false;  // the INFO line about scale was posted
};

/// Everything one file's translation reads and changes. Configuration is set
/// before the file starts; the rest changes as the file is read. One context
/// translates one file; contexts share nothing.
struct TranslationContext {
  // Configuration.
  bool mos_family_single_subckt = true;
  MessageSink* log = nullptr;
  /// Model cards' "name = number" pairs take the scanner's short way; off
  /// only to check that both ways give the same text.
  bool quick_number_assignments = true;
  /// Given to every output text: readies its large blocks (may be null).
  BlockPreparer prepare_output_block = nullptr;

  // Names declared by `.global`; they carry from file to file of a run.
  GlobalNames global_names;

  // Names written otherwise than in the source, so that no two become one.
  NameBook names;

  // Settings that hold for the whole file.
  GeometryScales geometry_scales;
  ElementDefaults element_defaults;
  // Set once a node name has been written: from then on a `.global` or an
  // `.option scale` met means the file must be read again with it known
  // from the start (`settings_came_late`); so does a `.option scalm` or
  // MOSFET default met once a model is written.
  bool nodes_written = false;
  bool settings_came_late = false;

  // The parameters' values (HSPICE text) by scope and name, kept only when
  // an .if block asked for the value a parameter had before it.
  bool keep_parameter_values = false;
  bool parameter_values_wanted = false;
  StringMap<std::string> parameter_values;

  // Options dropped for want of an Ondrel counterpart.
  int options_dropped = 0;

  // The .ac, .dc and .tran analyses, and the SWEEP clauses written as
  // .step lines: a .step sweeps every analysis of the file, where HSPICE
  // sweeps only the analysis that has the clause.
  int analyses = 0;
  int sweeps_as_step = 0;

  // Where the main text's first `.end` line begins: a section file holds
  // the section's text there, where a reader still takes it.
  std::size_t main_end_at = std::string::npos;

  // Scanner and the current token.
  ScannerState scan;
  SymbolTable symbols;
  ConstantTable constants;
  int token_kind = TOK_EOF;
  int token_index = 0;
  bool statement_ended = false;
  bool instance_mode = false;  // X lines: values are read without keyword lookup

  // Source kept for the output and for warnings.
  std::string comment_buffer;
  std::vector<std::string_view> statement_lines;
  std::vector<std::string_view> previous_statement_lines;
  // Counts statement starts, so a warning can tell whether the statement it
  // rejects is still being read or has already given way to the next one.
  long statement_serial = 0;
  long dispatched_serial = 0;
  // The target the statement in hand is written to; its warnings go there.
  int statement_target = 0;
  // The statement last rejected (by its dispatched serial), and how far its
  // target's text reached once its echo was written: whatever its
  // translator writes after that is taken back, and it is reported once.
  long rejected_serial = -1;
  int rejected_target = 0;
  std::size_t rejected_size = 0;
  // Where the statement in hand began writing on its target.
  std::size_t statement_output_start = 0;

  // Where the local models of the subcircuit being written stand in its
  // target's text (begin, end): they are moved before the subcircuit.
  std::vector<std::pair<std::size_t, std::size_t>> local_model_spans;

  // Output texts: [MAIN_OUTPUT] and one per `.lib` section, with its name.
  std::vector<OutputText> outputs = std::vector<OutputText>(1);
  std::vector<std::string> section_names = std::vector<std::string>(1);
  // The section names given to files so far; no two sections share a file.
  std::unordered_set<std::string, StringHash, std::equal_to<>> section_file_names;

  // Where the last ".enddata" of the input stands (npos: none), found when
  // a .data block first asks.
  static constexpr std::size_t kNotSearched = static_cast<std::size_t>(-2);
  std::size_t last_data_end = kNotSearched;

  // The expression being read; its room serves the next one.
  Expression expression_in_hand;

  // Node names read by the element translators.
  std::vector<std::string> output_nodes;

  // Text for the standard output stream (scanner diagnostics).
  std::string console;

  // Where the statement in hand and the one before it start, so a report can
  // place its messages; and the report to fill, when one was asked for.
  StatementStart statement_start;
  StatementStart previous_statement_start;
  TranslationReport* report = nullptr;
  StatementObserver* observer = nullptr;
};

/// The number of `.lib` sections met so far.
inline int section_count(const TranslationContext& ctx) {
  return static_cast<int>(ctx.outputs.size()) - 1;
}

}  // namespace corvane
