#pragma once

#include <optional>
#include <string>
#include <vector>

#include "run/output_files.h"

namespace corvane {

/// The path an INPUT "-" is read from.
inline constexpr const char* kStandardInput = "/dev/stdin";

/// An OUTPUT "-": the translation goes to standard output, its log to
/// standard error.
inline constexpr const char* kStandardOutput = "-";

/// What the command line asks for.
struct CommandLine {
  std::vector<std::string> inputs;
  std::vector<std::string> outputs;  // one per input, after derivation
  bool to_standard_output = false;   // -o -: one input, its outputs kStandardOutput
  bool single_subckt = true;
  int jobs = 1;
  bool quiet = false;
  std::string report;  // the JSON report file; empty for none, "-" for standard output
  /// How many times its input's size a pair may write; 0 for no limit.
  double max_output_ratio = kDefaultOutputRatioLimit;
};

/// The result of parsing: the command line, or the exit status to end with
/// (0 after --help or --version, 2 after a usage error), its text printed.
struct ParsedCommandLine {
  std::optional<CommandLine> command;
  int exit_status = 0;
};

ParsedCommandLine parse_command_line(int argc, char** argv);

/// The output path for an input: `output` as given, or derived when empty or
/// a directory (that directory, or the input's; the input's base name;
/// ".lib"). Paths are made absolute.
std::string derive_output_path(const std::string& input, const std::string& output);

/// What would make the run write over a file it must not touch: an output,
/// log or the report that is (links and ".." resolved) an input, or another
/// pair's output or log, or the report; as a sentence naming both files.
/// Empty when there is none.
std::string files_in_conflict(const CommandLine& command);

}  // namespace corvane
