#include "model_fixture.h"

#include <utility>

#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane::testing {

ModelFixture::ModelFixture(std::string text) : input(std::move(text)) {
  ctx.log = &sink;
  scanner_open(ctx, input);
  scanner_reset_tables(ctx);
  next_token(ctx, MODE_DOT_KEYWORDS);
  ctx.dispatched_serial = ctx.statement_serial;
  ctx.statement_target = MAIN_OUTPUT;
  next_token(ctx, MODE_NO_KEYWORDS);
  name = token_text(ctx);
  next_token(ctx, MODE_ALL_KEYWORDS);
}

Translated translate(const std::string& text, bool single_subckt) {
  RecordingSink sink;
  TranslationOptions options;
  options.mos_family_single_subckt = single_subckt;
  TranslationOutput output = translate_text(text, options, sink);
  return {std::move(output.main_text), std::move(sink.messages), sink.steps};
}

bool has_line(const std::string& text, const std::string& line) {
  return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

int count_of(const std::string& text, const std::string& piece) {
  int count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + piece.size())) {
    ++count;
  }
  return count;
}

}  // namespace corvane::testing
