#pragma once

#include <string>

#include "core/translation_context.h"
#include "translate/translate_file.h"

namespace corvane::testing {

/// A context reading `text`, before its first token; messages go to `sink`.
struct ContextFixture {
  explicit ContextFixture(std::string text);
  std::string input;
  RecordingSink sink;
  TranslationContext ctx;
};

/// A context reading `text`, its first statement in hand with that
/// statement's first token current: where statement translators start.
struct StatementFixture : ContextFixture {
  explicit StatementFixture(std::string text);
};

/// The current token as "[kind text]": name, num, exp, call, kw, eol, eof,
/// or the operator itself; a token that starts a statement is marked "^".
std::string describe_token(const TranslationContext& ctx);

/// Every token of the input read with next_token in `mode`.
std::string token_stream(std::string text, int mode);

}  // namespace corvane::testing
