#pragma once

#include <string>
#include <string_view>

#include "core/translate_file.h"
#include "core/translation_context.h"

namespace corvane::testing {

/// A context reading `text`, before its first token.
struct ScanFixture {
  explicit ScanFixture(std::string text);
  std::string input;
  RecordingSink sink;
  TranslationContext ctx;
};

/// The current token as "[kind text]": name, num, exp, call, kw, eol, eof,
/// or the operator itself; a token that starts a statement is marked "^".
std::string describe_token(const TranslationContext& ctx);

/// Every token of the input read with next_token in `mode`.
std::string token_stream(std::string text, int mode);

}  // namespace corvane::testing
