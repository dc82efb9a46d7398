#include "control/expressions.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "core/diagnostics.h"
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

ValueRead read_parameter_value(TranslationContext& ctx, TokenList& list, std::string& problem,
                               std::string& problem_text) {
  int sign = TOK_EOF;
  if (in_statement(ctx) && (ctx.token_kind == TOK_PLUS || ctx.token_kind == TOK_MINUS)) {
    sign = ctx.token_kind;
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (!in_statement(ctx)) return ValueRead::missing;

  if (ctx.token_kind == TOK_QUOTE || at_braced_value(ctx)) {
    const bool braced = ctx.token_kind != TOK_QUOTE;
    const QuotedSource quoted = braced ? read_braced_source(ctx) : read_quoted_source(ctx);
    if (!quoted.closed) return ValueRead::unclosed;
    next_token(ctx, MODE_NO_KEYWORDS);
    if (!add_expression(ctx, quoted.text, sign == TOK_MINUS, list, problem)) {
      problem_text = quoted.text.substr(0, kQuotedSourceLimit);  // what a warning quotes
      return ValueRead::untranslatable;
    }
    return ValueRead::ok;
  }

  TokenList pieces_list;
  if (sign == TOK_MINUS) token_list_add(TOK_MINUS, 0, pieces_list);
  ExpressionPieces pieces(pieces_list);
  const std::size_t first = pieces_list.size();
  const std::string_view first_line = ctx.scan.line;
  const std::size_t start = ctx.scan.token_start;
  if (!read_operand(ctx, pieces)) return ValueRead::missing;
  while (in_statement(ctx) && is_operator(ctx.token_kind)) {
    pieces.add_current(ctx);
    next_token(ctx, MODE_NO_KEYWORDS);
    if (!read_operand(ctx, pieces)) return ValueRead::missing;
    // Past as many pieces as the longest quoted expression has characters,
    // the value is reported as that one would be.
    if (pieces_list.size() > kMaxExpressionLength) {
      problem =
          "of more than " + std::to_string(kMaxExpressionLength) + " names, numbers and operators";
      problem_text = first_line.substr(std::min(start, first_line.size()), kQuotedSourceLimit);
      return ValueRead::untranslatable;
    }
  }

  // A call is written by the expression reader, which spells out what
  // Ondrel writes differently (db(x) as one value, pow( and sign( exactly);
  // what it cannot read is reported, never written as the scanner spelled it.
  if (pieces.has_call()) {
    const std::string text = (sign == TOK_MINUS ? "-" : "") + pieces.source();
    if (add_expression(ctx, text, false, list, problem)) return ValueRead::ok;
    problem_text = text.substr(0, kQuotedSourceLimit);
    return ValueRead::untranslatable;
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
