#pragma once

#include <fstream>
#include <string>
#include <string_view>

#include "run/message_category.h"

namespace corvane {

/// The text file a session log writes, with its name, error state and the
/// number of lines written per category. Shared through std::shared_ptr; when
/// the last reference goes the file is closed, and deleted if it is empty.
class LogFile {
 public:
  /// A file not (yet) open; it still counts the lines meant for it.
  LogFile() = default;
  ~LogFile();
  LogFile(const LogFile&) = delete;
  LogFile& operator=(const LogFile&) = delete;

  /// Creates or truncates `name` for writing text; true when it is open.
  bool open(const std::string& name);
  /// Writes `line` and a newline when the file is open; counts it either way.
  void write_line(MessageCategory category, std::string_view line);

  const std::string& name() const { return name_; }
  bool is_open() const { return stream_.is_open(); }
  /// True once an open or a write has failed.
  bool failed() const { return failed_; }
  const CategoryCounts& counts() const { return counts_; }

 private:
  void close();

  std::string name_;
  std::ofstream stream_;
  bool failed_ = false;
  bool created_ = false;  // only a file this object created may be deleted
  CategoryCounts counts_{};
};

}  // namespace corvane
