#include "app/file_list_pair.h"

#include <algorithm>
#include <iterator>

#include "app/output_names.h"

namespace corvane {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<FileRow>::iterator at(std::vector<FileRow>& rows, std::size_t index) {
  return rows.begin() + static_cast<std::ptrdiff_t>(index);
}

}  // namespace

bool same_name_ignoring_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

FileListPair::FileListPair(std::uint32_t window_text_colour)
    : window_text_colour_(window_text_colour),
      input_{FileRow{"", window_text_colour}},
      output_{FileRow{"", window_text_colour}} {}

const std::vector<FileRow>& FileListPair::rows(ListSide side) const {
  return side == ListSide::input ? input_ : output_;
}

bool FileListPair::commit(ListSide side, std::size_t row, const std::vector<std::string>& names) {
  if (row >= row_count() || names.empty()) return false;
  return side == ListSide::input ? commit_input(row, names) : commit_output(row, names);
}

bool FileListPair::commit_input(std::size_t row, const std::vector<std::string>& names) {
  const std::string& current = input_[row].text;
  if (names.size() == 1 && same_name_ignoring_case(names.front(), current)) return false;
  bool changed = false;
  if (!current.empty()) {
    // The output row goes with its input row; the empty row never has text,
    // so the pair's new-entry row is never removed here.
    input_.erase(at(input_, row));
    output_.erase(at(output_, row));
    changed = true;
  }
  for (const std::string& name : names) {
    if (name.empty()) continue;
    input_.insert(at(input_, row), FileRow{name, window_text_colour_});
    output_.insert(at(output_, row), FileRow{derived_output_name(name), window_text_colour_});
    changed = true;
  }
  return changed;
}

bool FileListPair::commit_output(std::size_t row, const std::vector<std::string>& names) {
  // The new-entry row cannot be edited: giving it text would leave the
  // output list without its empty row.
  if (is_empty_row(row)) return false;
  const std::string& name = names.front();
  if (names.size() == 1 && same_name_ignoring_case(name, output_[row].text)) return false;
  input_[row].colour = window_text_colour_;
  input_[row].outcome = RowOutcome::none;
  // An output row holds one text; a second name would make the output list
  // longer than the input list.
  if (!name.empty()) output_[row] = FileRow{name, window_text_colour_};
  return true;
}

bool FileListPair::delete_row(std::size_t row) {
  if (row >= row_count()) return false;
  const bool was_empty_row = is_empty_row(row);
  input_.erase(at(input_, row));
  output_.erase(at(output_, row));
  if (was_empty_row) {
    input_.push_back(FileRow{"", window_text_colour_});
    output_.push_back(FileRow{"", window_text_colour_});
  }
  return true;
}

void FileListPair::paint_row(std::size_t row, std::uint32_t colour, RowOutcome outcome) {
  if (row >= row_count()) return;
  input_[row].colour = colour;
  input_[row].outcome = outcome;
  output_[row].colour = colour;
  output_[row].outcome = outcome;
}

}  // namespace corvane
