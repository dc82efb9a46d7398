#include "core/statement_reader.h"

#include <algorithm>
#include <string>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/statement_table.h"
#include "core/token_list.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

constexpr std::string_view kUnrecognizedStatement =
    "Unrecognized statement type found in circuit file";

void run_handler(TranslationContext& ctx, StatementHandler handler, int target, int code) {
  if (handler == nullptr) {
    warn_and_skip(ctx, target, kUnrecognizedStatement, "");
  } else {
    handler(ctx, target, code);
  }
}

// .subckt NAME node... [param=value...]
//   -> .subckt NAME node... [params: param = value ...]
// Returns false when the header was rejected.
bool subckt_header(TranslationContext& ctx, int target, const std::string& name) {
  constexpr std::string_view kBadHeader = "Unrecognized syntax when parsing .subckt statement";
  std::string first_parameter;
  while (!ctx.statement_ended && ctx.token_kind != TOK_EQUALS) {
    if (ctx.token_kind == TOK_NAME) {
      std::string candidate = with_polarity_suffix(ctx, read_name(ctx), MODE_NO_KEYWORDS);
      if (ctx.token_kind == TOK_EQUALS && !ctx.statement_ended) {
        first_parameter = std::move(candidate);
        break;
      }
      write_text(ctx, target, candidate, true);
    } else if (is_number_kind(ctx.token_kind)) {
      write_text(ctx, target, read_name(ctx), true);
    } else {
      warn_and_skip(ctx, target, kBadHeader, name);
      return false;
    }
  }
  if (first_parameter.empty()) return true;

  write_text(ctx, target, "params:", true);
  write_text(ctx, target, first_parameter, true);
  bool value_position = false;
  while (!ctx.statement_ended) {
    if (value_position) {
      // name -> { name }, 'expr' -> { expr }, -1 stays -1
      TokenList value;
      const bool instance_mode = ctx.instance_mode;
      ctx.instance_mode = true;  // parameter names after a value are not keywords
      read_value(ctx, value);
      ctx.instance_mode = instance_mode;
      if (value.empty()) {
        warn_and_skip(ctx, target, kBadHeader, name);
        return false;
      }
      token_list_write(ctx, target, value);
      value_position = false;
    } else if (ctx.token_kind == TOK_EQUALS) {
      write_text(ctx, target, "=", true);
      value_position = true;
      next_token(ctx, MODE_NO_KEYWORDS);
    } else if (ctx.token_kind == TOK_NAME || is_number_kind(ctx.token_kind)) {
      write_text(ctx, target, token_text(ctx), true);
      next_token(ctx, MODE_NO_KEYWORDS);
    } else {
      warn_and_skip(ctx, target, kBadHeader, name);
      return false;
    }
  }
  return true;
}

// A subcircuit whose header could not be read cannot be used: its body is
// echoed, through its ".ends", as comment lines.
void echo_rejected_body(TranslationContext& ctx, int target) {
  while (!ctx.scan.input_ended) {
    look_up_statement_keyword(ctx);
    const bool last = ctx.token_kind == kw(".ends") || ctx.token_kind == kw(".eom");
    ctx.dispatched_serial = ctx.statement_serial;
    finish_statement(ctx, MODE_DOT_KEYWORDS);
    echo_lines(ctx, target, ctx.previous_statement_lines);
    ctx.previous_statement_lines.clear();
    if (last) return;
  }
}

void subckt_body(TranslationContext& ctx, int target) {
  while (!ctx.scan.input_ended) {
    look_up_statement_keyword(ctx);
    const int kind = ctx.token_kind;
    if (kind == kw(".ends") || kind == kw(".eom")) return;
    begin_statement(ctx, target);
    if (!ctx.statement_ended) {
      // A continuation line with no statement to continue.
      warn_and_skip(ctx, target, "Unrecognized statement type found in subckt_statement", "");
    } else if (is_element_start(ctx)) {
      dispatch_element(ctx, target);
    } else if (kind == TOK_EOL) {
      write_text(ctx, target, "*", false);
      copy_statement(ctx, target, MODE_DOT_KEYWORDS);
    } else if (kind == kw(".model") || kind == kw(".param") || kind == kw(".parameter")) {
      run_handler(ctx, find_statement_row(kind)->handler, target, kind);
    } else if (kind == kw(".ic") || kind == kw(".nodeset")) {
      copy_statement(ctx, target, MODE_DOT_KEYWORDS);
    } else if (kind == kw(".data")) {
      warn_and_skip(ctx, target, "Found DATA statement within a subckt that will not be translated",
                    "");
    } else {
      warn_and_skip(ctx, target, "Unrecognized statement type found in subckt_statement", "");
    }
  }
}

// V and I lines read the same in both dialects, but their two nodes get the
// global prefix that every translated node gets; the rest is copied.
void copy_independent_source(TranslationContext& ctx, int target) {
  if (ctx.global_names.names().empty()) {
    copy_statement(ctx, target, MODE_DOT_KEYWORDS);
    return;
  }
  const std::string_view line = current_line(ctx);
  constexpr std::string_view kSeparators = " \t,";
  std::string first;
  std::size_t p = 0;
  for (int word = 0; word < 3 && p < line.size(); ++word) {
    const std::size_t start = line.find_first_not_of(kSeparators, p);
    if (start == std::string_view::npos) break;
    std::size_t end = line.find_first_of(kSeparators, start);
    if (end == std::string_view::npos) end = line.size();
    first.append(line.substr(p, start - p));
    std::string text(line.substr(start, end - start));
    if (word > 0) {
      std::string lower = text;
      for (char& c : lower) c = lower_ascii(c);
      if (ctx.global_names.contains(lower)) text = global_node_name(ctx, lower);
    }
    first += text;
    p = end;
  }
  first.append(line.substr(std::min(p, line.size())));
  write_line(ctx, target, first);
  skip_line(ctx);
  next_token(ctx, MODE_DOT_KEYWORDS);
  if (!ctx.statement_ended) copy_statement(ctx, target, MODE_DOT_KEYWORDS);
}

}  // namespace

