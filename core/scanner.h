#pragma once

#include <string_view>

#include "core/token_kinds.h"
#include "core/translation_context.h"

namespace corvane {

/// Starts reading `input`, which must outlive the translation: no line read
/// yet, line counter 0, flags cleared.
void scanner_open(TranslationContext& ctx, std::string_view input);

/// Empties both tables and loads the keywords.
void scanner_reset_tables(TranslationContext& ctx);
/// Empties the constant table but for the current token, which may be a
/// number that starts the next statement.
void keep_current_constant(TranslationContext& ctx);

/// Forms the next token of the input, reading a new physical line when the
/// last token ended one. Sets `token_kind` and `token_index`. Comment lines
/// met on the way go to `comment_buffer`. Only `next_token` calls it.
int scan_token(TranslationContext& ctx, int mode);

/// A model parameter's number value read by `scan_number_assignment`.
struct NumberAssignment {
  bool negative = false;
  int kind = TOK_NUMBER;  // TOK_NUMBER or TOK_NUMBER_EXP
  int index = 0;          // in the constant table
};

/// The short way through a model card's `name = number` pairs, which are
/// most of a library. With a parameter name as the current token, when the
/// same line goes on with "=", an optional sign and a number, consumes them
/// and leaves the scanner exactly as token by token reading would: the
/// number is the current token and entered in the constant table. Anything
/// else (a value on the next line, a name, a quote, a number too long)
/// returns false and consumes nothing.
bool scan_number_assignment(TranslationContext& ctx, NumberAssignment& assignment);

/// The current token's text in lower case.
std::string_view token_text(const TranslationContext& ctx);

/// The current token as it stands in the source line, in its original case.
std::string_view source_token_text(const TranslationContext& ctx);

/// Gives up the rest of the current line; the next scan reads a new line.
void skip_line(TranslationContext& ctx);

/// The current physical line as written (original case, no line end).
std::string_view current_line(const TranslationContext& ctx);

/// Longest number literal accepted; a longer one ends the run.
inline constexpr std::size_t MAX_NUMBER_LENGTH = 20;

}  // namespace corvane
