#pragma once

#include <QByteArray>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_services.h"
#include "app/persisted_choices.h"
#include "run/progress_window.h"
#include "run/user_prompts.h"

namespace corvane {

/// The caption shown on the program's message boxes.
inline constexpr const char* kApplicationCaption = "Ondrel Library Translator";

/// Message boxes over the window the user works in.
class MessageBoxes : public UserPrompts, public DialogPrompts {
 public:
  void show_warning(const std::string& text) override;
  bool ask_yes_no(const std::string& question) override;
  void show_message(const std::string& text) override;
  void show_error(const std::string& text) override;
};

/// Qt's Open and Save file dialogs.
class QtFileDialogs : public FileDialogs {
 public:
  std::vector<std::string> choose_files(const FileDialogRequest& request) override;
};

/// Opens a document in the desktop's viewer.
class DocumentViewer {
 public:
  virtual ~DocumentViewer() = default;
  /// False when the document could not be shown.
  virtual bool open(const QString& path) = 0;
};

class DesktopViewer : public DocumentViewer {
 public:
  bool open(const QString& path) override;
};

/// The program's manual, corvane-gui.html: beside the executable, or where
/// an installation puts it.
QString manual_path();

/// The choices of the last translated row in the platform's settings store
/// (the registry on Windows), organisation "Tarno", application "Corvane".
class SettingsChoiceStore : public ChoiceStore {
 public:
  bool write_text(std::string_view name, std::string_view value) override;
  std::optional<std::string> read_text(std::string_view name) const override;
};

/// Where the main window's size and place are kept between runs, as
/// QWidget::saveGeometry gives them.
class GeometryStore {
 public:
  virtual ~GeometryStore() = default;
  /// Empty when none was kept.
  virtual QByteArray geometry() const = 0;
  virtual void set_geometry(const QByteArray& geometry) = 0;
};

/// The value "windowGeometry" of the settings store SettingsChoiceStore
/// writes into.
class SettingsGeometryStore : public GeometryStore {
 public:
  QByteArray geometry() const override;
  void set_geometry(const QByteArray& geometry) override;
};

/// A widget's title as a progress window's owner caption.
class WidgetCaption : public OwnerWindow {
 public:
  explicit WidgetCaption(QWidget* widget) : widget_(widget) {}
  std::string caption() const override;
  void set_caption(const std::string& caption) override;

 private:
  QPointer<QWidget> widget_;
};

}  // namespace corvane
