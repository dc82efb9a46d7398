#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "app/file_list_pair.h"

namespace corvane {

class HostFileSystem;

/// The keys with which a list moves its selection, and its partner's in step.
enum class NavigationKey { page_up, page_down, home, end, left, up, right, down };

/// The row a navigation key moves to from `row` (the first row when nothing
/// is selected) in a list of `row_count` rows showing `page_size` rows. A
/// page moves by the page size less two rows, but at least by one row.
std::size_t navigation_target(NavigationKey key, std::optional<std::size_t> row,
                              std::size_t row_count, std::size_t page_size);

/// The outcome a row's result shows: by its colour, a red row telling a
/// stopped or skipped file apart from one translated with errors.
RowOutcome row_outcome(const RowResult& result);

/// Everything the translate dialog does, without its widgets: the paired
/// lists, the selections, the row editor, the row commands and Translate.
/// The widgets report the user's actions here and show the state.
class TranslateDialogLogic {
 public:
  /// `window_text_colour` is the colour of rows that have no result.
  explicit TranslateDialogLogic(std::uint32_t window_text_colour);

  const FileListPair& lists() const { return lists_; }
  std::optional<std::size_t> selection(ListSide side) const;
  bool single_subckt() const { return single_subckt_; }
  void set_single_subckt(bool on) { single_subckt_ = on; }
  /// The list whose row editor is open, if any.
  std::optional<ListSide> editor_side() const { return editor_side_; }
  /// The row last opened for editing; kept after the editor closes.
  std::optional<std::size_t> edited_row() const { return edited_row_; }
  const std::string& edit_text() const { return edit_text_; }
  /// Counts the openings of the editor, so that a view can tell a new edit
  /// from the one it shows.
  std::size_t editor_openings() const { return editor_openings_; }
  /// Whether Translate is running; the lists do not change meanwhile.
  bool running() const { return running_; }

  /// The first time the dialog is shown: selects the first input row and
  /// opens the editor on it. Later calls do nothing.
  void first_show();
  /// A click selects the row and clears the partner's selection; a click on
  /// the selected row opens the editor on it.
  void click_row(ListSide side, std::size_t row);
  void double_click(ListSide side);
  /// A list got the keyboard focus: an open editor commits and closes, and
  /// the partner's selection is cleared.
  void list_focused(ListSide side);
  void navigate(ListSide side, NavigationKey key, std::size_t page_size);

  /// New: clears both selections and edits the input list's empty row.
  void new_row();
  /// Edit: edits the selected row of the list with the focus (none: nothing).
  void edit_row(std::optional<ListSide> focused);
  /// Delete: removes the selected row of the list with the focus from both
  /// lists; the same row index stays selected while it exists.
  void delete_row(std::optional<ListSide> focused);

  void set_edit_text(std::string text);
  /// Enter in the editor: writes its text into its row and closes it.
  void commit_editor();
  /// Esc in the editor: closes it and keeps the row as it was.
  void cancel_editor();
  /// "...": the chosen files are written into the row (several input files
  /// become several rows) and the editor closes; Cancel changes nothing.
  void choose_files(FileDialogs& dialogs);
  /// Files dropped on the input list: an open editor commits first, then
  /// the files go into the empty row as the "..." button's files do (later
  /// names above earlier ones, each with its derived output name). Nothing
  /// happens while Translate runs.
  void drop_files(const std::vector<std::string>& files);

  /// Checks and translates the rows in order, painting each in its result
  /// colour. Stops at the first row without input or with a missing input
  /// file, and when the user cancels a run.
  void translate(DialogPrompts& prompts, HostFileSystem& file_system, RowTranslator& translator);

 private:
  void open_editor(ListSide side, std::size_t row);
  void commit_names(const std::vector<std::string>& names);
  void keep_selections_in_range();
  /// Builds row `row`'s request, or shows why it cannot run.
  std::optional<TranslationRequest> row_request(std::size_t row, DialogPrompts& prompts,
                                                HostFileSystem& file_system) const;

  FileListPair lists_;
  std::optional<std::size_t> input_selection_;
  std::optional<std::size_t> output_selection_;
  std::optional<ListSide> editor_side_;
  std::optional<std::size_t> edited_row_;
  std::string edit_text_;
  std::size_t editor_openings_ = 0;
  bool single_subckt_ = true;
  bool first_show_pending_ = true;
  bool running_ = false;
};

}  // namespace corvane
