#include "path_text.h"

#include <algorithm>

namespace corvane::path_text {
namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t drive_length(std::string_view text) { return has_drive(text) ? 2 : 0; }

// One past the last separator, or 0 when there is none.
std::size_t after_last_separator(std::string_view text) {
  const std::size_t pos = text.find_last_of("\\/");
  return pos == std::string_view::npos ? 0 : pos + 1;
}

// The last "." of the file name, or the end of the text when it has none.
std::size_t extension_start(std::string_view text) {
  const std::size_t pos = text.rfind('.');
  if (pos == std::string_view::npos || pos < base(text).begin) return text.size();
  return pos;
}

}  // namespace

bool has_drive(std::string_view text) { return text.size() >= 2 && text[1] == ':'; }

bool is_unc(std::string_view text) {
  return text.size() >= 2 && is_separator(text[0]) && is_separator(text[1]);
}

bool is_rooted(std::string_view text) {
  return !text.empty() && is_separator(text[0]) && !is_unc(text);
}

std::vector<span> components(std::string_view text) {
  std::vector<span> result;
  std::size_t pos = 0;
  if (has_drive(text)) {
    result.push_back({0, 2});
    pos = 2;
  }
  while (pos < text.size()) {
    if (is_separator(text[pos])) {
      ++pos;
      continue;
    }
    const std::size_t begin = pos;
    while (pos < text.size() && !is_separator(text[pos])) ++pos;
    result.push_back({begin, pos});
  }
  return result;
}

std::size_t first_local_component(std::string_view text) {
  if (has_drive(text)) return 1;
  if (is_unc(text)) return 2;
  return 0;
}

span drive(std::string_view text) { return {0, drive_length(text)}; }

span drive_letter(std::string_view text) { return {0, has_drive(text) ? 1u : 0u}; }

span path(std::string_view text) { return {0, after_last_separator(text)}; }

span path_no_slash(std::string_view text) {
  const std::size_t end = after_last_separator(text);
  return {0, end == 0 ? 0 : end - 1};
}

span directory(std::string_view text) {
  const std::size_t end = after_last_separator(text);
  const std::size_t begin = std::min(drive_length(text), end);
  return {end == 0 ? 0 : begin, end};
}

span base(std::string_view text) {
  return {std::max(after_last_separator(text), drive_length(text)), text.size()};
}

span root(std::string_view text) { return {base(text).begin, extension_start(text)}; }

span extension(std::string_view text) { return {extension_start(text), text.size()}; }

span extension_no_dot(std::string_view text) {
  const std::size_t begin = extension_start(text);
  return {begin == text.size() ? begin : begin + 1, text.size()};
}

span name_no_extension(std::string_view text) { return {0, extension_start(text)}; }

span unc_share_name(std::string_view text) {
  if (!is_unc(text)) return {0, 0};
  const std::size_t server_end = std::min(text.find_first_of("\\/", 2), text.size());
  if (server_end == 2 || server_end == text.size()) return {0, 0};
  const std::size_t share_end = std::min(text.find_first_of("\\/", server_end + 1), text.size());
  if (share_end == server_end + 1) return {0, 0};
  return {0, share_end};
}

span component(std::string_view text, int index) {
  const std::vector<span> all = components(text);
  if (index < 0 || static_cast<std::size_t>(index) >= all.size()) {
    return {text.size(), text.size()};
  }
  return all[static_cast<std::size_t>(index)];
}

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  return std::equal(a.rbegin(), a.rend(), b.rbegin(),
                    [](char x, char y) { return lower(x) == lower(y); });
}

std::string join(std::string_view head, std::string_view tail) {
  std::string result(head);
  if (!head.empty() && is_separator(head.back())) {
    while (!tail.empty() && is_separator(tail.front())) tail.remove_prefix(1);
  } else if (tail.empty() || !is_separator(tail.front())) {
    result += '\\';
  }
  result += tail;
  return result;
}

}  // namespace corvane::path_text
