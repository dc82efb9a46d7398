#include "core/scanner.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/char_class.h"
#include "core/fatal_error.h"
#include "core/function_calls.h"
#include "core/number_spelling.h"
#include "core/text_index.h"

namespace corvane {
namespace {

// Scanner diagnostics go to the standard output text.
void print_diagnostic(TranslationContext& ctx, const char* kind, std::string_view text) {
  ctx.console += '\n';
  ctx.console += std::to_string(ctx.scan.line_number);
  ctx.console += ": [";
  ctx.console += kind;
  ctx.console += "] ";
  ctx.console += text;
}

[[noreturn]] void scanner_error(TranslationContext& ctx, std::string_view text) {
  print_diagnostic(ctx, "Error", text);
  ctx.console += "\nFatal Error: Too many errors\n";
  throw FatalError(StandardStream::output, ctx.console);
}

// Where the line from `start` ends: its first "\n" or "\r", or the input's
// end. memchr finds a whole line's end in a few steps; the "\n" found is
// kept while lines end before it.
std::size_t line_end(ScannerState& s, std::string_view input, std::size_t start) {
  const char* begin = input.data() + start;
  if (!s.next_newline_known || s.next_newline < start) {
    const void* newline = std::memchr(begin, '\n', input.size() - start);
    s.next_newline =
        newline != nullptr
            ? start + static_cast<std::size_t>(static_cast<const char*>(newline) - begin)
            : input.size();
    s.next_newline_known = true;
  }
  const std::size_t searched = s.next_newline - start;
  const void* carriage_return = std::memchr(begin, '\r', searched);
  if (carriage_return != nullptr) {
    return start + static_cast<std::size_t>(static_cast<const char*>(carriage_return) - begin);
  }
  return start + searched;
}

// Reads the next physical line that holds more than its line end. Lines end
// at "\n", "\r\n" or a lone "\r".
bool read_line(TranslationContext& ctx) {
  ScannerState& s = ctx.scan;
  const std::string_view input = s.input;
  while (s.next_line_start < input.size()) {
    const std::size_t start = s.next_line_start;
    std::size_t end = line_end(s, input, start);
    std::size_t next = end;
    if (end < input.size()) {
      next = end + 1;
      if (input[end] == '\r' && next < input.size() && input[next] == '\n') ++next;
    }
    s.next_line_start = next;
    ++s.line_number;
    if (end == start) continue;
    s.line = input.substr(start, end - start);
    s.pos = 0;
    s.need_line = false;
    s.previous_kind = TOK_EOL;
    s.previous_token_end = std::string_view::npos;
    ctx.statement_lines.push_back(s.line);
    return true;
  }
  return false;
}

// A star after an operand multiplies; a star touching another star is the
// second half of the power operator "**".
bool star_is_operator(const ScannerState& s, std::size_t p) {
  const int previous = s.previous_kind;
  return previous == TOK_NAME || is_number_kind(previous) || previous == TOK_RPAREN ||
         (previous == TOK_STAR && p == s.previous_token_end);
}

int single_character_kind(CharClass k) {
  switch (k) {
    case CharClass::quote:
      return TOK_QUOTE;
    case CharClass::lparen:
      return TOK_LPAREN;
    case CharClass::rparen:
      return TOK_RPAREN;
    case CharClass::star:
      return TOK_STAR;
    case CharClass::plus:
      return TOK_PLUS;
    case CharClass::minus:
      return TOK_MINUS;
    case CharClass::slash:
      return TOK_SLASH;
    case CharClass::equals:
      return TOK_EQUALS;
    default:
      return TOK_EOF;
  }
}

constexpr std::array<bool, 256> make_word_table() {
  std::array<bool, 256> table{};
  for (int c = 0; c < 256; ++c) {
    table[static_cast<std::size_t>(c)] =
        continues_word(char_class(static_cast<char>(c))) || c == '$';
  }
  return table;
}

// Letters, e, digits, dots and extra characters continue a word. A "$" that
// touches the word is part of it (N$653 is a node name, not a comment).
constexpr std::array<bool, 256> kContinuesWord = make_word_table();

constexpr std::array<char, 256> make_lower_case_table() {
  std::array<char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    table[static_cast<std::size_t>(c)] = lower_ascii(static_cast<char>(c));
  }
  return table;
}

constexpr std::array<char, 256> kLowerCase = make_lower_case_table();

// A word from `start`, whose first character (`first_length` of them, the
// dot of ".model" included) is known to begin it. One pass finds its end and
// hashes its lower-case text, so the symbol table need not read it again.
struct ScannedWord {
  std::size_t end;
  std::uint64_t hash;
  bool has_capitals;
};

ScannedWord scan_word(std::string_view line, std::size_t start, std::size_t first_length,
                      std::uint64_t hash_start) {
  std::uint64_t h = hash_start;
  unsigned changed = 0;
  std::size_t p = start;
  const auto take = [&](char c) {
    const char lower = kLowerCase[static_cast<unsigned char>(c)];
    changed |= static_cast<unsigned>(lower != c);
    h = TextIndex::hash_step(h, lower);
  };
  for (; p < start + first_length; ++p) take(line[p]);
  for (; p < line.size() && kContinuesWord[static_cast<unsigned char>(line[p])]; ++p) take(line[p]);
  return {p, h, changed != 0};
}

std::size_t digits_end(std::string_view line, std::size_t p) {
  while (p < line.size() && char_class(line[p]) == CharClass::digit) ++p;
  return p;
}

bool is_digit_at(std::string_view line, std::size_t p) {
  return p < line.size() && char_class(line[p]) == CharClass::digit;
}

// A number from `p`: digits with an optional fraction, then an exponent or a
// suffix word. Returns its end and kind, and in `letters` where its letters
// (exponent marker or suffix) may start: only those can be capitals.
inline std::size_t number_end(std::string_view line, std::size_t p, int& kind,
                              std::size_t& letters) {
  p = digits_end(line, p);
  if (p < line.size() && line[p] == '.') p = digits_end(line, p + 1);
  kind = TOK_NUMBER;
  letters = p;
  if (p >= line.size()) return p;
  const CharClass k = char_class(line[p]);
  if (k == CharClass::e) {
    std::size_t q = p + 1;
    if (q < line.size() && (line[q] == '+' || line[q] == '-')) ++q;
    if (!is_digit_at(line, q)) return p;  // "1e" is the number 1 and the word e
    kind = TOK_NUMBER_EXP;
    // A scale suffix may follow the exponent: 2.5e-3meg is 2.5k.
    p = digits_end(line, q);
    if (p >= line.size() || char_class(line[p]) != CharClass::letter) return p;
  } else if (k != CharClass::letter) {
    return p;
  }
  ++p;
  while (p < line.size() && continues_word(char_class(line[p]))) ++p;
  return p;
}

std::string_view lowered_copy(ScannerState& s, std::string_view text) {
  s.token_buffer.resize(text.size());
  char* out = s.token_buffer.data();
  for (char c : text) *out++ = kLowerCase[static_cast<unsigned char>(c)];
  return s.token_buffer;
}

// The token's text in lower case: the line itself when it has no capitals,
// else a lowered copy.
inline std::string_view lowered(ScannerState& s, std::string_view text, bool has_capitals) {
  return has_capitals ? lowered_copy(s, text) : text;
}

bool has_capitals(std::string_view text) {
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') return true;
  }
  return false;
}

