#pragma once

#include <string>

#include "core/translation_context.h"

namespace corvane {

/// Translates a `.param` or `.parameter` statement on `target`.
void translate_param(TranslationContext& ctx, int target, int code);

/// The value (HSPICE text) the parameter `name` was last given in the
/// scope in hand, when the translation keeps them
/// (`keep_parameter_values`); null otherwise. Asking while they are not
/// kept asks for the file to be read again with them kept.
const std::string* earlier_parameter_value(TranslationContext& ctx, const std::string& name);

/// Keeps `value` as the value of the parameter `name` in the scope in hand,
/// when the translation keeps them.
void note_parameter_value(TranslationContext& ctx, const std::string& name, std::string value);

}  // namespace corvane
