#pragma once

#include <string>

#include "core/translate_file.h"
#include "core/translation_context.h"

namespace corvane::testing {

/// A context reading `text`, a `.model` statement and what follows it, with
/// the card's kind word current: where the model readers start.
struct ModelFixture {
  explicit ModelFixture(std::string text);
  std::string input;
  RecordingSink sink;
  TranslationContext ctx;
  std::string name;  // the model name as read
};

/// The main output and the messages of translating `text` in memory.
struct Translated {
  std::string text;
  std::vector<std::string> messages;
  int steps = 0;
};
Translated translate(const std::string& text, bool single_subckt = true);

/// True when `text` holds `line` as a whole line.
bool has_line(const std::string& text, const std::string& line);

/// How often `piece` occurs in `text`.
int count_of(const std::string& text, const std::string& piece);

}  // namespace corvane::testing