// A number's text in lower case; only its letters can be capitals.
std::string_view number_text(ScannerState& s, std::string_view line, std::size_t start,
                             std::size_t end, std::size_t letters) {
  return lowered(s, line.substr(start, end - start),
                 has_capitals(line.substr(letters, end - letters)));
}

// Where the run of extra characters (< > [ ] # ...) from `p` ends when it
// begins no word, or `p` when it does: a name such as <a> or [0]n starts
// with them, and must keep them.
std::size_t skip_extras(std::string_view line, std::size_t p) {
  std::size_t end = p;
  while (end < line.size() && char_class(line[end]) == CharClass::extra) ++end;
  if (end >= line.size()) return end;
  const CharClass k = char_class(line[end]);
  return k == CharClass::letter || k == CharClass::e || k == CharClass::digit ? p : end;
}

// Passes over what separates tokens on a line: blanks, commas and the
// ignored characters (extra characters that begin no word). `comma` is set
// when a comma is among them. Runs before every token: blanks and commas
// take the short way.
inline std::size_t skip_blanks(std::string_view line, std::size_t p, bool& comma) {
  while (p < line.size()) {
    const char c = line[p];
    const CharClass k = char_class(c);
    if (k == CharClass::blank || k == CharClass::skip) {
      comma |= c == ',';
      ++p;
    } else if (k == CharClass::extra) {
      // A run that begins no word is passed whole: each extra character
      // is read once, however long the run.
      const std::size_t end = skip_extras(line, p);
      if (end == p) break;
      p = end;
    } else {
      break;
    }
  }
  return p;
}

