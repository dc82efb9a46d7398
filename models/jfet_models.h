#pragma once

#include <string>

#include "core/translation_context.h"
#include "models/parameter_record.h"

namespace corvane {

/// Reads a `njf`/`pjf` card from the token after the kind word and turns its
/// parameters into those of an Ondrel JFET (level 1) or GaAs FET (level 3):
/// `scalm` and `acm` scaling, the MESFET-only parameters dropped from JFETs,
/// drops and renames. False when the card was rejected (it has then been
/// reported and skipped).
bool read_jfet_parameters(TranslationContext& ctx, int target, ParameterRecord& record);

/// The `njf`/`pjf` translator: reads the card, then writes a wrapper
/// subcircuit around one Ondrel JFET with a gate link, or around one GaAs
/// FET, and the card. Levels other than 1 and 3 and p-channel MESFETs are
/// refused.
void translate_jfet_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                          ParameterRecord& record);

}  // namespace corvane
