#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "run/string_table.h"

namespace corvane {
namespace {

// A field wider than this is not a layout any message needs; refusing it keeps
// a stray "%999999999s" in a text from asking for gigabytes of padding.
constexpr size_t kMaxFieldWidth = 4096;

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads decimal digits at `i`; a value too large for size_t saturates.
size_t read_number(std::string_view text, size_t& i) {
  constexpr size_t kLimit = std::numeric_limits<size_t>::max() / 10 - 9;
  size_t value = 0;
  while (i < text.size() && is_digit(text[i])) {
    value = value < kLimit ? value * 10 + static_cast<size_t>(text[i] - '0') : kLimit;
    ++i;
  }
  return value;
}

// One printf conversion: "%", flags, width, "*", "." precision, size letter,
// conversion letter.
struct Conversion {
  size_t end = 0;  // one past the conversion letter
  char letter = 0;
  bool complete = false;
  bool star = false;
  bool left_justified = false;
  size_t width = 0;
  std::optional<size_t> precision;
};

Conversion read_conversion(std::string_view text, size_t percent) {
  Conversion conversion;
  size_t i = percent + 1;
  while (i < text.size() && std::string_view(" #+-0").find(text[i]) != std::string_view::npos) {
    if (text[i] == '-') conversion.left_justified = true;
    ++i;
  }
  conversion.width = read_number(text, i);
  if (i < text.size() && text[i] == '*') {
    conversion.star = true;
    ++i;
  }
  if (i < text.size() && text[i] == '.') {
    ++i;
    if (i < text.size() && text[i] == '*') {
      conversion.star = true;
      ++i;
    } else {
      conversion.precision = read_number(text, i);
    }
  }
  if (i < text.size() && std::string_view("hlFLN").find(text[i]) != std::string_view::npos) ++i;
  if (i < text.size()) {
    conversion.letter = text[i];
    conversion.end = i + 1;
    conversion.complete = true;
  }
  return conversion;
}

std::string format_field(const Conversion& conversion, std::string_view argument) {
  if (conversion.precision && *conversion.precision < argument.size()) {
    argument = argument.substr(0, *conversion.precision);
  }
  std::string padding(conversion.width > argument.size() ? conversion.width - argument.size() : 0,
                      ' ');
  return conversion.left_justified ? std::string(argument) + padding
                                   : padding + std::string(argument);
}

}  // namespace

std::string fill_string_argument(std::string_view format, std::string_view argument) {
  size_t from = 0;
  return fill_string_argument(format, argument, from);
}

std::string fill_string_argument(std::string_view format, std::string_view argument, size_t& from) {
  from = std::min(from, format.size());
  std::string filled(format.substr(0, from));
  size_t i = from;
  while (i < format.size()) {
    if (format[i] != '%') {
      filled.push_back(format[i++]);
      continue;
    }
    if (i + 1 < format.size() && format[i + 1] == '%') {
      filled.push_back('%');
      i += 2;
      continue;
    }
    Conversion conversion = read_conversion(format, i);
    if (!conversion.complete || conversion.star) break;
    if (conversion.letter == 's' || conversion.letter == 'S') {
      if (conversion.width > kMaxFieldWidth) break;
      filled += format_field(conversion, argument);
      from = filled.size();
      filled += format.substr(conversion.end);
      return filled;
    }
    // Another kind of conversion takes no string; it stays as written.
    filled += format.substr(i, conversion.end - i);
    i = conversion.end;
  }
  std::string appended(format);
  appended += argument;
  from = appended.size();
  return appended;
}

}  // namespace corvane
