#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "core/output_text.h"
#include "core/translation_report.h"
#include "run/input_text.h"
#include "run/output_files.h"
#include "run/text_stream.h"
#include "run/translation_request.h"

namespace corvane {

struct LogEnvironment;
class OwnerWindow;
class ProgressWindow;

/// Saves the choices of the row being translated (after each file).
class ChoiceRecorder {
 public:
  virtual ~ChoiceRecorder() = default;
  virtual void save_choices(const TranslationRequest& request) = 0;
};

/// What became of one input/output pair.
struct PairReport {
  std::string input_path;
  std::string output_path;
  std::string log_path;
  std::vector<std::string> files_written;
  bool translated = false;  // false when its output directory could not be made
  bool log_failed = false;  // its log could not be created or written in full
  int warnings = 0;
  int errors = 0;
  int options_dropped = 0;     // options Ondrel has no counterpart for
  int parameters_dropped = 0;  // model parameters no card wrote
  int cards_with_dropped_parameters = 0;
  int names_respelled = 0;  // source names written with another spelling
  StatusColour colour = StatusColour::neutral;
  std::string console;  // scanner diagnostics for the standard output stream
  /// The file's messages and dropped model parameters, when collected.
  TranslationReport translation_report;
};

struct FatalReport {
  StandardStream stream = StandardStream::error;
  std::string text;
  bool output_too_large = false;    // past RunServices::max_output_ratio
  bool sections_to_stream = false;  // section files, with RunServices::streams
};

struct RunResult {
  StatusColour colour = StatusColour::neutral;
  std::vector<PairReport> pairs;
  bool cancelled = false;
  /// Set when a fatal condition stopped the run; the pairs before it are done.
  std::optional<FatalReport> fatal;
};

/// The services a front end lends to a run.
struct RunServices {
  LogEnvironment& log_environment;
  ProgressWindow& progress;
  ChoiceRecorder* choices = nullptr;
  /// Called on the caller's thread after each pair, in pair order.
  std::function<void(const PairReport&)> pair_done;
  /// Pairs translated at once; results are committed in pair order, so files
  /// and logs are the same for any number.
  int jobs = 1;
  /// Collect each pair's `translation_report` (messages by statement, model
  /// parameters dropped); it costs memory and time, so it is asked for.
  bool collect_reports = false;
  /// How inputs are opened; `read_input` when empty. A front end may lend a
  /// host's faster way (mapping the file) here.
  InputReader read_input = {};
  /// Readies each large block of output text before it is written; a front
  /// end may lend a host's way of mapping its pages in one go here.
  BlockPreparer prepare_output_block = nullptr;
  /// A pair whose files would hold more than this many times its input's
  /// bytes (and more than kOutputSizeFloor) is a fatal condition, its files
  /// not written; 0 for no limit. Past kOutputRatioWarning times it is a
  /// warning.
  double max_output_ratio = kDefaultOutputRatioLimit;
  /// The window that owns the progress window; null for the main window.
  OwnerWindow* owner = nullptr;
  /// Where each pair's translation and log go in place of its files, its
  /// output path unused; null for files. A pair whose translation has
  /// section files is then a fatal condition, nothing of it written.
  PairStreams* streams = nullptr;
};

/// Translates every input/output pair of the request, each with its ".err"
/// log. Stops after the pair in hand when the user cancels, and at a fatal
/// condition.
RunResult translate_libraries(const TranslationRequest& request, RunServices& services);

/// Makes sure a directory exists, creating the missing levels.
bool ensure_output_directory(const std::string& directory, class HostFileSystem& file_system);

}  // namespace corvane
