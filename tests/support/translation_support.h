#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "translate/translate_file.h"

namespace corvane::testing {

/// One input translated in memory: the main text, the section texts by
/// name, the messages posted and the progress steps taken.
struct Translated {
  std::string text;
  std::vector<OutputSection> sections;
  std::vector<std::string> messages;
  std::vector<std::string> global_names;
  int options_dropped = 0;
  int steps = 0;
};

/// Translates `text` as a whole file.
Translated translate_whole(std::string_view text, bool single_subckt = true);

/// Translates `body` as the statements of a file whose first line is a
/// title, so that a statement may open `body`; the title is left out of
/// the main text.
Translated translate_body(std::string_view body, std::vector<std::string> global_names = {});

/// The messages that are warnings ("WARNING: ..."), in order.
std::vector<std::string> warnings(const Translated& translated);

/// True when `text` holds `line` as a whole line.
bool has_line(const std::string& text, const std::string& line);

/// How often `piece` occurs in `text`.
int count_of(const std::string& text, const std::string& piece);

}  // namespace corvane::testing
