#include "control/expressions.h"

#include <string_view>

#include "core/expression_pieces.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

bool is_operator(int kind) {
  return kind == TOK_STAR || kind == TOK_PLUS || kind == TOK_MINUS || kind == TOK_SLASH;
}

bool in_statement(const TranslationContext& ctx) {
  return !ctx.statement_ended && ctx.token_kind != TOK_EOF;
}

// 'text' up to its closing quote, the opening quote being current. True
// when the quote was closed; the token after it is then current.
bool read_quoted_pieces(TranslationContext& ctx, ExpressionPieces& pieces) {
  next_token(ctx, MODE_NO_KEYWORDS);
  while (in_statement(ctx) && ctx.token_kind != TOK_QUOTE) {
    pieces.add_current(ctx);  // what cannot be part of an expression is passed over
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (!in_statement(ctx)) return false;
  next_token(ctx, MODE_NO_KEYWORDS);
  return true;
}

// A call or a parenthesis with everything up to the one that closes it.
bool read_group(TranslationContext& ctx, ExpressionPieces& pieces) {
  int depth = 0;
  do {
    const int kind = ctx.token_kind;
    if (kind == TOK_CALL || kind == TOK_LPAREN) ++depth;
    if (kind == TOK_RPAREN) --depth;
    pieces.add_current(ctx);
    next_token(ctx, MODE_NO_KEYWORDS);
  } while (depth > 0 && in_statement(ctx));
  return depth == 0;
}

// One operand of an unquoted expression, with any signs before it.
bool read_operand(TranslationContext& ctx, ExpressionPieces& pieces) {
  while (in_statement(ctx) && (ctx.token_kind == TOK_PLUS || ctx.token_kind == TOK_MINUS)) {
    pieces.add_current(ctx);
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (!in_statement(ctx)) return false;
  const int kind = ctx.token_kind;
  if (kind == TOK_CALL || kind == TOK_LPAREN) return read_group(ctx, pieces);
  if (kind != TOK_NAME && !is_number_kind(kind)) return false;
  pieces.add_current(ctx);
  next_token(ctx, MODE_NO_KEYWORDS);
  return true;
}

}  // namespace

ValueRead read_parameter_value(TranslationContext& ctx, TokenList& list) {
  int sign = TOK_EOF;
  if (in_statement(ctx) && (ctx.token_kind == TOK_PLUS || ctx.token_kind == TOK_MINUS)) {
    sign = ctx.token_kind;
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (!in_statement(ctx)) return ValueRead::missing;

  if (ctx.token_kind == TOK_QUOTE) {
    // -'a+b' negates the whole expression: { -(a+b) }
    TokenList pieces_list;
    ExpressionPieces pieces(pieces_list);
    const bool closed = read_quoted_pieces(ctx, pieces);
    token_list_add(TOK_LBRACE, 0, list);
    if (sign == TOK_MINUS) {
      token_list_add(TOK_MINUS, 0, list);
      token_list_add(TOK_LPAREN, 0, list);
    }
    list.insert(list.end(), pieces_list.begin(), pieces_list.end());
    if (sign == TOK_MINUS) token_list_add(TOK_RPAREN, 0, list);
    token_list_add(TOK_RBRACE, 0, list);
    return closed ? ValueRead::ok : ValueRead::unclosed;
  }

  TokenList pieces_list;
  if (sign == TOK_MINUS) token_list_add(TOK_MINUS, 0, pieces_list);
  ExpressionPieces pieces(pieces_list);
  const std::size_t first = pieces_list.size();
  if (!read_operand(ctx, pieces)) return ValueRead::missing;
  while (in_statement(ctx) && is_operator(ctx.token_kind)) {
    pieces.add_current(ctx);
    next_token(ctx, MODE_NO_KEYWORDS);
    if (!read_operand(ctx, pieces)) return ValueRead::missing;
  }

  const bool single = pieces_list.size() == first + 1;
  if (single && is_number_kind(pieces_list[first].kind)) {
    list.insert(list.end(), pieces_list.begin(), pieces_list.end());
  } else {
    token_list_add(TOK_LBRACE, 0, list);
    list.insert(list.end(), pieces_list.begin(), pieces_list.end());
    token_list_add(TOK_RBRACE, 0, list);
  }
  return ValueRead::ok;
}

}  // namespace corvane
