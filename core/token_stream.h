#pragma once

#include <string>
#include <string_view>

#include "core/token_list.h"
#include "core/translation_context.h"

namespace corvane {

/// Reads the next token of the current statement or, when the statement ends,
/// the first token of the next one (then `statement_ended` is set). A line
/// that starts with "+" continues the statement; one blank line is passed
/// over. Words are looked up as keywords by `mode`.
int next_token(TranslationContext& ctx, int mode);

/// True if the current token is of `kind`; otherwise the statement is
/// rejected with "Unrecognized syntax when parsing statement".
bool expect_token(TranslationContext& ctx, int kind);

/// Gives up the rest of the statement, continuation lines included, and reads
/// the first token of the next statement.
void finish_statement(TranslationContext& ctx, int mode);

/// Copies the statement's lines unchanged to `target` and reads the first
/// token of the next statement.
void copy_statement(TranslationContext& ctx, int target, int mode);

/// Reads one value (number, parameter name or quoted expression) into `list`.
void read_value(TranslationContext& ctx, TokenList& list);

/// `name` with "$G_" in front when it was declared global.
std::string global_node_name(const TranslationContext& ctx, std::string_view name);

/// The text from the current line's first quote to the next, in double
/// quotes and original case, or the current token's text when the line has
/// no quote; the rest of the line is skipped.
std::string read_quoted_text(TranslationContext& ctx);

/// Reads the name at the current token (a name or a number) and moves on to
/// the token after it, read without keyword lookup. HSPICE node and instance
/// names may hold "/", "-" and "+" (n_xi1/mm8_d, ada4077-2), which the
/// scanner splits off: the pieces that touch each other on the line are
/// joined again, and such a name is its source text in lower case, whole. A
/// sign with a blank or the line end after it is left current for
/// `with_polarity_suffix`.
std::string read_name(TranslationContext& ctx);

/// Looks the current word, read without lookup, up as a keyword as `mode`
/// would have.
void look_up_word(TranslationContext& ctx, int mode);

/// `name` with "p" or "n" appended when a "+" or "-" touches it; consumes the
/// sign. The caller has read the token after the name.
std::string with_polarity_suffix(TranslationContext& ctx, std::string name, int mode);

}  // namespace corvane
