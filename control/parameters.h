#pragma once

#include "core/translation_context.h"

namespace corvane {

/// Translates a `.param` or `.parameter` statement on `target`.
void translate_param(TranslationContext& ctx, int target, int code);

}  // namespace corvane
