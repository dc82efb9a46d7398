#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "cli/interrupt_watcher.h"
#include "run/progress_window.h"
#include "run/user_prompts.h"

namespace corvane {

/// Message boxes on a terminal: warnings go to standard error (errors only
/// when `quiet`); there is no one to ask, so a question counts as answered
/// Yes.
class TerminalPrompts : public UserPrompts {
 public:
  explicit TerminalPrompts(bool quiet = false) : quiet_(quiet) {}
  void show_warning(const std::string& text) override;
  void show_error(const std::string& text) override;
  bool ask_yes_no(const std::string& question) override;

 private:
  bool quiet_;
};

/// The progress window on a terminal: a bar of files done and the file in
/// hand on standard error when it is a terminal; SIGINT acts as its Cancel
/// button.
class TerminalProgress : public ProgressWindow {
 public:
  TerminalProgress(UserPrompts& prompts, const InterruptWatcher& interrupts, bool show_bar,
                   std::vector<std::string> files);
  /// A file is done: the bar moves on to the next.
  void file_done();
  /// Takes the bar off its line, so text can be printed there; the next
  /// step or file draws it again below that text.
  void clear();

 protected:
  void refresh() override;
  void pump_messages() override;
  void end_window() override;

 private:
  void draw();

  const InterruptWatcher& interrupts_;
  bool show_bar_;
  std::vector<std::string> files_;
  std::size_t files_done_ = 0;
  bool drawn_ = false;
};

}  // namespace corvane
