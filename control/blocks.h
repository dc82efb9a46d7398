#pragma once

#include <string_view>
#include <vector>

#include "core/translation_context.h"

namespace corvane {

/// Reads the statement in hand whole as one statement of a block that is
/// taken in as a whole, and gives its lines; the next statement's first
/// word is read with dot words looked up.
std::vector<std::string_view> read_block_statement(TranslationContext& ctx);

/// The last line of a block read so far: the line before the statement in
/// hand, or the input's last line.
LineNumber block_last_line(const TranslationContext& ctx);

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
