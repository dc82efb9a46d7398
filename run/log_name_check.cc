#include "run/log_name_check.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "run/host_file_system.h"

namespace corvane {
namespace {

constexpr size_t kWindowsMaxPath = 260;
// The host's PATH_MAX counts the terminating zero.
constexpr size_t kHostMaxPath = 4095;
constexpr size_t kLongNameMaxComponent = 255;
constexpr unsigned kShortNameMaxComponentLength = 12;

bool is_separator(char c) { return c == '/' || c == '\\'; }

bool has_drive_letter(std::string_view path) {
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

// Codes 0 to 31; a NUL is refused as well, since it would end the name early.
bool has_control_character(std::string_view component) {
  return std::any_of(component.begin(), component.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 32; });
}

bool is_valid_long_name(std::string_view component) {
  return component.size() <= kLongNameMaxComponent && !has_control_character(component) &&
         component.find_first_of("\"?<>:/\\|*") == std::string_view::npos;
}

// An 8.3 name: up to 8 characters, or 1 to 8, a period and up to 3.
bool is_valid_short_name(std::string_view component) {
  if (component == "." || component == "..") return true;
  if (has_control_character(component) ||
      component.find_first_of(" \"[]<>:;/\\|*+=,?") != std::string_view::npos) {
    return false;
  }
  size_t period = component.find('.');
  if (period == std::string_view::npos) return component.size() <= 8;
  std::string_view extension = component.substr(period + 1);
  return period >= 1 && period <= 8 && extension.size() <= 3 &&
         extension.find('.') == std::string_view::npos;
}

bool is_short_name_volume(const VolumeInfo& volume) {
  return equals_ignoring_case(volume.file_system_name, "FAT") &&
         volume.max_component_length <= kShortNameMaxComponentLength;
}

struct Rooted {
  std::string root;       // as the host file system names volumes
  std::string_view rest;  // the components after the root
  size_t max_path = 0;
};

// "\\server\share\rest" -> root "\\server\share\"; server and share required.
std::optional<Rooted> split_share_root(std::string_view path) {
  size_t server_end = path.find_first_of("/\\", 2);
  if (server_end == std::string_view::npos || server_end == 2 || server_end + 1 == path.size()) {
    return std::nullopt;
  }
  size_t share_end = path.find_first_of("/\\", server_end + 1);
  if (share_end == server_end + 1) return std::nullopt;
  std::string_view share = path.substr(0, share_end);
  std::string_view rest =
      share_end == std::string_view::npos ? std::string_view() : path.substr(share_end + 1);
  std::string root(share);
  std::replace(root.begin(), root.end(), '/', '\\');
  return Rooted{root + "\\", rest, kWindowsMaxPath};
}

std::optional<Rooted> split_root(std::string_view path) {
  if (has_drive_letter(path)) {
    // Drive letters ignore case; volumes are known by the upper-case letter.
    char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    std::string root{letter, ':', '\\'};
    std::string_view rest = path.substr(2);
    if (!rest.empty() && is_separator(rest.front())) rest.remove_prefix(1);
    return Rooted{root, rest, kWindowsMaxPath};
  }
  if (path.substr(0, 2) == "\\\\") return split_share_root(path);
  if (!path.empty() && path.front() == '/') return Rooted{"/", path.substr(1), kHostMaxPath};
  return std::nullopt;
}

}  // namespace

bool log_name_check(std::string_view path, HostFileSystem& file_system) {
  std::optional<Rooted> rooted = split_root(path);
  if (!rooted || path.size() > rooted->max_path) return false;
  std::optional<VolumeInfo> volume = file_system.volume_of(rooted->root);
  if (!volume) return false;
  auto valid_component = is_short_name_volume(*volume) ? is_valid_short_name : is_valid_long_name;

  std::string_view rest = rooted->rest;
  while (!rest.empty()) {
    size_t end = std::min(rest.find_first_of("/\\"), rest.size());
    std::string_view component = rest.substr(0, end);
    // Doubled separators leave empty components; the host reads them as one.
    if (!component.empty() && !valid_component(component)) return false;
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }
  return true;
}

bool is_rooted_path(std::string_view path) { return split_root(path).has_value(); }

std::string_view file_name_part(std::string_view path) {
  size_t cut = path.find_last_of("/\\");
  if (cut == std::string_view::npos && has_drive_letter(path)) cut = 1;
  return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

}  // namespace corvane
