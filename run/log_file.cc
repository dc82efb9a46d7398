#include "run/log_file.h"

#include <filesystem>
#include <system_error>

namespace corvane {

LogFile::~LogFile() { close(); }

bool LogFile::open(const std::string& name) {
  close();
  name_ = name;
  // A NUL would cut the name short and open some other file.
  if (name.empty() || name.find('\0') != std::string::npos) {
    failed_ = true;
    return false;
  }
  stream_.open(name, std::ios::out | std::ios::trunc);
  created_ = stream_.is_open();
  if (!created_) failed_ = true;
  return created_;
}

void LogFile::write_line(MessageCategory category, std::string_view line) {
  if (stream_.is_open()) {
    stream_ << line << '\n';
    if (!stream_) failed_ = true;
  }
  ++counts_[static_cast<size_t>(category)];
}

void LogFile::close() {
  if (!created_) return;
  stream_.close();
  created_ = false;
  // The size is only known once the stream's buffer has gone to disk.
  std::error_code error;
  if (std::filesystem::is_regular_file(name_, error) &&
      std::filesystem::file_size(name_, error) == 0 && !error) {
    std::filesystem::remove(name_, error);
  }
}

}  // namespace corvane
