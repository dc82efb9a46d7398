#pragma once

#include <string>

#include "core/translation_context.h"
#include "models/parameter_record.h"

namespace corvane {

/// Reads a `d` card from the token after the kind word and turns its
/// parameters into those of an Ondrel diode: the level-3 warning and `is`
/// scaling, the reverse-knee rewrite of `ikr`, drops and renames. A card
/// without `level` is a level 1 card. False when the card was rejected (it
/// has then been reported and skipped).
bool read_diode_parameters(TranslationContext& ctx, int target, ParameterRecord& record);

/// The `d` translator: reads the card, then writes the wrapper subcircuit
/// with pins "a" and "c" around one Ondrel diode, and the card. Levels other
/// than 1 and 3 are refused.
void translate_diode_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                           ParameterRecord& record);

}  // namespace corvane
