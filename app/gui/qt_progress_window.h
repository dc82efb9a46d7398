#pragma once

#include <QDialog>

#include "run/progress_window.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace corvane {

/// The progress window of a run: a modeless dialog over the translate
/// dialog with three lines, the bar and Cancel. Input to the translate
/// dialog waits while it is shown; it is let through only between steps,
/// when the run pumps the pending events.
class QtProgressWindow : public QDialog, public ProgressWindow {
  Q_OBJECT

 public:
  QtProgressWindow(UserPrompts& prompts, QWidget* owner);
  QPushButton* cancel_button() const { return cancel_; }
  QProgressBar* bar() const { return bar_; }
  QLabel* line_label(int line) const;

  /// Esc, like Cancel, asks first.
  void reject() override;

 protected:
  void refresh() override;
  void pump_messages() override;
  void end_window() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QLabel* lines_[3];
  QProgressBar* bar_;
  QPushButton* cancel_;
};

}  // namespace corvane
