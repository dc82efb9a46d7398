// corvane [--no-subckt] [-o OUTPUT]... [-d DIR] [-j N] [-q] [--report FILE]
//         [--max-output-ratio N] INPUT...
// Translates each INPUT into its OUTPUT with a ".err" log beside it (with
// -o -, onto standard output and its log onto standard error); the report,
// when asked for, is written once the run ends.

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <new>
#include <string_view>

#include "cli/command_line.h"
#include "cli/descriptor_stream.h"
#include "cli/host_input.h"
#include "cli/interrupt_watcher.h"
#include "cli/output_pages.h"
#include "cli/run_summary.h"
#include "cli/terminal_front_end.h"
#include "run/host_file_system.h"
#include "run/log_environment.h"
#include "run/output_files.h"
#include "run/report_json.h"
#include "run/temporary_files.h"
#include "run/translation_run.h"

namespace {

using namespace corvane;

// A run cancelled with Ctrl-C ends as programs interrupted by SIGINT do.
constexpr int kCancelledStatus = 130;

int run(const CommandLine& command, const InterruptWatcher& interrupts,
        TemporaryFiles& temporary_files) {
  TerminalPrompts prompts(command.quiet);
  RealFileSystem file_system;
  LogEnvironment environment{
      MessageFilter(message_filter_setting()), {}, prompts, file_system, &temporary_files};
  const TerminalStyle style = terminal_style(isatty(STDERR_FILENO) != 0, std::getenv("NO_COLOR"),
                                             std::getenv("TERM"), command.quiet);
  TerminalProgress progress(prompts, interrupts, style.progress_bar, command.inputs);

  TranslationRequest request;
  request.input_paths = command.inputs;
  request.output_paths = command.outputs;
  request.mos_family_single_subckt = command.single_subckt;

  RunServices services{environment, progress, nullptr, {}, command.jobs};
  services.read_input = [](const std::string& path) { return read_host_input(path); };
  services.prepare_output_block = map_output_pages;
  services.collect_reports = !command.report.empty();
  services.max_output_ratio = command.max_output_ratio;
  // -o -: standard output holds the translation alone; the log goes to
  // standard error, each line with the bar taken off first.
  DescriptorStream translation_stream(STDOUT_FILENO, "standard output");
  DescriptorStream log_stream(STDERR_FILENO, "standard error", [&progress] { progress.clear(); });
  PairStreams streams{translation_stream, log_stream};
  if (command.to_standard_output) services.streams = &streams;
  // What a pair prints for standard output goes to standard error then.
  std::ostream& console = command.to_standard_output ? std::cerr : std::cout;
  services.pair_done = [&](const PairReport& report) {
    // What the pair printed and its summary go above the bar: the bar is
    // taken off first and drawn again after them.
    progress.clear();
    console << report.console << std::flush;
    if (!command.quiet) std::cerr << pair_summary(report, style.colour) << '\n';
    progress.file_done();
  };
  const RunResult result = translate_libraries(request, services);
  progress.clear();
  if (!command.quiet) {
    if (const std::string total = run_total(result, style.colour); !total.empty()) {
      std::cerr << total << '\n';
    }
  }
  // The report holds the pairs done, whatever ended the run.
  bool report_failed = false;
  if (command.report == "-") {
    std::cout << run_report_json(result) << std::flush;
    report_failed = !std::cout;
  } else if (!command.report.empty()) {
    report_failed =
        !write_file_atomically(command.report, {run_report_json(result)}, &temporary_files);
  }
  if (report_failed) std::cerr << "corvane: cannot write the report " << command.report << '\n';
  if (result.fatal) {
    std::ostream& stream = result.fatal->stream == StandardStream::output ? console : std::cerr;
    stream << result.fatal->text << std::flush;
    if (result.fatal->output_too_large) {
      std::cerr << "corvane: --max-output-ratio raises the limit (0 for none)\n";
    }
    // The input could not go to standard output as it is: a usage error.
    if (result.fatal->sections_to_stream) {
      std::cerr << "corvane: give -o FILE or -d DIR to write the section files\n";
      return 2;
    }
    return 1;
  }
  if (result.cancelled) {
    const std::size_t left = command.inputs.size() - result.pairs.size();
    std::cerr << "corvane: cancelled; " << left << (left == 1 ? " pair" : " pairs")
              << " not translated\n";
    return kCancelledStatus;
  }
  // A pair left untranslated (its output folder could not be made) or
  // without its log fails the run, as a fatal condition would.
  const bool all_done =
      std::all_of(result.pairs.begin(), result.pairs.end(),
                  [](const PairReport& pair) { return pair.translated && !pair.log_failed; });
  return report_failed || !all_done ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  // A closed reader of standard error (corvane ... 2>&1 | head) must not end
  // the run: the write fails, the translation goes on. One of standard
  // output (-o - | head) fails its write, which is reported.
  std::signal(SIGPIPE, SIG_IGN);
  corvane::TemporaryFiles temporary_files;
  corvane::InterruptWatcher interrupts(temporary_files);
  const corvane::ParsedCommandLine parsed = corvane::parse_command_line(argc, argv);
  if (!parsed.command) return parsed.exit_status;
  try {
    return run(*parsed.command, interrupts, temporary_files);
  } catch (const std::bad_alloc&) {
    // The files being written were removed on the way out.
    static constexpr char kMessage[] = "corvane: out of memory\n";
    (void)!write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
    return 1;
  }
}
