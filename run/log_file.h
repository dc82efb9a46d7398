#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "run/message_category.h"
#include "run/temporary_files.h"
#include "run/text_stream.h"

namespace corvane {

/// The text file a session log writes, with its name, error state and the
/// number of lines written per category. Its lines go to a file beside it,
/// renamed over the log when it closes: a previous log stays whole until
/// then, and a link named like the log is replaced, its target untouched.
/// Shared through std::shared_ptr; when the last reference goes the file is
/// closed.
class LogFile {
 public:
  /// A file not (yet) open; it still counts the lines meant for it.
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  /// Starts the log `name`; `files`, when given, tracks the file written
  /// beside it. True when it is open.
  bool open(const std::string& name, TemporaryFiles* files = nullptr);
  /// Starts a log whose lines go straight to `stream`, named as it is; the
  /// stream outlives the log.
  void open(TextStream& stream);
  /// Writes `line` and a newline when the file is open; counts it either way.
  void write_line(MessageCategory category, std::string_view line);
  /// Puts the log in place; a log without lines removes one left from
  /// before instead. False when the log could not be written in full (the
  /// previous one, if any, is then kept).
  bool close();

  const std::string& name() const { return name_; }
  bool is_open() const { return file_ != nullptr || stream_ != nullptr; }
  /// True once an open, a write or the closing has failed.
  bool failed() const { return failed_; }
  const CategoryCounts& counts() const { return counts_; }

 private:
  std::string name_;
  std::unique_ptr<TemporaryFile> file_;
  TextStream* stream_ = nullptr;
  bool failed_ = false;
  CategoryCounts counts_{};
};

}  // namespace corvane
