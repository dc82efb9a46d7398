#pragma once

#include <string_view>

namespace corvane {

/// Where the translators send their messages: the session log of a run, or a
/// recorder when the translation runs in memory.
class MessageSink {
 public:
  virtual ~MessageSink() = default;
  /// A warning or error text of the translation; it becomes a STATUS line.
  virtual void post_status(std::string_view text) = 0;
  /// Advances the run's progress indicator (the MOSFET translators step by 1).
  virtual void step(int n) = 0;
};

}  // namespace corvane
