#pragma once

#include <optional>
#include <string_view>

#include "core/token_list.h"
#include "core/translation_context.h"

namespace corvane {

/// The value of an HSPICE number as written: "0.5u", "2meg", "1e-6", "10mil";
/// letters after the scale factor are units and ignored. Nothing for text
/// that is no number.
std::optional<double> number_text_value(std::string_view text);

/// The value of a list of numbers joined by + - * / and parentheses (braces
/// left out), as the geometry of an instance reads once its scale is folded
/// in; nothing when it holds a name, a call or anything else.
std::optional<double> numeric_value(const TranslationContext& ctx, const TokenList& value);

}  // namespace corvane
