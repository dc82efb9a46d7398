#pragma once

#include "core/token_node_list.h"
#include "core/translation_context.h"

namespace corvane {

inline void token_list_add(int kind, int value, TokenList& list) { list.push_back({kind, value}); }

/// Replaces `left` by the combination of both lists: optionally "{ " first,
/// "(" left operator right ")" when parenthesised, " }" last. An empty side
/// leaves the other only wrapped in the braces asked for. `operator_kind`
/// TOK_EOF adds no operator.
void token_list_combine(bool parenthesise, TokenList& left, const TokenList& right, bool open_brace,
                        bool close_brace, int operator_kind);

/// Writes every piece, then one blank unless told not to.
void token_list_write(TranslationContext& ctx, int target, const TokenList& list,
                      bool blank = true);

}  // namespace corvane
