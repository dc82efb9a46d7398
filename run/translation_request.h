#pragma once

#include <string>
#include <vector>

namespace corvane {

/// What a front end hands to a run for one row of files.
struct TranslationRequest {
  /// Input paths separated by blanks; a path in double quotes keeps its blanks.
  std::string input_files;
  /// Output paths, each in double quotes, separated by one blank.
  std::string output_files;
  /// Place a family of MOSFET models with dotted suffixes in one subcircuit.
  bool mos_family_single_subckt = true;
  /// The paths as lists, taken as they are (a `"` is part of a name): when
  /// given, these are used and the texts above are not.
  std::vector<std::string> input_paths;
  std::vector<std::string> output_paths;
};

/// The colour a row is painted with after its run.
enum class StatusColour {
  neutral,  // the window-text colour: cancelled, or nothing translated
  red,      // an error: a MOSFET "ERROR: " line, or a fatal condition
  yellow,   // warnings
  green,    // translated cleanly
};

}  // namespace corvane
