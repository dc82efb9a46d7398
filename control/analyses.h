#pragma once

#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// Translate the analysis statements `.ac`, `.dc` and `.tran` on `target`;
/// a sweep or Monte Carlo run attached to them becomes a line of its own.
void translate_ac(TranslationContext& ctx, int target, int code);
void translate_dc(TranslationContext& ctx, int target, int code);
void translate_tran(TranslationContext& ctx, int target, int code);
/// `.temp T...`: each temperature a parameter name or expression is
/// written in braces.
void translate_temp(TranslationContext& ctx, int target, int code);
/// `.op` is written as it stands; anything after it is dropped.
void translate_op(TranslationContext& ctx, int target, int code);

/// The Ondrel word for an HSPICE sweep type (dec, lin, oct, and poi, which
/// becomes "list"); empty for any other word.
std::string_view sweep_type_word(std::string_view hspice_word);

}  // namespace corvane
