#pragma once

#include <string>
#include <string_view>

namespace corvane {

class HostFileSystem;

/// Whether a file may be created under `path` by the rules of the file system
/// that holds it: the path must be rooted (a drive root "C:\", a share root
/// "\\server\share\", or "/" on this host), not too long, and each component
/// must be a valid name (8.3 names on short-name FAT volumes, long names
/// elsewhere).
bool log_name_check(std::string_view path, HostFileSystem& file_system);

/// Whether `path` starts at a root that `log_name_check` accepts: a drive
/// letter and colon, "\\" or "/".
bool is_rooted_path(std::string_view path);

/// The file name and extension of `path`: what follows its last "/" or "\"
/// (or the colon of a drive letter).
std::string_view file_name_part(std::string_view path);

}  // namespace corvane
