#include "app/translate_dialog_logic.h"

#include <algorithm>

#include "app/output_names.h"
#include "app/row_colour.h"
#include "run/host_file_system.h"
#include "run/split_quoted.h"
#include "run/string_table.h"

namespace corvane {
namespace {

std::string without_surrounding_space(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && (text[start] == '\n' || text[start] == ' ')) ++start;
  return without_trailing_space(text.substr(start));
}

}  // namespace

std::size_t navigation_target(NavigationKey key, std::optional<std::size_t> row,
                              std::size_t row_count, std::size_t page_size) {
  if (row_count == 0) return 0;
  const std::size_t last = row_count - 1;
  const std::size_t from = std::min(row.value_or(0), last);
  // A page keeps two rows of the old view in sight; a list too small for
  // that still moves by one row, and never the wrong way.
  const std::size_t page = page_size > 3 ? page_size - 2 : 1;
  switch (key) {
    case NavigationKey::page_up:
      return from > page ? from - page : 0;
    case NavigationKey::page_down:
      return std::min(from + page, last);
    case NavigationKey::home:
      return 0;
    case NavigationKey::end:
      return last;
    case NavigationKey::left:
    case NavigationKey::up:
      return row && from > 0 ? from - 1 : 0;
    case NavigationKey::right:
    case NavigationKey::down:
      return row ? std::min(from + 1, last) : 0;
  }
  return from;
}

RowOutcome row_outcome(const RowResult& result) {
  switch (result.colour) {
    case StatusColour::green:
      return RowOutcome::translated;
    case StatusColour::yellow:
      return RowOutcome::warnings;
    case StatusColour::red:
      return result.fatal_message || result.untranslated ? RowOutcome::not_translated
                                                         : RowOutcome::errors;
    case StatusColour::neutral:
      break;
  }
  return RowOutcome::none;
}

TranslateDialogLogic::TranslateDialogLogic(std::uint32_t window_text_colour)
    : lists_(window_text_colour) {}

std::optional<std::size_t> TranslateDialogLogic::selection(ListSide side) const {
  return side == ListSide::input ? input_selection_ : output_selection_;
}

void TranslateDialogLogic::first_show() {
  if (!first_show_pending_) return;
  first_show_pending_ = false;
  input_selection_ = 0;
  open_editor(ListSide::input, 0);
}

void TranslateDialogLogic::click_row(ListSide side, std::size_t row) {
  if (running_ || row >= lists_.row_count()) return;
  if (selection(side) == row) {
    open_editor(side, row);
    return;
  }
  (side == ListSide::input ? input_selection_ : output_selection_) = row;
  (side == ListSide::input ? output_selection_ : input_selection_).reset();
}

void TranslateDialogLogic::double_click(ListSide side) {
  if (const std::optional<std::size_t> row = selection(side)) open_editor(side, *row);
}

void TranslateDialogLogic::list_focused(ListSide side) {
  if (running_) return;
  commit_editor();
  (side == ListSide::input ? output_selection_ : input_selection_).reset();
}

void TranslateDialogLogic::navigate(ListSide side, NavigationKey key, std::size_t page_size) {
  if (running_) return;
  const std::size_t row = navigation_target(key, selection(side), lists_.row_count(), page_size);
  input_selection_ = row;
  output_selection_ = row;
}

void TranslateDialogLogic::new_row() {
  if (running_) return;
  // An editor still open would otherwise lose what was typed into it; its
  // commit may also move the empty row down.
  commit_editor();
  input_selection_.reset();
  output_selection_.reset();
  open_editor(ListSide::input, lists_.empty_row());
}

void TranslateDialogLogic::edit_row(std::optional<ListSide> focused) {
  if (!focused) return;
  if (const std::optional<std::size_t> row = selection(*focused)) open_editor(*focused, *row);
}

void TranslateDialogLogic::delete_row(std::optional<ListSide> focused) {
  if (running_ || !focused) return;
  const std::optional<std::size_t> row = selection(*focused);
  if (!row) return;
  commit_editor();
  lists_.delete_row(*row);
  keep_selections_in_range();
}

void TranslateDialogLogic::set_edit_text(std::string text) {
  if (editor_side_) edit_text_ = std::move(text);
}