// Where a token of the current line stands, as the next one needs to know.
void place_token(ScannerState& s, std::size_t start, std::size_t end) {
  s.token_start = start;
  s.token_touches_previous = start == s.previous_token_end;
  s.previous_token_end = end;
  s.pos = end;
  s.token_line = s.line_number;
}

bool looks_up_keywords(int mode, std::string_view text) {
  return mode == MODE_ALL_KEYWORDS ||
         (mode == MODE_DOT_KEYWORDS && !text.empty() && text[0] == '.');
}

// The device types that may be written as calls: ".model m1 nmos(level=49".
int device_call_keyword(std::string_view call) {
  static constexpr std::string_view kDeviceCalls[] = {"njf(", "pjf(", "nmos(", "pmos(", "d(",
                                                      "npn(", "pnp(", "r(",    "l(",    "c("};
  for (std::string_view device : kDeviceCalls) {
    if (call == device) return TOK_NAME;
  }
  return TOK_CALL;
}

int enter_word(TranslationContext& ctx, int kind, int mode, std::uint64_t h) {
  // Names are kept whole, however long: two names never become one.
  ScannerState& s = ctx.scan;
  if (kind == TOK_CALL) {
    s.token_buffer.assign(s.token_text);
    rewrite_function_call(ctx, s.token_buffer);
    s.token_text = s.token_buffer;
    if (device_call_keyword(s.token_buffer) == TOK_NAME) {
      s.token_buffer.pop_back();  // the device word without its "("
      s.token_text = s.token_buffer;
      ctx.token_index = ctx.symbols.find(s.token_text);
      return ctx.symbols[ctx.token_index].kind;
    }
    h = ctx.symbols.hash(s.token_text);
  }
  ctx.token_index = ctx.symbols.enter_hashed(s.token_text, h, kind);
  if (kind == TOK_NAME && ctx.token_index < KEYWORD_COUNT &&
      looks_up_keywords(mode, s.token_text)) {
    return KEYWORD_FIRST_CODE + ctx.token_index;
  }
  return kind;
}

int enter_number(TranslationContext& ctx, int kind) {
  if (ctx.scan.token_text.size() > MAX_NUMBER_LENGTH) {
    scanner_error(ctx, " Number literal greater than 20 characters");
  }
  ctx.token_index =
      ctx.constants.enter(ondrel_number_text(ctx.scan.token_text, ctx.scan.number_spelling), kind);
  return kind;
}

}  // namespace

void scanner_open(TranslationContext& ctx, std::string_view input) {
  // A Ctrl-Z at the end is the old end-of-file mark, not text: left in, it
  // would be echoed with a rejected last statement.
  while (!input.empty() && input.back() == '\x1a') input.remove_suffix(1);
  ctx.scan = ScannerState{};
  ctx.scan.input = input;
  ctx.statement_lines.clear();
  ctx.previous_statement_lines.clear();
  ctx.comment_buffer.clear();
}

void scanner_reset_tables(TranslationContext& ctx) {
  ctx.symbols.reset();
  ctx.constants.reset();
}

void keep_current_constant(TranslationContext& ctx) {
  if (!is_number_kind(ctx.token_kind)) {
    ctx.constants.reset();
    return;
  }
  const std::string text(ctx.constants[ctx.token_index].text);
  ctx.constants.reset();
  ctx.token_index = ctx.constants.enter(text, ctx.token_kind);
}

