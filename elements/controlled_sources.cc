// Reading E, F, G and H lines. HSPICE writes the controlling function in many
// forms; this file reads them all into a ControlledSource, which
// controlled_source_output.cc writes.

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "core/keywords.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "elements/controlled_source.h"
#include "elements/element_translators.h"

namespace corvane {
namespace {

constexpr std::string_view kBadSource = "Unrecognized syntax when parsing EFGH statement";
constexpr std::string_view kBadControl = "Incorrect number of controlling nodes:";
constexpr std::string_view kBadStatement = "Unrecognized syntax when parsing statement";

// Larger counts are held at this; the input runs out of nodes long before.
constexpr int kMaxCount = 1'000'000;

bool has_control_input(const ControlledSource& s) {
  return !s.controlling_nodes.empty() || !s.source_names.empty();
}

// The mode for the token after a form word: nodes are never keywords.
int input_mode(const ControlledSource& s) {
  return has_control_input(s) ? MODE_ALL_KEYWORDS : MODE_NO_KEYWORDS;
}

// Reads `pairs` controlling node pairs; a pair may stand in parentheses,
// "(a,b)". The token after the last is read with keywords looked up.
bool read_node_pairs(TranslationContext& ctx, int target, ControlledSource& s, int pairs) {
  for (int i = 0; i < pairs; ++i) {
    const int mode_after = i + 1 == pairs ? MODE_ALL_KEYWORDS : MODE_NO_KEYWORDS;
    const bool parenthesised = !ctx.statement_ended && ctx.token_kind == TOK_LPAREN;
    if (parenthesised) next_element_token(ctx, MODE_NO_KEYWORDS);
    std::string first;
    std::string second;
    if (!read_node(ctx, first, MODE_NO_KEYWORDS) ||
        !read_node(ctx, second, parenthesised ? MODE_NO_KEYWORDS : mode_after)) {
      return reject(ctx, target, kBadControl, s.name);
    }
    if (parenthesised) {
      if (ctx.statement_ended || ctx.token_kind != TOK_RPAREN) {
        return reject(ctx, target, kBadControl, s.name);
      }
      next_element_token(ctx, mode_after);
    }
    s.controlling_nodes.push_back(std::move(first));
    s.controlling_nodes.push_back(std::move(second));
  }
  return true;
}

// Reads `count` controlling source names (f and h).
bool read_source_names(TranslationContext& ctx, int target, ControlledSource& s, int count) {
  for (int i = 0; i < count; ++i) {
    if (ctx.statement_ended || (ctx.token_kind != TOK_NAME && !is_number_kind(ctx.token_kind))) {
      return reject(ctx, target, kBadControl, s.name);
    }
    s.source_names.push_back(read_element_name(ctx));
    if (i + 1 == count) look_up_word(ctx, MODE_ALL_KEYWORDS);
  }
  return true;
}

// `count` controlling inputs: node pairs, or source names for f and h.
bool read_control_input(TranslationContext& ctx, int target, ControlledSource& s, int count) {
  return s.current_controlled ? read_source_names(ctx, target, s, count)
                              : read_node_pairs(ctx, target, s, count);
}

// The count in "poly(2)", "pwl(1)", "and(3)": a number and ")" after the
// call. Returns -1 after rejecting the statement.
int read_call_count(TranslationContext& ctx, int target, ControlledSource& s) {
  next_element_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || !is_number_kind(ctx.token_kind)) {
    reject(ctx, target, kBadStatement, "");
    return -1;
  }
  const std::string text(token_text(ctx));
  int count = 0;
  for (char c : text) {
    if (c < '0' || c > '9') {
      reject(ctx, target, kBadSource, s.name);
      return -1;
    }
    count = std::min(kMaxCount, count * 10 + (c - '0'));
  }
  next_element_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind != TOK_RPAREN) {
    reject(ctx, target, kBadStatement, "");
    return -1;
  }
  s.dimension = text;
  next_element_token(ctx, MODE_NO_KEYWORDS);
  return count;
}

// Reads values while they last into `into`; false when one was empty.
bool read_values_into(TranslationContext& ctx, std::vector<TokenList>& into) {
  while (starts_plain_value(ctx)) {
    TokenList value;
    read_value(ctx, value);
    if (value.empty()) return false;
    into.push_back(std::move(value));
  }
  return true;
}

// Polynomial: inputs, then the coefficients.
bool read_polynomial(TranslationContext& ctx, int target, ControlledSource& s, int dimension) {
  s.form = SourceForm::poly;
  if (!read_control_input(ctx, target, s, dimension)) return false;
  if (!read_values_into(ctx, s.coefficients)) return reject(ctx, target, kBadSource, s.name);
  return true;
}

