#include "run/report_json.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "run/json_writer.h"

namespace corvane {
namespace {

constexpr int kFormatVersion = 1;

struct Totals {
  long long files = 0;
  long long translated = 0;
  long long fatal = 0;
  long long info = 0;
  long long warnings = 0;
  long long errors = 0;
  long long cards = 0;
  long long cards_with_drops = 0;
  long long parameters_dropped = 0;
  long long options_dropped = 0;

  void add(const PairReport& pair) {
    const TranslationReport& report = pair.translation_report;
    ++files;
    translated += pair.translated ? 1 : 0;
    fatal += report.fatal() ? 1 : 0;
    info += report.count(ReportSeverity::info);
    warnings += report.count(ReportSeverity::warning);
    errors += report.count(ReportSeverity::error);
    cards += static_cast<long long>(report.cards().size());
    cards_with_drops += report.cards_with_drops();
    parameters_dropped += report.parameters_dropped();
    options_dropped += report.options_dropped();
  }
};

// The counts of messages and drops; a run's totals also count files.
void write_totals(JsonWriter& json, const Totals& totals, bool of_run) {
  json.begin_object();
  if (of_run) {
    json.key("files");
    json.number(totals.files);
    json.key("translated");
    json.number(totals.translated);
    json.key("fatal");
    json.number(totals.fatal);
  }
  const std::pair<const char*, long long> counts[] = {
      {"info", totals.info},
      {"warnings", totals.warnings},
      {"errors", totals.errors},
      {"cards", totals.cards},
      {"cards_with_drops", totals.cards_with_drops},
      {"parameters_dropped", totals.parameters_dropped},
      {"options_dropped", totals.options_dropped},
  };
  for (const auto& [name, value] : counts) {
    json.key(name);
    json.number(value);
  }
  json.end_object();
}

void write_names(JsonWriter& json, const std::vector<std::string>& names) {
  json.begin_array(true);
  for (const std::string& name : names) json.string(name);
  json.end_array();
}

void write_statements(JsonWriter& json, const TranslationReport& report) {
  json.begin_array();
  for (const ReportedStatement& statement : report.statements()) {
    json.begin_object(true);
    json.key("line");
    json.number(statement.line);
    json.key("kind");
    json.string(statement.kind);
    json.key("severity");
    json.string(severity_name(statement.severity));
    json.key("message");
    json.string(statement.message);
    json.end_object();
  }
  json.end_array();
}

void write_cards(JsonWriter& json, const TranslationReport& report) {
  json.begin_array();
  for (const ReportedCard& card : report.cards()) {
    json.begin_object(true);
    json.key("line");
    json.number(card.line);
    json.key("name");
    json.string(card.name);
    json.key("kind");
    json.string(card.kind);
    json.key("written");
    json.boolean(card.written);
    json.key("dropped");
    json.number(static_cast<long long>(card.dropped()));
    json.key("unknown");
    write_names(json, card.unknown);
    json.key("unwritten");
    write_names(json, card.unwritten);
    json.end_object();
  }
  json.end_array();
}

// Name -> count (cards that dropped a parameter, times an option was
// given), by name.
void write_name_counts(JsonWriter& json, const std::unordered_map<std::string, int>& counts) {
  std::vector<std::pair<std::string_view, int>> dropped(counts.begin(), counts.end());
  std::sort(dropped.begin(), dropped.end());
  json.begin_object();
  for (const auto& [name, count] : dropped) {
    json.key(name);
    json.number(count);
  }
  json.end_object();
}

void write_file(JsonWriter& json, const PairReport& pair) {
  const TranslationReport& report = pair.translation_report;
  json.begin_object();
  json.key("input");
  json.string(pair.input_path);
  json.key("output");
  json.string(pair.output_path);
  json.key("log");
  json.string(pair.log_path);
  json.key("translated");
  json.boolean(pair.translated);
  json.key("files_written");
  write_names(json, pair.files_written);
  json.key("fatal");
  if (report.fatal()) {
    json.string(*report.fatal());
  } else {
    json.null();
  }
  Totals totals;
  totals.add(pair);
  json.key("totals");
  write_totals(json, totals, false);
  json.key("statements");
  write_statements(json, report);
  json.key("cards");
  write_cards(json, report);
  json.key("dropped_parameters");
  write_name_counts(json, report.dropped_parameters());
  json.key("dropped_options");
  write_name_counts(json, report.dropped_options());
  json.end_object();
}

}  // namespace

std::string run_report_json(const RunResult& result) {
  Totals totals;
  for (const PairReport& pair : result.pairs) totals.add(pair);
  JsonWriter json;
  json.begin_object();
  json.key("format");
  json.string("corvane translation report");
  json.key("version");
  json.number(kFormatVersion);
  json.key("cancelled");
  json.boolean(result.cancelled);
  json.key("totals");
  write_totals(json, totals, true);
  json.key("files");
  json.begin_array();
  for (const PairReport& pair : result.pairs) write_file(json, pair);
  json.end_array();
  json.end_object();
  return json.take();
}

}  // namespace corvane
