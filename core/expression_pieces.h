#pragma once

#include <string>
#include <string_view>

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
  /// Whether a call is among the pieces.
  bool has_call() const { return has_call_; }
  /// The source text of the pieces; pieces on later lines joined with a
  /// blank, or the comma the source had there.
  std::string source() const { return joined_ + std::string(line_.substr(start_, end_ - start_)); }

 private:
  TokenList& list_;
  int previous_ = TOK_EOF;  // kind of the last piece added; TOK_EOF before the first
  bool has_call_ = false;
  std::string joined_;     // the pieces on lines before the current one
  std::string_view line_;  // of the first piece on the current line
  std::size_t start_ = 0;  // where that piece begins on it
  std::size_t end_ = 0;    // where the last piece ends
};

}  // namespace corvane