int scan_token(TranslationContext& ctx, int mode) {
  ScannerState& s = ctx.scan;
  for (;;) {
    if (s.need_line && !read_line(ctx)) {
      s.input_ended = true;
      s.line = {};
      s.pos = 0;
      s.token_text = {};
      ctx.token_kind = TOK_EOF;
      ctx.token_index = 0;
      return TOK_EOF;
    }
    const std::string_view line = s.line;
    s.comma_before = false;
    const std::size_t p = skip_blanks(line, s.pos, s.comma_before);
    int kind = TOK_EOL;
    std::size_t end = p;
    ScannedWord word{};
    std::size_t letters = 0;  // a number's letters start here
    if (p < line.size()) {
      const CharClass k = char_class(line[p]);
      switch (k) {
        case CharClass::end:
          end = line.size();
          break;
        case CharClass::star:
          if (s.previous_kind == TOK_EOL) {
            // A comment line: kept whole for the output.
            ctx.comment_buffer.append(line);
            ctx.comment_buffer += '\n';
            s.need_line = true;
            continue;
          }
          // Inside a quote a "+" line may go on with "*1k'" or "**2'".
          if (!s.in_quote && !star_is_operator(s, p)) {
            // A comment after a statement's text ends its line; the text
            // before it stays with the statement.
            ctx.comment_buffer.append(line.substr(p));
            ctx.comment_buffer += '\n';
            end = line.size();
            break;
          }
          kind = TOK_STAR;
          end = p + 1;
          break;
        case CharClass::dot: {
          const CharClass after = p + 1 < line.size() ? char_class(line[p + 1]) : CharClass::end;
          if (after == CharClass::letter || after == CharClass::e) {
            word = scan_word(line, p, 2, ctx.symbols.hash_start());
            end = word.end;
            kind = TOK_NAME;
          } else if (after == CharClass::digit) {
            end = number_end(line, p, kind, letters);
          } else {
            s.pos = p + 1;  // a lone dot forms no token
            continue;
          }
          break;
        }
        case CharClass::letter:
        case CharClass::e:
        case CharClass::extra:  // only where it begins a word
          word = scan_word(line, p, 1, ctx.symbols.hash_start());
          end = word.end;
          kind = TOK_NAME;
          break;
        case CharClass::digit:
          end = number_end(line, p, kind, letters);
          break;
        default:
          kind = single_character_kind(k);
          end = p + 1;
          break;
      }
    }
    if (kind == TOK_NAME && end < line.size() && line[end] == '(') {
      kind = TOK_CALL;  // hashed once its text is settled
      ++end;
    }
    place_token(s, p, end);
    ctx.token_index = 0;
    if (kind == TOK_EOL) {
      s.token_text = {};
      s.pos = line.size();
      s.need_line = true;
    } else if (kind == TOK_NAME || kind == TOK_CALL) {
      s.token_text = lowered(s, line.substr(p, end - p), word.has_capitals);
      kind = enter_word(ctx, kind, mode, word.hash);
    } else if (is_number_kind(kind)) {
      s.token_text = number_text(s, line, p, end, letters);
      kind = enter_number(ctx, kind);
    } else {
      s.token_text = line.substr(p, end - p);  // an operator or a comment's end: no letters
    }
    s.previous_kind = kind;
    ctx.token_kind = kind;
    return kind;
  }
}

bool scan_number_assignment(TranslationContext& ctx, NumberAssignment& assignment) {
  ScannerState& s = ctx.scan;
  if (s.need_line) return false;
  const std::string_view line = s.line;
  bool comma = false;  // before the number: only what follows "=" or the sign counts
  std::size_t p = skip_blanks(line, s.pos, comma);
  if (p >= line.size() || line[p] != '=') return false;
  comma = false;
  p = skip_blanks(line, p + 1, comma);
  assignment.negative = false;
  if (p < line.size() && (line[p] == '+' || line[p] == '-')) {
    assignment.negative = line[p] == '-';
    comma = false;
    p = skip_blanks(line, p + 1, comma);
  }
  const bool starts_number =
      p < line.size() &&
      (char_class(line[p]) == CharClass::digit ||
       (line[p] == '.' && p + 1 < line.size() && char_class(line[p + 1]) == CharClass::digit));
  if (!starts_number) return false;
  int kind = TOK_NUMBER;
  std::size_t letters = 0;
  const std::size_t end = number_end(line, p, kind, letters);
  if (end - p > MAX_NUMBER_LENGTH) return false;  // the token way reports it
  // The state the number token leaves behind.
  s.comma_before = comma;
  place_token(s, p, end);
  s.token_text = number_text(s, line, p, end, letters);
  ctx.token_index = ctx.constants.enter(ondrel_number_text(s.token_text, s.number_spelling), kind);
  s.previous_kind = kind;
  ctx.token_kind = kind;
  ctx.statement_ended = false;
  assignment.kind = kind;
  assignment.index = ctx.token_index;
  return true;
}

std::string_view token_text(const TranslationContext& ctx) { return ctx.scan.token_text; }

std::string_view source_token_text(const TranslationContext& ctx) {
  const std::string_view line = ctx.scan.line;
  const std::size_t start = ctx.scan.token_start;
  if (start >= line.size() || ctx.scan.pos < start) return token_text(ctx);
  return line.substr(start, std::min(ctx.scan.pos, line.size()) - start);
}

void skip_line(TranslationContext& ctx) {
  ctx.scan.pos = ctx.scan.line.size();
  ctx.scan.need_line = true;
  ctx.scan.after_skip = true;
  ctx.token_kind = TOK_EOL;
}

std::string_view current_line(const TranslationContext& ctx) { return ctx.scan.line; }

}  // namespace corvane
