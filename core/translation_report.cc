#include "core/translation_report.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "core/char_class.h"
#include "core/parameter_words.h"
#include "core/translation_context.h"

namespace corvane {
namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Characters that end a word of a statement's first line.
bool ends_word(char c) { return is_blank(c) || c == '(' || c == ')' || c == '=' || c == ','; }

// The statement a message concerns: the one being read, or, once its reader
// has run into the next statement, the one before. A message the scanner
// posts before the first statement has started belongs to the line in hand.
StatementStart reported_statement(const TranslationContext& ctx) {
  const StatementStart& start = ctx.dispatched_serial == ctx.statement_serial
                                    ? ctx.statement_start
                                    : ctx.previous_statement_start;
  if (start.line > 0) return start;
  return {ctx.scan.token_line, ctx.scan.line};
}

// The second word of a statement's lines ("+" of continuation lines left
// out): the name of a `.model` card.
std::string_view second_word(const std::vector<std::string_view>& lines) {
  int words = 0;
  for (std::string_view line : lines) {
    std::size_t i = 0;
    bool line_start = true;
    while (i < line.size()) {
      if (ends_word(line[i])) {
        ++i;
        continue;
      }
      if (line_start && line[i] == '+') {
        line_start = false;
        ++i;
        continue;
      }
      line_start = false;
      std::size_t end = i;
      while (end < line.size() && !ends_word(line[end])) ++end;
      if (++words == 2) return line.substr(i, end - i);
      i = end;
    }
  }
  return {};
}

}  // namespace

ReportSeverity severity_of(std::string_view message) {
  if (message.starts_with("ERROR")) return ReportSeverity::error;
  if (message.starts_with("INFO")) return ReportSeverity::info;
  return ReportSeverity::warning;
}

std::string_view severity_name(ReportSeverity severity) {
  switch (severity) {
    case ReportSeverity::info:
      return "info";
    case ReportSeverity::error:
      return "error";
    case ReportSeverity::warning:
      break;
  }
  return "warning";
}

std::string statement_kind(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && is_blank(line[start])) ++start;
  if (start == line.size()) return {};
  if (line[start] != '.') return std::string(1, lower_ascii(line[start]));
  std::size_t end = start + 1;
  while (end < line.size() && !ends_word(line[end])) ++end;
  return lower_ascii_text(line.substr(start, end - start));
}

void TranslationReport::add_statement(const TranslationContext& ctx, std::string_view message) {
  const StatementStart start = reported_statement(ctx);
  statements_.push_back(
      {start.line, statement_kind(start.text), severity_of(message), std::string(message)});
}

void TranslationReport::begin_card(const TranslationContext& ctx, std::string_view kind) {
  close_card();
  ReportedCard& card = cards_.emplace_back();
  card.line = reported_statement(ctx).line;
  card.name = lower_ascii_text(second_word(ctx.statement_lines));
  card.kind = kind;
  card_open_ = true;
  if (written_in_card_.empty()) {
    written_in_card_.assign(MODEL_PARAMETER_CODE_COUNT, 0);
    counted_in_card_.assign(MODEL_PARAMETER_CODE_COUNT, 0);
  }
}

void TranslationReport::note_parameter_read(int code) {
  if (card_open_) codes_read_.push_back(code);
}

void TranslationReport::note_unknown_parameter(std::string_view word) {
  if (card_open_) cards_.back().unknown.emplace_back(word);
}

void TranslationReport::note_parameter_written(int code) {
  if (card_open_)
    written_in_card_[static_cast<std::size_t>(code)] = static_cast<int>(cards_.size());
}

void TranslationReport::note_card_written() {
  if (card_open_) cards_.back().written = true;
}

void TranslationReport::close_card() {
  if (!card_open_) return;
  card_open_ = false;
  ReportedCard& card = cards_.back();
  const int number = static_cast<int>(cards_.size());
  // A parameter given twice is one parameter; so is an unknown word.
  for (int code : codes_read_) {
    const auto slot = static_cast<std::size_t>(code);
    if (counted_in_card_[slot] == number) continue;
    counted_in_card_[slot] = number;
    if (written_in_card_[slot] != number) card.unwritten.emplace_back(parameter_word(code));
  }
  codes_read_.clear();
  std::unordered_set<std::string> seen;
  std::vector<std::string> unknown;
  for (std::string& word : card.unknown) {
    if (seen.insert(word).second) unknown.push_back(std::move(word));
  }
  card.unknown = std::move(unknown);
  for (const std::string& name : card.unknown) ++dropped_[name];
  for (const std::string& name : card.unwritten) ++dropped_[name];
}

void TranslationReport::finish() { close_card(); }

int TranslationReport::count(ReportSeverity severity) const {
  int n = 0;
  for (const ReportedStatement& statement : statements_) n += statement.severity == severity;
  return n;
}

int TranslationReport::cards_with_drops() const {
  int n = 0;
  for (const ReportedCard& card : cards_) n += card.dropped() > 0;
  return n;
}

int TranslationReport::parameters_dropped() const {
  std::size_t n = 0;
  for (const ReportedCard& card : cards_) n += card.dropped();
  return static_cast<int>(n);
}

int TranslationReport::options_dropped() const {
  int n = 0;
  for (const auto& [name, count] : dropped_options_) n += count;
  return n;
}

std::string dropped_parameters_line(const TranslationReport& report) {
  // The five names dropped most often, then by name for a stable line.
  constexpr std::size_t kNamesShown = 5;
  std::vector<std::pair<std::string_view, int>> names(report.dropped_parameters().begin(),
                                                      report.dropped_parameters().end());
  const std::size_t shown = std::min(kNamesShown, names.size());
  std::partial_sort(names.begin(), names.begin() + static_cast<std::ptrdiff_t>(shown), names.end(),
                    [](const auto& a, const auto& b) {
                      return a.second != b.second ? a.second > b.second : a.first < b.first;
                    });
  const int parameters = report.parameters_dropped();
  const int cards = report.cards_with_drops();
  std::string line = "WARNING: Model parameters dropped: " + std::to_string(parameters) + " on " +
                     std::to_string(cards) + (cards == 1 ? " card" : " cards") + "; most often";
  for (std::size_t i = 0; i < shown; ++i) {
    line += (i == 0 ? " " : ", ") + std::string(names[i].first) + " (" +
            std::to_string(names[i].second) + ")";
  }
  return line;
}

}  // namespace corvane
