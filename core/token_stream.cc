#include "core/token_stream.h"

#include <algorithm>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/expression.h"
#include "core/expression_writer.h"
#include "core/function_calls.h"
#include "core/names.h"
#include "core/number_spelling.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/text_index.h"

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

bool is_operand(int kind) { return is_name_like(kind) || is_number_kind(kind) || kind == TOK_CALL; }

bool is_arithmetic(int kind) {
  return kind == TOK_PLUS || kind == TOK_MINUS || kind == TOK_STAR || kind == TOK_SLASH;
}

// The value at the current token (a name, number or call) may go on
// without blanks as an expression (wn+1u, 2*w, max(a,b)). Reads past the
// value, leaving the token after it current (read without keyword lookup),
// and returns where in the line the expression ends; 0 when the value is
// the one name or number.
std::size_t unquoted_expression_end(TranslationContext& ctx) {
  const std::string_view line = ctx.scan.line;
  const bool call = ctx.token_kind == TOK_CALL;
  int depth = call ? 1 : 0;
  int previous = ctx.token_kind;
  std::size_t end = ctx.scan.pos;
  bool more = false;
  for (;;) {
    next_token(ctx, MODE_NO_KEYWORDS);
    if (ctx.statement_ended || ctx.scan.line.data() != line.data()) break;
    const int kind = ctx.token_kind;
    // Inside a call's parentheses a comma parts the arguments.
    if (!ctx.scan.token_touches_previous && !(depth > 0 && ctx.scan.comma_before)) break;
    const bool after_operand = is_operand(previous) || previous == TOK_RPAREN;
    const bool fits =
        after_operand
            ? is_arithmetic(kind) || (kind == TOK_RPAREN && depth > 0) ||
                  (depth > 0 && ctx.scan.comma_before && (is_operand(kind) || kind == TOK_LPAREN))
            : is_operand(kind) || kind == TOK_LPAREN || kind == TOK_MINUS || kind == TOK_PLUS;
    if (!fits) break;
    if (kind == TOK_CALL || kind == TOK_LPAREN) ++depth;
    if (kind == TOK_RPAREN) --depth;
    previous = kind;
    // A last operator with nothing after it is not part of the value.
    if (is_operand(kind) || kind == TOK_RPAREN) end = ctx.scan.pos;
    more = true;
  }
  // A call is always read as an expression: one without its ")" is then
  // reported rather than written in part.
  return more || call ? end : 0;
}

