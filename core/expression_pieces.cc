#include "core/expression_pieces.h"

namespace corvane {
namespace {

bool is_operand(int kind) { return kind == TOK_NAME || kind == TOK_CALL || is_number_kind(kind); }

bool is_operator(int kind) {
  return kind == TOK_STAR || kind == TOK_PLUS || kind == TOK_MINUS || kind == TOK_SLASH;
}

}  // namespace

bool ExpressionPieces::add_current(const TranslationContext& ctx) {
  int kind = ctx.token_kind;
  if (is_keyword_code(kind)) kind = TOK_NAME;
  const bool operand = is_operand(kind);
  if (!operand && !is_operator(kind) && kind != TOK_LPAREN && kind != TOK_RPAREN) return false;
  const bool follows_operand = previous_ == TOK_NAME || is_number_kind(previous_);
  if (previous_ != TOK_EOF && (ctx.scan.comma_before || (operand && follows_operand))) {
    token_list_add(TOK_COMMA, 0, list_);
  }
  if (previous_ == TOK_EOF) {
    line_ = ctx.scan.line;
    start_ = ctx.scan.token_start;
  } else if (ctx.scan.line.data() != line_.data()) {
    // A value continued on a "+" line: only the pieces' text is kept.
    joined_.append(line_.substr(start_, end_ - start_));
    joined_ += ctx.scan.comma_before ? ',' : ' ';
    line_ = ctx.scan.line;
    start_ = ctx.scan.token_start;
  }
  end_ = ctx.scan.pos;
  has_call_ |= kind == TOK_CALL;
  token_list_add(kind, operand ? ctx.token_index : 0, list_);
  previous_ = kind;
  return true;
}

}  // namespace corvane
