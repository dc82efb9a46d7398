#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace corvane::testing {

/// How a program run by `run_program` ended.
struct ProgramEnd {
  int status = -1;         // the exit status, or 128 + the signal that ended it
  bool by_signal = false;  // ended by a signal rather than by exiting
  bool started = false;
};

/// Runs `words` (the program's path first) in `directory` (the current one
/// when empty), its standard output and error written to the given files
/// (both to one when the paths are the same);
/// `during` runs while it does, given its process id.
ProgramEnd run_program(const std::vector<std::string>& words, const std::string& directory,
                       const std::string& out_path, const std::string& err_path,
                       const std::function<void(pid_t)>& during = {});

/// The full path of `program` found on PATH, or empty.
std::string find_on_path(const std::string& program);

}  // namespace corvane::testing