// Where the text of a "+" line begins: after its "+".
std::size_t after_plus(std::string_view line) {
  const std::size_t plus = line.find_first_not_of(" \t");
  return plus != std::string_view::npos && line[plus] == '+' ? plus + 1 : 0;
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
  const LineNumber line_number = ctx.scan.token_line;
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

bool strip_params_keyword(std::string& word) {
  constexpr std::string_view kKeyword = "params:";
  if (word.size() < kKeyword.size()) return false;
  for (std::size_t i = 0; i < kKeyword.size(); ++i) {
    if (lower_ascii(word[i]) != kKeyword[i]) return false;
  }
  word.erase(0, kKeyword.size());
  return true;
}

std::string with_polarity_suffix(TranslationContext& ctx, std::string name, int mode) {
  // Only a sign that touches the name is its suffix: in "b -1m" it is the
  // value's sign.
  if ((ctx.token_kind == TOK_PLUS || ctx.token_kind == TOK_MINUS) &&
      ctx.scan.token_touches_previous && !ctx.statement_ended) {
    name = polarity_spelling(ctx, name, ctx.token_kind == TOK_PLUS ? '+' : '-');
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
  if (at_braced_value(ctx)) {
    // {expression}, as HSPICE also writes values.
    const QuotedSource braced = read_braced_source(ctx);
    const bool ok = braced.closed && !ctx.statement_ended;
    if (ok) next_token(ctx, value_mode(ctx));
    if (!ok) {
      reject_expression(ctx, braced.text, "a \"{\" without its \"}\"");
      return;
    }
    if (!read_expression_value(ctx, braced.text, sign == TOK_MINUS, list)) return;
  } else if (is_name_like(ctx.token_kind) || is_number_kind(ctx.token_kind) ||
             ctx.token_kind == TOK_CALL) {
    const TokenNode first{is_name_like(ctx.token_kind) ? TOK_NAME : ctx.token_kind,
                          ctx.token_index};
    const std::string_view line = ctx.scan.line;
    const std::size_t start = ctx.scan.token_start;
    const std::size_t end = unquoted_expression_end(ctx);
    look_up_word(ctx, value_mode(ctx));
    if (end > 0) {
      // wn+1u, i2+300, max(a,b): an expression written without quotes.
      if (!read_expression_value(ctx, line.substr(start, end - start), sign == TOK_MINUS, list)) {
        return;
      }
    } else if (first.kind == TOK_NAME) {
      // A parameter name becomes an expression; its sign stays with it.
      token_list_add(TOK_LBRACE, 0, list);
      if (sign == TOK_MINUS) token_list_add(TOK_MINUS, 0, list);
      list.push_back(first);
      token_list_add(TOK_RBRACE, 0, list);
    } else {
      if (sign == TOK_MINUS) token_list_add(TOK_MINUS, 0, list);
      list.push_back(first);
    }
  } else if (ctx.token_kind == TOK_QUOTE) {
    const QuotedSource quoted = read_quoted_source(ctx);
    if (quoted.closed) next_token(ctx, value_mode(ctx));
    if (!read_expression_value(ctx, quoted.text, sign == TOK_MINUS, list)) return;
  } else if (ctx.token_kind == TOK_EOL) {
    next_token(ctx, MODE_DOT_KEYWORDS);
  }
  while (!ctx.statement_ended && (ctx.token_kind == TOK_RPAREN || ctx.token_kind == TOK_EOL ||
                                  ctx.token_kind == TOK_PLUS)) {
    next_token(ctx, value_mode(ctx));
  }
}

QuotedSource read_quoted_source(TranslationContext& ctx) {
  QuotedSource quoted;
  std::string_view line = ctx.scan.line;
  std::size_t from = ctx.scan.pos;  // after the opening quote
  // Closed on its own line, as nearly every one is: the text is taken from
  // the line and the scanner moves to the closing quote without reading
  // the tokens between (their distribution calls reported as it would).
  if (!ctx.scan.need_line) {
    std::size_t close = from;
    while (close < line.size() && char_class(line[close]) != CharClass::quote &&
           char_class(line[close]) != CharClass::end) {
      ++close;
    }
    if (close < line.size() && char_class(line[close]) == CharClass::quote) {
      quoted.text.assign(line.substr(from, close - from));
      quoted.closed = true;
      ctx.scan.pos = close;
      next_token(ctx, MODE_NO_KEYWORDS);
      report_distribution_calls(ctx, quoted.text);
      return quoted;
    }
  }
  std::size_t to = from;  // the end of the last token read on `line`
  ctx.scan.in_quote = true;
  for (;;) {
    next_token(ctx, MODE_NO_KEYWORDS);
    if (ctx.statement_ended || ctx.token_kind == TOK_EOF) break;
    if (ctx.scan.line.data() != line.data()) {
      // A "+" line goes on with the expression; the line break is a blank.
      quoted.text.append(line.substr(from, to - from));
      quoted.text += ' ';
      line = ctx.scan.line;
      from = after_plus(line);
      to = from;
    }
    if (ctx.token_kind == TOK_QUOTE) {
      ctx.scan.in_quote = false;
      quoted.text.append(line.substr(from, ctx.scan.token_start - from));
      quoted.closed = true;
      return quoted;
    }
    if (ctx.token_kind != TOK_EOL) to = ctx.scan.pos;
  }
  ctx.scan.in_quote = false;
  quoted.text.append(line.substr(from, to - from));
  return quoted;
}

bool at_braced_value(const TranslationContext& ctx) {
  const std::string_view line = ctx.scan.line;
  return !ctx.statement_ended &&
         (ctx.token_kind == TOK_NAME || ctx.token_kind == TOK_CALL ||
          is_keyword_code(ctx.token_kind)) &&
         ctx.scan.token_start < line.size() && line[ctx.scan.token_start] == '{';
}

QuotedSource read_braced_source(TranslationContext& ctx) {
  QuotedSource braced;
  const std::string_view line = ctx.scan.line;
  const std::size_t open = ctx.scan.token_start;
  int depth = 0;
  std::size_t close = open;
  for (; close < line.size(); ++close) {
    depth += line[close] == '{' ? 1 : line[close] == '}' ? -1 : 0;
    if (depth == 0) break;
  }
  if (close >= line.size()) return braced;
  // The scanner reads braces as letters: the tokens up to the one that ends
  // with the closing brace.
  while (ctx.scan.pos < close + 1) {
    next_token(ctx, MODE_NO_KEYWORDS);
    if (ctx.statement_ended || ctx.scan.line.data() != line.data()) return braced;
  }
  if (ctx.scan.pos != close + 1) return braced;
  braced.text = line.substr(open + 1, close - open - 1);
  braced.closed = true;
  return braced;
}

namespace {

// `text` in lower case: itself when it has no capitals, else a lowered
// copy made in `room`.
std::string_view lowered_text(std::string_view text, bool capitals, std::string& room) {
  if (!capitals) return text;
  room.assign(text);
  for (char& c : room) c = lower_ascii(c);
  return room;
}

// Most quoted values are a name, a number or a few of them joined by
// + - * / ('w', '2*w', 'toxn*1.0'): those are added without reading a tree,
// piece by piece as the reader would write them. False, with nothing
// added, for anything else.
bool add_simple_value(TranslationContext& ctx, std::string_view text, bool negative,
                      TokenList& list) {
  const auto blank = [&](std::size_t p) {
    return p < text.size() && (text[p] == ' ' || text[p] == '\t');
  };
  const auto letter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  };
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  const std::size_t start_size = list.size();
  const auto give_up = [&] {
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(start_size), list.end());
    return false;
  };
  token_list_add(TOK_LBRACE, 0, list);
  if (negative) {
    token_list_add(TOK_MINUS, 0, list);
    token_list_add(TOK_LPAREN, 0, list);
  }
  std::string& lower = ctx.names.name_in_hand;
  std::size_t p = 0;
  for (;;) {
    while (blank(p)) ++p;
    if (p >= text.size()) return give_up();  // an operator with nothing after it
    const std::size_t start = p;
    if (letter(text[p])) {
      // One pass finds the name's end and hashes its lower-case text; a
      // name without capitals is entered as it stands, without a copy.
      std::uint64_t h = ctx.symbols.hash_start();
      bool capitals = false;
      for (; p < text.size() && (letter(text[p]) || digit(text[p]) || text[p] == '.'); ++p) {
        const char c = lower_ascii(text[p]);
        capitals |= c != text[p];
        h = TextIndex::hash_step(h, c);
      }
      if (p < text.size() && (text[p] == '(' || text[p] == '$')) return give_up();
      list.push_back({TOK_NAME, ctx.symbols.enter_hashed(
                                    lowered_text(text.substr(start, p - start), capitals, lower), h,
                                    TOK_NAME)});
    } else if (digit(text[p]) || (text[p] == '.' && p + 1 < text.size() && digit(text[p + 1]))) {
      bool exponent = false;
      p = number_end_in(text, p, exponent);
      const std::string_view number = text.substr(start, p - start);
      const bool capitals =
          std::any_of(number.begin(), number.end(), [](char c) { return lower_ascii(c) != c; });
      const int kind = exponent ? TOK_NUMBER_EXP : TOK_NUMBER;
      list.push_back(
          {kind, ctx.constants.enter(ondrel_number_text(lowered_text(number, capitals, lower),
                                                        ctx.scan.number_spelling),
                                     kind)});
    } else {
      return give_up();
    }
    while (blank(p)) ++p;
    if (p >= text.size()) break;
    const char op = text[p];
    if (op != '+' && op != '-' && op != '*' && op != '/') return give_up();
    if (op == '*' && p + 1 < text.size() && text[p + 1] == '*') return give_up();  // a power
    list.push_back({op == '+'   ? TOK_PLUS
                    : op == '-' ? TOK_MINUS
                    : op == '*' ? TOK_STAR
                                : TOK_SLASH,
                    0});
    ++p;
  }
  if (negative) token_list_add(TOK_RPAREN, 0, list);
  token_list_add(TOK_RBRACE, 0, list);
  return true;
}

}  // namespace

