#pragma once

#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "run/message_category.h"

namespace corvane {

class UserPrompts;
class HostFileSystem;
class TemporaryFiles;

/// Which categories and numbered messages are suppressed. Parsed once per
/// process from the setting CorvaneMsgFilter (comma-separated pieces:
/// STATUS, INFO, WARNING, ERROR, or a message id with optional "FWK").
class MessageFilter {
 public:
  MessageFilter() = default;
  explicit MessageFilter(std::string_view text);
  bool suppresses(MessageCategory category, int id) const;
  void set_category(MessageCategory category, bool suppressed);

 private:
  mutable std::mutex mutex_;
  bool category_suppressed_[kMessageCategoryCount] = {false, false, false, false};
  std::set<int> suppressed_ids_;
};

struct HeldMessage {
  int id = 0;
  MessageCategory category = MessageCategory::INFO;
  std::string text;
};

/// Messages of the categories INFO, WARNING and ERROR that passed the filter;
/// kept for the life of the process and never written to a file.
class HeldMessages {
 public:
  void add(HeldMessage message);
  bool empty() const;
  std::vector<HeldMessage> snapshot() const;

 private:
  mutable std::mutex mutex_;
  std::vector<HeldMessage> messages_;
};

/// What every session log of one process shares: the front end creates one
/// and hands it to each run. Safe to share between concurrent runs.
struct LogEnvironment {
  MessageFilter filter;
  HeldMessages held;
  UserPrompts& prompts;
  HostFileSystem& file_system;
  /// Tracks the files being written so an interrupt can remove them; none
  /// when null.
  TemporaryFiles* temporary_files = nullptr;
};

/// Reads CorvaneMsgFilter from the process environment (at most 511
/// characters; empty when unset).
std::string message_filter_setting();

}  // namespace corvane
