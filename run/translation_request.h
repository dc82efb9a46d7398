#pragma once

#include <string>

namespace corvane {

/// What a front end hands to a run for one row of files.
struct TranslationRequest {
  /// Input paths separated by blanks; a path in double quotes keeps its blanks.
  std::string input_files;
  /// Output paths, each in double quotes, separated by one blank.
  std::string output_files;
  /// Place a family of MOSFET models with dotted suffixes in one subcircuit.
  bool mos_family_single_subckt = true;
};

/// The colour a row is painted with after its run.
enum class StatusColour {
  neutral,  // the window-text colour: cancelled, or nothing translated
  red,      // an error: a MOSFET "ERROR: " line, or a fatal condition
  yellow,   // warnings
  green,    // translated cleanly
};

}  // namespace corvane
