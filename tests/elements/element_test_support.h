#pragma once

#include <string>
#include <vector>

#include "core/translate_file.h"
#include "core/translation_context.h"

namespace corvane::testing {

/// A context reading `text`, positioned on its first statement's first
/// token.
struct ElementFixture {
  explicit ElementFixture(std::string text);
  std::string input;
  RecordingSink sink;
  TranslationContext ctx;
};

/// What translating `lines` gives: the main text without its title line,
/// and the warnings posted.
struct Translated {
  std::string text;
  std::vector<std::string> messages;
};

/// Translates `lines` (a title line is put in front).
Translated translate_lines(const std::string& lines);

}  // namespace corvane::testing
