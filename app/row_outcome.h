#pragma once

#include <string_view>

namespace corvane {

/// What a row's last run came to, kept beside its colour so that the row
/// can also tell it in words and by an icon.
enum class RowOutcome { none, translated, warnings, errors, not_translated };

/// The words for an outcome; empty for none (a row not run, or cancelled).
constexpr std::string_view row_outcome_words(RowOutcome outcome) {
  switch (outcome) {
    case RowOutcome::translated:
      return "Translated";
    case RowOutcome::warnings:
      return "Translated with warnings";
    case RowOutcome::errors:
      return "Translated with errors";
    case RowOutcome::not_translated:
      return "Not translated";
    case RowOutcome::none:
      break;
  }
  return {};
}

}  // namespace corvane
