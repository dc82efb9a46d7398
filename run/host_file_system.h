#pragma once

#include <optional>
#include <string>

namespace corvane {

/// The kind of file system that holds a path's root, and its longest name.
struct VolumeInfo {
  std::string file_system_name;  // "FAT", "NTFS", ... ; "posix" for "/" roots
  unsigned max_component_length = 255;
};

/// The few file-system services the run and the session log need, behind an
/// interface so tests can stage failures. Paths are host paths.
class HostFileSystem {
 public:
  virtual ~HostFileSystem() = default;
  virtual bool is_directory(const std::string& path) = 0;
  virtual bool is_regular_file(const std::string& path) = 0;
  /// Creates one directory (its parent must exist); true on success.
  virtual bool create_directory(const std::string& path) = 0;
  /// The volume holding `root` ("/" here, "C:\" or "\\server\share\" on
  /// Windows); empty when no such volume exists.
  virtual std::optional<VolumeInfo> volume_of(const std::string& root) = 0;
};

/// The host's real file system.
class RealFileSystem : public HostFileSystem {
 public:
  bool is_directory(const std::string& path) override;
  bool is_regular_file(const std::string& path) override;
  bool create_directory(const std::string& path) override;
  std::optional<VolumeInfo> volume_of(const std::string& root) override;
};

}  // namespace corvane
