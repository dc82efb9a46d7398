// corvane-gui: the translate dialog. Closing it ends the program.

#include <QApplication>

#include "app/gui/desktop_services.h"
#include "app/gui/icons.h"
#include "app/gui/translate_dialog.h"
#include "run/host_file_system.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setOrganizationName("Tarno");
  QApplication::setApplicationName("Corvane");
  // Ties the windows to the installed menu entry (corvane-gui.desktop), so
  // the desktop shows its icon and name.
  QGuiApplication::setDesktopFileName("corvane-gui");
  QApplication::setWindowIcon(corvane::application_icon());

  corvane::MessageBoxes boxes;
  corvane::QtFileDialogs file_dialogs;
  corvane::DesktopViewer viewer;
  corvane::SettingsChoiceStore choices;
  corvane::SettingsGeometryStore geometry;
  corvane::RealFileSystem file_system;
  corvane::TranslateDialog dialog(
      corvane::DialogServices{boxes, boxes, file_dialogs, viewer, choices, file_system, geometry});
  dialog.exec();
  return 0;
}
