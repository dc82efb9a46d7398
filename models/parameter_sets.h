#pragma once

#include <string_view>

namespace corvane {

class ParameterRecord;

/// The model families whose standard parameter sets hold names that are no
/// keyword: which of those names a card writes depends on its family.
enum class ParameterFamily {
  none,     // diodes, bipolars, wires, MOSFET levels 1 and 2
  jfet,     // JFETs and MESFETs
  mos3,     // MOSFET level 3
  bsim1,    // HSPICE level 13, Ondrel level 4
  bsim3v2,  // HSPICE level 47, Ondrel level 6
  bsim3v3,  // HSPICE level 49, Ondrel level 7 (BSIM3 version 3.1)
};

/// The family of a card of kind `kind_code` (the kind word's keyword code)
/// whose level is `level` as the card gives it ("49", "3"; empty if none).
ParameterFamily parameter_family(int kind_code, std::string_view level);

/// True when cards of `family` write the standard name `code` (a code of
/// `kExtraParameterWords`).
bool family_writes(ParameterFamily family, int code);

/// Drops the standard names given on the card that its family does not have
/// (a BSIM3 binning name on a level 1 card): they stay read, and so are
/// reported as dropped.
void drop_names_of_other_families(ParameterRecord& record, ParameterFamily family);

}  // namespace corvane
