#include "control/blocks.h"

#include <string>

#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/token_stream.h"

namespace corvane {

std::vector<std::string_view> read_block_statement(TranslationContext& ctx) {
  ctx.dispatched_serial = ctx.statement_serial;
  finish_statement(ctx, MODE_DOT_KEYWORDS);
  std::vector<std::string_view> lines;
  lines.swap(ctx.previous_statement_lines);
  return lines;
}

LineNumber block_last_line(const TranslationContext& ctx) {
  return ctx.scan.input_ended ? ctx.scan.line_number : ctx.statement_start.line - 1;
}

// .alter [title] ... up to .alter, .end or the end  ->  echoed, reported
// "Found ALTER block that will not be translated (lines FIRST-LAST)"
void translate_alter(TranslationContext& ctx, int target, int /*code*/) {
  const LineNumber first = ctx.statement_start.line;
  LineNumber last = first;
  do {
    echo_lines(ctx, target, read_block_statement(ctx));
    last = block_last_line(ctx);
  } while (!ctx.scan.input_ended && ctx.token_kind != kw(".alter") && ctx.token_kind != kw(".end"));
  post_warning(ctx, "Found ALTER block that will not be translated",
               "lines " + std::to_string(first) + "-" + std::to_string(last));
}

}  // namespace corvane
