#pragma once

#include <cstddef>
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

/// The source text of a quoted expression, the opening quote current: up to
/// the closing quote, across "+" lines. The closing quote is left current;
/// `closed` is false when the statement ended without it.
struct QuotedSource {
  std::string text;
  bool closed = false;
};
QuotedSource read_quoted_source(TranslationContext& ctx);

/// Whether the current token begins a value written in braces ({w*2}); the
/// scanner reads the braces as letters of a word.
bool at_braced_value(const TranslationContext& ctx);

/// The text between the braces of such a value, on its line; the token
/// that ends with the closing brace is left current. `closed` is false when
/// the line has no closing brace where a token ends.
QuotedSource read_braced_source(TranslationContext& ctx);

/// The longest expression text translated; a longer one is reported.
inline constexpr std::size_t kMaxExpressionLength = 100000;

/// Reads the expression `text` and adds "{ expression }" to `list` as Ondrel
/// writes it (`write_expression`), negated when asked; false, with
/// `problem` said and `list` as it was, where Ondrel cannot express it. A
/// blank text adds nothing.
bool add_expression(TranslationContext& ctx, std::string_view text, bool negative, TokenList& list,
                    std::string& problem);

/// Rejects the statement for the expression `text` ("Expression not
/// translated, PROBLEM: ('text')").
void reject_expression(TranslationContext& ctx, std::string_view text, std::string_view problem);

/// Reads the expression `text` and adds "{ expression }" to `list`, as
/// Ondrel writes it (`write_expression`), negated when asked. An expression
/// Ondrel cannot express rejects the statement ("Expression not translated,
/// ...") and gives false.
bool read_expression_value(TranslationContext& ctx, std::string_view text, bool negative,
                           TokenList& list);

/// `name` with "$G_" in front when it was declared global.
/// The expression `text` as a value list; a single term stands without
/// the braces around it. Empty when `text` is no expression.
TokenList setting_value(TranslationContext& ctx, std::string_view text);

std::string global_node_name(TranslationContext& ctx, std::string_view name);

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

/// HSPICE's optional "params:" before the parameters of a `.subckt` header
/// or an `X` line, which Ondrel writes itself: for a word that begins with
/// it (in any case), the rest of the word (empty for the keyword alone,
/// "r" for "params:r"); otherwise `word` itself and false.
bool strip_params_keyword(std::string& word);

/// Looks the current word, read without lookup, up as a keyword as `mode`
/// would have.
void look_up_word(TranslationContext& ctx, int mode);

/// `name` with "p" or "n" appended when a "+" or "-" touches it; consumes the
/// sign. The caller has read the token after the name.
std::string with_polarity_suffix(TranslationContext& ctx, std::string name, int mode);

}  // namespace corvane