void TranslateDialogLogic::commit_editor() {
  if (!editor_side_) return;
  // The editor's text is one name, or none when it is empty.
  std::vector<std::string> names;
  if (!edit_text_.empty()) names.push_back(edit_text_);
  commit_names(names);
}

void TranslateDialogLogic::cancel_editor() { editor_side_.reset(); }

void TranslateDialogLogic::choose_files(FileDialogs& dialogs) {
  if (!editor_side_ || running_) return;
  const std::vector<std::string> files =
      dialogs.choose_files(file_dialog_request(*editor_side_, edit_text_));
  if (files.empty()) return;
  edit_text_ = files.front();
  commit_names(files);
}

void TranslateDialogLogic::drop_files(const std::vector<std::string>& files) {
  if (running_ || files.empty()) return;
  commit_editor();
  lists_.commit(ListSide::input, lists_.empty_row(), files);
  keep_selections_in_range();
}

void TranslateDialogLogic::open_editor(ListSide side, std::size_t row) {
  if (running_) return;
  commit_editor();
  if (row >= lists_.row_count()) return;
  if (side == ListSide::output && lists_.is_empty_row(row)) return;
  editor_side_ = side;
  edited_row_ = row;
  edit_text_ = lists_.row(side, row).text;
  ++editor_openings_;
}

void TranslateDialogLogic::commit_names(const std::vector<std::string>& names) {
  const ListSide side = *editor_side_;
  editor_side_.reset();
  if (edited_row_ && !names.empty()) lists_.commit(side, *edited_row_, names);
  keep_selections_in_range();
}

void TranslateDialogLogic::keep_selections_in_range() {
  for (std::optional<std::size_t>* selected : {&input_selection_, &output_selection_}) {
    if (*selected && **selected >= lists_.row_count()) selected->reset();
  }
}

std::optional<TranslationRequest> TranslateDialogLogic::row_request(
    std::size_t row, DialogPrompts& prompts, HostFileSystem& file_system) const {
  const std::string& input_text = lists_.row(ListSide::input, row).text;
  if (input_text.empty()) {
    prompts.show_message(std::string(string_text(IDS_NEED_INPUT_FILE)));
    return std::nullopt;
  }
  // A row's text is one name unless it is written with quotes.
  std::string input_files = quoted_unless_quoted(input_text);
  const std::vector<std::string> input_names = split_quoted(input_files, ' ');
  for (const std::string& name : input_names) {
    if (!file_system.is_regular_file(name)) {
      prompts.show_message(fill_string_argument(string_text(IDS_NO_INPUT_FILE), name));
      return std::nullopt;
    }
  }
  input_files = without_trailing_space(input_files);

  const RowOutputText output = row_output_text(input_names, lists_.row(ListSide::output, row).text);
  if (output.defaulted_directory) {
    prompts.show_message(
        fill_string_argument(string_text(IDS_DEFAULT_DIRECTORY), *output.defaulted_directory));
  }
  return TranslationRequest{std::move(input_files), output.text, single_subckt_, {}, {}};
}

void TranslateDialogLogic::translate(DialogPrompts& prompts, HostFileSystem& file_system,
                                     RowTranslator& translator) {
  if (running_) return;
  commit_editor();
  if (lists_.row_count() <= 1) return;
  running_ = true;
  struct RunningFlag {
    bool& flag;
    ~RunningFlag() { flag = false; }
  } running_flag{running_};

  for (std::size_t row = 0; row + 1 < lists_.row_count(); ++row) {
    const std::optional<TranslationRequest> request = row_request(row, prompts, file_system);
    if (!request) return;
    const RowResult result = translator.translate_row(*request);
    lists_.paint_row(row, colorref(result.colour, lists_.window_text_colour()),
                     row_outcome(result));
    translator.row_painted(row);
    // A fatal condition stops its own row only: the other rows are other
    // files, and the user's lists stay as they are.
    if (result.fatal_message) prompts.show_error(without_surrounding_space(*result.fatal_message));
    // Cancel means the whole Translate, not just the row in hand.
    if (result.cancelled) return;
  }
}

}  // namespace corvane
