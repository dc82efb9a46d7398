#include "control_support.h"

namespace corvane::testing {

Translated translate(std::string_view body, std::vector<std::string> global_names) {
  constexpr std::string_view kTitle = "Control statements\n";
  constexpr std::string_view kWrittenTitle = "* Control statements\n";
  std::string input(kTitle);
  input += body;
  RecordingSink sink;
  TranslationOptions options;
  options.global_names = std::move(global_names);
  TranslationOutput output = translate_text(input, options, sink);
  Translated result;
  result.main = std::move(output.main_text);
  if (result.main.starts_with(kWrittenTitle)) result.main.erase(0, kWrittenTitle.size());
  result.sections = std::move(output.sections);
  result.messages = std::move(sink.messages);
  result.global_names = std::move(output.global_names);
  return result;
}

std::vector<std::string> warnings(const Translated& translated) {
  std::vector<std::string> result;
  for (const std::string& message : translated.messages) {
    if (message.starts_with("WARNING: ")) result.push_back(message);
  }
  return result;
}

}  // namespace corvane::testing