void begin_statement(TranslationContext& ctx, int target) {
  ctx.dispatched_serial = ctx.statement_serial;
  ctx.statement_target = target;
  // The statement before has been written; its numbers are not needed.
  keep_current_constant(ctx);
}

void look_up_statement_keyword(TranslationContext& ctx) {
  if (ctx.token_kind != TOK_NAME) return;
  const std::string_view text = token_text(ctx);
  if (!text.empty() && text[0] == '.' && ctx.token_index < KEYWORD_COUNT) {
    ctx.token_kind = KEYWORD_FIRST_CODE + ctx.token_index;
  }
}

bool is_element_start(TranslationContext& ctx) {
  if (ctx.token_kind == TOK_NAME) return true;
  if (!is_keyword_code(ctx.token_kind)) return false;
  const std::string_view text = token_text(ctx);
  if (text.empty() || text[0] == '.') return false;
  ctx.token_kind = TOK_NAME;
  return true;
}

void dispatch_statement(TranslationContext& ctx) {
  begin_statement(ctx, MAIN_OUTPUT);
  look_up_statement_keyword(ctx);
  const int kind = ctx.token_kind;
  if (kind == TOK_NAME) {
    dispatch_element(ctx, MAIN_OUTPUT);
    return;
  }
  if (kind == TOK_EOL) {
    // A line with nothing to scan becomes a comment.
    write_text(ctx, MAIN_OUTPUT, "*", false);
    copy_statement(ctx, MAIN_OUTPUT, MODE_ALL_KEYWORDS);
    return;
  }
  const StatementRow* row = find_statement_row(kind);
  if (row == nullptr) {
    if (is_element_start(ctx)) {
      dispatch_element(ctx, MAIN_OUTPUT);
    } else {
      warn_and_skip(ctx, MAIN_OUTPUT, kUnrecognizedStatement, "");
    }
    return;
  }
  switch (row->action) {
    case StatementAction::translate:
      run_handler(ctx, row->handler, MAIN_OUTPUT, kind);
      break;
    case StatementAction::subckt:
      subckt_statement(ctx, MAIN_OUTPUT);
      break;
    case StatementAction::copy:
      copy_statement(ctx, MAIN_OUTPUT, MODE_ALL_KEYWORDS);
      break;
    case StatementAction::end:
      write_line(ctx, MAIN_OUTPUT, ".end");
      finish_statement(ctx, MODE_ALL_KEYWORDS);
      break;
    case StatementAction::op:
      write_line(ctx, MAIN_OUTPUT, ".op");
      finish_statement(ctx, MODE_ALL_KEYWORDS);
      break;
    case StatementAction::reject:
      warn_and_skip(ctx, MAIN_OUTPUT, row->message, "");
      break;
  }
}

int first_letter(TranslationContext& ctx, std::string_view name) {
  static constexpr int kLetterCodes[26] = {
      0,       0,       kw("c"), kw("d"), kw("e"), kw("f"), kw("g"), kw("h"), kw("i"),
      kw("j"), kw("k"), kw("l"), kw("m"), 0,       0,       0,       kw("q"), kw("r"),
      0,       kw("t"), kw("u"), kw("v"), kw("w"), kw("x"), 0,       0};
  const char letter = name.empty() ? '\0' : name[0];
  const int code = letter >= 'a' && letter <= 'z' ? kLetterCodes[letter - 'a'] : 0;
  if (code == 0) {
    warn_and_skip(ctx, ctx.statement_target, "Unrecognized statement type found in first_letter",
                  name);
  }
  return code;
}

void dispatch_element(TranslationContext& ctx, int target) {
  ctx.statement_target = target;
  const std::string name(token_text(ctx));
  const int code = first_letter(ctx, name);
  if (code == 0) return;
  if (code == kw("i") || code == kw("v")) {
    copy_independent_source(ctx, target);
  } else if (code == kw("k")) {
    // Mutual couplings read the same in both dialects.
    copy_statement(ctx, target, MODE_DOT_KEYWORDS);
  } else if (code == kw("u")) {
    warn_and_skip(ctx, target, "Found U device which will not be translated", "");
  } else if (code == kw("w")) {
    warn_and_skip(ctx, target, "Found W device which will not be translated", "");
  } else {
    run_handler(ctx, find_element_handler(code), target, code);
  }
}

void subckt_statement(TranslationContext& ctx, int target) {
  ctx.statement_target = target;
  next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind == TOK_EOL) {
    warn_and_skip(ctx, target, "Unrecognized syntax when parsing .subckt statement", "");
    return;
  }
  // The name is joined as instance lines join it (ada4077-2).
  std::string name(token_text(ctx));
  if (ctx.token_kind == TOK_NAME || is_number_kind(ctx.token_kind)) {
    name = read_name(ctx);
  } else {
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  write_text(ctx, target, ".subckt", true);
  write_text(ctx, target, name, true);
  if (!subckt_header(ctx, target, name)) {
    echo_rejected_body(ctx, target);
    return;
  }
  write_line(ctx, target, "");
  subckt_body(ctx, target);
  write_line(ctx, target, ".ends");
  if (!ctx.scan.input_ended) finish_statement(ctx, MODE_DOT_KEYWORDS);
}

}  // namespace corvane
