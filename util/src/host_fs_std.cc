// The host layer on a file system that knows no drives or UNC names: the
// path goes to the standard file-system library with "\" read as "/".
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <system_error>

#include "host_fs.h"
#include "path_text.h"

namespace fs = std::filesystem;

namespace corvane::host {
namespace {

// FILETIME counts 100 ns ticks from 1601-01-01; the system clock counts
// from 1970-01-01, 11644473600 seconds later.
using ticks = std::chrono::duration<std::int64_t, std::ratio<1, 10'000'000>>;
constexpr std::int64_t kTicksFrom1601To1970 = 116'444'736'000'000'000;

std::optional<fs::path> host_path(const std::string& text) {
  if (text.empty() || path_text::has_drive(text) || path_text::is_unc(text)) {
    return std::nullopt;
  }
  std::string native(text);
  std::replace(native.begin(), native.end(), '\\', '/');
  return fs::path(native);
}

std::optional<fs::file_status> status_of(const std::string& text) {
  const auto path = host_path(text);
  if (!path) return std::nullopt;
  std::error_code error;
  const fs::file_status status = fs::status(*path, error);
  if (error || !fs::exists(status)) return std::nullopt;
  return status;
}

using file_duration = fs::file_time_type::duration;

// 1970-01-01 on the file clock, whose own epoch differs between libraries.
fs::file_time_type file_clock_1970() {
  return std::chrono::file_clock::from_sys(std::chrono::sys_time<file_duration>{});
}

// Whole ticks, so that neither side of the subtraction can overflow.
FILETIME to_file_time(fs::file_time_type time) {
  const std::int64_t since_1970 =
      std::chrono::floor<ticks>(time.time_since_epoch()).count() -
      std::chrono::floor<ticks>(file_clock_1970().time_since_epoch()).count();
  std::uint64_t value = 0;
  if (since_1970 > -kTicksFrom1601To1970) {
    value = static_cast<std::uint64_t>(since_1970 + kTicksFrom1601To1970);
  }
  return {static_cast<std::uint32_t>(value & 0xFFFFFFFFu), static_cast<std::uint32_t>(value >> 32)};
}

// Empty when the time lies outside what the file clock can hold.
std::optional<fs::file_time_type> from_file_time(const FILETIME& time) {
  const std::uint64_t value = (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
  // Windows itself rejects times with the top bit set.
  if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
    return std::nullopt;
  }
  const std::int64_t since_1970 = static_cast<std::int64_t>(value) - kTicksFrom1601To1970;
  const std::int64_t max_ticks = std::chrono::duration_cast<ticks>(file_duration::max()).count();
  if (since_1970 > max_ticks || since_1970 < -max_ticks) return std::nullopt;
  const auto offset = std::chrono::duration_cast<file_duration>(ticks(since_1970));
  const file_duration base = file_clock_1970().time_since_epoch();
  if (offset.count() > 0 && base > file_duration::max() - offset) return std::nullopt;
  if (offset.count() < 0 && base < file_duration::min() - offset) return std::nullopt;
  return file_clock_1970() + offset;
}

}  // namespace

std::optional<attributes> read_attributes(const std::string& path) {
  const auto status = status_of(path);
  if (!status) return std::nullopt;
  return attributes{fs::is_directory(*status),
                    (status->permissions() & fs::perms::owner_write) == fs::perms::none};
}

// Read-only means no write permission for anyone; clearing it gives the
// owner write permission back, as the Windows attribute would.
bool write_read_only(const std::string& path, bool on) {
  const auto native = host_path(path);
  if (!native) return false;
  std::error_code error;
  if (on) {
    fs::permissions(*native,
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, error);
  } else {
    fs::permissions(*native, fs::perms::owner_write, fs::perm_options::add, error);
  }
  return !error;
}

// A directory search never matches a name ending in a separator, and it
// reports no size for a directory.
std::optional<found_entry> find_first(const std::string& path) {
  if (path.empty() || path_text::is_separator(path.back())) return std::nullopt;
  const auto status = status_of(path);
  if (!status) return std::nullopt;
  const fs::path native = *host_path(path);
  std::error_code error;
  found_entry entry;
  entry.name = native.filename().string();
  if (!fs::is_directory(*status)) {
    const std::uintmax_t size = fs::file_size(native, error);
    if (!error) entry.size = size;
  }
  const fs::file_time_type time = fs::last_write_time(native, error);
  if (!error) entry.last_write = to_file_time(time);
  return entry;
}

bool write_last_write_time(const std::string& path, const FILETIME& time) {
  const auto native = host_path(path);
  const auto file_time = from_file_time(time);
  if (!native || !file_time) return false;
  std::error_code error;
  if (fs::is_directory(*native, error)) return false;
  {
    // Opening for reading and writing neither creates nor truncates.
    std::fstream probe(*native, std::ios::in | std::ios::out | std::ios::binary);
    if (!probe.is_open()) return false;
  }
  fs::last_write_time(*native, *file_time, error);
  return !error;
}

bool make_directory(const std::string& path) {
  const auto native = host_path(path);
  if (!native) return false;
  std::error_code error;
  return fs::create_directory(*native, error) && !error;
}

std::optional<std::string> full_path_name(const std::string& path) {
  const auto native = host_path(path);
  if (!native) return std::nullopt;
  std::error_code error;
  const fs::path full = fs::absolute(*native, error);
  if (error) return std::nullopt;
  return full.lexically_normal().string();
}

std::optional<std::string> short_path_name(const std::string& path) {
  if (!status_of(path)) return std::nullopt;
  return path;
}

int compare_names(const std::string& a, const std::string& b) {
  const auto lower = [](char c) {
    return static_cast<unsigned char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
  };
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char x = lower(a[i]);
    const unsigned char y = lower(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace corvane::host
