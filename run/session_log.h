#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "core/message_sink.h"
#include "run/log_environment.h"
#include "run/message_category.h"

namespace corvane {

class LogFile;
class ProgressWindow;
class TextStream;

/// The messages of one translation run, written one line each to the run's
/// ".err" file. One message is pending at a time; each new message delivers
/// the one before it. STATUS messages become lines of the file; the other
/// categories go to the environment's store of held messages.
class SessionLog : public MessageSink {
 public:
  /// `environment` (filter, held store, message boxes, host file system) is
  /// shared by every log of the process and outlives this log.
  explicit SessionLog(LogEnvironment& environment);
  ~SessionLog() override;
  SessionLog(const SessionLog&) = delete;
  SessionLog& operator=(const SessionLog&) = delete;

  /// Closes a file open under another name, stores the name and opens it;
  /// when it cannot be created, says so and goes on without a file.
  void set_log_file(const std::string& name);
  /// As `set_log_file`, for a log whose lines go to `stream` (which
  /// outlives the log) rather than to a file.
  void set_log_stream(TextStream& stream);
  const std::string& log_file_name() const { return log_file_name_; }

  /// Delivers the pending message and makes `format` the pending STATUS text.
  void begin_status(std::string_view format);
  /// Fills the next string conversion of the pending text, or appends.
  SessionLog& add_argument(std::string_view text);
  /// Delivers the pending message, then delivers (category, text) at once.
  void post(MessageCategory category, std::string_view text);
  void post_status(std::string_view text) override;
  /// Makes "[FWK" + four-digit id + "] " + the string-table text pending, as
  /// an ERROR message with that id.
  void post_numbered_error(int id);
  void flush();
  /// "Design Messages:" and "Symbol Library Messages:" when messages are held.
  void write_group_headings();
  /// Puts the log file in place; false (and said) when the file system
  /// would not let it be created or written in full. A name the log name
  /// rules refuse is said when it is set, and is no failure.
  bool close();

  /// Line counts per category of the current log file (zeros without one).
  CategoryCounts counts() const;

  /// The progress window that translation steps advance.
  void set_progress_window(ProgressWindow* window) { progress_ = window; }
  void step(int n) override;

 private:
  struct Pending {
    std::string text;
    MessageCategory category = MessageCategory::STATUS;
    int id = 0;
    bool present = false;
    size_t filled_up_to = 0;  // where add_argument looks for the next conversion
  };

  void start_log(const std::string& name, TextStream* stream);
  void deliver_pending();
  void write_line(MessageCategory category, int id, const std::string& text);
  void open_log_file();
  void finish_file();

  LogEnvironment& environment_;
  std::string log_file_name_;
  TextStream* log_stream_ = nullptr;  // where the log goes in place of its file
  std::shared_ptr<LogFile> file_;
  Pending pending_;
  ProgressWindow* progress_ = nullptr;
  bool single_subckt_ = true;
  bool file_failed_ = false;  // the current log could not be created or written
};

}  // namespace corvane
