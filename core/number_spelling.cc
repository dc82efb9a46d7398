#include "core/number_spelling.h"

#include <charconv>

#include "core/char_class.h"

namespace corvane {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Where the digits, fraction and exponent end and the letters begin;
// `exponent_at` is where the exponent's "e" stands, npos when none.
std::size_t mantissa_end(std::string_view text, std::size_t& exponent_at) {
  exponent_at = std::string_view::npos;
  std::size_t p = 0;
  while (p < text.size() && (is_digit(text[p]) || text[p] == '.')) ++p;
  if (p < text.size() && lower_ascii(text[p]) == 'e') {
    std::size_t q = p + 1;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
    if (q < text.size() && is_digit(text[q])) {
      exponent_at = p;
      p = q;
      while (p < text.size() && is_digit(text[p])) ++p;
    }
  }
  return p;
}

}  // namespace

std::string_view ondrel_number_text(std::string_view text, std::string& scratch) {
  // Most numbers have neither letter at all (units may follow a suffix:
  // 2a3 is 2a).
  bool scaled = false;
  for (const char c : text) {
    const char lower = lower_ascii(c);
    scaled |= lower == 'x' || lower == 'a';
  }
  if (!scaled) return text;
  std::size_t exponent_at = 0;
  const std::size_t end = mantissa_end(text, exponent_at);
  if (end == 0 || end >= text.size()) return text;
  const char suffix = lower_ascii(text[end]);
  if (suffix == 'x') {
    scratch.assign(text.substr(0, end));
    scratch += "meg";
    scratch += text.substr(end + 1);
    return scratch;
  }
  if (suffix != 'a') return text;
  long long exponent = 0;
  std::size_t base_end = end;
  if (exponent_at != std::string_view::npos) {
    std::size_t from = exponent_at + 1;
    if (text[from] == '+') ++from;
    const auto [stop, error] = std::from_chars(text.data() + from, text.data() + end, exponent);
    if (error != std::errc() || stop != text.data() + end) return text;
    base_end = exponent_at;
  }
  scratch.assign(text.substr(0, base_end));
  scratch += 'e';
  scratch += std::to_string(exponent - 18);
  return scratch;
}

}  // namespace corvane
