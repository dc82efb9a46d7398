#include "cli/terminal_front_end.h"

#include <iostream>

namespace corvane {

void TerminalPrompts::show_warning(const std::string& text) {
  std::cerr << "corvane: " << text << '\n';
}

bool TerminalPrompts::ask_yes_no(const std::string& /*question*/) { return true; }

TerminalProgress::TerminalProgress(UserPrompts& prompts, const InterruptWatcher& interrupts,
                                   bool show_bar, std::size_t total_files)
    : ProgressWindow(prompts),
      interrupts_(interrupts),
      show_bar_(show_bar),
      total_files_(total_files) {}

void TerminalProgress::file_done() {
  ++files_done_;
  draw();
}

void TerminalProgress::refresh() { draw(); }

void TerminalProgress::pump_messages() {
  if (interrupts_.requested() && !cancelled()) cancel_without_asking();
}

void TerminalProgress::end_window() {
  if (show_bar_ && drawn_) std::cerr << "\r\033[K" << std::flush;
  drawn_ = false;
}

void TerminalProgress::draw() {
  if (!show_bar_ || !active()) return;
  constexpr std::size_t kWidth = 30;
  const std::size_t filled = total_files_ == 0 ? kWidth : kWidth * files_done_ / total_files_;
  std::cerr << "\r\033[K[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
            << files_done_ << '/' << total_files_ << ' ' << line(1) << std::flush;
  drawn_ = true;
}

}  // namespace corvane
