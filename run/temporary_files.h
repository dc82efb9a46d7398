#pragma once

#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// The temporary files a run is writing beside its outputs and logs. An
/// interrupted run removes them (`remove_all`) from a thread of its own
/// before it ends at once, so a kill leaves none behind. Thread-safe.
class TemporaryFiles {
 public:
  TemporaryFiles() = default;
  TemporaryFiles(const TemporaryFiles&) = delete;
  TemporaryFiles& operator=(const TemporaryFiles&) = delete;

  /// Creates a new file beside `path`, never opening an existing file or a
  /// link; stores its name in `name`. Null when none can be made, or after
  /// `remove_all`.
  std::FILE* create_beside(const std::string& path, std::string& name);
  /// Renames the file `name` onto `path` (or removes it when that fails) and
  /// forgets it; false when it is not in place.
  bool rename(const std::string& name, const std::string& path);
  /// Removes the file `name` and forgets it.
  void remove(const std::string& name);
  /// Removes every file still being written; none is created or renamed
  /// into place afterwards.
  void remove_all();
  /// The files being written, for tests.
  std::vector<std::string> names() const;

 private:
  void forget(const std::string& name);

  mutable std::mutex mutex_;
  std::vector<std::string> names_;
  bool closed_ = false;
};

/// One file written beside its final name and renamed into place, so the
/// final name holds either its old file or the whole new one. A file not
/// placed is removed when this object goes.
class TemporaryFile {
 public:
  /// Starts the file for `path`; `files` (when not null) tracks it.
  TemporaryFile(const std::string& path, TemporaryFiles* files);
  ~TemporaryFile();
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool is_open() const { return stream_ != nullptr; }
  /// Appends `text`; false once any write has failed.
  bool write(std::string_view text);
  std::size_t size() const { return size_; }
  /// Closes the file and renames it onto the final name: a device, a FIFO
  /// or a directory is never replaced, a link is (its target untouched), an
  /// existing file's permissions are kept. False when the file could not be
  /// written in full or put in place; it is then removed.
  bool place();
  /// Closes and removes the file.
  void discard();

 private:
  TemporaryFiles own_files_;  // tracks the file when no run does
  TemporaryFiles& files_;
  std::string path_;
  std::string name_;
  std::FILE* stream_ = nullptr;
  std::size_t size_ = 0;
  bool failed_ = false;
};

}  // namespace corvane
