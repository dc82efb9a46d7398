// pathstring queries and changes on the file system, through the host layer.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/util/pathstring.h"
#include "host_fs.h"
#include "path_text.h"

namespace pt = corvane::path_text;
namespace host = corvane::host;

namespace {

std::string up_to(const std::string& text, pt::span part) { return text.substr(0, part.end); }

std::string from(const std::string& text, pt::span part) { return text.substr(part.begin); }

}  // namespace

bool pathstring::exists() const { return host::read_attributes(*this).has_value(); }

bool pathstring::existsDirectory() const {
  const auto found = host::read_attributes(*this);
  return found && found->directory;
}

bool pathstring::existsFile() const {
  const auto found = host::read_attributes(*this);
  return found && !found->directory;
}

bool pathstring::isReadOnly() const {
  const auto found = host::read_attributes(*this);
  return found && found->read_only;
}

bool pathstring::setReadOnly(bool on) const {
  const auto found = host::read_attributes(*this);
  if (!found) return false;
  if (found->read_only == on) return true;
  return host::write_read_only(*this, on);
}

std::uint64_t pathstring::getFileSize() const {
  const auto found = host::find_first(*this);
  return found ? found->size : 0;
}

bool pathstring::getFileTime_LastWrite(FILETIME& time) const {
  const auto found = host::find_first(*this);
  time = found ? found->last_write : FILETIME{};
  return found.has_value();
}

bool pathstring::setFileTime_LastWrite(const FILETIME& time) const {
  return host::write_last_write_time(*this, time);
}

// Walks back to the longest existing prefix, then creates the rest in order.
// A drive, or a UNC server, is never created; the first component of any
// other path is a directory like the others.
bool pathstring::createDirectory() const {
  const std::vector<pt::span> parts = pt::components(*this);
  const std::size_t lowest = (hasDriveLetter() || isUNCname()) ? 1 : 0;
  std::size_t missing = parts.size();
  while (missing > lowest) {
    const auto found = host::read_attributes(up_to(*this, parts[missing - 1]));
    if (found) {
      if (!found->directory) return false;
      break;
    }
    --missing;
  }
  for (std::size_t i = missing; i < parts.size(); ++i) {
    if (!host::make_directory(up_to(*this, parts[i]))) return false;
  }
  return true;
}

// The root is kept as written; every later component takes the name the
// file system reports for it.
int pathstring::getLFN(std::string& out) const {
  if (empty()) return 0;
  const std::vector<pt::span> parts = pt::components(*this);
  const std::size_t first = pt::first_local_component(*this);
  if (first >= parts.size()) {
    out = *this;
    return 0;
  }
  pathstring result(std::string(pt::is_rooted(*this) ? "\\" : "."));
  if (first > 0) result = pathstring(substr(0, parts[first].begin));
  for (std::size_t i = first; i < parts.size(); ++i) {
    const std::optional<host::found_entry> found = host::find_first(up_to(*this, parts[i]));
    if (!found) {
      result.appendComponent(from(*this, parts[i]));
      out = result;
      return static_cast<int>(parts.size() - 1 - i);
    }
    result.appendComponent(found->name);
  }
  out = result;
  return 0;
}

// Falls back to the longest prefix that converts, with the rest appended.
int pathstring::getSFN(std::string& out) const {
  if (empty()) return 0;
  if (const auto whole = host::short_path_name(*this)) {
    out = *whole;
    return 0;
  }
  const std::vector<pt::span> parts = pt::components(*this);
  for (std::size_t kept = parts.empty() ? 0 : parts.size() - 1; kept > 0; --kept) {
    if (const auto prefix = host::short_path_name(up_to(*this, parts[kept - 1]))) {
      pathstring result(*prefix);
      result.appendComponent(from(*this, parts[kept]));
      out = result;
      return static_cast<int>(parts.size() - kept) + 2;
    }
  }
  out = *this;
  return static_cast<int>(parts.size()) + 2;
}
