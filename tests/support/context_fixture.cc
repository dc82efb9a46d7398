#include "support/context_fixture.h"

#include <utility>

#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane::testing {

ContextFixture::ContextFixture(std::string text) : input(std::move(text)) {
  ctx.log = &sink;
  scanner_open(ctx, input);
  scanner_reset_tables(ctx);
}

StatementFixture::StatementFixture(std::string text) : ContextFixture(std::move(text)) {
  next_token(ctx, MODE_DOT_KEYWORDS);
  ctx.dispatched_serial = ctx.statement_serial;
  ctx.statement_target = MAIN_OUTPUT;
}

std::string describe_token(const TranslationContext& ctx) {
  const int kind = ctx.token_kind;
  std::string text(token_text(ctx));
  std::string out = ctx.statement_ended ? "[^" : "[";
  switch (kind) {
    case TOK_EOF:
      return out + "eof]";
    case TOK_EOL:
      return out + "eol]";
    case TOK_NAME:
      return out + "name " + std::string(ctx.symbols[ctx.token_index].text) + "]";
    case TOK_CALL:
      return out + "call " + std::string(ctx.symbols[ctx.token_index].text) + "]";
    case TOK_NUMBER:
      return out + "num " + std::string(ctx.constants[ctx.token_index].text) + "]";
    case TOK_NUMBER_EXP:
      return out + "exp " + std::string(ctx.constants[ctx.token_index].text) + "]";
    default:
      break;
  }
  if (is_keyword_code(kind)) return out + "kw " + std::string(keyword_text(kind)) + "]";
  return out + text + "]";
}

std::string token_stream(std::string text, int mode) {
  ContextFixture fixture(std::move(text));
  std::string out;
  do {
    next_token(fixture.ctx, mode);
    out += describe_token(fixture.ctx);
  } while (fixture.ctx.token_kind != TOK_EOF);
  return out;
}

}  // namespace corvane::testing
