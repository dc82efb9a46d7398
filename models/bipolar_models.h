#pragma once

#include <string>

#include "core/translation_context.h"
#include "models/parameter_record.h"

namespace corvane {

/// Reads a `npn`/`pnp` card from the token after the kind word. The shared
/// table renames the Gummel-Poon aliases; here `rc` becomes `rco` beside
/// `qco`, `tref` the measurement temperature, and `nf` and `var` keep their
/// names. False when the card was rejected (it has then been reported and
/// skipped).
bool read_bipolar_parameters(TranslationContext& ctx, int target, ParameterRecord& record);

/// The `npn`/`pnp` translator: one Ondrel card, of kind `lpnp` for a lateral
/// PNP (`subs=-1`); bipolar models need no wrapper.
void translate_bipolar_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                             ParameterRecord& record);

}  // namespace corvane
