// The host layer on Windows: the system's own calls. Names longer than the
// classic 260 characters are asked for at their full size.
#include <windows.h>

#include <optional>
#include <string>

#include "host_fs.h"

namespace corvane::host {
namespace {

constexpr DWORD kNoAttributes = INVALID_FILE_ATTRIBUTES;

// Calls a Get...PathNameA style function with a buffer as large as it asks.
template <class Query>
std::optional<std::string> ask_for_name(Query query) {
  std::string buffer(MAX_PATH, '\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD length = query(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.assign(length, '\0');
  }
  return std::nullopt;
}

}  // namespace

std::optional<attributes> read_attributes(const std::string& path) {
  const DWORD found = GetFileAttributesA(path.c_str());
  if (found == kNoAttributes) return std::nullopt;
  return attributes{(found & FILE_ATTRIBUTE_DIRECTORY) != 0,
                    (found & FILE_ATTRIBUTE_READONLY) != 0};
}

bool write_read_only(const std::string& path, bool on) {
  const DWORD found = GetFileAttributesA(path.c_str());
  if (found == kNoAttributes) return false;
  const DWORD wanted = on ? (found | FILE_ATTRIBUTE_READONLY) : (found & ~FILE_ATTRIBUTE_READONLY);
  return SetFileAttributesA(path.c_str(), wanted) != 0;
}

std::optional<found_entry> find_first(const std::string& path) {
  WIN32_FIND_DATAA data{};
  const HANDLE search = FindFirstFileA(path.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  found_entry entry;
  entry.name = data.cFileName;
  entry.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  entry.last_write = data.ftLastWriteTime;
  return entry;
}

bool write_last_write_time(const std::string& path, const FILETIME& time) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool done = SetFileTime(file, nullptr, nullptr, &time) != 0;
  CloseHandle(file);
  return done;
}

bool make_directory(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

std::optional<std::string> full_path_name(const std::string& path) {
  if (path.empty()) return std::nullopt;
  return ask_for_name([&path](char* buffer, DWORD size) {
    return GetFullPathNameA(path.c_str(), size, buffer, nullptr);
  });
}

std::optional<std::string> short_path_name(const std::string& path) {
  if (path.empty()) return std::nullopt;
  return ask_for_name(
      [&path](char* buffer, DWORD size) { return GetShortPathNameA(path.c_str(), buffer, size); });
}

int compare_names(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str());
}

}  // namespace corvane::host
