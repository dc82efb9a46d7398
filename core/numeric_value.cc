#include "core/numeric_value.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

#include "core/char_class.h"
#include "core/expression.h"

namespace corvane {
namespace {

// The scale factor a number's letters start with.
double scale_factor(std::string_view letters) {
  std::string lower;
  for (char c : letters) lower += lower_ascii(c);
  if (lower.starts_with("meg")) return 1e6;
  if (lower.starts_with("mil")) return 25.4e-6;
  if (lower.empty()) return 1;
  switch (lower[0]) {
    case 't':
      return 1e12;
    case 'g':
      return 1e9;
    case 'x':
      return 1e6;
    case 'k':
      return 1e3;
    case 'm':
      return 1e-3;
    case 'u':
      return 1e-6;
    case 'n':
      return 1e-9;
    case 'p':
      return 1e-12;
    case 'f':
      return 1e-15;
    case 'a':
      return 1e-18;
    default:
      return 1;  // a unit without a factor: 10v
  }
}

// Recursive descent over the pieces: sum -> product {(+|-) product},
// product -> factor {(*|/) factor}, factor -> [-|+] (number | ( sum )).
class Evaluator {
 public:
  Evaluator(const TranslationContext& ctx, const TokenList& value) : ctx_(ctx), value_(value) {}

  std::optional<double> whole() {
    const std::optional<double> result = sum();
    skip_braces();
    if (!result || at_ != value_.size()) return std::nullopt;
    return result;
  }

 private:
  void skip_braces() {
    while (at_ < value_.size() &&
           (value_[at_].kind == TOK_LBRACE || value_[at_].kind == TOK_RBRACE)) {
      ++at_;
    }
  }
  int peek() {
    skip_braces();
    return at_ < value_.size() ? value_[at_].kind : -1;
  }

  std::optional<double> sum() {
    std::optional<double> left = product();
    while (left && (peek() == TOK_PLUS || peek() == TOK_MINUS)) {
      const bool minus = value_[at_++].kind == TOK_MINUS;
      const std::optional<double> right = product();
      if (!right) return std::nullopt;
      left = minus ? *left - *right : *left + *right;
    }
    return left;
  }

  std::optional<double> product() {
    std::optional<double> left = factor();
    while (left && (peek() == TOK_STAR || peek() == TOK_SLASH)) {
      const bool divide = value_[at_++].kind == TOK_SLASH;
      const std::optional<double> right = factor();
      if (!right || (divide && *right == 0)) return std::nullopt;
      left = divide ? *left / *right : *left * *right;
    }
    return left;
  }

  std::optional<double> factor() {
    const int kind = peek();
    if (kind == TOK_MINUS || kind == TOK_PLUS) {
      ++at_;
      const std::optional<double> operand = factor();
      if (!operand) return std::nullopt;
      return kind == TOK_MINUS ? -*operand : *operand;
    }
    if (kind == TOK_LPAREN) {
      ++at_;
      const std::optional<double> inner = sum();
      if (!inner || peek() != TOK_RPAREN) return std::nullopt;
      ++at_;
      return inner;
    }
    if (is_number_kind(kind)) {
      const int index = value_[at_++].value;
      return number_text_value(ctx_.constants[index].text);
    }
    return std::nullopt;
  }

  const TranslationContext& ctx_;
  const TokenList& value_;
  std::size_t at_ = 0;
};

}  // namespace

std::optional<double> number_text_value(std::string_view text) {
  // digits [. digits] [e [sign] digits] [letters]: the mantissa ends where
  // the letters of the scale factor begin.
  const auto letter = [](char c) {
    const char l = lower_ascii(c);
    return l >= 'a' && l <= 'z';
  };
  std::size_t end = number_end_in(text, 0);
  while (end > 0 && letter(text[end - 1])) --end;
  if (end == 0) return std::nullopt;
  double mantissa = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + end, mantissa);
  if (error != std::errc() || stop != text.data() + end) return std::nullopt;
  return mantissa * scale_factor(text.substr(end));
}

std::optional<double> numeric_value(const TranslationContext& ctx, const TokenList& value) {
  return Evaluator(ctx, value).whole();
}

}  // namespace corvane
