// Independent sources: V and I lines read the same in both dialects but for
// their values.

#include <algorithm>
#include <array>
#include <string>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/names.h"
#include "core/number_spelling.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "elements/element_translators.h"

namespace corvane {
namespace {

// The words of a source's value part that are no parameter names.
constexpr std::array<std::string_view, 19> kSourceWords = {
    "dc",  "ac", "pulse", "pu",   "sin",  "exp", "pwl",     "pl", "sffm", "am",
    "pat", "r",  "td",    "data", "file", "rd",  "pwlfile", "rb", "rout"};

bool is_source_word(std::string_view word) {
  const std::string lower = lower_ascii_text(word);
  return std::find(kSourceWords.begin(), kSourceWords.end(), lower) != kSourceWords.end();
}

// A PAT source's data: b and the bits (b1010).
bool is_bit_pattern(std::string_view word) {
  return word.size() > 1 && (word[0] == 'b' || word[0] == 'B') &&
         word.find_first_not_of("01", 1) == std::string_view::npos;
}

bool is_setting_word(std::string_view word) {
  const std::string lower = lower_ascii_text(word);
  return lower == "td" || lower == "rd" || lower == "data" || lower == "file" || lower == "rb" ||
         lower == "rout";
}

bool starts_name(char c) {
  const CharClass k = char_class(c);
  return k == CharClass::letter || k == CharClass::e;
}

bool continues_value_word(char c) {
  const CharClass k = char_class(c);
  return k == CharClass::letter || k == CharClass::e || k == CharClass::digit ||
         k == CharClass::dot || k == CharClass::extra;
}

// digits [. digits] [e [+-] digits] [letters]: a scale suffix may follow
// the exponent (2.5e-3meg is 2.5k).
std::size_t number_end(std::string_view text, std::size_t p) {
  const auto digits = [&](std::size_t q) {
    while (q < text.size() && char_class(text[q]) == CharClass::digit) ++q;
    return q;
  };
  p = digits(p);
  if (p < text.size() && text[p] == '.') p = digits(p + 1);
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    std::size_t q = p + 1;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
    if (q < text.size() && char_class(text[q]) == CharClass::digit) {
      p = digits(q);
      if (p >= text.size() || char_class(text[p]) != CharClass::letter) return p;
    }
  }
  while (p < text.size() && continues_value_word(text[p])) ++p;
  return p;
}

// Whether the value at `value` has a sign of its own: a "+" or "-" that
// touches it and follows a blank, "(", "," or "=". At the line's start a
// "+" is that of a continuation line.
bool has_value_sign(std::string_view text, std::size_t value) {
  if (value < 2 || (text[value - 1] != '-' && text[value - 1] != '+')) return false;
  const char before = text[value - 2];
  return char_class(before) == CharClass::blank || before == '(' || before == ',' || before == '=';
}

// The position after the closing `close` of a group opened at `open`, or
// npos when the line does not close it.
std::size_t group_end(std::string_view text, std::size_t open, char close) {
  if (close == '\'') {
    const std::size_t end = text.find('\'', open + 1);
    return end == std::string_view::npos ? end : end + 1;
  }
  int depth = 0;
  for (std::size_t p = open; p < text.size(); ++p) {
    depth += text[p] == '{' ? 1 : text[p] == '}' ? -1 : 0;
    if (depth == 0) return p + 1;
  }
  return std::string_view::npos;
}

// The end of one operand of a value written without quotes from `p`: a
// number, a name, a call (a name that is no source word, then its
// parenthesis) or a parenthesis; `p` itself when none starts there, npos
// when a parenthesis is not closed on the line.
std::size_t operand_end(std::string_view text, std::size_t p) {
  if (p >= text.size()) return p;
  const char c = text[p];
  const auto closing = [&](std::size_t open) {
    int depth = 0;
    for (std::size_t q = open; q < text.size(); ++q) {
      depth += text[q] == '(' ? 1 : text[q] == ')' ? -1 : 0;
      if (depth == 0) return q + 1;
    }
    return std::string_view::npos;
  };
  if (c == '(') return closing(p);
  if (char_class(c) == CharClass::digit ||
      (c == '.' && p + 1 < text.size() && char_class(text[p + 1]) == CharClass::digit)) {
    return number_end(text, p);
  }
  if (!starts_name(c)) return p;
  std::size_t end = p;
  while (end < text.size() && continues_value_word(text[end])) ++end;
  if (end < text.size() && text[end] == '(' && !is_source_word(text.substr(p, end - p))) {
    return closing(end);
  }
  return end;
}

// The end of a value written without quotes or blanks from `p`: operands
// joined by + - * / ^ or ** (vdd-1, 2*vdd, vdd*(1+x)), which HSPICE reads as
// one expression.
std::size_t unquoted_value_end(std::string_view text, std::size_t p) {
  std::size_t end = operand_end(text, p);
  while (end != std::string_view::npos && end < text.size() &&
         std::string_view("+-*/^").find(text[end]) != std::string_view::npos) {
    std::size_t next = end + 1;
    if (text[end] == '*' && next < text.size() && text[next] == '*') ++next;
    const std::size_t operand = operand_end(text, next);
    if (operand == next || operand == std::string_view::npos) break;
    end = operand;
  }
  return end;
}

// What a source's lines need to reject the statement.
struct SourceStatement {
  std::string_view bad_syntax;  // the message for a value that cannot be read
  std::string name;
  // Where its output begins: lines written before a rejected "+" line are
  // taken back, as the echo holds them.
  std::size_t output_start;
};

// The values of a source line as Ondrel reads them: a parameter name, a
// quoted expression and an expression in braces become "{ expression }",
// with the sign that touches it inside the braces; numbers, the source's own
// words and punctuation are copied. False when the statement was rejected:
// an expression that cannot be written, or a number a name touches.
bool write_source_values(TranslationContext& ctx, int target, std::string_view text,
                         const SourceStatement& statement) {
  std::size_t p = 0;
  std::size_t copied = 0;  // text before this is written
  const auto copy_to = [&](std::size_t end) {
    if (end > copied) write_text(ctx, target, text.substr(copied, end - copied), false);
    copied = end;
  };
  // "{ expression }"; false when Ondrel cannot express it (the statement is
  // then rejected, what it wrote taken back).
  const auto write_expression = [&](std::string_view expression, bool negative) {
    TokenList value;
    std::string problem;
    if (!add_expression(ctx, expression, negative, value, problem)) {
      output_of(ctx, target).truncate(statement.output_start);
      reject_expression(ctx, expression, problem);
      return false;
    }
    token_list_write(ctx, target, value, false);
    return true;
  };
  while (p < text.size()) {
    const char c = text[p];
    if (c == '$' || c == '*') {
      // A comment: kept as it stands.
      copy_to(p);
      output_of(ctx, target).append(text.substr(p));
      copied = text.size();
      return true;
    }
    if (c == '\'' || c == '{') {
      const std::size_t end = group_end(text, p, c == '\'' ? '\'' : '}');
      if (end == std::string_view::npos) break;
      const bool sign = has_value_sign(text, p);
      copy_to(sign ? p - 1 : p);
      if (!write_expression(text.substr(p + 1, end - p - 2), sign && text[p - 1] == '-')) {
        return false;
      }
      p = copied = end;
      continue;
    }
    if (starts_name(c) || char_class(c) == CharClass::digit || c == '.') {
      std::size_t word_end = p;
      while (word_end < text.size() && continues_value_word(text[word_end])) ++word_end;
      const std::size_t end = unquoted_value_end(text, p);
      if (end != std::string_view::npos && end > std::max(word_end, number_end(text, p))) {
        // An expression without quotes (or a call): written whole, as a
        // quoted one, with the sign that touches it as its first operator.
        const std::size_t start = has_value_sign(text, p) ? p - 1 : p;
        copy_to(start);
        if (!write_expression(text.substr(start, end - start), false)) return false;
        p = copied = end;
        continue;
      }
    }
    if (char_class(c) == CharClass::digit ||
        (c == '.' && p + 1 < text.size() && char_class(text[p + 1]) == CharClass::digit)) {
      const std::size_t start = p;
      p = number_end(text, p);
      const std::string_view number = text.substr(start, p - start);
      const std::string_view written = ondrel_number_text(number, ctx.scan.number_spelling);
      if (written.data() != number.data()) {
        copy_to(start);
        write_text(ctx, target, written, false);
        copied = p;
      }
      if (p < text.size() && starts_name(text[p])) {
        output_of(ctx, target).truncate(statement.output_start);
        warn_and_skip(ctx, target, statement.bad_syntax, statement.name);
        return false;
      }
      continue;
    }
    if (starts_name(c)) {
      std::size_t end = p;
      while (end < text.size() && continues_value_word(text[end])) ++end;
      const std::string_view word = text.substr(p, end - p);
      std::size_t after = end;
      while (after < text.size() && (text[after] == ' ' || text[after] == '\t')) ++after;
      const bool assigned = after < text.size() && text[after] == '=' &&
                            (after + 1 >= text.size() || text[after + 1] != '=');
      // td, rd, data, file, rb and rout are settings only as "td=": a
      // bare td in a value's place is a parameter of that name.
      const bool keyword =
          (is_source_word(word) && (assigned || !is_setting_word(word))) || is_bit_pattern(word);
      if (!keyword && assigned) {
        // A keyword value Ondrel's sources have no place for (m=2, the
        // number of sources in parallel): the line is reported.
        output_of(ctx, target).truncate(statement.output_start);
        warn_and_skip(ctx, target, statement.bad_syntax, statement.name);
        return false;
      }
      if (!keyword) {
        // A parameter name standing for a value.
        const bool sign = has_value_sign(text, p);
        copy_to(sign ? p - 1 : p);
        write_text(ctx, target, sign && text[p - 1] == '-' ? "{ -" : "{ ", false);
        write_text(ctx, target, word, false);
        write_text(ctx, target, " }", false);
        copied = end;
      }
      p = end;
      continue;
    }
    ++p;
  }
  copy_to(text.size());
  return true;
}

// Where the values of a source's first line begin: after its name and two
// nodes, which are written with the global prefix of declared nodes.
std::size_t write_name_and_nodes(TranslationContext& ctx, int target, std::string_view line) {
  constexpr std::string_view kSeparators = " \t,";
  ctx.nodes_written = true;
  std::size_t p = 0;
  for (int word = 0; word < 3 && p < line.size(); ++word) {
    const std::size_t start = line.find_first_not_of(kSeparators, p);
    if (start == std::string_view::npos) break;
    std::size_t end = line.find_first_of(kSeparators, start);
    if (end == std::string_view::npos) end = line.size();
    write_text(ctx, target, line.substr(p, start - p), false);
    const std::string_view text = line.substr(start, end - start);
    // A node is written as element lines write it (in+ as inp).
    const std::string node = word > 0 ? copied_node_name(ctx, text) : std::string(text);
    const std::string lower = lower_ascii_text(node);
    if (word > 0 && ctx.global_names.contains(lower)) {
      write_text(ctx, target, global_node_name(ctx, lower), false);
    } else {
      write_text(ctx, target, node, false);
    }
    p = end;
  }
  return std::min(p, line.size());
}

}  // namespace

// Vxx n+ n- [dc] v [ac ...] [pulse(... 'expr' ... name ...)] ...
//   ->  the line as written, its two nodes with the global prefix of
//       declared nodes, each parameter name or expression of its values as
//       "{ expression }" (-vdd as "{ -vdd }"); continuation lines likewise.
void translate_independent_source(TranslationContext& ctx, int target, int code) {
  const SourceStatement statement{code == kw("i") ? "Unrecognized syntax when parsing I statement"
                                                  : "Unrecognized syntax when parsing V statement",
                                  std::string(token_text(ctx)), output_of(ctx, target).size()};
  const std::string_view first = current_line(ctx);
  const std::size_t values = write_name_and_nodes(ctx, target, first);
  std::string_view line = first.substr(values);
  for (;;) {
    if (!write_source_values(ctx, target, line, statement)) return;
    write_line(ctx, target, "");
    skip_line(ctx);
    next_token(ctx, MODE_DOT_KEYWORDS);
    if (ctx.statement_ended || ctx.token_kind == TOK_EOF) return;
    line = current_line(ctx);
  }
}

}  // namespace corvane
