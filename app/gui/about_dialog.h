#pragma once

#include <QDialog>

namespace corvane {

/// "About Ondrel Library Translator": the icon, the name with its version
/// and OK.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace corvane
