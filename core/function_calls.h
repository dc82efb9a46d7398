#pragma once

#include <string>
#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// Respells a function call that Ondrel writes differently ("pow(" becomes
/// "pwr(", "pwr(" "pwrs(", "db(" "20*log10(", "sign(" "sgn("), and reports
/// the distribution functions Ondrel lacks. `call` is the lower-case call
/// text with its "("; the scanner rewrites it before entering it in the
/// symbol table, so each call is respelled exactly once.
void rewrite_function_call(TranslationContext& ctx, std::string& call);

/// Reports each call of a distribution function in `text`, as
/// `rewrite_function_call` reports it when the scanner reads the call.
void report_distribution_calls(TranslationContext& ctx, std::string_view text);

/// The Ondrel spelling of a call (its lower-case text with "("), as
/// `rewrite_function_call` makes it, without reporting anything.
std::string_view ondrel_call(std::string_view call);

/// Whether `name` (any case, without "(") is one of HSPICE's functions or
/// the output calls v and i: in an expression, such a name followed by
/// blanks and "(" is still a call ("sqrt (a)").
bool is_function_name(std::string_view name);

}  // namespace corvane
