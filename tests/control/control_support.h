#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/translate_file.h"

namespace corvane::testing {

/// One input translated in memory: the main text less its title line, the
/// section texts by name, and the messages posted.
struct Translated {
  std::string main;
  std::vector<OutputSection> sections;
  std::vector<std::string> messages;
  std::vector<std::string> global_names;
};

/// Translates `body` as the statements of a file whose first line is a
/// title, so that a statement may open `body`.
Translated translate(std::string_view body, std::vector<std::string> global_names = {});

/// The messages that are warnings ("WARNING: ..."), in order.
std::vector<std::string> warnings(const Translated& translated);

}  // namespace corvane::testing
