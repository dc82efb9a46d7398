#pragma once

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "run/host_file_system.h"
#include "run/text_stream.h"
#include "run/user_prompts.h"

namespace corvane::testing {

/// Records every box and answers questions from a script (Yes when it runs out).
class FakePrompts : public UserPrompts {
 public:
  void show_warning(const std::string& text) override { warnings.push_back(text); }
  bool ask_yes_no(const std::string& question) override {
    questions.push_back(question);
    if (answers.empty()) return true;
    bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }

  std::vector<std::string> warnings;
  std::vector<std::string> questions;
  std::vector<bool> answers;
};

/// The real file system, except for the volumes it reports, which a test
/// stages.
class FakeFileSystem : public RealFileSystem {
 public:
  std::optional<VolumeInfo> volume_of(const std::string& root) override {
    auto volume = volumes.find(root);
    if (volume == volumes.end()) return std::nullopt;
    return volume->second;
  }

  std::map<std::string, VolumeInfo> volumes{{"/", VolumeInfo{"posix", 255}}};
};

/// A fresh directory under the system's temporary directory, removed with
/// everything in it when the test ends.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::random_device random;
    std::filesystem::path base = std::filesystem::temp_directory_path();
    do {
      path_ = base / ("corvane_app_test_" + std::to_string(random()) + std::to_string(random()));
    } while (!std::filesystem::create_directory(path_));
  }
  ~ScratchDirectory() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  /// `name` inside the directory, as text.
  std::string file(const std::string& name) const { return (path_ / name).string(); }
  /// The directory with a trailing separator.
  std::string directory() const { return path_.string() + "/"; }

 private:
  std::filesystem::path path_;
};

inline std::string read_file(const std::string& path) {
  std::ifstream stream(path);
  std::ostringstream text;
  text << stream.rdbuf();
  return text.str();
}

/// A stream that keeps what is written to it, or refuses every write once
/// `full` is set.
class StringStream : public TextStream {
 public:
  explicit StringStream(std::string name) : name_(std::move(name)) {}
  std::string name() const override { return name_; }
  bool write(std::string_view piece) override {
    ++writes;
    if (full) return false;
    text += piece;
    return true;
  }
  std::string failure() const override { return full ? "the stream is full" : ""; }

  std::string text;
  int writes = 0;
  bool full = false;

 private:
  std::string name_;
};

inline void write_file(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

/// A log with its time stamps (" at ..." to the line's end) as " at TIME".
inline std::string without_times(const std::string& log) {
  static const std::regex kTime(" at .*");
  return std::regex_replace(log, kTime, " at TIME");
}

}  // namespace corvane::testing
