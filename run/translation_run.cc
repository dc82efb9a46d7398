#include "run/translation_run.h"

#include <condition_variable>
#include <ctime>
#include <mutex>
#include <new>
#include <stdexcept>
#include <thread>

#include "run/host_file_system.h"
#include "run/input_text.h"
#include "run/log_environment.h"
#include "run/output_files.h"
#include "run/path_names.h"
#include "run/progress_window.h"
#include "run/run_files.h"
#include "run/session_log.h"
#include "run/split_quoted.h"
#include "run/string_table.h"
#include "run/user_prompts.h"
#include "translate/translate_file.h"

namespace corvane {
namespace {

constexpr int kProgressRange = 20;

// One pair, translated in memory; its log lines are replayed into the
// session log when the pair is committed.
struct PairJob {
  std::string input_path;
  std::size_t input_size = 0;
  std::string output_path;
  std::vector<std::string> globals_used;
  TranslatedBlocks output;
  RecordingSink messages;
  TranslationReport report;  // filled only when the run collects reports
  std::optional<FatalReport> fatal;
  bool done = false;
};

// What every pair of a run is translated with.
struct PairSettings {
  bool single_subckt;
  bool collect_reports;
  InputReader reader;
  BlockPreparer prepare_output_block;
};

void translate_pair(PairJob& job, const PairSettings& settings, std::vector<std::string> globals) {
  job.globals_used = std::move(globals);
  job.messages = RecordingSink();
  job.report = TranslationReport();
  job.fatal.reset();
  try {
    const std::unique_ptr<InputText> input =
        settings.reader ? settings.reader(job.input_path) : read_input(job.input_path);
    TranslationOptions options;
    options.mos_family_single_subckt = settings.single_subckt;
    options.global_names = job.globals_used;
    options.report = settings.collect_reports ? &job.report : nullptr;
    options.prepare_output_block = settings.prepare_output_block;
    job.input_size = input->text().size();
    job.output = translate_to_blocks(input->text(), options, job.messages);
  } catch (const FatalError& error) {
    job.fatal = FatalReport{error.stream(), error.what()};
  } catch (const std::bad_alloc&) {
    // What the pair held is freed by now; the run ends with a word, not an
    // abort (a worker thread could not throw it on).
    job.output = TranslatedBlocks();
    job.fatal = FatalReport{StandardStream::error,
                            "corvane: out of memory translating " + job.input_path + "\n"};
  } catch (const std::length_error&) {
    job.output = TranslatedBlocks();
    job.fatal = FatalReport{StandardStream::error,
                            "corvane: " + job.input_path + " is too large to translate\n"};
  }
}

// Translates pairs ahead of the commit on worker threads. A pair is started
// with the global names committed so far; the commit checks them. A pair
// whose input an earlier pair writes (`waits[i]`) starts once that one is
// committed, so it reads the file -j 1 would read.
class PairWorkers {
 public:
  PairWorkers(std::vector<PairJob>& jobs, const PairSettings& settings, int count,
              std::vector<std::size_t> waits)
      : jobs_(jobs),
        settings_(settings),
        waits_(std::move(waits)),
        ahead_(static_cast<std::size_t>(count)) {
    for (int i = 0; i < count; ++i) threads_.emplace_back([this] { work(); });
  }
  ~PairWorkers() {
    stop();
    {
      std::lock_guard lock(mutex_);
      abandoned_ = true;
    }
    committed_changed_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }
  PairWorkers(const PairWorkers&) = delete;
  PairWorkers& operator=(const PairWorkers&) = delete;

  void wait_for(std::size_t index) {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [&] { return jobs_[index].done; });
  }
  void set_globals(std::vector<std::string> globals) {
    std::lock_guard lock(mutex_);
    globals_ = std::move(globals);
  }
  /// The pairs before `count` are committed: their files are written.
  void set_committed(std::size_t count) {
    {
      std::lock_guard lock(mutex_);
      committed_ = count;
    }
    committed_changed_.notify_all();
  }
  /// No more pairs are started; returns how many were.
  std::size_t stop() {
    std::lock_guard lock(mutex_);
    stopped_ = true;
    return next_;
  }

