#pragma once

#include <string>

namespace corvane {

/// The message boxes the shell shows, behind an interface so that each front
/// end shows them its own way and tests can answer them.
class UserPrompts {
 public:
  virtual ~UserPrompts() = default;
  /// A warning box: beep, warning icon, default caption.
  virtual void show_warning(const std::string& text) = 0;
  /// A warning box about something that failed (a log or output folder that
  /// could not be made): shown even where plain warnings are not.
  virtual void show_error(const std::string& text) { show_warning(text); }
  /// A question with Yes and No; true for Yes.
  virtual bool ask_yes_no(const std::string& question) = 0;
};

}  // namespace corvane
