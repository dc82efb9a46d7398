#include "control/file_statements.h"

#include <algorithm>
#include <string_view>

#include "control/control_tokens.h"
#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

constexpr std::string_view kBadSyntax = "Unrecognized syntax when parsing statement";
constexpr std::string_view kBadSave = "Unrecognized syntax when parsing .SAVE statement";
constexpr std::string_view kQuotes = "'\"";
constexpr std::string_view kMissingQuote = "File name without its closing quote";

std::string quoted(std::string_view text) {
  std::string result = "\"";
  result += text;
  result += '"';
  return result;
}

std::string_view without_trailing_blanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(" \t");
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The current token is an opening quote: the name up to the closing quote,
// in double quotes, with the token after the closing quote read with
// `mode_after`, so that settings after the name are still seen. A name the
// scanner does not read as plain words ("$" and "*" act on the line, bytes
// above 127 read as quotes) ends the line instead.
std::string read_quoted_name_in_place(TranslationContext& ctx, int mode_after) {
  const std::string_view line = current_line(ctx);
  const std::size_t open = ctx.scan.token_start;
  const std::size_t close = line.find_first_of(kQuotes, open + 1);
  const std::size_t end = close == std::string_view::npos ? line.size() : close;
  const std::string_view inside = line.substr(open + 1, end - open - 1);
  const bool plain = std::none_of(inside.begin(), inside.end(), [](char c) {
    return c == '$' || c == '*' || static_cast<unsigned char>(c) > 127;
  });
  if (close == std::string_view::npos || !plain) {
    const std::string name = quoted(without_trailing_blanks(inside));
    if (close == std::string_view::npos) post_warning(ctx, kMissingQuote, name);
    skip_line(ctx);
    next_token(ctx, mode_after);
    return name;
  }
  do {
    next_token(ctx, MODE_NO_KEYWORDS);
  } while (!ctx.statement_ended && ctx.token_kind != TOK_QUOTE);
  if (!ctx.statement_ended) next_token(ctx, mode_after);
  return quoted(inside);
}

// NAME = VALUE of a .save setting: reads past the word and the "=" and
// returns the value's token text; the token after the value is current.
bool read_setting(TranslationContext& ctx, std::string& value) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!ctx.statement_ended && ctx.token_kind == TOK_EQUALS) next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind == TOK_QUOTE) return false;
  value.assign(token_text(ctx));
  return true;
}

}  // namespace

std::string read_file_name(TranslationContext& ctx) {
  const std::string_view line = current_line(ctx);
  const std::size_t open = line.find_first_of(kQuotes);
  if (open != std::string_view::npos &&
      line.find_first_of(kQuotes, open + 1) == std::string_view::npos) {
    const std::string name = quoted(without_trailing_blanks(line.substr(open + 1)));
    post_warning(ctx, kMissingQuote, name);
    if (!ctx.scan.input_ended) skip_line(ctx);
    return name;
  }
  return read_quoted_text(ctx);
}

// .include 'FILE' | .inc 'FILE'  ->  .inc "FILE"
// .include FILE                  ->  copied unchanged
void translate_include(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended) {
    warn_and_skip(ctx, target, kBadSyntax, "");
    return;
  }
  if (ctx.token_kind == TOK_QUOTE) {
    write_text(ctx, target, ".inc", true);
    write_verbatim_line(ctx, target, read_file_name(ctx));
  } else {
    write_line(ctx, target, current_line(ctx));
  }
  finish_statement(ctx, MODE_DOT_KEYWORDS);
}

// .load [FILE=]'NAME'  ->  .loadbias "NAME"
void translate_load(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_ALL_KEYWORDS);
  if (!ctx.statement_ended && ctx.token_kind == kw("file")) {
    next_token(ctx, MODE_NO_KEYWORDS);
    if (!ctx.statement_ended && ctx.token_kind == TOK_EQUALS) next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (ctx.statement_ended) {
    warn_and_skip(ctx, target, kBadSyntax, "");
    return;
  }
  write_text(ctx, target, ".loadbias", true);
  write_verbatim_line(ctx, target, read_file_name(ctx));
  finish_statement(ctx, MODE_ALL_KEYWORDS);
}

