#include "run/temporary_files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include "run/path_names.h"

namespace corvane {
namespace {

// Room in a 255-byte file name for the leading dot and ".tmp" with a number.
constexpr std::size_t kLongestKeptName = 230;
constexpr int kNameAttempts = 16;

std::string temporary_name_beside(const std::string& path, std::random_device& random) {
  std::string name = directory_part(path);
  name += '.';
  name += file_name_part(path).substr(0, kLongestKeptName);
  name += ".tmp";
  name += std::to_string(random());
  return name;
}

}  // namespace

std::FILE* TemporaryFiles::create_beside(const std::string& path, std::string& name) {
  std::random_device random;
  // The file is made while the list is locked, so `remove_all` never misses
  // one that is being made.
  std::lock_guard lock(mutex_);
  if (closed_) return nullptr;
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    std::string candidate = temporary_name_beside(path, random);
    // "x": created here or not at all, never through a link.
    errno = 0;
    if (std::FILE* stream = std::fopen(candidate.c_str(), "wbx")) {
      names_.push_back(candidate);
      name = std::move(candidate);
      return stream;
    }
    if (errno != EEXIST) return nullptr;
  }
  return nullptr;
}

bool TemporaryFiles::rename(const std::string& name, const std::string& path) {
  std::lock_guard lock(mutex_);
  if (closed_) return false;  // already removed
  std::error_code error;
  std::filesystem::rename(name, path, error);
  if (error) std::filesystem::remove(name, error);
  forget(name);
  return !error;
}

void TemporaryFiles::remove(const std::string& name) {
  std::lock_guard lock(mutex_);
  std::error_code error;
  std::filesystem::remove(name, error);
  forget(name);
}

void TemporaryFiles::remove_all() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  for (const std::string& name : names_) std::remove(name.c_str());
  names_.clear();
}

std::vector<std::string> TemporaryFiles::names() const {
  std::lock_guard lock(mutex_);
  return names_;
}

void TemporaryFiles::forget(const std::string& name) {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found != names_.end()) names_.erase(found);
}

TemporaryFile::TemporaryFile(const std::string& path, TemporaryFiles* files)
    : files_(files != nullptr ? *files : own_files_), path_(path) {
  stream_ = files_.create_beside(path_, name_);
  if (stream_ == nullptr) name_.clear();
}

TemporaryFile::~TemporaryFile() { discard(); }

bool TemporaryFile::write(std::string_view text) {
  if (stream_ == nullptr || failed_) return false;
  if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size()) failed_ = true;
  size_ += text.size();
  return !failed_;
}

bool TemporaryFile::place() {
  if (stream_ == nullptr) return false;
  // A full disk may show only when the buffer goes out on closing.
  const bool written = std::fclose(stream_) == 0 && !failed_;
  stream_ = nullptr;
  std::error_code error;
  const std::filesystem::file_status existing = std::filesystem::symlink_status(path_, error);
  const bool exists = !error && std::filesystem::exists(existing);
  // As root, -o /dev/null would otherwise turn the device into a file.
  const bool replaceable = !exists || std::filesystem::is_regular_file(existing) ||
                           std::filesystem::is_symlink(existing);
  if (!written || !replaceable) {
    discard();
    return false;
  }
  if (exists && std::filesystem::is_regular_file(existing)) {
    std::filesystem::permissions(name_, existing.permissions(), error);
  }
  const bool placed = files_.rename(name_, path_);
  name_.clear();
  return placed;
}

void TemporaryFile::discard() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
  if (!name_.empty()) files_.remove(name_);
  name_.clear();
}

}  // namespace corvane
