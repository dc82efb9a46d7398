#include "support/text_diff.h"

#include <algorithm>
#include <vector>

namespace corvane {
namespace {

std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start) + "\\ (no newline at end)");
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::string visible(const std::string& line) {
  std::string out;
  std::size_t end = line.size();
  while (end > 0 && line[end - 1] == ' ') --end;
  for (std::size_t i = 0; i < end; ++i) {
    if (line[i] == '\t') {
      out += "→";
    } else if (line[i] == '\r') {
      out += "\\r";
    } else {
      out += line[i];
    }
  }
  for (std::size_t i = end; i < line.size(); ++i) out += "·";
  return out;
}

}  // namespace

std::string unified_diff(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> a = split_lines(expected);
  const std::vector<std::string> b = split_lines(actual);
  // Longest common subsequence table; golden files are small.
  std::vector<std::vector<int>> common(a.size() + 1, std::vector<int>(b.size() + 1, 0));
  for (std::size_t i = a.size(); i-- > 0;) {
    for (std::size_t j = b.size(); j-- > 0;) {
      common[i][j] =
          a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  std::string out;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() || j < b.size()) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      out += "  " + visible(a[i++]) + "\n";
      ++j;
    } else if (j < b.size() && (i == a.size() || common[i][j + 1] >= common[i + 1][j])) {
      out += "+ " + visible(b[j++]) + "\n";
    } else {
      out += "- " + visible(a[i++]) + "\n";
    }
  }
  return out;
}

}  // namespace corvane
