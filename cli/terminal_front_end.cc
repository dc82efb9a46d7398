#include "cli/terminal_front_end.h"

#include <filesystem>
#include <iostream>
#include <utility>

namespace corvane {

void TerminalPrompts::show_warning(const std::string& text) {
  if (!quiet_) show_error(text);
}

void TerminalPrompts::show_error(const std::string& text) {
  std::cerr << "corvane: " << text << '\n';
}

bool TerminalPrompts::ask_yes_no(const std::string& /*question*/) { return true; }

TerminalProgress::TerminalProgress(UserPrompts& prompts, const InterruptWatcher& interrupts,
                                   bool show_bar, std::vector<std::string> files)
    : ProgressWindow(prompts),
      interrupts_(interrupts),
      show_bar_(show_bar),
      files_(std::move(files)) {}

void TerminalProgress::file_done() {
  ++files_done_;
  draw();
}

void TerminalProgress::refresh() { draw(); }

void TerminalProgress::pump_messages() {
  if (interrupts_.requested() && !cancelled()) cancel_without_asking();
}

void TerminalProgress::end_window() { clear(); }

void TerminalProgress::clear() {
  if (show_bar_ && drawn_) std::cerr << "\r\033[K" << std::flush;
  drawn_ = false;
}

void TerminalProgress::draw() {
  if (!show_bar_ || !active()) return;
  constexpr std::size_t kWidth = 30;
  const std::size_t total = files_.size();
  const std::size_t filled = total == 0 ? kWidth : kWidth * files_done_ / total;
  std::cerr << "\r\033[K[" << std::string(filled, '#') << std::string(kWidth - filled, ' ') << "] "
            << files_done_ << '/' << total << ' ';
  // The file in hand (pairs end in order), else the run's own line.
  if (files_done_ < total) {
    std::cerr << std::filesystem::path(files_[files_done_]).filename().string();
  } else {
    std::cerr << line(1);
  }
  std::cerr << std::flush;
  drawn_ = true;
}

}  // namespace corvane
