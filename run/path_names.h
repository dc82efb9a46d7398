#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Path text helpers that accept both "/" and "\" as separators, so names
// written for either platform split the same way.

inline bool is_path_separator(char c) { return c == '/' || c == '\\'; }

/// Drive and directories with the closing separator; empty for a bare name.
std::string directory_part(std::string_view path);
/// The file name with its extension.
std::string file_name_part(std::string_view path);
/// The file name without its extension.
std::string base_name(std::string_view path);
/// The position of the extension's dot in `path`, or npos.
std::size_t extension_dot(std::string_view path);
/// `path` with its extension replaced (`extension` without the dot); a name
/// without one gets it appended after a dot.
std::string change_extension(std::string_view path, std::string_view extension);
/// `path` less its extension, whatever its length.
std::string without_extension(std::string_view path);

}  // namespace corvane
