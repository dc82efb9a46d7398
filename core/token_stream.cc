#include "core/token_stream.h"

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/expression_pieces.h"
#include "core/output_writer.h"
#include "core/scanner.h"

namespace corvane {
namespace {

// The current token starts a new statement: the lines read so far, but for
// the one holding this token, belong to the statement that ended.
void start_statement(TranslationContext& ctx) {
  ++ctx.statement_serial;
  ctx.statement_ended = true;
  ctx.previous_statement_start = ctx.statement_start;
  ctx.statement_start = {ctx.scan.token_line, ctx.scan.line};
  ctx.previous_statement_lines.swap(ctx.statement_lines);
  ctx.statement_lines.clear();
  if (!ctx.scan.input_ended && !ctx.previous_statement_lines.empty()) {
    ctx.statement_lines.push_back(ctx.previous_statement_lines.back());
    ctx.previous_statement_lines.pop_back();
  }
}

// The mode in which values are followed: X lines look nothing up.
int value_mode(const TranslationContext& ctx) {
  return ctx.instance_mode ? MODE_NO_KEYWORDS : MODE_ALL_KEYWORDS;
}

bool is_name_like(int kind) { return kind == TOK_NAME || is_keyword_code(kind); }

// A token that can be a piece of a name.
bool is_name_piece(int kind) { return is_name_like(kind) || is_number_kind(kind); }

// Where the run of characters of the class "extra" (< > [ ] ...) from `p`
// ends. Inside a word they belong to it, so they do not part two pieces.
std::size_t skip_extra(std::string_view line, std::size_t p) {
  while (p < line.size() && char_class(line[p]) == CharClass::extra) ++p;
  return p;
}

// The current token, a "/", "-" or "+", joins two pieces of a name: another
// piece starts right after it (a[0]->b: the "->" joins).
bool joins_name_pieces(const TranslationContext& ctx) {
  const int kind = ctx.token_kind;
  if (kind != TOK_SLASH && kind != TOK_MINUS && kind != TOK_PLUS) return false;
  const std::string_view line = ctx.scan.line;
  const std::size_t p = skip_extra(line, ctx.scan.pos);
  if (p >= line.size()) return false;
  const CharClass next = char_class(line[p]);
  return next == CharClass::letter || next == CharClass::e || next == CharClass::digit ||
         next == CharClass::dot;
}

void read_quoted_expression(TranslationContext& ctx, TokenList& list) {
  token_list_add(TOK_LBRACE, 0, list);
  ExpressionPieces pieces(list);
  next_token(ctx, MODE_NO_KEYWORDS);
  while (!ctx.statement_ended && ctx.token_kind != TOK_QUOTE && ctx.token_kind != TOK_EOF) {
    pieces.add_current(ctx);  // what cannot be part of an expression is passed over
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (ctx.token_kind == TOK_QUOTE && !ctx.statement_ended) next_token(ctx, value_mode(ctx));
  token_list_add(TOK_RBRACE, 0, list);
}

}  // namespace

int next_token(TranslationContext& ctx, int mode) {
  ScannerState& s = ctx.scan;
  ctx.statement_ended = false;
  if (!s.need_line) {
    const int kind = scan_token(ctx, mode);
    if (kind == TOK_EOF) start_statement(ctx);
    if (kind != TOK_EOL) return kind;
  }
  // A new line: it continues the statement when it starts with "+". One line
  // with nothing to scan is passed over; a second one starts a statement.
  int first_mode = s.after_skip ? mode : MODE_DOT_KEYWORDS;
  s.after_skip = false;
  for (;;) {
    int kind = scan_token(ctx, first_mode);
    if (kind == TOK_EOL) kind = scan_token(ctx, MODE_DOT_KEYWORDS);
    if (kind != TOK_PLUS) {
      start_statement(ctx);
      return kind;
    }
    // Continuation lines before any statement are a statement of their own.
    if (ctx.statement_serial == 0 && ctx.statement_start.line == 0) {
      ctx.statement_start = {ctx.scan.token_line, ctx.scan.line};
    }
    kind = scan_token(ctx, mode);
    if (kind != TOK_EOL) return kind;
    // A "+" with nothing after it: the statement may go on on the next line.
    first_mode = MODE_DOT_KEYWORDS;
  }
}

bool expect_token(TranslationContext& ctx, int kind) {
  if (ctx.token_kind == kind) return true;
  warn_and_skip(ctx, ctx.statement_target, "Unrecognized syntax when parsing statement", "");
  return false;
}

void finish_statement(TranslationContext& ctx, int mode) {
  do {
    if (ctx.token_kind == TOK_EOF) return;
    skip_line(ctx);
    next_token(ctx, mode);
  } while (!ctx.statement_ended);
}

void copy_statement(TranslationContext& ctx, int target, int mode) {
  do {
    if (ctx.token_kind == TOK_EOF) return;
    write_line(ctx, target, current_line(ctx));
    skip_line(ctx);
    next_token(ctx, mode);
  } while (!ctx.statement_ended);
}

std::string read_name(TranslationContext& ctx) {
  std::string name(token_text(ctx));
  const std::string_view line = ctx.scan.line;
  const std::size_t start = ctx.scan.token_start;
  const int line_number = ctx.scan.token_line;
  std::size_t end = ctx.scan.pos;
  bool joined = false;
  next_token(ctx, MODE_NO_KEYWORDS);
  // Only tokens on the name's own line join it: the first token after a "+"
  // of a continuation line touches that "+", not the name.
  while (!ctx.statement_ended && ctx.scan.token_line == line_number &&
         (ctx.scan.token_start == end || skip_extra(line, end) == ctx.scan.token_start) &&
         (is_name_piece(ctx.token_kind) || joins_name_pieces(ctx))) {
    end = ctx.scan.pos;
    joined = true;
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (joined && end <= line.size()) {
    name.clear();
    for (const char c : line.substr(start, end - start)) name += lower_ascii(c);
  }
  return name;
}

void look_up_word(TranslationContext& ctx, int mode) {
  if (mode == MODE_NO_KEYWORDS || ctx.statement_ended || ctx.token_kind != TOK_NAME) return;
  if (ctx.token_index >= KEYWORD_COUNT) return;
  if (mode == MODE_DOT_KEYWORDS && !token_text(ctx).starts_with('.')) return;
  ctx.token_kind = KEYWORD_FIRST_CODE + ctx.token_index;
}

std::string with_polarity_suffix(TranslationContext& ctx, std::string name, int mode) {
  // Only a sign that touches the name is its suffix: in "b -1m" it is the
  // value's sign.
  if ((ctx.token_kind == TOK_PLUS || ctx.token_kind == TOK_MINUS) &&
      ctx.scan.token_touches_previous && !ctx.statement_ended) {
    name += ctx.token_kind == TOK_PLUS ? 'p' : 'n';
    next_token(ctx, mode);
  } else if (mode != MODE_NO_KEYWORDS && ctx.token_kind == TOK_NAME && !ctx.statement_ended) {
    // The word after the node was read without lookup; look it up now.
    const int index = ctx.token_index;
    if (index < KEYWORD_COUNT) ctx.token_kind = KEYWORD_FIRST_CODE + index;
  }
  return name;
}

void read_value(TranslationContext& ctx, TokenList& list) {
  if (ctx.statement_ended) return;  // the value is missing; leave the next statement alone
  int sign = 0;
  if (ctx.token_kind == TOK_PLUS || ctx.token_kind == TOK_MINUS) {
    sign = ctx.token_kind;
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (is_name_like(ctx.token_kind)) {
    // A parameter name becomes an expression; its sign stays with it.
    token_list_add(TOK_LBRACE, 0, list);
    if (sign == TOK_MINUS) token_list_add(TOK_MINUS, 0, list);
    token_list_add(TOK_NAME, ctx.token_index, list);
    token_list_add(TOK_RBRACE, 0, list);
    next_token(ctx, value_mode(ctx));
  } else if (is_number_kind(ctx.token_kind)) {
    if (sign == TOK_MINUS) token_list_add(TOK_MINUS, 0, list);
    token_list_add(ctx.token_kind, ctx.token_index, list);
    next_token(ctx, value_mode(ctx));
  } else if (ctx.token_kind == TOK_QUOTE) {
    read_quoted_expression(ctx, list);
  } else if (ctx.token_kind == TOK_EOL) {
    next_token(ctx, MODE_DOT_KEYWORDS);
  }
  while (!ctx.statement_ended && (ctx.token_kind == TOK_RPAREN || ctx.token_kind == TOK_EOL ||
                                  ctx.token_kind == TOK_PLUS)) {
    next_token(ctx, value_mode(ctx));
  }
}

std::string global_node_name(const TranslationContext& ctx, std::string_view name) {
  std::string result;
  if (ctx.global_names.contains(name)) result = "$G_";
  result += name;
  return result;
}

std::string read_quoted_text(TranslationContext& ctx) {
  const std::string_view line = current_line(ctx);
  const std::size_t open = line.find_first_of("'\"");
  std::string result;
  if (open == std::string_view::npos) {
    result.assign(token_text(ctx));
  } else {
    std::size_t close = line.find_first_of("'\"", open + 1);
    if (close == std::string_view::npos) close = line.size();
    result = '"';
    result.append(line.substr(open + 1, close - open - 1));
    result += '"';
  }
  if (!ctx.scan.input_ended) skip_line(ctx);
  return result;
}

}  // namespace corvane
