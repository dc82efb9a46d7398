#include "support/translation_support.h"

#include <utility>

namespace corvane::testing {
namespace {

Translated translated(TranslationOutput output, RecordingSink sink) {
  Translated result;
  result.text = std::move(output.main_text);
  result.sections = std::move(output.sections);
  result.messages = std::move(sink.messages);
  result.global_names = std::move(output.global_names);
  result.options_dropped = output.options_dropped;
  result.steps = sink.steps;
  return result;
}

}  // namespace

Translated translate_whole(std::string_view text, bool single_subckt) {
  RecordingSink sink;
  TranslationOptions options;
  options.mos_family_single_subckt = single_subckt;
  TranslationOutput output = translate_text(text, options, sink);
  return translated(std::move(output), std::move(sink));
}

Translated translate_body(std::string_view body, std::vector<std::string> global_names) {
  constexpr std::string_view kTitle = "title\n";
  constexpr std::string_view kWrittenTitle = "* title\n";
  std::string input(kTitle);
  input += body;
  RecordingSink sink;
  TranslationOptions options;
  options.global_names = std::move(global_names);
  TranslationOutput output = translate_text(input, options, sink);
  Translated result = translated(std::move(output), std::move(sink));
  if (result.text.starts_with(kWrittenTitle)) result.text.erase(0, kWrittenTitle.size());
  return result;
}

std::vector<std::string> warnings(const Translated& translated) {
  std::vector<std::string> result;
  for (const std::string& message : translated.messages) {
    if (message.starts_with("WARNING: ")) result.push_back(message);
  }
  return result;
}

bool has_line(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

int count_of(const std::string& text, const std::string& piece) {
  int count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + piece.size())) {
    ++count;
  }
  return count;
}

}  // namespace corvane::testing
