#include "app/gui/qt_progress_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvane {

QtProgressWindow::QtProgressWindow(UserPrompts& prompts, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                         Qt::WindowCloseButtonHint),
      ProgressWindow(prompts),
      lines_{new QLabel(this), new QLabel(this), new QLabel(this)},
      bar_(new QProgressBar(this)),
      cancel_(new QPushButton("&Cancel", this)) {
  setObjectName("progressWindow");
  setWindowTitle("Ondrel Library Translator");
  setWindowModality(Qt::WindowModal);

  auto* frame = new QFrame(this);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  auto* frame_layout = new QVBoxLayout(frame);
  for (QLabel* label : lines_) {
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(335);
    frame_layout->addWidget(label);
  }
  bar_->setTextVisible(false);
  bar_->setMinimumWidth(330);
  frame_layout->addWidget(bar_);

  cancel_->setObjectName("cancelButton");
  cancel_->setDefault(true);
  connect(cancel_, &QPushButton::clicked, this, [this] { cancel_pressed(); });
  auto* button_row = new QHBoxLayout;
  button_row->addStretch();
  button_row->addWidget(cancel_);
  button_row->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frame);
  layout->addLayout(button_row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

QLabel* QtProgressWindow::line_label(int line) const {
  return lines_[line == 0 || line == 1 ? line : 2];
}

void QtProgressWindow::reject() { cancel_pressed(); }

void QtProgressWindow::refresh() {
  for (int line = 0; line < 3; ++line) {
    lines_[line]->setText(QString::fromStdString(ProgressWindow::line(line)));
  }
  bar_->setRange(0, range());
  bar_->setValue(position());
  // A cancelled window stays ended while the run finishes the file in hand.
  if (active() && !cancelled() && !isVisible()) show();
}

void QtProgressWindow::pump_messages() {
  // Handles what is waiting and returns; the run goes on at once.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtProgressWindow::end_window() { hide(); }

void QtProgressWindow::closeEvent(QCloseEvent* event) {
  // Closing the window is the Cancel button.
  event->ignore();
  cancel_pressed();
}

}  // namespace corvane
