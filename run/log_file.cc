#include "run/log_file.h"

#include <filesystem>
#include <system_error>

namespace corvane {

LogFile::~LogFile() { close(); }

bool LogFile::open(const std::string& name, TemporaryFiles* files) {
  close();
  name_ = name;
  // A NUL would cut the name short and open some other file.
  if (name.empty() || name.find('\0') != std::string::npos) {
    failed_ = true;
    return false;
  }
  file_ = std::make_unique<TemporaryFile>(name, files);
  if (!file_->is_open()) {
    file_.reset();
    failed_ = true;
  }
  return file_ != nullptr;
}

void LogFile::open(TextStream& stream) {
  close();
  name_ = stream.name();
  stream_ = &stream;
}

void LogFile::write_line(MessageCategory category, std::string_view line) {
  if (file_ && !(file_->write(line) && file_->write("\n"))) failed_ = true;
  // A line goes in one write: another writer of the stream (a warning on a
  // terminal) never lands inside it.
  if (stream_ && !stream_->write(std::string(line) + '\n')) failed_ = true;
  ++counts_[static_cast<size_t>(category)];
}

bool LogFile::close() {
  stream_ = nullptr;
  if (!file_) return !failed_;
  const std::unique_ptr<TemporaryFile> file = std::move(file_);
  if (file->size() > 0) {
    if (!file->place()) failed_ = true;
    return !failed_;
  }
  // No lines: no log, and no log of an earlier run beside the new output.
  // A link is removed, never what it points to.
  file->discard();
  std::error_code error;
  const std::filesystem::file_status existing = std::filesystem::symlink_status(name_, error);
  if (!error &&
      (std::filesystem::is_regular_file(existing) || std::filesystem::is_symlink(existing))) {
    std::filesystem::remove(name_, error);
  }
  return !failed_;
}

}  // namespace corvane