 private:
  void work() {
    for (;;) {
      std::vector<std::string> globals;
      std::size_t index = 0;
      {
        std::unique_lock lock(mutex_);
        if (stopped_ || next_ >= jobs_.size()) return;
        index = next_++;
        // Each translated pair holds its whole output until it is
        // committed: no worker runs further ahead than one pair each.
        committed_changed_.wait(lock, [&] { return abandoned_ || index <= committed_ + ahead_; });
        if (abandoned_) return;
        // A pair already started is committed even after a cancel, so the
        // one it waits for always comes (it is earlier).
        if (const std::size_t writer = waits_[index]; writer != kNoPair) {
          committed_changed_.wait(lock, [&] { return abandoned_ || committed_ > writer; });
          if (abandoned_) return;
        }
        globals = globals_;
      }
      translate_pair(jobs_[index], settings_, std::move(globals));
      {
        std::lock_guard lock(mutex_);
        jobs_[index].done = true;
      }
      done_.notify_all();
    }
  }

  std::vector<PairJob>& jobs_;
  const PairSettings& settings_;
  std::mutex mutex_;
  std::condition_variable done_;
  std::condition_variable committed_changed_;
  std::vector<std::size_t> waits_;
  std::size_t ahead_;  // pairs translated beyond the one being committed
  std::vector<std::string> globals_;
  std::size_t next_ = 0;
  std::size_t committed_ = 0;
  bool stopped_ = false;
  bool abandoned_ = false;  // the run is over: no pair is waited for
  std::vector<std::thread> threads_;
};

std::string local_time_text() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  char text[128];
  const std::string format(string_text(IDS_TIME_FORMAT));
  const std::size_t length = std::strftime(text, sizeof text, format.c_str(), &parts);
  return std::string(text, length);
}

