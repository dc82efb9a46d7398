#pragma once

#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// Reports a statement that cannot be translated: drops the unfinished output
/// line, echoes the statement's source lines into `target` as "****" lines,
/// posts "WARNING: message (source_text)" and moves on to the next statement.
/// A statement is rejected once; later calls for it do nothing.
void warn_and_skip(TranslationContext& ctx, int target, std::string_view message,
                   std::string_view source_text);

/// What a rejected statement's translator writes after the echo is taken
/// back when it returns (`take_back_output_after_rejection`), unless the
/// translator says here that what it writes next is meant (a rejected
/// subcircuit's echoed body; the linear part of an inductor with POLY).
void allow_output_after_rejection(TranslationContext& ctx);

/// Called when the translator of the statement dispatched as `serial`
/// returns: if the statement was rejected, its target's text is cut back to
/// where the echo ended, so that no part of it is written changed.
void take_back_output_after_rejection(TranslationContext& ctx, long serial);

/// Reports a problem with the statement just read (a model card), without
/// skipping anything: echoes that statement and posts "WARNING: " name message.
void warn(TranslationContext& ctx, int target, std::string_view message, std::string_view name);

/// Posts "WARNING: message (source_text)" without echoing or skipping
/// anything: for problems that leave the statement translated.
void post_warning(TranslationContext& ctx, std::string_view message, std::string_view source_text);
/// How much of a source text a warning quotes; the rest is counted.
inline constexpr std::size_t kQuotedSourceLimit = 1024;

/// Posts "INFO: text": something the translation did on purpose that the
/// reader of the output should know.
void post_info(TranslationContext& ctx, std::string_view text);

/// Echoes source lines as "****" comment lines; comment and blank lines are
/// not echoed.
void echo_lines(TranslationContext& ctx, int target, const std::vector<std::string_view>& lines);

}  // namespace corvane
