#pragma once

#include "core/translation_context.h"

namespace corvane {

/// `.alter` and everything after it up to the next `.alter`, `.end` or the
/// end of input: HSPICE runs such a block as a simulation of its own, which
/// Ondrel has no way to say. The block is echoed and reported once, with
/// its lines.
void translate_alter(TranslationContext& ctx, int target, int code);

/// `.if (C) ... [.elseif (C) ...] [.else ...] .endif`: branches that hold
/// only `.param` definitions become conditional parameter values; any other
/// content makes the whole construct echoed and reported.
void translate_if(TranslationContext& ctx, int target, int code);

/// `.elseif`, `.else` or `.endif` with no `.if` before it: reported.
void translate_stray_branch(TranslationContext& ctx, int target, int code);

}  // namespace corvane
