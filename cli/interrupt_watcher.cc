#include "cli/interrupt_watcher.h"

#include <pthread.h>
#include <unistd.h>

#include "run/temporary_files.h"

namespace corvane {

InterruptWatcher::InterruptWatcher(TemporaryFiles& files) : files_(files) {
  sigemptyset(&signals_);
  sigaddset(&signals_, SIGINT);
  sigaddset(&signals_, SIGTERM);  // a kill asks as Ctrl-C does
  sigaddset(&signals_, SIGUSR1);  // wakes the watcher when the program ends
  pthread_sigmask(SIG_BLOCK, &signals_, nullptr);
  thread_ = std::thread([this] { watch(); });
}

InterruptWatcher::~InterruptWatcher() {
  stopping_ = true;
  pthread_kill(thread_.native_handle(), SIGUSR1);
  thread_.join();
}

void InterruptWatcher::watch() {
  for (;;) {
    int signal = 0;
    if (sigwait(&signals_, &signal) != 0) continue;
    if (signal == SIGUSR1 && stopping_) return;
    if (signal != SIGINT && signal != SIGTERM) continue;
    if (requested_.exchange(true)) {
      // This is a thread, not a handler: it may lock and remove files.
      files_.remove_all();
      static constexpr char kMessage[] = "\ncorvane: interrupted\n";
      (void)!write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
      _exit(130);
    }
  }
}

}  // namespace corvane
