#include "run/progress_window.h"

#include <algorithm>

#include "run/string_table.h"
#include "run/user_prompts.h"

namespace corvane {
namespace {

int line_slot(int line) { return line == 0 || line == 1 ? line : 2; }

}  // namespace

void ProgressWindow::open_window(OwnerWindow* owner) {
  owner_ = owner;
  if (owner_ != nullptr) saved_caption_ = owner_->caption();
  for (std::string& text : lines_) text.clear();
  active_ = true;
  cancelled_ = false;
  position_ = 0;
  refresh();
}

void ProgressWindow::set_line(const std::string& text, int line) {
  lines_[line_slot(line)] = text;
  refresh();
  pump_messages();
}

void ProgressWindow::set_range(int n) {
  range_ = std::max(n, 0);
  position_ = 0;
  refresh();
}

void ProgressWindow::step(int n) {
  // Computed wide so that a huge step cannot overflow past the clamp.
  long long position = static_cast<long long>(position_) + n;
  position_ = static_cast<int>(std::clamp<long long>(position, 0, range_));
  refresh();
}

bool ProgressWindow::poll_cancel() {
  pump_messages();
  return cancelled_;
}

void ProgressWindow::close_window() {
  if (!active_) return;
  active_ = false;
  if (owner_ != nullptr) owner_->set_caption(saved_caption_);
  end_window();
}

void ProgressWindow::cancel_pressed() {
  if (!active_) return;
  if (!prompts_.ask_yes_no(std::string(string_text(IDS_ASK_CANCEL)))) return;
  cancel_without_asking();
}

void ProgressWindow::cancel_without_asking() {
  cancelled_ = true;
  if (active_) end_window();
}

const std::string& ProgressWindow::line(int index) const { return lines_[line_slot(index)]; }

}  // namespace corvane
