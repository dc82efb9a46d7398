#pragma once

#include "core/translation_context.h"

namespace corvane {

// Element translators, one per HSPICE element letter. Each is called with the
// element name current, consumes the statement, writes to `target` and
// returns with the next statement's first token current. `code` is the
// keyword of the element letter.

void translate_r(TranslationContext& ctx, int target, int code);
void translate_c(TranslationContext& ctx, int target, int code);
void translate_l(TranslationContext& ctx, int target, int code);
/// K lines: the coupling of two inductors.
void translate_k(TranslationContext& ctx, int target, int code);

void translate_d(TranslationContext& ctx, int target, int code);
void translate_q(TranslationContext& ctx, int target, int code);
void translate_j(TranslationContext& ctx, int target, int code);
void translate_m(TranslationContext& ctx, int target, int code);

/// E, F, G and H lines; `code` tells which of the four letters.
void translate_efgh(TranslationContext& ctx, int target, int code);

/// V and I lines: copied, with their nodes as declared global.
void translate_independent_source(TranslationContext& ctx, int target, int code);

void translate_t(TranslationContext& ctx, int target, int code);
void translate_x(TranslationContext& ctx, int target, int code);

}  // namespace corvane
