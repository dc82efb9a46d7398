#pragma once

#include <string>

namespace corvane {

/// A unified line diff of two texts ("-" expected, "+" actual, " " both),
/// with invisible characters shown: a trailing blank as "·", a tab as "→",
/// a carriage return as "\r", a missing final newline noted.
std::string unified_diff(const std::string& expected, const std::string& actual);

}  // namespace corvane
