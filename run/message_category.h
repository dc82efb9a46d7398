#pragma once

#include <array>
#include <string_view>

namespace corvane {

enum class MessageCategory { INFO = 0, WARNING = 1, ERROR = 2, STATUS = 3 };

inline constexpr int kMessageCategoryCount = 4;

/// Line prefix of each category, with its leading blanks.
inline constexpr std::array<std::string_view, kMessageCategoryCount> kCategoryPrefix = {
    "   INFO: ", "   WARN: ", "  ERROR: ", "STATUS: "};

using CategoryCounts = std::array<int, kMessageCategoryCount>;

}  // namespace corvane
