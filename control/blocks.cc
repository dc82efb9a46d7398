#include "control/blocks.h"

#include <string>

#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/token_stream.h"

namespace corvane {

// .alter [title] ... up to .alter, .end or the end  ->  echoed, reported
// "Found ALTER block that will not be translated (lines FIRST-LAST)"
void translate_alter(TranslationContext& ctx, int target, int /*code*/) {
  const int first = ctx.statement_start.line;
  int last = first;
  do {
    ctx.dispatched_serial = ctx.statement_serial;
    finish_statement(ctx, MODE_DOT_KEYWORDS);
    echo_lines(ctx, target, ctx.previous_statement_lines);
    ctx.previous_statement_lines.clear();
    last = ctx.scan.input_ended ? ctx.scan.line_number : ctx.statement_start.line - 1;
    // The next statement's first word was read with dot words looked up.
  } while (!ctx.scan.input_ended && ctx.token_kind != kw(".alter") && ctx.token_kind != kw(".end"));
  post_warning(ctx, "Found ALTER block that will not be translated",
               "lines " + std::to_string(first) + "-" + std::to_string(last));
}

}  // namespace corvane
