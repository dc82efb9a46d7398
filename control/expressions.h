#pragma once

#include <string>

#include "core/token_list.h"
#include "core/translation_context.h"

namespace corvane {

/// Respells a function call that Ondrel writes differently ("pow(" becomes
/// "pwr(", "pwr(" "pwrs(", "db(" "20*log10(", "sign(" "sgn("), and reports
/// the distribution functions Ondrel lacks. `call` is the lower-case call
/// text with its "("; it is rewritten before it is entered in the symbol
/// table, so each call is respelled exactly once.
void rewrite_function_call(TranslationContext& ctx, std::string& call);

/// Collects the pieces of an expression in order. The scanner takes commas
/// for blanks; a comma is put back where the source had one, and between
/// two operands that would otherwise run together.
class ExpressionPieces {
 public:
  explicit ExpressionPieces(TokenList& list) : list_(list) {}
  /// Adds the current token if it can be part of an expression (a name,
  /// call, number, operator or parenthesis); false if it cannot.
  bool add_current(const TranslationContext& ctx);

 private:
  TokenList& list_;
  int previous_ = TOK_EOF;  // kind of the last piece added; TOK_EOF before the first
};

/// How reading a parameter value went.
enum class ValueRead {
  ok,
  missing,   // no value where one was due
  unclosed,  // a quoted expression ran to the statement's end without its quote
};

/// Reads the value of a parameter definition into `list`, reading every
/// token without keyword lookup: a number stays as written (a "-" before it
/// kept, a "+" dropped), a name becomes "{ name }", a quoted expression, a
/// call or an unquoted expression (operands joined by * / + -) becomes
/// "{ expression }". Returns with the token after the value current.
ValueRead read_parameter_value(TranslationContext& ctx, TokenList& list);

}  // namespace corvane
