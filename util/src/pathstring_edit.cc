// pathstring operations that change the text: appending, extension and
// directory changes, and resolving against or relative to a base.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/util/pathstring.h"
#include "path_text.h"

namespace pt = corvane::path_text;

void pathstring::appendComponent(const char* component) { appendComponent(std::string(component)); }

void pathstring::appendComponent(const std::string& component) {
  // An empty text stays relative rather than gaining a root.
  assign(empty() ? component : pt::join(*this, component));
  removeExtraCharacters();
}

void pathstring::changeExt(const pathstring& ext) {
  const pt::span given = pt::extension(ext);
  const std::string wanted =
      given.empty() ? std::string(ext) : ext.substr(given.begin + 1, given.size() - 1);
  const pt::span current = pt::extension(*this);
  if (wanted.empty()) {
    erase(current.begin);
  } else if (current.empty()) {
    append(".").append(wanted);
  } else {
    replace(current.begin + 1, npos, wanted);
  }
}

void pathstring::changeExt(const char* ext) { changeExt(pathstring(ext)); }

void pathstring::changePath(const pathstring& path) {
  const pt::span directory = pt::path(path);
  const std::string name = substr(pt::base(*this).begin);
  if (directory.empty()) {
    assign(name);
  } else {
    assign(pt::join(std::string_view(path).substr(0, directory.end), name));
  }
  removeExtraCharacters();
}

// Prefix: this text's drive when only it has one, the base's drive for a
// rooted text, else the whole base.
void pathstring::assignRelativeTo(const pathstring& base) {
  tidyUp(false);
  const bool own_drive = hasDriveLetter();
  const bool base_drive = base.hasDriveLetter();
  if (isUNCname()) return;
  if (own_drive && size() > 2 && pt::is_separator((*this)[2])) return;
  if (own_drive && base.isUNCname()) return;
  if (own_drive && base_drive && !pt::equal_ignoring_case(getDrive(), base.getDrive())) return;

  std::string prefix;
  if (own_drive && !base_drive) {
    prefix = getDrive();
  } else if (!empty() && pt::is_separator(front())) {
    prefix = base.getDrive();
  } else {
    prefix = base;
  }
  if (prefix.empty()) return;
  assign(pt::join(prefix, std::string_view(*this).substr(own_drive ? 2 : 0)));
  tidyUp(false);
}

void pathstring::assignRelativeTo(const char* base) { assignRelativeTo(pathstring(base)); }

void pathstring::assignRelativeTo(const char* path, const char* base) {
  *this = path;
  assignRelativeTo(base);
}

void pathstring::assignRelativeTo(const char* path, const pathstring& base) {
  *this = path;
  assignRelativeTo(base);
}

void pathstring::assignRelativeTo(const std::string& path, const char* base) {
  *this = path;
  assignRelativeTo(base);
}

void pathstring::assignRelativeTo(const std::string& path, const pathstring& base) {
  *this = path;
  assignRelativeTo(base);
}

// The longest shared prefix of whole components is replaced by one dot
// more than the levels to climb; tidying expands "...\" into "..\..\".
int pathstring::makeRelativeTo(const pathstring& base) {
  const std::vector<pt::span> mine = pt::components(*this);
  const std::vector<pt::span> theirs = pt::components(base);
  const std::size_t shared = std::min(mine.size(), theirs.size());
  for (std::size_t k = shared; k > 0; --k) {
    const std::string_view own_prefix = std::string_view(*this).substr(0, mine[k - 1].end);
    const std::string_view base_prefix = std::string_view(base).substr(0, theirs[k - 1].end);
    if (!pt::equal_ignoring_case(own_prefix, base_prefix)) continue;
    std::string relative(theirs.size() - k + 1, '.');
    relative += '\\';
    relative += std::string_view(*this).substr(mine[k - 1].end);
    assign(relative);
    tidyUp(false);
    return static_cast<int>(k);
  }
  return 0;
}

int pathstring::makeRelativeTo(const char* base) { return makeRelativeTo(pathstring(base)); }

void pathstring::forceDotIfNoExt() {
  if (!empty() && pt::extension(*this).empty() && !pt::is_separator(back())) push_back('.');
}

void pathstring::forceEndInSlash() {
  // A lone "\" must not turn into the "\\" of a UNC name.
  if (!empty() && pt::is_separator(back())) return;
  push_back('\\');
  removeExtraCharacters();
}

void pathstring::clear() { std::string::clear(); }