// Table, transfer function or frequency points, whichever the form takes.
// Parentheses around points, (x1,y1) (x2,y2), are passed over. Stops at the
// first token that is none of its items (a keyword).
bool read_data(TranslationContext& ctx, int target, ControlledSource& s) {
  for (;;) {
    std::vector<TokenList>& into = s.form == SourceForm::freq      ? s.points
                                   : s.form != SourceForm::laplace ? s.table
                                   : s.denominator_started         ? s.denominator
                                                                   : s.numerator;
    if (!read_values_into(ctx, into)) return reject(ctx, target, kBadSource, s.name);
    if (ctx.statement_ended) return true;
    const int kind = ctx.token_kind;
    if (s.form == SourceForm::laplace && kind == TOK_SLASH && !s.denominator_started) {
      s.denominator_started = true;
    } else if (kind != TOK_LPAREN && kind != TOK_RPAREN) {
      return true;
    }
    next_element_token(ctx, MODE_ALL_KEYWORDS);
  }
}

// "poly(", "pwl(", "npwl(", "ppwl(", "and(", "nand(", "nor(", "or(".
bool read_call_form(TranslationContext& ctx, int target, ControlledSource& s) {
  struct CallForm {
    std::string_view call;
    SourceForm form;
  };
  static constexpr std::array<CallForm, 4> kGates = {{{"and(", SourceForm::and_gate},
                                                      {"nand(", SourceForm::nand_gate},
                                                      {"nor(", SourceForm::nor_gate},
                                                      {"or(", SourceForm::or_gate}}};
  const std::string call(token_text(ctx));
  if (call == "poly(") {
    const int dimension = read_call_count(ctx, target, s);
    return dimension >= 0 && read_polynomial(ctx, target, s, dimension);
  }
  if (call == "pwl(" || call == "npwl(" || call == "ppwl(") {
    // The form stays what it was (linear, vcr or vccap); the table follows.
    if (read_call_count(ctx, target, s) < 0) return false;
    s.dimension.clear();
    return read_control_input(ctx, target, s, 1) && read_data(ctx, target, s);
  }
  for (const CallForm& gate : kGates) {
    if (call != gate.call) continue;
    const int inputs = read_call_count(ctx, target, s);
    if (inputs < 0) return false;
    s.dimension.clear();
    s.form = gate.form;
    return read_control_input(ctx, target, s, inputs);
  }
  return reject(ctx, target, kBadSource, s.name);
}

// "poly" written apart from its count: "poly (2) ..." or, with one input,
// "poly vname ...".
bool read_poly_keyword(TranslationContext& ctx, int target, ControlledSource& s) {
  next_element_token(ctx, MODE_NO_KEYWORDS);
  int dimension = 1;
  s.dimension = "1";
  if (!ctx.statement_ended && ctx.token_kind == TOK_LPAREN) {
    dimension = read_call_count(ctx, target, s);
    if (dimension < 0) return false;
  }
  return read_polynomial(ctx, target, s, dimension);
}

bool is_expression_word(std::string_view word) { return word == "vol" || word == "value"; }

// A name or number in the linear form: the controlling input, then the
// gain. "vol=" or "value=" before any input is the expression of the
// output (a voltage for E, a current for G).
bool read_linear_item(TranslationContext& ctx, int target, ControlledSource& s) {
  if (s.current_controlled && s.source_names.empty()) return read_source_names(ctx, target, s, 1);
  if (!s.current_controlled && s.controlling_nodes.empty()) {
    if (ctx.token_kind != TOK_NAME || !is_expression_word(token_text(ctx))) {
      return read_node_pairs(ctx, target, s, 1);
    }
    std::string first;
    read_node(ctx, first, MODE_NO_KEYWORDS);
    if (is_expression_word(first) && !ctx.statement_ended && ctx.token_kind == TOK_EQUALS) {
      s.form = SourceForm::cur;
      next_element_token(ctx, MODE_NO_KEYWORDS);
      TokenList expression;
      read_value(ctx, expression);
      if (expression.empty()) return reject(ctx, target, kBadSource, s.name);
      s.gain = std::move(expression);
      return true;
    }
    std::string second;
    if (!read_node(ctx, second, MODE_ALL_KEYWORDS)) return reject(ctx, target, kBadControl, s.name);
    s.controlling_nodes.push_back(std::move(first));
    s.controlling_nodes.push_back(std::move(second));
    return true;
  }
  // The gain; a second bare value has no meaning.
  if (s.gain || ctx.token_kind == TOK_QUOTE) return reject(ctx, target, kBadSource, s.name);
  read_positional_value(ctx, s.gain);
  return true;
}

struct SourceKeyword {
  int keyword;
  OptionalList ControlledSource::*field;
};

constexpr std::array<SourceKeyword, 6> kValueKeywords = {{
    {kw("scale"), &ControlledSource::scale},
    {kw("m"), &ControlledSource::m},
    {kw("max"), &ControlledSource::max},
    {kw("min"), &ControlledSource::min},
    {kw("abs"), &ControlledSource::abs},
    {kw("td"), &ControlledSource::td},
}};

