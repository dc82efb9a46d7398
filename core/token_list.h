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

/// Writes every piece, then one blank unless told not to. A brace group
/// inside a brace group (also one the line has open) is written in
/// parentheses.
void token_list_write(TranslationContext& ctx, int target, const TokenList& list,
                      bool blank = true);

/// `token_list_write` where the caller knows the line has no brace open.
void token_list_write_outside_braces(TranslationContext& ctx, int target, const TokenList& list);

}  // namespace corvane
