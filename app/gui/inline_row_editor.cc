#include "app/gui/inline_row_editor.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace corvane {

InlineRowEditor::InlineRowEditor(QWidget* parent)
    : QFrame(parent), edit_(new QLineEdit(this)), browse_(new QToolButton(this)) {
  setObjectName("rowEditor");
  edit_->setObjectName("rowEditorField");
  browse_->setObjectName("rowEditorBrowse");
  browse_->setText("...");
  // The button must not take the focus from the field: the field losing it
  // to the list is what ends an edit.
  browse_->setFocusPolicy(Qt::NoFocus);
  const int height = edit_->sizeHint().height();
  browse_->setFixedSize(height, height);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_, 1);
  layout->addWidget(browse_);
  setFixedHeight(height);
  setFocusProxy(edit_);

  edit_->installEventFilter(this);
  connect(edit_, &QLineEdit::textEdited, this, &InlineRowEditor::text_edited);
  connect(browse_, &QToolButton::clicked, this, &InlineRowEditor::browse_requested);
  hide();
}

void InlineRowEditor::start(const QString& text) {
  edit_->setText(text);
  // Selecting all leaves the cursor at the end, so a long path shows its
  // file name.
  edit_->selectAll();
  show();
  raise();
  edit_->setFocus(Qt::OtherFocusReason);
}

bool InlineRowEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    switch (static_cast<QKeyEvent*>(event)->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        emit commit_requested();
        return true;
      case Qt::Key_Escape:
        emit cancel_requested();
        return true;
      default:
        break;
    }
  }
  // Enter and Esc would otherwise be passed on to the dialog as shortcuts.
  if (watched == edit_ && event->type() == QEvent::ShortcutOverride) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
      event->accept();
      return false;
    }
  }
  return QFrame::eventFilter(watched, event);
}

}  // namespace corvane
