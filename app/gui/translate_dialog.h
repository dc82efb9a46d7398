#pragma once

#include <QDialog>
#include <array>
#include <cstddef>
#include <optional>

#include "app/gui/dialog_row_translator.h"
#include "app/gui/file_list_view.h"
#include "app/persisted_choices.h"
#include "app/translate_dialog_logic.h"
#include "run/log_environment.h"

class QCheckBox;
class QPushButton;
class QToolButton;

namespace corvane {

class DocumentViewer;
class GeometryStore;
class HostFileSystem;
class InlineRowEditor;

/// What the translate dialog uses of the desktop; tests lend their own.
struct DialogServices {
  DialogPrompts& dialog_prompts;
  /// Warnings of a run and the progress window's cancel question.
  UserPrompts& run_prompts;
  FileDialogs& file_dialogs;
  DocumentViewer& viewer;
  ChoiceStore& choices;
  HostFileSystem& file_system;
  /// The window's size and place between runs.
  GeometryStore& geometry;
};

/// The program's main window: the paired lists of input and output files,
/// the row commands, the single-subckt option, Translate, Close and Help.
/// It can be resized, the lists taking the room; its size and place and the
/// option of the last run come back at the next start.
/// The rules live in TranslateDialogLogic; this class shows its state and
/// reports the user's actions to it.
class TranslateDialog : public QDialog, private ListActions {
  Q_OBJECT

 public:
  explicit TranslateDialog(const DialogServices& services, QWidget* parent = nullptr);

  const TranslateDialogLogic& logic() const { return logic_; }
  FileListView* list_view(ListSide side) const { return lists_[index_of(side)]; }
  InlineRowEditor* row_editor(ListSide side) const { return editors_[index_of(side)]; }
  QCheckBox* single_subckt_box() const { return single_subckt_; }
  QPushButton* translate_button() const { return translate_; }
  QToolButton* new_button() const { return new_; }
  QToolButton* edit_button() const { return edit_; }
  QToolButton* delete_button() const { return delete_; }

  /// Close, Esc and Ctrl+Q; ignored while Translate runs.
  void reject() override;
  /// Keeps the window's size and place for the next start.
  void done(int result) override;
  void show_help();
  void show_about();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  static constexpr std::size_t index_of(ListSide side) { return side == ListSide::input ? 0 : 1; }

  void row_pressed(ListSide side, std::size_t row) override;
  void row_double_clicked(ListSide side) override;
  void list_focused(ListSide side) override;
  void navigation_key(ListSide side, NavigationKey key) override;
  void delete_key(ListSide side) override;
  void files_dropped(ListSide side, const std::vector<std::string>& files) override;

  void build_layout();
  void connect_editor(ListSide side);
  void translate();
  /// Runs `action` on the logic unless the view is being updated, then
  /// shows the new state.
  template <typename Action>
  void act(Action action);
  void update_view();
  void place_editor(ListSide side);
  std::optional<ListSide> focused_list() const;

  DialogServices services_;
  TranslateDialogLogic logic_;
  LogEnvironment environment_;
  PersistedChoices choices_;
  DialogRowTranslator row_translator_;

  std::array<FileListModel*, 2> models_{};
  std::array<FileListView*, 2> lists_{};
  std::array<InlineRowEditor*, 2> editors_{};
  FileRowDelegate* delegate_ = nullptr;
  QCheckBox* single_subckt_ = nullptr;
  QPushButton* translate_ = nullptr;
  QPushButton* close_ = nullptr;
  QPushButton* help_ = nullptr;
  QToolButton* new_ = nullptr;
  QToolButton* edit_ = nullptr;
  QToolButton* delete_ = nullptr;
  std::size_t shown_editor_opening_ = 0;
  bool updating_ = false;
};

}  // namespace corvane
