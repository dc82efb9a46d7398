#pragma once

#include <string>

#include "core/translation_context.h"
#include "models/parameter_record.h"

namespace corvane {

/// Reads a wire model card (`r`, `c` or `l`) from the token after the kind
/// word: `l` and `rsh` are kept for the cards' values but not written,
/// `tref` is the measurement temperature. Ends the current output line, so
/// an empty line precedes the cards. False when the card was rejected (it
/// has then been reported and skipped).
bool read_passive_parameters(TranslationContext& ctx, int target, ParameterRecord& record);

/// The `r`, `c` and `l` translator. A resistor model becomes the `res` cards
/// NAME (sheet resistance) and NAME_1 (the resistance of its geometry) and
/// the `cap` card NAME_2 (the unit capacitance of its parasitic
/// capacitors); a capacitor model the `cap` cards NAME_2 and NAME_1 (the
/// capacitance of its geometry). The parameter list continues the last card.
/// An inductor model writes no card.
void translate_passive_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                             ParameterRecord& record);

}  // namespace corvane
