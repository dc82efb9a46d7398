#include "app/gui/desktop_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>

#include "app/file_selection.h"

namespace corvane {
namespace {

// Named after the program's executable.
constexpr const char* kManualName = "corvane-gui.html";
constexpr const char* kGeometryKey = "windowGeometry";

QString text_of(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// On Windows the key SOFTWARE\Tarno\Corvane of the user's registry.
QSettings user_settings() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tarno", "Corvane");
}

// Boxes belong to the window in front: the progress window's question sits
// over the progress window, the dialog's over the dialog.
QWidget* box_parent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

QString qt_filter(const std::string& filter) {
  QStringList filters;
  for (const NameFilter& entry : name_filters(filter)) {
    filters << QString::fromStdString(labelled_pattern(entry));
  }
  return filters.join(";;");
}

}  // namespace

void MessageBoxes::show_warning(const std::string& text) {
  QApplication::beep();
  QMessageBox::warning(box_parent(), kApplicationCaption, QString::fromStdString(text));
}

bool MessageBoxes::ask_yes_no(const std::string& question) {
  return QMessageBox::question(box_parent(), kApplicationCaption, QString::fromStdString(question),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) != QMessageBox::No;
}

void MessageBoxes::show_message(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, kApplicationCaption, QString::fromStdString(text),
                  QMessageBox::Ok, box_parent());
  box.exec();
}

void MessageBoxes::show_error(const std::string& text) {
  QMessageBox::critical(box_parent(), kApplicationCaption, QString::fromStdString(text));
}

std::vector<std::string> QtFileDialogs::choose_files(const FileDialogRequest& request) {
  QFileDialog dialog(box_parent(), QString(), QString::fromStdString(request.initial_directory),
                     qt_filter(request.filter));
  if (request.save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.default_extension));
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
  }
  dialog.selectFile(QString::fromStdString(request.initial_name));
  std::vector<std::string> files;
  if (dialog.exec() != QDialog::Accepted) return files;
  for (const QString& file : dialog.selectedFiles()) {
    files.push_back(QDir::toNativeSeparators(file).toStdString());
  }
  return files;
}

bool DesktopViewer::open(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

QString manual_path() {
  const QString directory = QCoreApplication::applicationDirPath();
  const QString beside = directory + "/" + kManualName;
  if (QFileInfo::exists(beside)) return beside;
  return QDir::cleanPath(directory + "/../share/doc/corvane/" + kManualName);
}

bool SettingsChoiceStore::write_text(std::string_view name, std::string_view value) {
  QSettings settings = user_settings();
  settings.setValue(text_of(name), text_of(value));
  settings.sync();
  return settings.status() == QSettings::NoError;
}

std::optional<std::string> SettingsChoiceStore::read_text(std::string_view name) const {
  const QVariant value = user_settings().value(text_of(name));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

QByteArray SettingsGeometryStore::geometry() const {
  return user_settings().value(kGeometryKey).toByteArray();
}

void SettingsGeometryStore::set_geometry(const QByteArray& geometry) {
  QSettings settings = user_settings();
  settings.setValue(kGeometryKey, geometry);
}

std::string WidgetCaption::caption() const {
  return widget_ ? widget_->windowTitle().toStdString() : std::string();
}

void WidgetCaption::set_caption(const std::string& caption) {
  if (widget_) widget_->setWindowTitle(QString::fromStdString(caption));
}

}  // namespace corvane
