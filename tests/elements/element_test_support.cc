#include "element_test_support.h"

#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane::testing {

ElementFixture::ElementFixture(std::string text) : input(std::move(text)) {
  ctx.log = &sink;
  scanner_open(ctx, input);
  scanner_reset_tables(ctx);
  next_token(ctx, MODE_DOT_KEYWORDS);
  ctx.dispatched_serial = ctx.statement_serial;
}

Translated translate_lines(const std::string& lines) {
  RecordingSink sink;
  const TranslationOutput output = translate_text("title\n" + lines, TranslationOptions{}, sink);
  Translated result;
  result.text = output.main_text;
  const std::string title = "* title\n";
  if (result.text.starts_with(title)) result.text.erase(0, title.size());
  result.messages = sink.messages;
  return result;
}

}  // namespace corvane::testing
