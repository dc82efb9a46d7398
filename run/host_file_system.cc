#include "run/host_file_system.h"

#include <filesystem>
#include <system_error>

namespace corvane {
namespace {

constexpr unsigned kHostMaxComponentLength = 255;

}  // namespace

bool RealFileSystem::is_directory(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

bool RealFileSystem::is_regular_file(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

bool RealFileSystem::create_directory(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directory(path, error);
  // One that appeared meanwhile serves as well as one made here.
  return !error && is_directory(path);
}

std::optional<VolumeInfo> RealFileSystem::volume_of(const std::string& root) {
  // Drive letters and shares do not exist on this host; every absolute path
  // lies on the one tree under "/".
  if (root.empty() || root.front() != '/') return std::nullopt;
  return VolumeInfo{"posix", kHostMaxComponentLength};
}

}  // namespace corvane
