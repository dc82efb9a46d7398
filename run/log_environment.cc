#include "run/log_environment.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <limits>
#include <optional>

#include "run/split_quoted.h"

namespace corvane {
namespace {

constexpr size_t kMaxFilterSetting = 511;

std::string_view trim(std::string_view text) {
  auto is_space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
  while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
  return text;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

// "42", "FWK0042", "FWK" (id 0); nullopt for anything else, including a
// number too large to be any message's id.
std::optional<int> parse_message_id(std::string_view piece) {
  if (piece.substr(0, 3) == "FWK") piece.remove_prefix(3);
  long long value = 0;
  for (char c : piece) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > std::numeric_limits<int>::max()) return std::nullopt;
  }
  return static_cast<int>(value);
}

}  // namespace

MessageFilter::MessageFilter(std::string_view text) {
  constexpr std::string_view kCategoryWords[kMessageCategoryCount] = {"INFO", "WARNING", "ERROR",
                                                                      "STATUS"};
  for (const std::string& raw_piece : split_quoted(text, ',', '"')) {
    std::string_view piece = trim(raw_piece);
    // A blank piece (as in "status, ") names nothing; reading it as id 0 would
    // silence every unnumbered message.
    if (piece.empty()) continue;
    auto word =
        std::find_if(std::begin(kCategoryWords), std::end(kCategoryWords),
                     [piece](std::string_view w) { return equals_ignoring_case(piece, w); });
    if (word != std::end(kCategoryWords)) {
      category_suppressed_[word - std::begin(kCategoryWords)] = true;
    } else if (std::optional<int> id = parse_message_id(piece)) {
      suppressed_ids_.insert(*id);
    }
  }
}

bool MessageFilter::suppresses(MessageCategory category, int id) const {
  std::lock_guard lock(mutex_);
  return category_suppressed_[static_cast<int>(category)] || suppressed_ids_.count(id) != 0;
}

void MessageFilter::set_category(MessageCategory category, bool suppressed) {
  std::lock_guard lock(mutex_);
  category_suppressed_[static_cast<int>(category)] = suppressed;
}

void HeldMessages::add(HeldMessage message) {
  std::lock_guard lock(mutex_);
  messages_.push_back(std::move(message));
}

bool HeldMessages::empty() const {
  std::lock_guard lock(mutex_);
  return messages_.empty();
}

std::vector<HeldMessage> HeldMessages::snapshot() const {
  std::lock_guard lock(mutex_);
  return messages_;
}

std::string message_filter_setting() {
  const char* value = std::getenv("CorvaneMsgFilter");
  if (value == nullptr) return {};
  std::string setting(value);
  if (setting.size() > kMaxFilterSetting) {
    // Keep only whole pieces: a cut "FWK12345" would silence message 12.
    bool cut_inside_piece = setting[kMaxFilterSetting] != ',';
    setting.resize(kMaxFilterSetting);
    if (cut_inside_piece) {
      size_t last_comma = setting.rfind(',');
      setting.resize(last_comma == std::string::npos ? 0 : last_comma);
    }
  }
  return setting;
}

}  // namespace corvane
