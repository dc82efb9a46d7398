#include "models/parameter_record.h"

#include <utility>

namespace corvane {

ParameterRecord::Slot& ParameterRecord::slot(int code) {
  if (Slot* existing = find(code)) return *existing;
  if (static_cast<std::size_t>(slot_count_) % kChunkSize == 0) {
    chunks_.emplace_back().reserve(kChunkSize);
  }
  ++slot_count_;
  positions_[static_cast<std::size_t>(code)] = static_cast<std::uint16_t>(slot_count_);
  Slot& fresh = chunks_.back().emplace_back();
  fresh.name = parameter_output_name(code);
  return fresh;
}

void ParameterRecord::read(int code, TokenList value, std::string text) {
  Slot& s = slot(code);
  s.given = true;
  s.value = std::move(value);
  s.text = std::move(text);
}

void ParameterRecord::replace(int code, TokenList value, std::string text) {
  Slot& s = slot(code);
  s.value = std::move(value);
  s.text = std::move(text);
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
