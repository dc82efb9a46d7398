#pragma once

#include "core/translation_context.h"

namespace corvane {

/// `.alter` and everything after it up to the next `.alter`, `.end` or the
/// end of input: HSPICE runs such a block as a simulation of its own, which
/// Ondrel has no way to say. The block is echoed and reported once, with
/// its lines.
void translate_alter(TranslationContext& ctx, int target, int code);

}  // namespace corvane
