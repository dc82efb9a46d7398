#include "control/statement_text.h"

#include <cstddef>

#include "core/char_class.h"

namespace corvane {
namespace {

constexpr std::string_view kBlanks = " \t";

// `piece` up to a "$" that stands outside quotes.
std::string_view without_comment(std::string_view piece) {
  char quote = 0;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    const char c = piece[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == '$') {
      return piece.substr(0, i);
    }
  }
  return piece;
}

bool is_separator(char c) { return c == ' ' || c == '\t' || c == ','; }

}  // namespace

std::string statement_text(const std::vector<std::string_view>& lines) {
  std::string text;
  bool first = true;
  for (std::string_view line : lines) {
    if (is_comment_line(line)) continue;
    std::size_t at = line.find_first_not_of(kBlanks);
    if (first) {
      at = line.find_first_of(" \t(", at);
      if (at == std::string_view::npos) at = line.size();
      first = false;
    } else if (line[at] == '+') {
      ++at;
    }
    text += ' ';
    text += without_comment(line.substr(at));
  }
  const std::size_t begin = text.find_first_not_of(kBlanks);
  if (begin == std::string::npos) return {};
  const std::size_t end = text.find_last_not_of(" \t;");
  return text.substr(begin, end + 1 - begin);
}

bool read_parameter_definitions(std::string_view text,
                                std::vector<ParameterDefinition>& definitions) {
  std::size_t at = 0;
  const auto skip_separators = [&] {
    while (at < text.size() && is_separator(text[at])) ++at;
  };
  skip_separators();
  while (at < text.size()) {
    const std::size_t name_start = at;
    while (at < text.size() && text[at] != '=' && text[at] != '(' && !is_separator(text[at])) {
      ++at;
    }
    if (at == name_start || at == text.size() || text[at] == '(') return false;
    ParameterDefinition definition{lower_ascii_text(text.substr(name_start, at - name_start)), {}};
    skip_separators();
    if (at == text.size() || text[at] != '=') return false;
    ++at;
    skip_separators();
    if (at == text.size()) return false;
    const char open = text[at];
    if (open == '\'' || open == '"' || open == '{') {
      const std::size_t end = text.find(open == '{' ? '}' : open, at + 1);
      if (end == std::string_view::npos) return false;
      definition.value = std::string(text.substr(at + 1, end - at - 1));
      at = end + 1;
    } else {
      std::size_t end = at;
      while (end < text.size() && !is_separator(text[end])) ++end;
      definition.value = std::string(text.substr(at, end - at));
      at = end;
    }
    if (definition.value.find_first_not_of(kBlanks) == std::string::npos) return false;
    definitions.push_back(std::move(definition));
    skip_separators();
  }
  return true;
}

}  // namespace corvane
