#include "control/control_tokens.h"

#include <algorithm>
#include <string>

#include "core/scanner.h"

namespace corvane {

std::string_view current_word(const TranslationContext& ctx) {
  if (ctx.statement_ended) return {};
  if (ctx.token_kind != TOK_NAME && !is_keyword_code(ctx.token_kind)) return {};
  return token_text(ctx);
}

}  // namespace corvane
