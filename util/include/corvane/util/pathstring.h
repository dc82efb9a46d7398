#ifndef CORVANE_UTIL_PATHSTRING_H_
#define CORVANE_UTIL_PATHSTRING_H_

#include <cstdint>
#include <string>

#include "corvane/util/export.h"
#include "corvane/util/file_time.h"

/// A Windows path name kept in canonical form: "\" separators, no quotes, no
/// stray blanks, no "." or ".." components. The text operations follow
/// Windows path rules on every platform ("/" is read as a separator, "X:" is
/// a drive, a leading "\\" starts a UNC name, names compare ignoring case).
///
/// The file-system operations ask the host. Elsewhere than on Windows the
/// text is handed to the host's own file system with "\" read as "/"; a name
/// with a drive or a UNC name is never found there, and the short-name form
/// of an existing path is the path itself.
///
/// Components: the text split at separators, empty pieces not counted; a
/// drive "X:" is component 0. Every decomposition comes in three forms: a
/// new pathstring, filling a caller's string, or a (begin, end) range into
/// this object's text that stays valid until the object changes.
///
/// The class adds no data members: its layout is the standard string's.
class CORVANE_UTIL_API pathstring : public std::string {
 public:
  pathstring(const allocator_type& alloc = allocator_type());
  pathstring(const pathstring& other);
  /// Copied as it is, not tidied.
  pathstring(const std::string& text);
  /// The constructors below tidy the text (tidyUp(false)).
  pathstring(const pathstring& other, size_type pos, size_type count,
             const allocator_type& alloc = allocator_type());
  pathstring(const char* text, const allocator_type& alloc = allocator_type());
  pathstring(const char* text, size_type count, const allocator_type& alloc = allocator_type());
  pathstring(const char* first, const char* last, const allocator_type& alloc = allocator_type());
  ~pathstring();

  /// Copied as it is.
  pathstring& operator=(const pathstring& other);
  /// Both tidy the new text.
  pathstring& operator=(const std::string& text);
  pathstring& operator=(const char* text);

  /// Collapses separators and blanks and resolves "." and ".."; with `full`
  /// also replaces the text by the host's full path name of it (kept as it
  /// is when the host cannot give one).
  void tidyUp(bool full);

  /// "X:" or empty.
  pathstring getDrive() const;
  void getDrive(std::string& out) const;
  void getDrive(const char*& begin, const char*& end) const;
  pathstring getDriveNoColon() const;
  void getDriveNoColon(std::string& out) const;
  void getDriveNoColon(const char*& begin, const char*& end) const;
  /// From the start through the last separator.
  pathstring getPath() const;
  void getPath(std::string& out) const;
  void getPath(const char*& begin, const char*& end) const;
  pathstring getPathNoSlash() const;
  void getPathNoSlash(std::string& out) const;
  void getPathNoSlash(const char*& begin, const char*& end) const;
  /// As getPath, after the drive.
  pathstring getDirectory() const;
  void getDirectory(std::string& out) const;
  void getDirectory(const char*& begin, const char*& end) const;
  /// The file name with its extension.
  pathstring getBase() const;
  void getBase(std::string& out) const;
  void getBase(const char*& begin, const char*& end) const;
  /// The file name without its extension.
  pathstring getRoot() const;
  void getRoot(std::string& out) const;
  void getRoot(const char*& begin, const char*& end) const;
  /// From the last "." of the file name to the end, with the dot.
  pathstring getExt() const;
  void getExt(std::string& out) const;
  void getExt(const char*& begin, const char*& end) const;
  pathstring getExtNoDot() const;
  void getExtNoDot(std::string& out) const;
  void getExtNoDot(const char*& begin, const char*& end) const;
  pathstring getNameNoExt() const;
  void getNameNoExt(std::string& out) const;
  void getNameNoExt(const char*& begin, const char*& end) const;
  /// "\\server\share" of a UNC name, else empty.
  pathstring getUNCShareName() const;
  void getUNCShareName(std::string& out) const;
  void getUNCShareName(const char*& begin, const char*& end) const;
  /// Empty, at the end of the text, when `index` is out of range.
  pathstring getPathComponent(int index) const;
  void getPathComponent(int index, std::string& out) const;
  void getPathComponent(int index, const char*& begin, const char*& end) const;

  int getNumberOfComponents() const;
  bool hasDriveLetter() const;
  bool isUNCname() const;
  /// True when the leading components of this text are those of `dir`.
  bool isInDirectory(const pathstring& dir) const;
  bool isInDirectory(const char* dir) const;
  /// Same length and equal ignoring case.
  bool compareEqualQuickly(const pathstring& other) const;
  /// Negative, zero or positive in the host's case-insensitive name order;
  /// the text overload tidies `other` first.
  int compareExactNames(const pathstring& other) const;
  int compareExactNames(const char* other) const;

  /// Adds "\" and the component; no separator is added to an empty text or
  /// one that already ends in a separator.
  void appendComponent(const char* component);
  void appendComponent(const std::string& component);
  /// Takes the extension of `ext` (or all of it when it has none); an empty
  /// one removes the current extension. The text overload tidies `ext`.
  void changeExt(const pathstring& ext);
  void changeExt(const char* ext);
  /// Puts the file name of this text after the directory part of `path`.
  void changePath(const pathstring& path);
  /// Resolves this text against the directory `base`; a UNC name, a name
  /// rooted on a drive, or one on another drive than `base` is left as is.
  void assignRelativeTo(const pathstring& base);
  void assignRelativeTo(const char* base);
  void assignRelativeTo(const char* path, const char* base);
  void assignRelativeTo(const char* path, const pathstring& base);
  void assignRelativeTo(const std::string& path, const char* base);
  void assignRelativeTo(const std::string& path, const pathstring& base);
  /// Rewrites this text relative to the directory `base` (".\", "..\"...);
  /// returns the number of leading components shared, 0 leaving it as is.
  int makeRelativeTo(const pathstring& base);
  int makeRelativeTo(const char* base);
  void forceDotIfNoExt();
  void forceEndInSlash();
  void clear();

  bool exists() const;
  bool existsDirectory() const;
  bool existsFile() const;
  bool isReadOnly() const;
  /// False when the attribute cannot be read or set.
  bool setReadOnly(bool on) const;
  /// 0 when nothing is found.
  std::uint64_t getFileSize() const;
  /// A zero time and false when nothing is found.
  bool getFileTime_LastWrite(FILETIME& time) const;
  /// Needs the file to open for writing; changes only the last-write time.
  bool setFileTime_LastWrite(const FILETIME& time) const;
  /// Creates every missing directory of the path; false at the first failure
  /// or when an existing prefix is not a directory.
  bool createDirectory() const;
  /// Long-name form; returns 0 when every component was found, else the
  /// number of components after the first one not found.
  int getLFN(std::string& out) const;
  /// Short-name form; returns 0 when the whole path converts, else the
  /// number of components left unconverted plus two.
  int getSFN(std::string& out) const;

 private:
  void removeExtraCharacters();
  void removeDotDirectorySpecifiers();
};

#endif  // CORVANE_UTIL_PATHSTRING_H_
