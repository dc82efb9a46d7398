#pragma once

#include <atomic>
#include <csignal>
#include <thread>

namespace corvane {

class TemporaryFiles;

/// Turns SIGINT into a cancel request without a signal handler: the signal
/// is blocked in every thread and a watcher thread waits for it. The first
/// SIGINT sets `requested`; a second ends the program at once, after
/// removing the files being written (`files`).
class InterruptWatcher {
 public:
  /// Must be created before any other thread, so all threads block SIGINT.
  explicit InterruptWatcher(TemporaryFiles& files);
  ~InterruptWatcher();
  InterruptWatcher(const InterruptWatcher&) = delete;
  InterruptWatcher& operator=(const InterruptWatcher&) = delete;

  bool requested() const { return requested_.load(); }

 private:
  void watch();

  TemporaryFiles& files_;
  sigset_t signals_{};
  std::atomic<bool> requested_{false};
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace corvane
