#ifndef CORVANE_UTIL_SRC_HOST_FS_H_
#define CORVANE_UTIL_SRC_HOST_FS_H_

#include <cstdint>
#include <optional>
#include <string>

#include "corvane/util/file_time.h"

// The few file-system calls pathstring makes, one implementation per host.
// Every path is a pathstring's text; every failure is an empty answer or
// false, never an exception.
namespace corvane::host {

struct attributes {
  bool directory = false;
  bool read_only = false;
};

/// What a directory search reports for the last component of a path.
struct found_entry {
  std::string name;
  std::uint64_t size = 0;
  FILETIME last_write{};
};

std::optional<attributes> read_attributes(const std::string& path);
bool write_read_only(const std::string& path, bool on);
std::optional<found_entry> find_first(const std::string& path);
/// Opens the existing file for writing and sets its last-write time alone.
bool write_last_write_time(const std::string& path, const FILETIME& time);
bool make_directory(const std::string& path);
std::optional<std::string> full_path_name(const std::string& path);
std::optional<std::string> short_path_name(const std::string& path);
/// Case-insensitive name order: negative, zero or positive.
int compare_names(const std::string& a, const std::string& b);

}  // namespace corvane::host

#endif  // CORVANE_UTIL_SRC_HOST_FS_H_
