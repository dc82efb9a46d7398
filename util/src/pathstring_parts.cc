// pathstring decomposition and queries on the text.
#include <string>
#include <string_view>
#include <vector>

#include "corvane/util/pathstring.h"
#include "host_fs.h"
#include "path_text.h"

namespace pt = corvane::path_text;

namespace {

// The three result forms of every decomposition.
pathstring as_new(const std::string& text, pt::span part) {
  return pathstring(text.substr(part.begin, part.size()));
}

void as_filled(const std::string& text, pt::span part, std::string& out) {
  out.assign(text, part.begin, part.size());
}

void as_range(const std::string& text, pt::span part, const char*& begin, const char*& end) {
  begin = text.data() + part.begin;
  end = text.data() + part.end;
}

}  // namespace

pathstring pathstring::getDrive() const { return as_new(*this, pt::drive(*this)); }
void pathstring::getDrive(std::string& out) const { as_filled(*this, pt::drive(*this), out); }
void pathstring::getDrive(const char*& begin, const char*& end) const {
  as_range(*this, pt::drive(*this), begin, end);
}

pathstring pathstring::getDriveNoColon() const { return as_new(*this, pt::drive_letter(*this)); }
void pathstring::getDriveNoColon(std::string& out) const {
  as_filled(*this, pt::drive_letter(*this), out);
}
void pathstring::getDriveNoColon(const char*& begin, const char*& end) const {
  as_range(*this, pt::drive_letter(*this), begin, end);
}

pathstring pathstring::getPath() const { return as_new(*this, pt::path(*this)); }
void pathstring::getPath(std::string& out) const { as_filled(*this, pt::path(*this), out); }
void pathstring::getPath(const char*& begin, const char*& end) const {
  as_range(*this, pt::path(*this), begin, end);
}

pathstring pathstring::getPathNoSlash() const { return as_new(*this, pt::path_no_slash(*this)); }
void pathstring::getPathNoSlash(std::string& out) const {
  as_filled(*this, pt::path_no_slash(*this), out);
}
void pathstring::getPathNoSlash(const char*& begin, const char*& end) const {
  as_range(*this, pt::path_no_slash(*this), begin, end);
}

pathstring pathstring::getDirectory() const { return as_new(*this, pt::directory(*this)); }
void pathstring::getDirectory(std::string& out) const {
  as_filled(*this, pt::directory(*this), out);
}
void pathstring::getDirectory(const char*& begin, const char*& end) const {
  as_range(*this, pt::directory(*this), begin, end);
}

pathstring pathstring::getBase() const { return as_new(*this, pt::base(*this)); }
void pathstring::getBase(std::string& out) const { as_filled(*this, pt::base(*this), out); }
void pathstring::getBase(const char*& begin, const char*& end) const {
  as_range(*this, pt::base(*this), begin, end);
}

pathstring pathstring::getRoot() const { return as_new(*this, pt::root(*this)); }
void pathstring::getRoot(std::string& out) const { as_filled(*this, pt::root(*this), out); }
void pathstring::getRoot(const char*& begin, const char*& end) const {
  as_range(*this, pt::root(*this), begin, end);
}

pathstring pathstring::getExt() const { return as_new(*this, pt::extension(*this)); }
void pathstring::getExt(std::string& out) const { as_filled(*this, pt::extension(*this), out); }
void pathstring::getExt(const char*& begin, const char*& end) const {
  as_range(*this, pt::extension(*this), begin, end);
}

pathstring pathstring::getExtNoDot() const { return as_new(*this, pt::extension_no_dot(*this)); }
void pathstring::getExtNoDot(std::string& out) const {
  as_filled(*this, pt::extension_no_dot(*this), out);
}
void pathstring::getExtNoDot(const char*& begin, const char*& end) const {
  as_range(*this, pt::extension_no_dot(*this), begin, end);
}

pathstring pathstring::getNameNoExt() const { return as_new(*this, pt::name_no_extension(*this)); }
void pathstring::getNameNoExt(std::string& out) const {
  as_filled(*this, pt::name_no_extension(*this), out);
}
void pathstring::getNameNoExt(const char*& begin, const char*& end) const {
  as_range(*this, pt::name_no_extension(*this), begin, end);
}

pathstring pathstring::getUNCShareName() const { return as_new(*this, pt::unc_share_name(*this)); }
void pathstring::getUNCShareName(std::string& out) const {
  as_filled(*this, pt::unc_share_name(*this), out);
}
void pathstring::getUNCShareName(const char*& begin, const char*& end) const {
  as_range(*this, pt::unc_share_name(*this), begin, end);
}

pathstring pathstring::getPathComponent(int index) const {
  return as_new(*this, pt::component(*this, index));
}
void pathstring::getPathComponent(int index, std::string& out) const {
  as_filled(*this, pt::component(*this, index), out);
}
void pathstring::getPathComponent(int index, const char*& begin, const char*& end) const {
  as_range(*this, pt::component(*this, index), begin, end);
}

int pathstring::getNumberOfComponents() const {
  return static_cast<int>(pt::components(*this).size());
}

bool pathstring::hasDriveLetter() const { return pt::has_drive(*this); }

bool pathstring::isUNCname() const { return pt::is_unc(*this); }

// Both texts are cut after the last component of `dir` and compared.
bool pathstring::isInDirectory(const pathstring& dir) const {
  const std::vector<pt::span> mine = pt::components(*this);
  const std::vector<pt::span> theirs = pt::components(dir);
  if (mine.size() < theirs.size()) return false;
  if (theirs.empty()) return true;
  const pathstring own_part(data(), mine[theirs.size() - 1].end);
  const pathstring dir_part(dir.data(), theirs.back().end);
  return own_part.compareEqualQuickly(dir_part);
}

bool pathstring::isInDirectory(const char* dir) const { return isInDirectory(pathstring(dir)); }

bool pathstring::compareEqualQuickly(const pathstring& other) const {
  return pt::equal_ignoring_case(*this, other);
}

int pathstring::compareExactNames(const pathstring& other) const {
  return corvane::host::compare_names(*this, other);
}

int pathstring::compareExactNames(const char* other) const {
  return compareExactNames(pathstring(other));
}
