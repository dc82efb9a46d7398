#pragma once

#include <string>

#include "core/translation_context.h"
#include "models/parameter_record.h"

namespace corvane {

/// How reading a MOSFET card ended.
enum class MosfetReading {
  translated,     // the record holds the Ondrel parameter set
  rejected,       // a syntax error; the card has been reported and skipped
  level_refused,  // a level Ondrel has no model for; the card is not written
};

/// Reads a `nmos`/`pmos` card from the token after the kind word and turns
/// its parameters into Ondrel ones: level family, scaling, derived values,
/// renames, and with the single-subckt option the parasitic resistances.
/// Posts the family's INFO or ERROR line and the HSPICE-only warnings.
MosfetReading read_mosfet_parameters(TranslationContext& ctx, int target, ParameterRecord& record);

/// The nmos/pmos translator: reads the card, then writes the wrapper
/// subcircuit that scales the instance geometry, and the card.
void translate_mosfet_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                            ParameterRecord& record);

/// True when a written parameter uses a parameter of the wrapper subcircuit
/// (nrs, nrd, nrg, nrb, w), so the card must stand inside the subcircuit.
bool uses_wrapper_parameters(const ParameterRecord& record);

}  // namespace corvane
