#include "models/parameter_record.h"

#include <charconv>
#include <cmath>
#include <system_error>
#include <utility>

namespace corvane {

std::string whole_number_text(std::string text) {
  if (!text.empty() && text[0] == '-') {
    // "-1.0" is "-1", as "1.0" is "1"; "-0" is "0".
    std::string magnitude = whole_number_text(text.substr(1));
    if (magnitude == text.substr(1)) return text;
    return magnitude == "0" ? magnitude : "-" + magnitude;
  }
  // digits [. digits] [e [sign] digits], nothing else
  std::size_t p = 0;
  const auto digits = [&] {
    const std::size_t start = p;
    while (p < text.size() && text[p] >= '0' && text[p] <= '9') ++p;
    return p - start;
  };
  std::size_t mantissa_digits = digits();
  if (p < text.size() && text[p] == '.') {
    ++p;
    mantissa_digits += digits();
  }
  if (mantissa_digits == 0) return text;
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    ++p;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    if (digits() == 0) return text;
  }
  if (p != text.size()) return text;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return text;
  // Levels are small whole numbers; anything else keeps its text.
  constexpr double kLargestWhole = 1e6;
  if (value > kLargestWhole || value != std::floor(value)) return text;
  return std::to_string(static_cast<long>(value));
}

ParameterRecord::Slot& ParameterRecord::slot(int code) {
  if (Slot* existing = find(code)) return *existing;
  if (static_cast<std::size_t>(slot_count_) % kChunkSize == 0) {
    chunks_.emplace_back().reserve(kChunkSize);
  }
  ++slot_count_;
  positions_[static_cast<std::size_t>(code)] = static_cast<std::uint16_t>(slot_count_);
  has_slot_[static_cast<std::size_t>(code) / 64] |= std::uint64_t{1} << (code % 64);
  Slot& fresh = chunks_.back().emplace_back();
  fresh.name = parameter_output_name(code);
  return fresh;
}

ParameterRecord::Slot& ParameterRecord::assign(int code, TokenList value) {
  Slot& s = slot(code);
  if (!s.compound_listed && !is_single_number(value)) {
    s.compound_listed = true;
    compound_codes_.push_back(code);
  }
  s.value = std::move(value);
  return s;
}

void ParameterRecord::read(int code, TokenList value, std::string text) {
  Slot& s = assign(code, std::move(value));
  s.given = true;
  // Cards write these as "3", "3.0" or "3.0000E+00" alike.
  if (keeps_text(code)) keep_text(code, whole_number_text(std::move(text)));
}

void ParameterRecord::replace(int code, TokenList value, std::string text) {
  assign(code, std::move(value));
  keep_text(code, std::move(text));
}

TokenList combine_values(bool parenthesise, TokenList left, const TokenList& right, bool open_brace,
                         bool close_brace, int operator_kind) {
  // Unlike token_list_combine, braces around nothing are not written: an
  // absent operand must vanish from the formula, not leave "{ }" behind.
  if (left.empty() && right.empty()) return left;
  token_list_combine(parenthesise, left, right, open_brace, close_brace, operator_kind);
  return left;
}

std::string value_text(const TranslationContext& ctx, const TokenList& value) {
  std::string text;
  for (const TokenNode& node : value) {
    switch (node.kind) {
      case TOK_NAME:
      case TOK_CALL:
        text += ctx.symbols[node.value].text;
        break;
      case TOK_NUMBER:
      case TOK_NUMBER_EXP:
        text += ctx.constants[node.value].text;
        break;
      case TOK_LPAREN:
        text += '(';
        break;
      case TOK_RPAREN:
        text += ')';
        break;
      case TOK_STAR:
        text += '*';
        break;
      case TOK_PLUS:
        text += '+';
        break;
      case TOK_MINUS:
        text += '-';
        break;
      case TOK_SLASH:
        text += '/';
        break;
      case TOK_COMMA:
        text += ',';
        break;
      default:
        break;  // braces and fixed pieces
    }
  }
  return text;
}

}  // namespace corvane