bool add_expression(TranslationContext& ctx, std::string_view text, bool negative, TokenList& list,
                    std::string& problem) {
  // Nothing between the quotes is no value: left to the reader to report.
  if (text.find_first_not_of(" \t") == std::string_view::npos) return true;
  // Its tree and pieces take some thirty times its text: a value no model
  // writes (a file's worth of '1+1+...') is echoed instead.
  if (text.size() > kMaxExpressionLength) {
    problem = "longer than " + std::to_string(kMaxExpressionLength) + " characters";
    return false;
  }
  if (add_simple_value(ctx, text, negative, list)) return true;
  Expression& expression = ctx.expression_in_hand;
  parse_expression(text, expression, problem);
  TokenList written;
  if (problem.empty()) write_expression(ctx, expression, written, problem);
  if (!problem.empty()) return false;
  // -'a+b' negates the whole expression: { -(a+b) }
  token_list_add(TOK_LBRACE, 0, list);
  if (negative) {
    token_list_add(TOK_MINUS, 0, list);
    token_list_add(TOK_LPAREN, 0, list);
  }
  list.insert(list.end(), written.begin(), written.end());
  if (negative) token_list_add(TOK_RPAREN, 0, list);
  token_list_add(TOK_RBRACE, 0, list);
  return true;
}

void reject_expression(TranslationContext& ctx, std::string_view text, std::string_view problem) {
  // Only what the warning quotes is copied (see `post_warning`).
  const std::size_t quoted = kQuotedSourceLimit - 24;
  std::string source = "'";
  source += text.substr(0, quoted);
  source += text.size() > quoted ? "...'" : "'";
  warn_and_skip(ctx, ctx.statement_target,
                "Expression not translated, " + std::string(problem) + ":", source);
}

bool read_expression_value(TranslationContext& ctx, std::string_view text, bool negative,
                           TokenList& list) {
  std::string problem;
  if (add_expression(ctx, text, negative, list, problem)) return true;
  reject_expression(ctx, text, problem);
  return false;
}

TokenList setting_value(TranslationContext& ctx, std::string_view text) {
  TokenList list;
  std::string problem;
  if (!add_expression(ctx, text, false, list, problem)) return {};
  // { 1u } -> 1u
  if (list.size() == 3 && list.front().kind == TOK_LBRACE && list.back().kind == TOK_RBRACE) {
    return TokenList{list[1]};
  }
  return list;
}

std::string global_node_name(TranslationContext& ctx, std::string_view name) {
  ctx.nodes_written = true;
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
