#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// The output name put beside a committed input name: the same path with
/// the extension "lib" (C:\models\nmos.l gives C:\models\nmos.lib; a name
/// without extension gets one). A text of several quoted names gives one
/// quoted output name per input name.
std::string derived_output_name(std::string_view input_name);

/// The output text a row hands to a run.
struct RowOutputText {
  /// Each output name in double quotes, separated by one blank.
  std::string text;
  /// Set when the row had no output text and the first input's directory
  /// was taken instead.
  std::optional<std::string> defaulted_directory;
};

/// Completes a row's output text for its input names: an empty text becomes
/// the first input's directory; names missing at the end are made from the
/// first output's directory and the inputs' base names; a name that is only
/// a directory gets its input's base name. Every name gets the extension
/// ".lib" where it is made here.
RowOutputText row_output_text(const std::vector<std::string>& input_names,
                              std::string_view output_text);

/// `text` in double quotes unless it already begins with one.
std::string quoted_unless_quoted(std::string_view text);
/// `text` without its trailing blanks, tabs and line ends.
std::string without_trailing_space(std::string_view text);

}  // namespace corvane
