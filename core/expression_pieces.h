#pragma once

#include "core/token_list.h"
#include "core/translation_context.h"

namespace corvane {

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

}  // namespace corvane
