#pragma once

#include <string>

#include "core/translation_context.h"

namespace corvane {

/// Translate the statements that name files or nodes: `.include`/`.inc` (on
/// `target`), `.load`, `.save` and `.global`.
void translate_include(TranslationContext& ctx, int target, int code);
void translate_load(TranslationContext& ctx, int target, int code);
void translate_save(TranslationContext& ctx, int target, int code);
void translate_global(TranslationContext& ctx, int target, int code);
/// `.data NAME ... .enddata`: Ondrel has no data blocks. The whole block,
/// its rows included, is echoed and reported once (the rows would be read
/// as elements otherwise).
void translate_data(TranslationContext& ctx, int target, int code);
/// The same inside a subcircuit.
void translate_data_in_subckt(TranslationContext& ctx, int target, int code);

/// `.end` is written as it stands; anything after it on its line is dropped.
void translate_end(TranslationContext& ctx, int target, int code);

/// The file name in quotes on the current line, in double quotes and
/// original case (the current token's text when the line has none); the
/// rest of the line is skipped. A name without its closing quote runs to
/// the end of the line, less trailing blanks, and is reported.
std::string read_file_name(TranslationContext& ctx);

}  // namespace corvane
