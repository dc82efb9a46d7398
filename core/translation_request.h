#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class OwnerWindow;

/// What a front end hands to a run for one row of files.
struct TranslationRequest {
  /// Input paths separated by blanks; a path in double quotes keeps its blanks.
  std::string input_files;
  /// Output paths, each in double quotes, separated by one blank.
  std::string output_files;
  /// Place a family of MOSFET models with dotted suffixes in one subcircuit.
  bool mos_family_single_subckt = true;
  /// The window that owns the progress window; null for the main window.
  OwnerWindow* owner = nullptr;
};

/// The colour a row is painted with after its run.
enum class StatusColour {
  neutral,  // the window-text colour: cancelled, or nothing translated
  red,      // an error: a MOSFET "ERROR: " line, or a fatal condition
  yellow,   // warnings
  green,    // translated cleanly
};

/// As a Windows COLORREF (0x00BBGGRR); neutral is the given window-text colour.
constexpr std::uint32_t colorref(StatusColour colour, std::uint32_t window_text) {
  switch (colour) {
    case StatusColour::red:
      return 0x0000FF;
    case StatusColour::yellow:
      return 0x00DDDD;
    case StatusColour::green:
      return 0x00DD00;
    case StatusColour::neutral:
      break;
  }
  return window_text;
}

constexpr std::string_view colour_name(StatusColour colour) {
  switch (colour) {
    case StatusColour::red:
      return "red";
    case StatusColour::yellow:
      return "yellow";
    case StatusColour::green:
      return "green";
    case StatusColour::neutral:
      break;
  }
  return "neutral";
}

}  // namespace corvane
