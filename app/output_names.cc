#include "app/output_names.h"

#include "run/path_names.h"
#include "run/split_quoted.h"

namespace corvane {
namespace {

constexpr std::string_view kOutputExtension = "lib";

bool is_space(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string quoted(std::string_view name) {
  std::string text;
  text.reserve(name.size() + 2);
  text += '"';
  text += name;
  text += '"';
  return text;
}

}  // namespace

std::string derived_output_name(std::string_view input_name) {
  if (input_name.find('"') == std::string_view::npos) {
    return change_extension(input_name, kOutputExtension);
  }
  // Replacing the extension of the whole text would end in the last name's
  // closing quote and leave the first output name equal to the first input.
  std::string text;
  for (const std::string& name : split_quoted(input_name, ' ')) {
    if (!text.empty()) text += ' ';
    text += quoted(change_extension(name, kOutputExtension));
  }
  return text;
}

std::string quoted_unless_quoted(std::string_view text) {
  return text.starts_with('"') ? std::string(text) : quoted(text);
}

std::string without_trailing_space(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && is_space(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

RowOutputText row_output_text(const std::vector<std::string>& input_names,
                              std::string_view output_text) {
  RowOutputText result;
  std::string text(output_text);
  if (text.empty()) {
    text = input_names.empty() ? std::string() : directory_part(input_names.front());
    result.defaulted_directory = text;
  }
  text = quoted_unless_quoted(text);
  std::vector<std::string> outputs = split_quoted(text, ' ');

  if (outputs.size() < input_names.size()) {
    // The inputs without an output of their own go beside the first output.
    const std::string directory = outputs.empty() ? std::string() : directory_part(outputs.front());
    std::string missing;
    for (std::size_t k = outputs.size(); k < input_names.size(); ++k) {
      missing += quoted(directory + base_name(input_names[k]) + ".lib");
      missing += ' ';
    }
    text += ' ';
    text += missing;
    outputs = split_quoted(text, ' ');
  }

  for (std::size_t j = 0; j < outputs.size(); ++j) {
    std::string name = std::move(outputs[j]);
    if (file_name_part(name).empty()) {
      name += base_name(j < input_names.size() ? input_names[j] : std::string()) + ".lib";
    }
    result.text += quoted(name);
    result.text += ' ';
  }
  result.text = without_trailing_space(result.text);
  return result;
}

}  // namespace corvane
