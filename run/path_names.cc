#include "run/path_names.h"

#include <algorithm>

namespace corvane {
namespace {

std::size_t file_name_start(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (is_path_separator(path[i - 1]) || (i == 2 && path[1] == ':')) return i;
  }
  return 0;
}

}  // namespace

std::string directory_part(std::string_view path) {
  return std::string(path.substr(0, file_name_start(path)));
}

std::string file_name_part(std::string_view path) {
  return std::string(path.substr(file_name_start(path)));
}

std::size_t extension_dot(std::string_view path) {
  const std::size_t start = file_name_start(path);
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < start) return std::string_view::npos;
  return dot;
}

std::string base_name(std::string_view path) {
  const std::size_t start = file_name_start(path);
  const std::size_t dot = extension_dot(path);
  return std::string(
      path.substr(start, (dot == std::string_view::npos ? path.size() : dot) - start));
}

std::string without_extension(std::string_view path) {
  return std::string(path.substr(0, std::min(extension_dot(path), path.size())));
}

std::string change_extension(std::string_view path, std::string_view extension) {
  std::string result = without_extension(path);
  result += '.';
  result += extension;
  return result;
}

}  // namespace corvane
