#pragma once

#include <string>

#include "core/translation_context.h"

namespace corvane {

/// Translate the output requests `.print` and `.plot` on `target`.
void translate_print(TranslationContext& ctx, int target, int code);
void translate_plot(TranslationContext& ctx, int target, int code);

/// `.ic` and `.nodeset`: copied, each node inside v( ) written as declared
/// global; `..._to_main` writes to the main text whatever the target.
void translate_initial_conditions(TranslationContext& ctx, int target, int code);
void translate_initial_conditions_to_main(TranslationContext& ctx, int target, int code);
/// `.four`, `.noise` and `.sens`: copied likewise, their output nodes
/// written as elements write them.
void translate_node_requests(TranslationContext& ctx, int target, int code);

/// Reads a call with its arguments up to its ")" (v(out), i(v1), v(a,b))
/// into `text`, written without blanks, and reads the token after it with
/// `mode_after`. With `global_nodes` the arguments are node names and get
/// their global prefix. False when the statement ends before the ")" or
/// something other than a name or number stands inside.
bool read_call_group(TranslationContext& ctx, std::string& text, int mode_after,
                     bool global_nodes = false);

}  // namespace corvane