// Form words and the keywords without a value slot. False when the
// statement was rejected.
bool read_form_keyword(TranslationContext& ctx, int target, ControlledSource& s) {
  const int kind = ctx.token_kind;
  if (kind == kw("vcvs") || kind == kw("vccs") || kind == kw("ccvs") || kind == kw("cccs")) {
    next_element_token(ctx, input_mode(s));
  } else if (kind == kw("vcr") || kind == kw("vccap")) {
    s.form = kind == kw("vcr") ? SourceForm::vcr : SourceForm::vccap;
    next_element_token(ctx, input_mode(s));
  } else if (kind == kw("opamp")) {
    s.form = SourceForm::opamp;
    next_element_token(ctx, MODE_NO_KEYWORDS);
    return read_node_pairs(ctx, target, s, 1);
  } else if (kind == kw("delay") || kind == kw("laplace") || kind == kw("freq")) {
    s.form = kind == kw("delay")     ? SourceForm::delay
             : kind == kw("laplace") ? SourceForm::laplace
                                     : SourceForm::freq;
    next_element_token(ctx, MODE_NO_KEYWORDS);
    return read_control_input(ctx, target, s, 1);
  } else if (kind == kw("cur")) {
    s.form = SourceForm::cur;
    return read_keyword_value(ctx, target, s.gain, kBadSource, s.name);
  } else if (kind == kw("transformer")) {
    s.form = SourceForm::transformer;
    next_element_token(ctx, MODE_NO_KEYWORDS);
    if (!read_control_input(ctx, target, s, 1)) return false;
    if (starts_plain_value(ctx)) read_positional_value(ctx, s.gain);
  } else if (kind == kw("npdelay")) {
    return read_keyword_value(ctx, target, s.npdelay, kBadSource, s.name);
  } else if (kind == kw("ic")) {
    std::vector<TokenList> values;
    if (!read_keyword_sequence(ctx, target, values, kBadSource, s.name)) return false;
    if (!values.empty()) s.ic = std::move(values.front());
  } else {
    return reject(ctx, target, kBadSource, s.name);
  }
  return true;
}

// A negative gain after the controlling input, kept in parentheses so that
// it reads as one factor: v(a,b)*(-2).
bool read_negative_gain(TranslationContext& ctx, int target, ControlledSource& s) {
  if (s.form != SourceForm::linear || !has_control_input(s) || s.gain) {
    return reject(ctx, target, kBadSource, s.name);
  }
  TokenList gain{{TOK_LPAREN, 0}};
  read_value(ctx, gain);
  if (gain.size() == 1) return reject(ctx, target, kBadSource, s.name);
  token_list_add(TOK_RPAREN, 0, gain);
  s.gain = std::move(gain);
  return true;
}

// One step of the main loop, at the current token. False when the statement
// is finished (rejected, or copied unchanged).
bool read_source_item(TranslationContext& ctx, int target, ControlledSource& s) {
  const int kind = ctx.token_kind;
  if (takes_data(s.form) &&
      (starts_plain_value(ctx) || (kind == TOK_LPAREN && has_control_input(s)))) {
    return read_data(ctx, target, s);
  }
  if (kind == TOK_NAME || is_number_kind(kind) ||
      (kind == TOK_LPAREN && !s.current_controlled && s.controlling_nodes.empty()) ||
      (kind == TOK_PLUS && has_control_input(s))) {
    return read_linear_item(ctx, target, s);
  }
  if (kind == TOK_MINUS) return read_negative_gain(ctx, target, s);
  if (kind == TOK_CALL) return read_call_form(ctx, target, s);
  if (kind == kw("poly")) return read_poly_keyword(ctx, target, s);
  for (const SourceKeyword& row : kValueKeywords) {
    if (row.keyword == kind)
      return read_keyword_value(ctx, target, s.*row.field, kBadSource, s.name);
  }
  return read_form_keyword(ctx, target, s);
}

}  // namespace

bool takes_data(SourceForm form) {
  switch (form) {
    case SourceForm::linear:
    case SourceForm::poly:
      return false;
    default:
      return true;
  }
}

// E|F|G|H name n+ n- [vcvs|vccs|ccvs|cccs] in+ in- | vname  gain [max= min= abs=
//   scale= m= td= ic=]
//   poly(n) inputs c0 c1 ...           pwl(1) input x1,y1 ...
//   and|nand|nor|or(n) inputs x1,y1 ... opamp in+ in-     vcr|vccap pwl(1) ...
//   delay input td=   laplace input k0 .. / d0 ..   freq input f,a,p ...
//   cur='expr'   vol='expr'   value='expr' | value={expr}   transformer input ratio
//   -> eNAME|gNAME n+ n- value={ expression }   (e for e and h, g for f and g)
//   -> NAME n+ n- poly(n) inputs c0 c1 ...
//   -> eNAME|gNAME n+ n- laplace { X } = { H(s) } | freq { X } = (f,a,p) ...
void translate_efgh(TranslationContext& ctx, int target, int code) {
  ControlledSource s;
  s.name = read_element_name(ctx);
  s.current_controlled = code == kw("f") || code == kw("h");
  s.current_output = code == kw("f") || code == kw("g");
  if (!read_element_nodes(ctx, target, 2, s.name)) return;
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    if (!read_source_item(ctx, target, s)) return;
  }
  report_unplaced_values(ctx, {{"npdelay", &s.npdelay}, {"ic", &s.ic}}, s.name);
  write_controlled_source(ctx, target, s);
}

}  // namespace corvane