// .save [TYPE=T] [FILE='NAME'] [LEVEL=ALL|TOP|NONE] [TIME=T]
//   -> .savebias "NAME" tran time=T [nosubckt]   (with a time)
//   -> .savebias "NAME" op [nosubckt]            (without)
void translate_save(TranslationContext& ctx, int target, int /*code*/) {
  std::string file;
  std::string time;
  bool nosubckt = false;
  next_token(ctx, MODE_ALL_KEYWORDS);
  while (!ctx.statement_ended) {
    const std::string_view word = current_word(ctx);
    std::string value;
    bool ok = true;
    if (word == "file") {
      next_token(ctx, MODE_NO_KEYWORDS);
      if (!ctx.statement_ended && ctx.token_kind == TOK_EQUALS) next_token(ctx, MODE_NO_KEYWORDS);
      if (ctx.statement_ended) {
        ok = false;
      } else if (ctx.token_kind == TOK_QUOTE) {
        file = read_quoted_name_in_place(ctx, MODE_ALL_KEYWORDS);
      } else {
        file.assign(token_text(ctx));
        next_token(ctx, MODE_ALL_KEYWORDS);
      }
    } else if (word == "level" || word == "type" || word == "time") {
      const bool is_level = word == "level";
      const bool is_time = word == "time";
      ok = read_setting(ctx, value) && (!is_time || is_number_kind(ctx.token_kind));
      if (ok) {
        if (is_level && value == "top") nosubckt = true;
        if (is_time) time = value;
        next_token(ctx, MODE_ALL_KEYWORDS);
      }
    } else {
      ok = false;
    }
    if (!ok) {
      warn_and_skip(ctx, target, kBadSave, "");
      return;
    }
  }
  write_text(ctx, target, ".savebias", true);
  if (!file.empty()) write_text(ctx, target, file, true);
  if (time.empty()) {
    write_text(ctx, target, "op", true);
  } else {
    write_text(ctx, target, "tran", true);
    write_text(ctx, target, "time=" + time, true);
  }
  if (nosubckt) write_text(ctx, target, "nosubckt", true);
  write_line(ctx, target, "");
}

// .global NODE ...  ->  nothing written; in the whole file and the files
// after it, the node NODE is written $G_NODE. A name new after nodes were
// written asks for the file to be read again with it known from the start.
void translate_global(TranslationContext& ctx, int /*target*/, int /*code*/) {
  next_token(ctx, MODE_NO_KEYWORDS);
  while (!ctx.statement_ended) {
    if ((ctx.token_kind == TOK_NAME || is_number_kind(ctx.token_kind)) &&
        ctx.global_names.add(token_text(ctx)) && ctx.nodes_written) {
      ctx.settings_came_late = true;
    }
    next_token(ctx, MODE_NO_KEYWORDS);
  }
}

// .end  ->  .end
void translate_end(TranslationContext& ctx, int target, int /*code*/) {
  if (target == MAIN_OUTPUT && ctx.main_end_at == std::string::npos) {
    ctx.main_end_at = ctx.outputs[MAIN_OUTPUT].size();
  }
  write_line(ctx, target, ".end");
  finish_statement(ctx, MODE_ALL_KEYWORDS);
}

namespace {

// Whether ".enddata" stands further on in the input: a block without its
// end is only its own statement. The input is searched once, from its end.
bool block_has_end(TranslationContext& ctx) {
  if (ctx.last_data_end == TranslationContext::kNotSearched) {
    const std::string_view input = ctx.scan.input;
    constexpr std::string_view kEnd = ".enddata";
    ctx.last_data_end = std::string_view::npos;
    for (std::size_t at = input.rfind('.');
         at != std::string_view::npos && ctx.last_data_end == std::string_view::npos;
         at = at == 0 ? std::string_view::npos : input.rfind('.', at - 1)) {
      const std::string_view word = input.substr(at, kEnd.size());
      if (word.size() == kEnd.size() &&
          std::equal(word.begin(), word.end(), kEnd.begin(),
                     [](char a, char b) { return lower_ascii(a) == b; })) {
        ctx.last_data_end = at;
      }
    }
  }
  return ctx.last_data_end != std::string_view::npos &&
         ctx.last_data_end >= ctx.scan.next_line_start;
}

void reject_data_block(TranslationContext& ctx, int target, std::string_view message) {
  const bool block = block_has_end(ctx);
  warn_and_skip(ctx, target, message, "");
  if (!block) return;
  allow_output_after_rejection(ctx);
  // The rows, up to and with ".enddata", are echoed like the statement.
  while (!ctx.scan.input_ended) {
    const bool last = token_text(ctx) == ".enddata";
    ctx.dispatched_serial = ctx.statement_serial;
    finish_statement(ctx, MODE_DOT_KEYWORDS);
    echo_lines(ctx, target, ctx.previous_statement_lines);
    ctx.previous_statement_lines.clear();
    if (last) return;
  }
}

}  // namespace

// .data NAME ... .enddata  ->  echoed whole, reported once
void translate_data(TranslationContext& ctx, int target, int /*code*/) {
  reject_data_block(ctx, target, "Found DATA statement that will not be translated");
}

void translate_data_in_subckt(TranslationContext& ctx, int target, int /*code*/) {
  reject_data_block(ctx, target,
                    "Found DATA statement within a subckt that will not be translated");
}

}  // namespace corvane
