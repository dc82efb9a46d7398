// gui_screenshot OUTPUT.png WORK_DIRECTORY
// Shows the translate dialog after translating a few libraries written into
// WORK_DIRECTORY and saves a picture of it (the README's screenshot). Run it
// with QT_QPA_PLATFORM=offscreen where there is no display.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/gui/desktop_services.h"
#include "app/gui/translate_dialog.h"
#include "dialog_fakes.h"
#include "gui_rig.h"
#include "run/host_file_system.h"

namespace {

void write_text(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path) << text;
}

void copy_example(const std::filesystem::path& to) {
  std::filesystem::create_directories(to.parent_path());
  std::filesystem::copy_file(CORVANE_EXAMPLE_LIBRARY, to,
                             std::filesystem::copy_options::overwrite_existing);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: gui_screenshot OUTPUT.png WORK_DIRECTORY\n";
    return 2;
  }
  const std::filesystem::path work = std::filesystem::absolute(argv[2]);
  const std::filesystem::path hspice = work / "hspice";
  copy_example(hspice / "foundry_corners.lib");
  write_text(hspice / "inverter_cell.sp", "Inverter cell\n.subckt inv in out\n.ends\n");
  write_text(hspice / "amplifier_with_a_long_descriptive_name" / "bias_network_models.sp",
             "Bias network\n.unknownthing x\n");
  write_text(hspice / "broken_number.sp", "Broken\n.subckt x 123456789012345678901234\n.ends\n");

  corvane::testing::FakePrompts run_prompts;
  corvane::testing::FakeDialogPrompts dialog_prompts;
  corvane::testing::FakeFileDialogs file_dialogs;
  corvane::testing::FakeViewer viewer;
  corvane::testing::FakeChoiceStore choices;
  corvane::testing::FakeGeometryStore geometry;
  corvane::RealFileSystem file_system;
  corvane::TranslateDialog dialog(corvane::DialogServices{dialog_prompts, run_prompts, file_dialogs,
                                                          viewer, choices, file_system, geometry});
  dialog.show();
  dialog.activateWindow();
  if (!QTest::qWaitForWindowActive(&dialog)) return 1;

  auto add_row = [&](const std::filesystem::path& path) {
    QTest::mouseClick(dialog.new_button(), Qt::LeftButton);
    QTest::keyClicks(dialog.row_editor(corvane::ListSide::input)->edit_field(),
                     QString::fromStdString(path.string()));
    QTest::keyClick(dialog.row_editor(corvane::ListSide::input)->edit_field(), Qt::Key_Return);
  };
  add_row(hspice / "foundry_corners.lib");
  add_row(hspice / "inverter_cell.sp");
  add_row(hspice / "amplifier_with_a_long_descriptive_name" / "bias_network_models.sp");
  add_row(hspice / "broken_number.sp");
  QTest::mouseClick(dialog.translate_button(), Qt::LeftButton);
  add_row(hspice / "not_yet_translated.sp");
  dialog.list_view(corvane::ListSide::output)->setFocus();

  if (!dialog.grab().save(QString::fromStdString(argv[1]))) {
    std::cerr << "gui_screenshot: cannot write " << argv[1] << '\n';
    return 1;
  }
  return 0;
}
