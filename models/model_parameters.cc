#include <algorithm>
#include <string>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/output_writer.h"
#include "core/parameter_words.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "core/translation_report.h"
#include "models/parameter_record.h"
#include "models/parameter_sets.h"

namespace corvane {
namespace {

constexpr std::string_view kBadSyntax = "Unrecognized syntax when parsing statement";
constexpr std::string_view kBadValue = "Missing or unrecognized model parameter value";

// Parentheses around the list (or stray ones), the "+" of continuation lines
// and line ends separate parameters.
void skip_separators(TranslationContext& ctx) {
  while (!ctx.statement_ended && (ctx.token_kind == TOK_LPAREN || ctx.token_kind == TOK_RPAREN ||
                                  ctx.token_kind == TOK_EOL || ctx.token_kind == TOK_PLUS)) {
    next_token(ctx, MODE_ALL_KEYWORDS);
  }
}

// value -> number | [-]name | 'expression', with an optional sign. A value
// may stand on the next "+" line. Returns false for anything else (a bare
// operator, a call, or nothing before the statement ends).
bool read_parameter_value(TranslationContext& ctx, TokenList& value) {
  bool negative = false;
  if (!ctx.statement_ended && (ctx.token_kind == TOK_PLUS || ctx.token_kind == TOK_MINUS)) {
    negative = ctx.token_kind == TOK_MINUS;
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (ctx.statement_ended) return false;
  const int kind = ctx.token_kind;
  if (kind == TOK_NAME || is_number_kind(kind)) {
    // A name is a parameter of the netlist: Ondrel wants it in braces.
    if (kind == TOK_NAME) token_list_add(TOK_LBRACE, 0, value);
    if (negative) token_list_add(TOK_MINUS, 0, value);
    token_list_add(kind, ctx.token_index, value);
    if (kind == TOK_NAME) token_list_add(TOK_RBRACE, 0, value);
    next_token(ctx, MODE_ALL_KEYWORDS);
    return true;
  }
  if (kind == TOK_QUOTE) {
    TokenList expression;
    read_value(ctx, expression);
    if (expression.size() <= 2) return false;  // '' holds no value
    if (negative) {
      // -'a+b' negates the whole expression: { -(a+b) }.
      value.push_back({TOK_LBRACE, 0});
      value.push_back({TOK_MINUS, 0});
      value.push_back({TOK_LPAREN, 0});
      value.insert(value.end(), expression.begin() + 1, expression.end() - 1);
      value.push_back({TOK_RPAREN, 0});
      value.push_back({TOK_RBRACE, 0});
    } else {
      value = std::move(expression);
    }
    return true;
  }
  return false;
}

// Keeps a parameter the card gave; only the values that choose a form are
// spelled out again as text.
void record_parameter(TranslationContext& ctx, ParameterRecord& record, int code, TokenList value) {
  std::string text = ParameterRecord::keeps_text(code) ? value_text(ctx, value) : std::string();
  record.read(code, std::move(value), std::move(text));
  if (ctx.report != nullptr) ctx.report->note_parameter_read(code);
}

// "\n+ name = value ". The names are the parameter table's own words, with
// nothing to strip. Most values are one number: that line is made in one
// piece, the rest piece by piece.
void write_parameter(TranslationContext& ctx, int target, OutputText& out, std::string_view name,
                     const TokenList& value) {
  constexpr std::string_view kOpening = "\n+ ";
  constexpr std::string_view kEquals = " = ";
  const bool one_number = value.size() == 1 && is_number_kind(value[0].kind);
  const std::string_view number = one_number ? ctx.constants[value[0].value].text : "";
  char* const start = out.tail(kOpening.size() + name.size() + kEquals.size() + number.size() + 1);
  char* end = std::copy(kOpening.begin(), kOpening.end(), start);
  end = std::copy(name.begin(), name.end(), end);
  end = std::copy(kEquals.begin(), kEquals.end(), end);
  if (one_number) {
    end = OutputText::copy_stripped(end, number);
    *end++ = ' ';
  }
  out.advance(static_cast<std::size_t>(end - start));
  if (!one_number) token_list_write_outside_braces(ctx, target, value);
}

// The parameter code of the word in hand: its keyword code, or the code of
// a standard name or alias that is no keyword; -1 for any other word.
int parameter_code(TranslationContext& ctx, std::string& lower) {
  if (is_keyword_code(ctx.token_kind)) return ctx.token_kind;
  if (ctx.token_kind != TOK_NAME) return -1;
  lower.assign(token_text(ctx));
  for (char& c : lower) c = lower_ascii(c);
  return non_keyword_parameter_code(lower);
}

}  // namespace

// param-list -> [(] { name = value [)] } [)]
bool read_model_parameters(TranslationContext& ctx, int target, ParameterRecord& record) {
  if (ctx.report != nullptr) ctx.report->begin_card(ctx, token_text(ctx));
  const int kind_code = ctx.token_kind;
  next_token(ctx, MODE_ALL_KEYWORDS);
  skip_separators(ctx);
  std::string word;  // kept for messages; reused from parameter to parameter
  std::string lower;
  while (!ctx.statement_ended && !ctx.scan.input_ended) {
    const int code = parameter_code(ctx, lower);
    NumberAssignment number;
    if (code >= 0 && ctx.quick_number_assignments && scan_number_assignment(ctx, number)) {
      // "= number" on the same line: no token-by-token reading.
      TokenList value;
      if (number.negative) token_list_add(TOK_MINUS, 0, value);
      token_list_add(number.kind, number.index, value);
      record_parameter(ctx, record, code, std::move(value));
      next_token(ctx, MODE_ALL_KEYWORDS);
      skip_separators(ctx);
      continue;
    }
    word.assign(token_text(ctx));
    next_token(ctx, MODE_NO_KEYWORDS);
    if (ctx.statement_ended || ctx.token_kind != TOK_EQUALS) {
      warn_and_skip(ctx, target, kBadSyntax, "");
      return false;
    }
    next_token(ctx, MODE_NO_KEYWORDS);
    TokenList value;
    if (!read_parameter_value(ctx, value)) {
      warn_and_skip(ctx, target, kBadValue, word);
      return false;
    }
    // A word that is no model parameter has no slot: it is not written.
    if (code >= 0) {
      record_parameter(ctx, record, code, std::move(value));
    } else if (ctx.report != nullptr) {
      ctx.report->note_unknown_parameter(word);
    }
    skip_separators(ctx);
  }
  drop_names_of_other_families(record, parameter_family(kind_code, record.text(kw("level"))));
  // `.option scalm` is the scalm of every card that gives none.
  if (!ctx.geometry_scales.scalm.empty() && !record.given(kw("scalm"))) {
    TokenList scalm = setting_value(ctx, ctx.geometry_scales.scalm);
    if (!scalm.empty()) {
      record.set_value(kw("scalm"), std::move(scalm));
      record.set_given(kw("scalm"), true);
    }
  }
  return true;
}

// + name = value
void write_model_parameters(TranslationContext& ctx, int target, const ParameterRecord& record) {
  if (ctx.report != nullptr) ctx.report->note_card_written();
  OutputText& out = output_of(ctx, target);
  record.for_each_written([&](int code, std::string_view name, const TokenList& value) {
    if (ctx.report != nullptr) ctx.report->note_parameter_written(code);
    write_parameter(ctx, target, out, name, value);
  });
  write_line(ctx, target, "");
}

}  // namespace corvane
