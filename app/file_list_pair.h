#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/row_outcome.h"

namespace corvane {

/// The two lists of the translate dialog: input files on the left, the
/// Ondrel files to write on the right.
enum class ListSide { input, output };

/// One row of a list: one or more file names (blank-separated, a name with
/// blanks in double quotes), the colour it is painted in (0x00BBGGRR) and
/// the outcome that colour stands for.
struct FileRow {
  std::string text;
  std::uint32_t colour = 0;
  RowOutcome outcome = RowOutcome::none;
  bool operator==(const FileRow&) const = default;
};

/// The paired input and output lists. Row i of both lists is one job; both
/// lists always have the same length, and the last row of each is the empty
/// new-entry row, which is never translated.
class FileListPair {
 public:
  /// `window_text_colour` is the colour of new and edited rows.
  explicit FileListPair(std::uint32_t window_text_colour);

  std::size_t row_count() const { return input_.size(); }
  const std::vector<FileRow>& rows(ListSide side) const;
  const FileRow& row(ListSide side, std::size_t index) const { return rows(side).at(index); }
  std::size_t empty_row() const { return row_count() - 1; }
  bool is_empty_row(std::size_t index) const { return index + 1 == row_count(); }
  std::uint32_t window_text_colour() const { return window_text_colour_; }

  /// Writes the names of the row editor of `side` into row `row`; false when
  /// nothing changed. On the input list the first name replaces the row
  /// (unless it is the row's text again, in any letter case) and each
  /// further name is inserted at the same place, so later names end up
  /// above earlier ones; every inserted input name gets its derived output
  /// name beside it. On the output list the one name replaces the row's text
  /// and the input row beside it goes back to the window-text colour and no
  /// outcome.
  bool commit(ListSide side, std::size_t row, const std::vector<std::string>& names);
  /// Removes `row` from both lists; when that was the empty row, a new empty
  /// row is appended to both. False when there is no such row.
  bool delete_row(std::size_t row);
  /// Paints row `row` of both lists and records the outcome it shows.
  void paint_row(std::size_t row, std::uint32_t colour, RowOutcome outcome = RowOutcome::none);

 private:
  std::vector<FileRow>& list(ListSide side) { return side == ListSide::input ? input_ : output_; }
  bool commit_input(std::size_t row, const std::vector<std::string>& names);
  bool commit_output(std::size_t row, const std::vector<std::string>& names);

  std::uint32_t window_text_colour_;
  std::vector<FileRow> input_;
  std::vector<FileRow> output_;
};

/// Whether two names are the same text apart from the letter case.
bool same_name_ignoring_case(std::string_view a, std::string_view b);

}  // namespace corvane
