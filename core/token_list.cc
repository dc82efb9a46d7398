#include "core/token_list.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "core/output_writer.h"

namespace corvane {
namespace {

struct Printed {
  std::string_view text;
  bool blank;
};

// How the fixed pieces print; names and numbers print their table text.
Printed printed(int kind) {
  switch (kind) {
    case NODE_ZERO:
      return {"0", false};
    case TOK_LPAREN:
      return {"(", false};
    case TOK_RPAREN:
      return {")", false};
    case TOK_STAR:
      return {"*", false};
    case TOK_PLUS:
      return {"+", false};
    case TOK_COMMA:
      return {",", false};
    case TOK_MINUS:
      return {"-", false};
    case TOK_SLASH:
      return {"/", false};
    case TOK_LBRACE:
      return {"{", true};
    case TOK_RBRACE:
      return {" }", false};
    case kw("m"):
      return {"m", true};
    case kw("area"):
      return {"area", true};
    case kw("nrs"):
      return {"nrs", false};
    case kw("nrd"):
      return {"nrd", false};
    case kw("w"):
      return {"w", true};
    case kw("delay"):
      return {"{ exp(-s", false};
    case kw("ddt"):
      return {"ddt(", true};
    case kw("table"):
      return {"table(", true};
    case kw("v1meg"):
      return {"1e6", true};
    case NODE_ONE:
      return {"1", false};
    case NODE_TWO:
      return {"2", false};
    case NODE_MINUS_ONE:
      return {"-1", false};
    case NODE_EPS_OX:
      return {"3.453e-11", false};
    case NODE_1E_10:
      return {"1e-10", false};
    case NODE_1E_6:
      return {"1e-6", false};
    case NODE_1E_4:
      return {"1e-4", false};
    case NODE_VT:
      return {"0.026", false};
    case NODE_HALF:
      return {"0.5", false};
    case NODE_SQRT_ONE:
      return {"sqrt(1", false};
    case NODE_NRB:
      return {"nrb", false};
    case NODE_NRG:
      return {"nrg", false};
    case NODE_PWR:
      return {"pwr(", true};
    case NODE_POWER:
      return {"**", false};
    case NODE_IF:
      return {"IF(", false};
    case NODE_IF_COMMA:
      return {", ", false};
    case NODE_AND:
      return {"&", false};
    case NODE_OR:
      return {"|", false};
    case NODE_NOT:
      return {"~", false};
    case NODE_EQ:
      return {"==", false};
    case NODE_NE:
      return {"!=", false};
    case NODE_LT:
      return {"<", false};
    case NODE_LE:
      return {"<=", false};
    case NODE_GT:
      return {">", false};
    case NODE_GE:
      return {">=", false};
    default:
      return {"", false};
  }
}

}  // namespace

void token_list_combine(bool parenthesise, TokenList& left, const TokenList& right, bool open_brace,
                        bool close_brace, int operator_kind) {
  // An empty right side only wraps left, and only when an opening brace is
  // asked for.
  if (right.empty() && !open_brace) return;
  TokenList result;
  result.reserve(left.size() + right.size() + 5);
  if (open_brace) result.push_back({TOK_LBRACE, 0});
  if (right.empty() || left.empty()) {
    const TokenList& only = right.empty() ? left : right;
    result.insert(result.end(), only.begin(), only.end());
  } else {
    if (parenthesise) result.push_back({TOK_LPAREN, 0});
    result.insert(result.end(), left.begin(), left.end());
    if (operator_kind != TOK_EOF) result.push_back({operator_kind, 0});
    result.insert(result.end(), right.begin(), right.end());
    if (parenthesise) result.push_back({TOK_RPAREN, 0});
  }
  if (close_brace) result.push_back({TOK_RBRACE, 0});
  left = std::move(result);
}

namespace {

// `braces`: how many "{" the line written so far leaves open.
void write_pieces(TranslationContext& ctx, int target, const TokenList& list, bool blank,
                  int braces) {
  OutputText& out = output_of(ctx, target);
  // An expression inside another (in the list, or in the line the list
  // continues) is written in parentheses: Ondrel reads no braces inside
  // braces, and the value is the same.
  for (const TokenNode& node : list) {
    if (node.kind == TOK_NAME || node.kind == TOK_CALL) {
      const std::string_view text = ctx.symbols[node.value].text;
      if (out.append_respelled(text, false)) [[unlikely]] {
        note_respelled(ctx, target, text, false);
      }
      continue;
    }
    if (is_number_kind(node.kind)) {
      out.append_stripped(ctx.constants[node.value].text);
      continue;
    }
    if (node.kind == TOK_LBRACE) {
      if (braces++ > 0) {
        out.push_back('(');
        continue;
      }
    } else if (node.kind == TOK_RBRACE) {
      if (--braces > 0) {
        out.push_back(')');
        continue;
      }
    }
    const Printed piece = printed(node.kind);
    out.append_piece(piece.text, piece.blank);
  }
  if (blank) out.push_back(' ');
}

}  // namespace

void token_list_write(TranslationContext& ctx, int target, const TokenList& list, bool blank) {
  int braces = 0;
  if (std::any_of(list.begin(), list.end(),
                  [](const TokenNode& node) { return node.kind == TOK_LBRACE; })) {
    braces = std::max(output_of(ctx, target).open_braces_in_last_line(), 0);
  }
  write_pieces(ctx, target, list, blank, braces);
}

void token_list_write_outside_braces(TranslationContext& ctx, int target, const TokenList& list) {
  write_pieces(ctx, target, list, true, 0);
}

}  // namespace corvane
