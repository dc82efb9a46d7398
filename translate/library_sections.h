#pragma once

#include <string>
#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// Translates a `.lib` statement at the top level: a library reference, or
/// a section definition, whose statements up to `.endl` go to a section
/// text of their own (one output file per section).
void translate_lib(TranslationContext& ctx, int target, int code);

/// Translates a `.lib` statement inside a section: only a library reference
/// can stand there.
void translate_nested_lib(TranslationContext& ctx, int section, int code);

/// The longest section name that goes into a file name whole.
inline constexpr std::size_t MAX_SECTION_NAME_LENGTH = 100;

/// The file Corvane writes for section `entry` of the library `file`, as a
/// reference names it: `file` less its extension, "_", the section as its
/// file name has it (lower case), ".lib" (models/corners.l, TT ->
/// models/corners_tt.lib).
std::string section_file_reference(std::string_view file, std::string_view entry);

/// What a section name becomes in its file name: characters that file
/// systems refuse (< > : " / \ | ? * and control characters) are replaced
/// by "_", and a name longer than MAX_SECTION_NAME_LENGTH is cut.
std::string section_file_part(std::string_view name);

}  // namespace corvane
