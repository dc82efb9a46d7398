#pragma once

#include <string>

namespace corvane {

class UserPrompts;

/// The caption of the window that owns a progress window; saved when the
/// progress window opens and restored when it closes.
class OwnerWindow {
 public:
  virtual ~OwnerWindow() = default;
  virtual std::string caption() const = 0;
  virtual void set_caption(const std::string& caption) = 0;
};

/// The window shown while a run works through its files: three lines of text,
/// a bar and Cancel. This class keeps the window's state and rules; a front
/// end derives from it to show them (`refresh`) and to let the user act
/// between steps (`pump_messages`).
class ProgressWindow {
 public:
  explicit ProgressWindow(UserPrompts& prompts) : prompts_(prompts) {}
  virtual ~ProgressWindow() = default;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  /// Shows the window; `owner` may be null (the application's main window).
  void open_window(OwnerWindow* owner);
  /// Line 0 is the top text, 1 the middle, anything else the bottom.
  void set_line(const std::string& text, int line);
  void set_range(int n);
  /// Advances the bar by n; it stops at the end of its range.
  void step(int n);
  /// Lets the user act, then says whether the run is to be cancelled.
  bool poll_cancel();
  void close_window();

  /// The Cancel button (or Close): asks "Do you wish to cancel this process?"
  /// and, unless the answer is No, marks the run cancelled.
  void cancel_pressed();
  /// A cancel that needs no question (an interrupt signal).
  void cancel_without_asking();

  const std::string& line(int index) const;
  int range() const { return range_; }
  int position() const { return position_; }
  bool cancelled() const { return cancelled_; }
  bool active() const { return active_; }

 protected:
  /// Shows the stored texts and bar.
  virtual void refresh() {}
  /// Handles waiting user input without ever waiting for it.
  virtual void pump_messages() {}
  /// Ends the visible window (cancel, or close_window).
  virtual void end_window() {}

 private:
  UserPrompts& prompts_;
  std::string lines_[3];
  int range_ = 0;
  int position_ = 0;
  bool cancelled_ = false;
  bool active_ = false;
  OwnerWindow* owner_ = nullptr;
  std::string saved_caption_;
};

}  // namespace corvane