// A fatal text as one log line.
std::string single_line(std::string_view text) {
  std::string line;
  for (char c : text) {
    if (c == '\n') {
      if (!line.empty() && line.back() != ' ') line += ' ';
    } else {
      line += c;
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

// Error-level messages start with "ERROR"; INFO lines are no warnings.
void count_messages(const std::vector<std::string>& messages, PairReport& report) {
  for (const std::string& message : messages) {
    if (message.starts_with("ERROR")) {
      ++report.errors;
    } else if (!message.starts_with("INFO")) {
      ++report.warnings;
    } else if (message.find(" is written as ") != std::string::npos) {
      // "INFO: Name a<1> is written as a1", and the same of elements and
      // models: each is said once per file.
      ++report.names_respelled;
    }
  }
}

std::string times_text(double ratio) {
  return std::to_string(static_cast<std::uintmax_t>(ratio)) + " times";
}

// A pair whose files would hold many times its input is said (a warning of
// its log, and on the prompts); past the run's limit its files are not
// written at all.
void check_output_size(PairJob& job, double max_ratio, UserPrompts& prompts) {
  const std::uintmax_t size = output_size(job.output);
  if (size <= kOutputSizeFloor) return;
  const double ratio =
      static_cast<double>(size) / static_cast<double>(std::max<std::size_t>(job.input_size, 1));
  const std::size_t files = std::max<std::size_t>(job.output.sections.size(), 1);
  const std::string what = job.input_path + ": its " + std::to_string(files) +
                           (files == 1 ? " output file" : " output files");
  const std::string amount = std::to_string(size) + " bytes, " + times_text(ratio) + " its size";
  if (max_ratio > 0 && ratio > max_ratio) {
    job.output = TranslatedBlocks();
    job.fatal = FatalReport{StandardStream::error,
                            "corvane: " + what + " would hold " + amount + ", past the limit of " +
                                times_text(max_ratio) + "; nothing of it was written\n",
                            true};
  } else if (ratio > kOutputRatioWarning) {
    job.messages.post_status("WARNING: The " + std::to_string(files) + " output files hold " +
                             amount + ": each section file repeats the text outside the sections");
    prompts.show_warning(what + " hold " + amount);
  }
}

// Section files are files by their nature: a translation with them cannot
// go to a stream, and no part of it goes there.
void refuse_sections(PairJob& job, const TextStream& stream) {
  const std::size_t sections = job.output.sections.size();
  if (sections == 0) return;
  job.output = TranslatedBlocks();
  job.fatal = FatalReport{StandardStream::error,
                          "corvane: " + job.input_path + ": its " + std::to_string(sections) +
                              (sections == 1 ? " .lib section makes a section file"
                                             : " .lib sections make section files") +
                              ", which cannot be written to " + stream.name() +
                              "; its translation was not written\n",
                          false, true};
}

StatusColour pair_colour(const PairReport& report, bool fatal) {
  if (!report.translated || fatal || report.errors > 0 || report.log_failed) {
    return StatusColour::red;
  }
  return report.warnings > 0 ? StatusColour::yellow : StatusColour::green;
}

StatusColour worse(StatusColour a, StatusColour b) {
  auto rank = [](StatusColour c) {
    return c == StatusColour::red      ? 3
           : c == StatusColour::yellow ? 2
           : c == StatusColour::green  ? 1
                                       : 0;
  };
  return rank(a) >= rank(b) ? a : b;
}

}  // namespace

bool ensure_output_directory(const std::string& directory, HostFileSystem& file_system) {
  if (directory.empty() || file_system.is_directory(directory) ||
      file_system.create_directory(directory)) {
    return true;
  }
  // Walk from the root: existing levels are passed, the missing ones made.
  std::size_t end = 0;
  if (directory.size() >= 2 && is_path_separator(directory[0]) && is_path_separator(directory[1])) {
    end = 2;  // a share name: \\server\share\ is the root
    for (int separators = 0; end < directory.size() && separators < 2; ++end) {
      if (is_path_separator(directory[end])) ++separators;
    }
  }
  bool creating = false;
  while (end < directory.size()) {
    std::size_t next = end;
    while (next < directory.size() && !is_path_separator(directory[next])) ++next;
    if (next < directory.size()) ++next;
    const std::string level = directory.substr(0, next);
    end = next;
    if (!creating && file_system.is_directory(level)) continue;
    creating = true;
    if (!file_system.create_directory(level) && !file_system.is_directory(level)) return false;
  }
  return true;
}

RunResult translate_libraries(const TranslationRequest& request, RunServices& services) {
  LogEnvironment& environment = services.log_environment;
  ProgressWindow& progress = services.progress;
  RunResult result;

  progress.open_window(services.owner);
  progress.set_line(std::string(string_text(IDS_TRANSLATING)), 1);
  progress.set_range(kProgressRange);

  // The dialog's rows are quoted lists; the command line hands its paths
  // over as they are.
  const bool listed = !request.input_paths.empty();
  const std::vector<std::string> inputs =
      listed ? request.input_paths : split_quoted(request.input_files, ' ');
  const std::vector<std::string> outputs =
      listed ? request.output_paths : split_quoted(request.output_files, ' ');
  if (inputs.size() < outputs.size()) {
    progress.close_window();
    return result;
  }

  // A run whose files would overwrite one another (a pair's log that is a
  // later pair's input, two outputs on one file) is refused whole, before
  // anything is written. A stream is no file of the run.
  if (!services.streams) {
    if (const std::string clash = files_in_conflict(inputs, outputs, {}); !clash.empty()) {
      environment.prompts.show_error(clash + "; nothing was translated");
      progress.close_window();
      result.colour = StatusColour::red;
      return result;
    }
  }

  // No output of the run replaces one of its inputs.
  ResolvedPaths resolved_inputs;
  for (const std::string& input : inputs) resolved_inputs.insert(resolved_path(input));

  std::vector<PairJob> jobs(inputs.size());
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    jobs[i].input_path = inputs[i];
    jobs[i].output_path = i < outputs.size() ? outputs[i] : std::string();
  }
  const PairSettings settings{request.mos_family_single_subckt, services.collect_reports,
                              services.read_input, services.prepare_output_block};
  std::optional<PairWorkers> workers;
  if (services.jobs > 1 && jobs.size() > 1) {
    // A pair written to a stream writes no file another pair could read.
    workers.emplace(
        jobs, settings, std::min<int>(services.jobs, static_cast<int>(jobs.size())),
        earlier_writers(inputs, services.streams ? std::vector<std::string>() : outputs));
  }

  PairStreams* const streams = services.streams;
  SessionLog log(environment);
  log.set_progress_window(&progress);
  std::vector<std::string> globals;
  std::size_t limit = jobs.size();
  StatusColour colour = StatusColour::neutral;

  for (std::size_t i = 0; i < limit; ++i) {
    if (workers) workers->set_committed(i);
    PairJob& job = jobs[i];
    PairReport report;
    report.input_path = job.input_path;
    report.output_path = job.output_path;

    const std::string directory = directory_part(job.output_path);
    if (!streams &&
        (job.output_path.empty() || !ensure_output_directory(directory, environment.file_system))) {
      environment.prompts.show_error(
          fill_string_argument(string_text(IDS_NO_OUTPUT_DIRECTORY), directory));
      report.colour = StatusColour::red;
      colour = worse(colour, report.colour);
      if (services.pair_done) services.pair_done(report);
      result.pairs.push_back(std::move(report));
      continue;
    }

    if (streams) {
      report.output_path = streams->translation.name();
      report.log_path = streams->log.name();
      log.set_log_stream(streams->log);
    } else {
      report.log_path = change_extension(job.output_path, "err");
      log.set_log_file(report.log_path);
    }
    log.begin_status(string_text(IDS_TRANSLATOR_VERSION));
    log.add_argument("1.0");
    log.post(MessageCategory::STATUS,
             std::string(string_text(IDS_TRANSLATOR_STARTED)) + local_time_text());

    if (workers) workers->wait_for(i);
    if (!workers || job.globals_used != globals) {
      translate_pair(job, settings, globals);
    }
    if (!job.fatal && streams) refuse_sections(job, streams->translation);
    if (!job.fatal) {
      check_output_size(job, services.max_output_ratio, environment.prompts);
    }
    for (const std::string& message : job.messages.messages) log.post_status(message);
    log.step(job.messages.steps);
    if (!job.fatal) {
      try {
        report.files_written =
            streams ? write_output_stream(job.output, streams->translation)
                    : write_output_files(job.output, job.output_path, job.input_path,
                                         resolved_inputs, environment.temporary_files);
        globals = job.output.global_names;
        if (workers) workers->set_globals(globals);
      } catch (const FatalError& error) {
        job.fatal = FatalReport{error.stream(), error.what()};
      }
    }
    if (job.fatal) log.post(MessageCategory::STATUS, single_line(job.fatal->text));
    report.translated = true;
    report.console = std::move(job.output.console);
    report.options_dropped = job.output.options_dropped;
    report.parameters_dropped = job.output.parameters_dropped;
    report.cards_with_dropped_parameters = job.output.cards_with_dropped_parameters;
    report.translation_report = std::move(job.report);
    if (job.fatal) report.translation_report.set_fatal(single_line(job.fatal->text));
    count_messages(job.messages.messages, report);
    // Written: the pair's text is not kept while the next ones are done.
    job.output = TranslatedBlocks();
    job.messages = RecordingSink();

    progress.step(kProgressRange);
    log.write_group_headings();
    if (progress.poll_cancel()) {
      log.post_numbered_error(IDS_USER_CANCEL);
      if (!result.cancelled) {
        // The pairs already in hand complete; no others start.
        result.cancelled = true;
        limit = workers ? workers->stop() : i + 1;
      }
    }
    log.post(MessageCategory::STATUS,
             std::string(string_text(IDS_TRANSLATOR_STOPPED)) + local_time_text());
    if (services.choices != nullptr) services.choices->save_choices(request);
    report.log_failed = !log.close();

    report.colour = pair_colour(report, job.fatal.has_value());
    colour = worse(colour, report.colour);
    if (services.pair_done) services.pair_done(report);
    result.pairs.push_back(std::move(report));
    if (job.fatal) {
      result.fatal = job.fatal;
      break;
    }
  }
  workers.reset();
  progress.close_window();
  result.colour = result.cancelled ? StatusColour::neutral : colour;
  return result;
}

}  // namespace corvane
