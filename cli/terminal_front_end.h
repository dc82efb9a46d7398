#pragma once

#include <cstddef>
#include <string>

#include "cli/interrupt_watcher.h"
#include "run/progress_window.h"
#include "run/user_prompts.h"

namespace corvane {

/// Message boxes on a terminal: warnings go to standard error; there is no
/// one to ask, so a question counts as answered Yes.
class TerminalPrompts : public UserPrompts {
 public:
  void show_warning(const std::string& text) override;
  bool ask_yes_no(const std::string& question) override;
};

/// The progress window on a terminal: a bar of files done on standard error
/// when it is a terminal; SIGINT acts as its Cancel button.
class TerminalProgress : public ProgressWindow {
 public:
  TerminalProgress(UserPrompts& prompts, const InterruptWatcher& interrupts, bool show_bar,
                   std::size_t total_files);
  void file_done();

 protected:
  void refresh() override;
  void pump_messages() override;
  void end_window() override;

 private:
  void draw();

  const InterruptWatcher& interrupts_;
  bool show_bar_;
  std::size_t total_files_;
  std::size_t files_done_ = 0;
  bool drawn_ = false;
};

}  // namespace corvane
