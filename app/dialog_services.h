#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/file_selection.h"
#include "run/translation_request.h"

namespace corvane {

/// The translate dialog's message boxes, behind an interface so that tests
/// answer them.
class DialogPrompts {
 public:
  virtual ~DialogPrompts() = default;
  /// A plain box with an OK button and the application's name as caption.
  virtual void show_message(const std::string& text) = 0;
  /// The message of a fatal condition that stopped a row's run.
  virtual void show_error(const std::string& text) = 0;
};

/// The platform's Open and Save file dialogs.
class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  /// The chosen files in the order the dialog lists them; empty on Cancel.
  virtual std::vector<std::string> choose_files(const FileDialogRequest& request) = 0;
};

/// What a row's run came to.
struct RowResult {
  StatusColour colour = StatusColour::neutral;
  /// The user cancelled: the run stopped after the file in hand.
  bool cancelled = false;
  /// The text of a fatal condition that stopped the run.
  std::optional<std::string> fatal_message;
  /// A file of the row was not translated (its output folder could not be
  /// made), though the run went on.
  bool untranslated = false;
};

/// Runs the translation of one row.
class RowTranslator {
 public:
  virtual ~RowTranslator() = default;
  virtual RowResult translate_row(const TranslationRequest& request) = 0;
  /// Called once row `row` has its result colour, before the next row runs,
  /// so that a front end can show it.
  virtual void row_painted(std::size_t /*row*/) {}
};

}  // namespace corvane
