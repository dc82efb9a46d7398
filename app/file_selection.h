#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/file_list_pair.h"

namespace corvane {

/// What the "..." button of a row editor asks the file dialog for.
struct FileDialogRequest {
  /// Several existing files for the input list; one file to write, with a
  /// question before overwriting, for the output list.
  bool save = false;
  /// "Name (*.x)|*.x|Name (*.y)|*.y||": pairs of label and pattern.
  std::string filter;
  /// Appended to a typed name without extension; empty for none.
  std::string default_extension;
  /// Where the dialog starts; empty for the current directory.
  std::string initial_directory;
  std::string initial_name;
  bool operator==(const FileDialogRequest&) const = default;
};

/// The file dialog of the editor of `side`, started from its edit text.
FileDialogRequest file_dialog_request(ListSide side, std::string_view edit_text);

struct NameFilter {
  std::string label;
  std::string pattern;
  bool operator==(const NameFilter&) const = default;
};

/// The label/pattern pairs of a "|"-separated filter; the "||" end and an
/// unpaired label are dropped.
std::vector<NameFilter> name_filters(std::string_view filter);

/// The label of a filter as file dialogs show it, with its pattern in
/// parentheses ("All Files (*.*)"); the pattern is added when the label
/// lacks it.
std::string labelled_pattern(const NameFilter& filter);

}  // namespace corvane
