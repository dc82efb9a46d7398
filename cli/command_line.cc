#include "cli/command_line.h"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <utility>

#include "run/output_files.h"
#include "run/path_names.h"
#include "run/run_files.h"
#include "run/string_table.h"

namespace corvane {
namespace {

std::string absolute_path(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

// Whether a derived output may go beside `input`: a file of /dev or /proc
// (standard input, a shell's <(...) pipe) has no folder of its own to write
// into (/dev/stdin.lib, /dev/fd/63.err). A FIFO made in a folder has one.
bool has_folder_for_outputs(const std::string& input) {
  std::error_code error;
  if (std::filesystem::is_regular_file(input, error)) return true;
  const std::string absolute = absolute_path(input);
  return !absolute.starts_with("/dev/") && !absolute.starts_with("/proc/");
}

// The report's folder must exist and take files before anything runs, so a
// long run does not end without its report.
bool report_folder_usable(const std::string& report) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(report).parent_path();
  return std::filesystem::is_directory(folder.empty() ? "." : folder, error) &&
         access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

// What makes "-o -" impossible: standard output holds one translation and
// nothing else. Empty when nothing does.
std::string standard_output_refusal(std::size_t inputs, const std::string& output_dir,
                                    const std::string& report) {
  if (inputs > 1) {
    return "-o - writes one translation to standard output: give one INPUT, not " +
           std::to_string(inputs);
  }
  if (!output_dir.empty()) return "-o - and -d cannot be given together";
  if (report == "-") return "-o - and --report - would both write to standard output";
  return {};
}

bool names_directory(const std::string& path) {
  std::error_code error;
  return (!path.empty() && is_path_separator(path.back())) ||
         std::filesystem::is_directory(path, error);
}

}  // namespace

std::string derive_output_path(const std::string& input, const std::string& output) {
  const std::string absolute_input = absolute_path(input);
  if (!output.empty() && !names_directory(output)) return absolute_path(output);
  std::string directory = output.empty() ? directory_part(absolute_input) : absolute_path(output);
  if (!directory.empty() && !is_path_separator(directory.back())) directory += '/';
  return directory + base_name(absolute_input) + ".lib";
}

ParsedCommandLine parse_command_line(int argc, char** argv) {
  CLI::App app{"Corvane translates HSPICE model libraries and netlists into Ondrel text.",
               "corvane"};
  app.set_version_flag("--version", "corvane 1.0 (Ondrel library translator)");
  // Every message of the program starts with its name, as on any Unix tool.
  app.failure_message([](const CLI::App*, const CLI::Error& error) {
    return "corvane: " + std::string(error.what()) + "\nRun with --help for more information.\n";
  });
  app.footer(
      "Each INPUT pairs with the -o OUTPUT in the same position. A missing OUTPUT, or one that\n"
      "names a directory, is that directory (the -d DIR, or the input's) with the input's base\n"
      "name and \".lib\". Each pair also gets a log beside its output, with the extension\n"
      "\".err\". An OUTPUT \"-\" is standard output, its log then standard error: one INPUT\n"
      "only, and one without .lib sections (they make files).\n"
      "An INPUT \"-\" is standard input (its outputs need -o or -d). A --report FILE (\"-\":\n"
      "standard output) is written when the run ends, also when it is cancelled or stopped by a\n"
      "fatal condition; it holds the pairs done.\n"
      "Exit status: 0 when every pair was translated, 1 for a fatal condition or a report that\n"
      "cannot be written, 2 for a usage error or a missing input.");
  CommandLine command;
  std::vector<std::string> outputs;
  bool no_subckt = false;
  app.add_flag("--no-subckt", no_subckt,
               "Do not place a family of MOSFET models with dotted suffixes in one subcircuit");
  app.add_option("-o,--output", outputs,
                 "Output file or directory for the input in its position (\"-\": standard output)")
      ->allow_extra_args(false);
  std::string output_dir;
  app.add_option("-d,--output-dir", output_dir,
                 "Directory for the outputs of every input without its own -o")
      ->option_text("DIR");
  app.add_option("-j,--jobs", command.jobs, "Translate up to N pairs at once (1 or more)")
      ->check(CLI::Validator(
          [](const std::string& text) -> std::string {
            int n = 0;
            try {
              n = std::stoi(text);
            } catch (const std::exception&) {
              n = 0;
            }
            return n >= 1 ? std::string()
                          : text +
                                " is out of range: -j takes how many files to translate at "
                                "once, 1 or more";
          },
          "N"));
  app.add_flag("-q,--quiet", command.quiet, "No summary lines and no progress bar");
  app.add_option("--report", command.report,
                 "Write a JSON report of the run to FILE: messages by statement, model "
                 "parameters dropped")
      ->option_text("FILE");
  app.add_option("--max-output-ratio", command.max_output_ratio,
                 "Stop at a pair whose files would hold more than N times its input (section "
                 "files each repeat the text outside the sections); 0 for no limit")
      ->option_text("N")
      ->check(CLI::NonNegativeNumber)
      ->default_str("1000");
  app.add_option("INPUT", command.inputs, "HSPICE input files")->required();

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& done) {
    return {std::nullopt, app.exit(done)};
  } catch (const CLI::ParseError& error) {
    app.exit(error);
    return {std::nullopt, 2};
  }
  if (outputs.size() > command.inputs.size()) {
    std::cerr << "corvane: more outputs (-o) than inputs\nRun with --help for more information.\n";
    return {std::nullopt, 2};
  }
  command.to_standard_output = std::ranges::find(outputs, kStandardOutput) != outputs.end();
  if (command.to_standard_output) {
    const std::string refusal =
        standard_output_refusal(command.inputs.size(), output_dir, command.report);
    if (!refusal.empty()) {
      std::cerr << "corvane: " << refusal << "\nRun with --help for more information.\n";
      return {std::nullopt, 2};
    }
  }
  for (std::size_t i = 0; i < command.inputs.size(); ++i) {
    // "-" is standard input, read as any pipe is; its outputs are named
    // "stdin" and must be told where to go.
    if (command.inputs[i] == "-") command.inputs[i] = kStandardInput;
    // Anything readable but a directory will do: a pipe from <(...) too.
    const std::string& input = command.inputs[i];
    std::error_code error;
    if (std::filesystem::is_directory(input, error)) {
      std::cerr << "corvane: " << input << " is a directory; give the files in it\n";
      return {std::nullopt, 2};
    }
    if (!std::filesystem::exists(input, error)) {
      std::cerr << "corvane: " << fill_string_argument(string_text(IDS_NO_INPUT_FILE), input)
                << '\n';
      return {std::nullopt, 2};
    }
    if (i >= outputs.size() && output_dir.empty() && !has_folder_for_outputs(input)) {
      std::cerr << "corvane: " << input
                << " is no file in a folder, so its outputs have none to go beside it: give -o "
                   "or -d\n";
      return {std::nullopt, 2};
    }
  }
  if (!output_dir.empty() && is_path_separator(output_dir.back()) == false) output_dir += '/';
  command.single_subckt = !no_subckt;
  if (!command.report.empty() && command.report != "-") {
    if (names_directory(command.report)) {
      std::cerr << "corvane: the report " << command.report << " is a directory\n";
      return {std::nullopt, 2};
    }
    if (!report_folder_usable(command.report)) {
      std::cerr << "corvane: the report " << command.report
                << " cannot be written: its folder is missing or takes no files\n";
      return {std::nullopt, 2};
    }
    command.report = absolute_path(command.report);
  }
  for (std::size_t i = 0; i < command.inputs.size(); ++i) {
    command.outputs.push_back(
        command.to_standard_output
            ? std::string(kStandardOutput)
            : derive_output_path(command.inputs[i], i < outputs.size() ? outputs[i] : output_dir));
    command.inputs[i] = absolute_path(command.inputs[i]);
  }
  if (const std::string clash = files_in_conflict(command); !clash.empty()) {
    std::cerr << "corvane: " << clash << "; nothing was translated\n";
    return {std::nullopt, 2};
  }
  return {std::move(command), 0};
}

std::string files_in_conflict(const CommandLine& command) {
  // Standard output and error are no files of the run.
  return corvane::files_in_conflict(
      command.inputs, command.to_standard_output ? std::vector<std::string>() : command.outputs,
      command.report == "-" ? std::string() : command.report);
}

}  // namespace corvane
