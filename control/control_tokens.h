#pragma once

#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// The current token's text when it is a word of the statement (a name, or a
/// keyword read as one); empty for other tokens and at a statement's end.
std::string_view current_word(const TranslationContext& ctx);

}  // namespace corvane
