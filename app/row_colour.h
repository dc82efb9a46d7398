#pragma once

#include <cstdint>

#include "run/translation_request.h"

namespace corvane {

/// A row's result colour as a Windows COLORREF (0x00BBGGRR), the form the
/// dialog's rows keep; neutral is the given window-text colour.
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

}  // namespace corvane
