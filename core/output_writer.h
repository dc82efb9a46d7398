#pragma once

#include <string>
#include <string_view>

#include "core/names.h"
#include "core/translation_context.h"

namespace corvane {

/// The output text a target names.
inline OutputText& output_of(TranslationContext& ctx, int target) {
  return ctx.outputs[static_cast<std::size_t>(target)];
}

/// Appends `text`, the characters that Ondrel names cannot hold respelled
/// (see `note_respelled`), then a blank if asked.
inline void write_text(TranslationContext& ctx, int target, std::string_view text, bool blank) {
  if (output_of(ctx, target).append_respelled(text, blank)) [[unlikely]] {
    note_respelled(ctx, target, text, blank);
  }
}

/// Appends `text` as `write_text` does, then a newline; an empty text ends
/// the current output line.
void write_line(TranslationContext& ctx, int target, std::string_view text);

/// Appends `text` as it stands, then a newline: file names, echoed source.
void write_verbatim_line(TranslationContext& ctx, int target, std::string_view text);

/// Appends source comment lines: each run of "*" starts a piece written as
/// one "*" and the piece; empty pieces are dropped.
void write_comment(TranslationContext& ctx, int target, std::string_view text);

/// Deletes every ".".
std::string strip_dots(std::string_view text);
/// Puts "x" in front of `text`.
std::string prefix_x(std::string_view text);

/// Drops the unfinished last line of a target (everything after its last
/// newline).
void drop_unfinished_line(TranslationContext& ctx, int target);

/// Starts a new `.lib` section text; returns its target.
int open_section(TranslationContext& ctx, std::string_view name);

}  // namespace corvane
