#include "translate/library_sections.h"

#include <algorithm>
#include <string>

#include "control/control_tokens.h"
#include "control/file_statements.h"
#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "translate/statement_reader.h"

namespace corvane {
namespace {

constexpr std::string_view kBadLib = "Unrecognized syntax when parsing .lib statement";
constexpr std::string_view kRenamedSection =
    "Section name is not usable in a file name, section written as ";
constexpr std::string_view kDuplicateSection = "Section name used before, section written as ";
constexpr std::string_view kUnclosedSection = "Section not closed by .endl before the end of input";

// The name a section's file gets: usable in a file name and not used by an
// earlier section of the file, whose output it would overwrite. A duplicate
// gets the section's number appended.
std::string claim_section_name(TranslationContext& ctx, const std::string& name) {
  std::string result = section_file_part(name);
  if (result != name) {
    post_warning(ctx, std::string(kRenamedSection) + result, name);
  }
  if (ctx.section_file_names.contains(result)) {
    const std::string suffix = "_" + std::to_string(section_count(ctx) + 1);
    do {
      result += suffix;
    } while (ctx.section_file_names.contains(result));
    post_warning(ctx, std::string(kDuplicateSection) + result, name);
  }
  ctx.section_file_names.insert(result);
  return result;
}

// .lib 'FILE' ENTRY  ->  .lib "FILE" (the current token is the quote)
void write_quoted_reference(TranslationContext& ctx, int target) {
  write_text(ctx, target, ".lib", true);
  write_verbatim_line(ctx, target, read_file_name(ctx));
  finish_statement(ctx, MODE_ALL_KEYWORDS);
}

// .lib FILE ENTRY  ->  .lib "FILE" (the entry name is current)
void write_plain_reference(TranslationContext& ctx, int target, std::string_view file) {
  std::string name = "\"";
  name += file;
  name += '"';
  write_text(ctx, target, ".lib", true);
  write_line(ctx, target, name);
  finish_statement(ctx, MODE_ALL_KEYWORDS);
}

// .lib NAME ... .endl [NAME]: the statements in between go to the section's
// text; the first of them is current.
void translate_section(TranslationContext& ctx, const std::string& name) {
  const int section = open_section(ctx, claim_section_name(ctx, name));
  while (!ctx.scan.input_ended) {
    // Comments inside the section stay with it.
    if (!ctx.comment_buffer.empty()) {
      write_comment(ctx, section, ctx.comment_buffer);
      ctx.comment_buffer.clear();
    }
    look_up_statement_keyword(ctx);
    if (ctx.token_kind == kw(".endl")) {
      finish_statement(ctx, MODE_ALL_KEYWORDS);
      return;
    }
    dispatch_statement(ctx, StatementScope::section, section);
  }
  post_warning(ctx, kUnclosedSection, name);
}

}  // namespace

std::string section_file_part(std::string_view name) {
  std::string result(name.substr(0, std::min(name.size(), MAX_SECTION_NAME_LENGTH)));
  for (char& c : result) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7f ||
        std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos) {
      c = '_';
    }
  }
  return result;
}

// .lib 'FILE' ENTRY        ->  .lib "FILE"
// .lib FILE ENTRY          ->  .lib "FILE"
// .lib NAME ... .endl NAME ->  the statements in between, translated into a
//                              text of their own (output file OUT_NAME.lib)
void translate_lib(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!ctx.statement_ended && ctx.token_kind == TOK_QUOTE) {
    write_quoted_reference(ctx, target);
    return;
  }
  if (ctx.statement_ended || (ctx.token_kind != TOK_NAME && !is_number_kind(ctx.token_kind))) {
    warn_and_skip(ctx, target, kBadLib, "");
    return;
  }
  const std::string written(source_token_text(ctx));
  next_token(ctx, MODE_ALL_KEYWORDS);
  if (!ctx.statement_ended) {
    // A second word: a reference to an entry of a file named without quotes.
    write_plain_reference(ctx, target, written);
    return;
  }
  translate_section(ctx, lower_ascii_text(written));
}

// Inside a section, .lib is a library reference; a section cannot be
// defined inside another.
void translate_nested_lib(TranslationContext& ctx, int section, int /*code*/) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!ctx.statement_ended && ctx.token_kind == TOK_QUOTE) {
    write_quoted_reference(ctx, section);
    return;
  }
  if (!ctx.statement_ended && (ctx.token_kind == TOK_NAME || is_number_kind(ctx.token_kind))) {
    const std::string file(source_token_text(ctx));
    next_token(ctx, MODE_NO_KEYWORDS);
    if (!ctx.statement_ended) {
      write_plain_reference(ctx, section, file);
      return;
    }
  }
  warn_and_skip(ctx, section, kBadLib, "");
}

}  // namespace corvane
