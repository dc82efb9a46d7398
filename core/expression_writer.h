#pragma once

#include <string>

#include "core/expression.h"
#include "core/token_list.h"
#include "core/translation_context.h"

namespace corvane {

/// The most pieces an expression may be written as; past them it is
/// refused.
inline constexpr std::size_t kMaxWrittenPieces = 1000000;

/// Appends `expression` to `list` as Ondrel writes it (no braces around it):
/// names, numbers and calls as written (calls respelled as the scanner
/// respells them, but db(, sign( and pow( written out so that they keep
/// HSPICE's meaning), + - * / and the groups the source wrote as they were,
/// the power operators ** and ^ as **, and every relational or logical
/// operation inside IF(condition, value, value): c ? x : y is IF(c, x, y),
/// && & , || | , ! ~ , and a condition used as a number IF(c, 1, 0). False,
/// with `problem` said, for what Ondrel cannot express (%, \); `list` is
/// then left as it was.
bool write_expression(TranslationContext& ctx, const Expression& expression, TokenList& list,
                      std::string& problem);

}  // namespace corvane
