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

// The word after the closing quote of the name that opens at `open`.
std::string_view entry_after_quote(std::string_view line, std::size_t open) {
  const std::size_t close = line.find_first_of("'\"", open + 1);
  if (close == std::string_view::npos) return {};
  const std::size_t start = line.find_first_not_of(" \t,", close + 1);
  if (start == std::string_view::npos || line[start] == '$' || line[start] == '*') return {};
  const std::size_t end = line.find_first_of(" \t,$", start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// .lib 'FILE' ENTRY  ->  .lib "FILE_entry.lib" (the current token is the
// quote)
void write_quoted_reference(TranslationContext& ctx, int target) {
  const std::string entry(entry_after_quote(current_line(ctx), ctx.scan.token_start));
  std::string name = read_file_name(ctx);
  if (!entry.empty() && name.size() >= 2) {
    name = '"' + section_file_reference(std::string_view(name).substr(1, name.size() - 2), entry) +
           '"';
  }
  write_text(ctx, target, ".lib", true);
  write_verbatim_line(ctx, target, name);
  finish_statement(ctx, MODE_ALL_KEYWORDS);
}

// .lib FILE ENTRY  ->  .lib "FILE_entry.lib" (the entry name is current)
void write_plain_reference(TranslationContext& ctx, int target, std::string_view file) {
  write_text(ctx, target, ".lib", true);
  write_verbatim_line(ctx, target,
                      '"' + section_file_reference(file, source_token_text(ctx)) + '"');
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

std::string section_file_reference(std::string_view file, std::string_view entry) {
  const std::size_t slash = file.find_last_of("/\\");
  const std::size_t dot = file.rfind('.');
  const bool extension =
      dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  std::string reference(extension ? file.substr(0, dot) : file);
  reference += '_';
  reference += section_file_part(lower_ascii_text(entry));
  reference += ".lib";
  return reference;
}

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
