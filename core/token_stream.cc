#include "core/token_stream.h"

#include <array>
#include <utility>

#include "core/char_class.h"
#include "core/diagnostics.h"
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

struct SourceKindWord {
  std::string_view word;
  int keyword;
};

// Words after the output nodes that name the kind of a source or line.
constexpr std::array<SourceKindWord, 22> kSourceKindWords = {{
    {"r", kw("r")},
    {"c", kw("c")},
    {"l", kw("l")},
    {"vcvs", kw("vcvs")},
    {"vccs", kw("vccs")},
    {"ccvs", kw("ccvs")},
    {"cccs", kw("cccs")},
    {"cur", kw("cur")},
    {"vcr", kw("vcr")},
    {"opamp", kw("opamp")},
    {"trans", kw("transformer")},
    {"delay", kw("delay")},
    {"vccap", kw("vccap")},
    {"laplace", kw("laplace")},
    {"freq", kw("freq")},
    {"poly", kw("poly")},
    {"transformer", kw("transformer")},
    {"z0", kw("z0")},
    {"zo", kw("z0")},
    {"td", kw("td")},
    {"f", kw("f")},
    {"nl", kw("nl")},
}};

// Reads one node name; false when the current token cannot be one (or
// already starts the next statement).
bool read_node(TranslationContext& ctx, std::string& name, int mode_after) {
  if (ctx.statement_ended) return false;
  if (ctx.token_kind == TOK_NAME) {
    name = with_polarity_suffix(ctx, read_name(ctx), mode_after);
    return true;
  }
  if (is_number_kind(ctx.token_kind)) {
    name = read_name(ctx);
    look_up_word(ctx, mode_after);
    return true;
  }
  return false;
}

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
  int previous = TOK_QUOTE;
  next_token(ctx, MODE_NO_KEYWORDS);
  while (!ctx.statement_ended && ctx.token_kind != TOK_QUOTE && ctx.token_kind != TOK_EOF) {
    int kind = ctx.token_kind;
    if (is_keyword_code(kind)) kind = TOK_NAME;
    const bool operand = kind == TOK_NAME || kind == TOK_CALL || is_number_kind(kind);
    if (operand || kind == TOK_STAR || kind == TOK_PLUS || kind == TOK_MINUS || kind == TOK_SLASH ||
        kind == TOK_LPAREN || kind == TOK_RPAREN) {
      // Commas are separators to the scanner: put back the ones the source
      // had, and one between two operands that would otherwise run together.
      const bool follows_operand = previous == TOK_NAME || is_number_kind(previous);
      if (previous != TOK_QUOTE && (ctx.scan.comma_before || (operand && follows_operand))) {
        token_list_add(TOK_COMMA, 0, list);
      }
      token_list_add(kind, ctx.token_index, list);
      previous = kind;
    }
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
         skip_extra(line, end) == ctx.scan.token_start &&
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

bool read_output_nodes(TranslationContext& ctx, int count, std::string_view element_name) {
  ctx.output_nodes.assign(static_cast<std::size_t>(count), std::string());
  for (std::string& node : ctx.output_nodes) {
    if (!read_node(ctx, node, MODE_NO_KEYWORDS)) {
      warn_and_skip(ctx, ctx.statement_target, "Incorrect number of output nodes:", element_name);
      return false;
    }
  }
  if (ctx.token_kind == TOK_NAME && !ctx.statement_ended) {
    const std::string_view word = token_text(ctx);
    for (const SourceKindWord& entry : kSourceKindWords) {
      if (word == entry.word) {
        ctx.token_kind = entry.keyword;
        break;
      }
    }
  }
  return true;
}

bool read_controlling_nodes(TranslationContext& ctx, int count, std::string_view element_name) {
  ctx.controlling_nodes.assign(static_cast<std::size_t>(count), std::string());
  for (int i = 0; i < count; ++i) {
    const int mode_after = i + 1 == count ? MODE_ALL_KEYWORDS : MODE_NO_KEYWORDS;
    if (!read_node(ctx, ctx.controlling_nodes[static_cast<std::size_t>(i)], mode_after)) {
      warn_and_skip(ctx, ctx.statement_target,
                    "Incorrect number of controlling nodes:", element_name);
      return false;
    }
  }
  return true;
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

void copy_rest_to_list(TranslationContext& ctx, TokenList& list) {
  while (!ctx.statement_ended) {
    const int kind = ctx.token_kind;
    if (is_number_kind(kind) || kind == TOK_LPAREN || kind == TOK_RPAREN) {
      token_list_add(kind, ctx.token_index, list);
      token_list_add(TOK_COMMA, 0, list);
    } else if (kind == TOK_MINUS) {
      token_list_add(kind, 0, list);
    }
    next_token(ctx, MODE_NO_KEYWORDS);
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
