#pragma once

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "app/gui/desktop_services.h"
#include "app/gui/file_list_view.h"
#include "app/gui/inline_row_editor.h"
#include "app/gui/translate_dialog.h"
#include "dialog_fakes.h"
#include "run/host_file_system.h"
#include "support/run_fakes.h"

namespace corvane::testing {

/// Records what Help asks the desktop to show.
class FakeViewer : public DocumentViewer {
 public:
  bool open(const QString& path) override {
    opened.push_back(path);
    return true;
  }
  std::vector<QString> opened;
};

/// Keeps the recorded choices in memory; the last value of a name is read.
class FakeChoiceStore : public ChoiceStore {
 public:
  bool write_text(std::string_view name, std::string_view value) override {
    values.emplace_back(std::string(name), std::string(value));
    return true;
  }
  std::optional<std::string> read_text(std::string_view name) const override {
    for (auto value = values.rbegin(); value != values.rend(); ++value) {
      if (value->first == name) return value->second;
    }
    return std::nullopt;
  }
  std::vector<std::pair<std::string, std::string>> values;
};

/// Keeps the window's geometry in memory.
class FakeGeometryStore : public GeometryStore {
 public:
  QByteArray geometry() const override { return kept; }
  void set_geometry(const QByteArray& geometry) override { kept = geometry; }
  QByteArray kept;
};

/// A translate dialog on the real file system and settings store (which a
/// test points at a folder of its own), with message boxes and file dialogs
/// answered by the test.
struct DialogRig {
  DialogRig() {
    dialog.show();
    dialog.activateWindow();
    active = QTest::qWaitForWindowActive(&dialog);
  }

  std::string write_input(const std::string& name, const std::string& text) {
    const std::string path = scratch.file(name);
    std::ofstream(path) << text;
    return path;
  }
  FileListView* list(ListSide side) { return dialog.list_view(side); }
  QLineEdit* field(ListSide side) { return dialog.row_editor(side)->edit_field(); }
  QString row_text(ListSide side, int row) {
    return list(side)->model()->index(row, 0).data().toString();
  }
  QColor row_colour(ListSide side, int row) {
    return list(side)->model()->index(row, 0).data(FileListModel::ColourRole).value<QColor>();
  }
  int row_count() { return list(ListSide::input)->model()->rowCount(); }
  void click_row(ListSide side, int row) {
    const QRect rect = list(side)->visualRect(list(side)->model()->index(row, 0));
    QTest::mouseClick(list(side)->viewport(), Qt::LeftButton, {}, rect.center());
  }
  /// Opens the editor on the empty row, types `text` and presses Enter.
  void add_row(const std::string& text) {
    QTest::mouseClick(dialog.new_button(), Qt::LeftButton);
    QTest::keyClicks(field(ListSide::input), QString::fromStdString(text));
    QTest::keyClick(field(ListSide::input), Qt::Key_Return);
  }

  bool active = false;
  ScratchDirectory scratch;
  FakePrompts run_prompts;
  FakeDialogPrompts dialog_prompts;
  FakeFileDialogs file_dialogs;
  FakeViewer viewer;
  SettingsChoiceStore choices;
  SettingsGeometryStore geometry;
  RealFileSystem file_system;
  TranslateDialog dialog{DialogServices{dialog_prompts, run_prompts, file_dialogs, viewer, choices,
                                        file_system, geometry}};
};

}  // namespace corvane::testing
