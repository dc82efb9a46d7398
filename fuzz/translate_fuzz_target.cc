// The fuzz target: any bytes through the in-memory translator, once with
// and once without the translation report. A fatal condition (a number
// literal too long) is an expected outcome; anything else that escapes, or
// a sanitizer report, is a failure.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/fatal_error.h"
#include "core/json_writer.h"
#include "core/translate_file.h"
#include "core/translation_report.h"
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (bool single_subckt : {true, false}) {
    corvane::RecordingSink sink;
    corvane::TranslationReport report;
    try {
      corvane::TranslationOptions options;
      options.mos_family_single_subckt = single_subckt;
      options.global_names = {"vdd", "gnd"};
      if (!single_subckt) options.report = &report;
      (void)corvane::translate_text(input, options, sink);
    } catch (const corvane::FatalError&) {
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
  return 0;
}
