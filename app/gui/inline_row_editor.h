#pragma once

#include <QFrame>

class QLineEdit;
class QToolButton;

namespace corvane {

/// The panel laid over the row being edited: an edit field and a "..."
/// button that opens the file dialog. Enter and Esc in the field are the
/// editor's own (commit, close) and do not reach the dialog's buttons.
class InlineRowEditor : public QFrame {
  Q_OBJECT

 public:
  explicit InlineRowEditor(QWidget* parent);
  QLineEdit* edit_field() const { return edit_; }
  QToolButton* browse_button() const { return browse_; }
  /// Shows `text`, all of it selected and scrolled into view, and takes the
  /// focus.
  void start(const QString& text);

 signals:
  void text_edited(const QString& text);
  void commit_requested();
  void cancel_requested();
  void browse_requested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLineEdit* edit_;
  QToolButton* browse_;
};

}  // namespace corvane
