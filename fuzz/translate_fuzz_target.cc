// The fuzz target: any bytes through the in-memory translator, once with
// and once without the translation report, and once more reading model
// cards token by token, which must give the very text of the short way; and
// the same bytes as one expression through the expression reader. A
// fatal condition (a number literal too long) is an expected outcome;
// anything else that escapes, a difference, or a sanitizer report is a
// failure.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/expression.h"
#include "core/expression_writer.h"
#include "core/scanner.h"
#include "core/translation_report.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/whole_translation.h"
#include "run/json_writer.h"
#include "translate/translate_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (bool single_subckt : {true, false}) {
    corvane::TranslationReport report;
    corvane::TranslationOptions options;
    options.mos_family_single_subckt = single_subckt;
    options.global_names = {"vdd", "gnd"};
    if (!single_subckt) options.report = &report;
    const std::string quick = corvane::whole_translation(input, options);
    if (single_subckt) {
      // Model cards read the short way and token by token give one text.
      options.quick_number_assignments = false;
      if (corvane::whole_translation(input, options) != quick) __builtin_trap();
    }
    // Every text the report holds comes from the input: escape it all.
    std::string json;
    for (const corvane::ReportedStatement& statement : report.statements()) {
      corvane::append_json_string(json, statement.message);
    }
    for (const corvane::ReportedCard& card : report.cards()) {
      corvane::append_json_string(json, card.name);
      for (const std::string& word : card.unknown) corvane::append_json_string(json, word);
    }
  }
  std::string escaped;
  corvane::append_json_string(escaped, input);  // any bytes, valid UTF-8 or not

  // The bytes as an expression: read, and written when they are one.
  std::string problem;
  const corvane::Expression expression = corvane::parse_expression(input, problem);
  if (problem.empty()) {
    corvane::TranslationContext ctx;
    corvane::scanner_reset_tables(ctx);
    corvane::TokenList list;
    if (corvane::write_expression(ctx, expression, list, problem) && list.empty()) {
      __builtin_trap();  // an expression written as nothing
    }
  }
  return 0;
}
