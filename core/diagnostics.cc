#include "core/diagnostics.h"

#include <string>

#include "core/char_class.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

void post(TranslationContext& ctx, const std::string& text) {
  if (ctx.log != nullptr) ctx.log->post_status(text);
}

}  // namespace

void echo_lines(TranslationContext& ctx, int target, const std::vector<std::string_view>& lines) {
  for (std::string_view line : lines) {
    if (is_comment_line(line)) continue;
    // The echo is the user's record of what was not translated: every
    // character of the line stays.
    write_text(ctx, target, "****", true);
    write_verbatim_line(ctx, target, line);
  }
}

void warn_and_skip(TranslationContext& ctx, int target, std::string_view message,
                   std::string_view source_text) {
  // A statement is rejected once: the first reason is the one reported.
  if (ctx.rejected_serial == ctx.dispatched_serial) return;
  drop_unfinished_line(ctx, target);
  // When the statement being rejected is still being read, skip the rest of
  // it, continuation lines included. When its reader has already run into
  // the next statement, that statement is left alone.
  if (ctx.dispatched_serial == ctx.statement_serial) {
    finish_statement(ctx, MODE_DOT_KEYWORDS);
  }
  echo_lines(ctx, target, ctx.previous_statement_lines);
  ctx.previous_statement_lines.clear();
  post_warning(ctx, message, source_text);
  ctx.statement_ended = true;
  ctx.rejected_serial = ctx.dispatched_serial;
  ctx.rejected_target = target;
  ctx.rejected_size = output_of(ctx, target).size();
}

void allow_output_after_rejection(TranslationContext& ctx) {
  ctx.rejected_size = static_cast<std::size_t>(-1);
}

void take_back_output_after_rejection(TranslationContext& ctx, long serial) {
  if (ctx.rejected_serial != serial) return;
  OutputText& out = output_of(ctx, ctx.rejected_target);
  if (out.size() <= ctx.rejected_size) return;
  // Blank lines the translator ends its statement with may stay.
  const std::string text = out.text_from(ctx.rejected_size);
  if (text.find_first_not_of(" \n") != std::string::npos) out.truncate(ctx.rejected_size);
}

void post_warning(TranslationContext& ctx, std::string_view message, std::string_view source_text) {
  // The statement itself is echoed whole; its log line quotes the start of
  // a long text, so a huge one is not copied again into every message.
  std::string text = "WARNING: ";
  text += message;
  text += " (";
  if (source_text.size() > kQuotedSourceLimit) {
    text += source_text.substr(0, kQuotedSourceLimit);
    text += "... ";
    text += std::to_string(source_text.size());
    text += " characters in all";
  } else {
    text += source_text;
  }
  text += ')';
  post(ctx, text);
}

void warn(TranslationContext& ctx, int target, std::string_view message, std::string_view name) {
  drop_unfinished_line(ctx, target);
  echo_lines(ctx, target, ctx.previous_statement_lines);
  std::string text = "WARNING: ";
  text += name;
  text += message;
  post(ctx, text);
  ctx.statement_ended = true;
}

void post_info(TranslationContext& ctx, std::string_view text) {
  if (ctx.log != nullptr) ctx.log->post_status("INFO: " + std::string(text));
}

}  // namespace corvane
