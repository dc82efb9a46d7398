// pathstring construction, assignment and normalisation.
#include <string>
#include <string_view>
#include <vector>

#include "corvane/util/pathstring.h"
#include "host_fs.h"
#include "path_text.h"

namespace pt = corvane::path_text;

namespace {

bool is_blank_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool all_dots(std::string_view piece) {
  return !piece.empty() && piece.find_first_not_of('.') == std::string_view::npos;
}

}  // namespace

pathstring::pathstring(const allocator_type& alloc) : std::string(alloc) {}

pathstring::pathstring(const pathstring& other) = default;

pathstring::pathstring(const std::string& text) : std::string(text) {}

pathstring::pathstring(const pathstring& other, size_type pos, size_type count,
                       const allocator_type& alloc)
    : std::string(other, pos, count, alloc) {
  tidyUp(false);
}

pathstring::pathstring(const char* text, const allocator_type& alloc) : std::string(text, alloc) {
  tidyUp(false);
}

pathstring::pathstring(const char* text, size_type count, const allocator_type& alloc)
    : std::string(text, count, alloc) {
  tidyUp(false);
}

pathstring::pathstring(const char* first, const char* last, const allocator_type& alloc)
    : std::string(first, last, alloc) {
  tidyUp(false);
}

pathstring::~pathstring() = default;

pathstring& pathstring::operator=(const pathstring& other) = default;

pathstring& pathstring::operator=(const std::string& text) {
  assign(text);
  tidyUp(false);
  return *this;
}

pathstring& pathstring::operator=(const char* text) {
  assign(text);
  tidyUp(false);
  return *this;
}

void pathstring::tidyUp(bool full) {
  removeExtraCharacters();
  removeDotDirectorySpecifiers();
  if (!full) return;
  if (auto full_name = corvane::host::full_path_name(*this)) {
    assign(*full_name);
    removeExtraCharacters();
  }
}

// One pass: blanks after a start, ":" or separator go, blanks before a
// separator or ":" go, quotes go, runs of separators collapse to one "\"
// except the leading "\\" of a UNC name.
void pathstring::removeExtraCharacters() {
  std::string out;
  out.reserve(size());
  const auto drop_trailing_blanks = [&out] {
    while (!out.empty() && out.back() == ' ') out.pop_back();
  };
  for (const char c : std::string_view(*this)) {
    if (is_blank_space(c)) {
      if (!out.empty() && out.back() != ':' && !pt::is_separator(out.back())) out += ' ';
    } else if (c == '"') {
      continue;
    } else if (pt::is_separator(c)) {
      drop_trailing_blanks();
      if (out.empty() || !pt::is_separator(out.back()) || out.size() == 1) out += '\\';
    } else if (c == ':') {
      drop_trailing_blanks();
      out += ':';
    } else {
      out += c;
    }
  }
  drop_trailing_blanks();
  assign(out);
}

// Works on the components after the drive or the UNC server and share;
// "floor" is where the kept leading ".." components end.
void pathstring::removeDotDirectorySpecifiers() {
  const std::string_view text(*this);
  const std::vector<pt::span> spans = pt::components(text);
  const std::size_t start = pt::first_local_component(text);
  if (spans.size() <= start) return;

  std::vector<std::string> parts;
  for (std::size_t i = start; i < spans.size(); ++i) {
    parts.emplace_back(text.substr(spans[i].begin, spans[i].size()));
  }
  const bool relative = !pt::has_drive(text) && !pt::is_unc(text);
  bool leading_dot_kept = false;
  bool changed = false;
  std::size_t floor = 0;
  std::size_t i = 0;
  while (i < parts.size()) {
    if (!all_dots(parts[i])) {
      ++i;
      continue;
    }
    if (parts[i].size() >= 3) {
      // n dots climb n-1 levels: ".." now, n-1 dots after it.
      parts.insert(parts.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                   std::string(parts[i].size() - 1, '.'));
      parts[i] = "..";
      changed = true;
    }
    if (parts[i] == ".") {
      if (i == 0 && relative) {
        leading_dot_kept = true;
        ++i;
      } else {
        parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(i));
        changed = true;
      }
      continue;
    }
    if (i == 1 && leading_dot_kept) {
      // ".\.." is the parent, "..", not the current directory.
      parts.erase(parts.begin());
      leading_dot_kept = false;
      changed = true;
      i = 0;
    } else if (i > floor) {
      parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(i) - 1,
                  parts.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      changed = true;
      --i;
    } else {
      floor = i + 1;
      ++i;
    }
  }
  if (!changed) return;

  std::string out(text.substr(0, spans[start].begin));
  for (std::size_t k = 0; k < parts.size(); ++k) {
    if (k > 0) out += '\\';
    out += parts[k];
  }
  const bool trailing_separator = spans.back().end < text.size();
  if (trailing_separator && !parts.empty()) out += '\\';
  assign(out);
}
