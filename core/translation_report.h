#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/line_number.h"
#include "core/message_sink.h"

namespace corvane {

struct TranslationContext;

enum class ReportSeverity { info, warning, error };

/// The severity of a posted message: "ERROR..." is an error, "INFO..." is
/// information, anything else a warning (as the run counts them).
ReportSeverity severity_of(std::string_view message);
std::string_view severity_name(ReportSeverity severity);

/// A message posted for one statement of the input.
struct ReportedStatement {
  LineNumber line = 0;  // the statement's first line
  std::string kind;     // ".model", ".subckt"...; an element's letter ("m", "x")
  ReportSeverity severity = ReportSeverity::warning;
  std::string message;  // the text as the log writes it after "STATUS: "
};

/// A `.model` card whose parameters were read, with the parameters that did
/// not reach the output.
struct ReportedCard {
  LineNumber line = 0;
  std::string name;      // as the source spells it, in lower case
  std::string kind;      // the kind word: "nmos", "d", "npn"...
  bool written = false;  // its parameter lines were written
  /// Words that are no parameter the translator knows, in source order.
  std::vector<std::string> unknown;
  /// Parameters given on the card that no parameter line carries.
  std::vector<std::string> unwritten;

  std::size_t dropped() const { return unknown.size() + unwritten.size(); }
};

class TranslationReport;

/// The log line that sums up a file's dropped model parameters: how many,
/// on how many cards, and the most frequent names with their counts.
std::string dropped_parameters_line(const TranslationReport& report);

/// What one file's translation reported and dropped. The translators feed it
/// through `ctx.report` (cards) and a `ReportingSink` (messages).
class TranslationReport {
 public:
  void add_statement(const TranslationContext& ctx, std::string_view message);

  /// A card starts: the current token is its kind word.
  void begin_card(const TranslationContext& ctx, std::string_view kind);
  /// A parameter read from the card, by keyword code.
  void note_parameter_read(int code);
  /// A word on the card that is no model parameter.
  void note_unknown_parameter(std::string_view word);
  /// A parameter line written for the card, by keyword code.
  void note_parameter_written(int code);
  void note_card_written();
  /// A parameter no line carries that shaped the written card all the same
  /// (a wrapper's scale factor): not dropped. On a refused card everything
  /// stays dropped.
  void note_parameter_used(int code) {
    if (card_open_ && cards_.back().written) note_parameter_written(code);
  }
  /// Settles the last card's drops; called when the translation ends.
  void finish();

  /// An option with no Ondrel counterpart.
  void note_dropped_option(std::string_view name) { ++dropped_options_[std::string(name)]; }

  void set_fatal(std::string message) { fatal_ = std::move(message); }

  const std::vector<ReportedStatement>& statements() const { return statements_; }
  const std::vector<ReportedCard>& cards() const { return cards_; }
  /// Each dropped parameter name with the number of cards that dropped it.
  const std::unordered_map<std::string, int>& dropped_parameters() const { return dropped_; }
  /// Each dropped option name with the number of times it was given.
  const std::unordered_map<std::string, int>& dropped_options() const { return dropped_options_; }
  int options_dropped() const;
  const std::optional<std::string>& fatal() const { return fatal_; }
  int count(ReportSeverity severity) const;
  int cards_with_drops() const;
  int parameters_dropped() const;

 private:
  void close_card();

  std::vector<ReportedStatement> statements_;
  std::vector<ReportedCard> cards_;
  std::unordered_map<std::string, int> dropped_;
  std::unordered_map<std::string, int> dropped_options_;
  std::optional<std::string> fatal_;
  // The open card: the codes read in order, and per code the number of the
  // card that last wrote or counted it (numbers from 1, so nothing needs
  // clearing between cards).
  bool card_open_ = false;
  std::vector<int> codes_read_;
  std::vector<int> written_in_card_;
  std::vector<int> counted_in_card_;
};

/// Passes every message on to `inner` and records it, with the statement it
/// concerns, in `report`. Ending its life ends the report's last card.
class ReportingSink : public MessageSink {
 public:
  ReportingSink(const TranslationContext& ctx, MessageSink& inner, TranslationReport& report)
      : ctx_(ctx), inner_(inner), report_(report) {}
  ~ReportingSink() override { report_.finish(); }
  ReportingSink(const ReportingSink&) = delete;
  ReportingSink& operator=(const ReportingSink&) = delete;

  void post_status(std::string_view text) override {
    inner_.post_status(text);
    report_.add_statement(ctx_, text);
  }
  void step(int n) override { inner_.step(n); }

 private:
  const TranslationContext& ctx_;
  MessageSink& inner_;
  TranslationReport& report_;
};

/// The kind of the statement that starts `line`: its first word in lower case
/// for a dot statement, else its first character in lower case.
std::string statement_kind(std::string_view line);

}  // namespace corvane
