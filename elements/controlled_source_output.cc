// Writing E, F, G and H lines. Every form but the polynomial becomes a
// behavioural source: e for e and h, g for f and g, with the controlling
// function after "value=" as a brace expression, or Ondrel's laplace and
// freq forms.

#include <string>
#include <string_view>
#include <utility>

#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/output_writer.h"
#include "core/token_stream.h"
#include "elements/controlled_source.h"

namespace corvane {
namespace {

constexpr std::string_view kBadSource = "Unrecognized syntax when parsing EFGH statement";
constexpr std::string_view kBadControl = "Incorrect number of controlling nodes:";

bool is_gate(SourceForm form) {
  return form == SourceForm::and_gate || form == SourceForm::nand_gate ||
         form == SourceForm::nor_gate || form == SourceForm::or_gate;
}

// Forms whose expression carries the gain (and so the scale and m).
bool uses_gain(SourceForm form) {
  return form == SourceForm::linear || is_gate(form) || form == SourceForm::vcr ||
         form == SourceForm::vccap || form == SourceForm::transformer || form == SourceForm::cur;
}

// abs=0 asks for no absolute value.
bool wants_abs(const TranslationContext& ctx, const ControlledSource& s) {
  if (!s.abs) return false;
  const TokenList& value = *s.abs;
  return !(value.size() == 1 && is_number_kind(value[0].kind) &&
           ctx.constants[value[0].value].text == "0");
}

bool has_limits(const TranslationContext& ctx, const ControlledSource& s) {
  return s.max || s.min || wants_abs(ctx, s);
}

// The message for a source whose form this line cannot carry whole, or an
// empty text.
std::string_view carry_problem(const TranslationContext& ctx, const ControlledSource& s) {
  if (s.form != SourceForm::cur && s.controlling_nodes.empty() && s.source_names.empty()) {
    return kBadControl;
  }
  const bool limits = has_limits(ctx, s);
  const bool table = !s.table.empty();
  switch (s.form) {
    case SourceForm::poly:
      return limits || s.gain || s.scale || s.m || s.td || table || s.coefficients.empty()
                 ? kBadSource
                 : std::string_view();
    case SourceForm::delay:
      return limits || table || !s.td ? kBadSource : std::string_view();
    case SourceForm::laplace:
      return limits || s.td || s.numerator.empty() || s.denominator.empty() ? kBadSource
                                                                            : std::string_view();
    case SourceForm::freq:
      return limits || s.td || s.points.empty() || s.points.size() % 3 != 0 ? kBadSource
                                                                            : std::string_view();
    case SourceForm::opamp:
    case SourceForm::cur:
      return table ? kBadSource : std::string_view();
    default:
      return s.table.size() % 2 != 0 ? kBadSource : std::string_view();
  }
}

void append(TokenList& list, const TokenList& more) {
  list.insert(list.end(), more.begin(), more.end());
}

TokenList call_list(TranslationContext& ctx, std::string_view call) {
  return text_list(ctx, call, TOK_CALL);
}

// v(a,b) for each node pair, i(vname) for each source name. Gates combine
// all their inputs: AND and NAND act on the smallest, OR and NOR on the
// largest: min(min(X1,X2),X3).
TokenList control_expression(TranslationContext& ctx, const ControlledSource& s) {
  std::vector<TokenList> inputs;
  if (s.current_controlled) {
    for (const std::string& name : s.source_names) {
      inputs.push_back(text_list(ctx, "i(" + name + ")", TOK_NAME));
    }
  } else {
    for (std::size_t i = 0; i + 1 < s.controlling_nodes.size(); i += 2) {
      const std::string text = "v(" + global_node_name(ctx, s.controlling_nodes[i]) + "," +
                               global_node_name(ctx, s.controlling_nodes[i + 1]) + ")";
      inputs.push_back(text_list(ctx, text, TOK_NAME));
    }
  }
  if (inputs.empty()) return {};  // no controlling input was read
  if (!is_gate(s.form)) return inputs.front();
  const bool smallest = s.form == SourceForm::and_gate || s.form == SourceForm::nand_gate;
  const TokenList call = call_list(ctx, smallest ? "min(" : "max(");
  TokenList combined;
  for (std::size_t i = 1; i < inputs.size(); ++i) append(combined, call);
  append(combined, inputs.front());
  for (std::size_t i = 1; i < inputs.size(); ++i) {
    token_list_add(TOK_COMMA, 0, combined);
    append(combined, inputs[i]);
    token_list_add(TOK_RPAREN, 0, combined);
  }
  return combined;
}

// Applies the multiplier and scale once: to the gain when the form has one,
// otherwise to the controlling expression.
void apply_factors(ControlledSource& s, TokenList& control) {
  if (uses_gain(s.form) && s.gain) {
    if (s.m) token_list_combine(true, *s.gain, *s.m, false, false, TOK_STAR);
    if (s.scale) token_list_combine(false, *s.gain, *s.scale, false, false, TOK_STAR);
    return;
  }
  if (s.scale) token_list_combine(true, control, *s.scale, false, false, TOK_STAR);
  if (s.m) token_list_combine(true, control, *s.m, false, false, TOK_STAR);
}

// CALL inner, extra...)
TokenList wrap_call(TranslationContext& ctx, std::string_view call, const TokenList& inner,
                    std::initializer_list<const TokenList*> extra) {
  TokenList out = call_list(ctx, call);
  append(out, inner);
  for (const TokenList* item : extra) {
    token_list_add(TOK_COMMA, 0, out);
    append(out, *item);
  }
  token_list_add(TOK_RPAREN, 0, out);
  return out;
}

// abs(E), then limit(E,min,max), min(E,max) or max(E,min).
void apply_limits(TranslationContext& ctx, const ControlledSource& s, TokenList& core) {
  if (wants_abs(ctx, s)) core = wrap_call(ctx, "abs(", core, {});
  if (s.max && s.min) {
    core = wrap_call(ctx, "limit(", core, {&*s.min, &*s.max});
  } else if (s.max) {
    core = wrap_call(ctx, "min(", core, {&*s.max});
  } else if (s.min) {
    core = wrap_call(ctx, "max(", core, {&*s.min});
  }
}

// The expression after "value=".
TokenList behavioural_expression(const ControlledSource& s, const TokenList& control) {
  if (s.form == SourceForm::cur) return *s.gain;
  if (s.form == SourceForm::opamp) {
    TokenList core{{TOK_LPAREN, 0}, {kw("v1meg"), 0}, {TOK_STAR, 0}};
    append(core, control);
    token_list_add(TOK_RPAREN, 0, core);
    return core;
  }
  const bool table = !s.table.empty();
  TokenList core = control;
  if (s.gain) {
    const int op = s.form == SourceForm::transformer && !table ? TOK_SLASH : TOK_STAR;
    token_list_combine(false, core, *s.gain, false, false, op);
  }
  if (!table) return core;
  // table( X,x1,y1,x2,y2): the points' numbers, comma-separated.
  TokenList lookup{{kw("table"), 0}};
  append(lookup, core);
  for (const TokenList& entry : s.table) {
    token_list_add(TOK_COMMA, 0, lookup);
    append(lookup, entry);
  }
  token_list_add(TOK_RPAREN, 0, lookup);
  return lookup;
}

// c0+s*(c1+s*(c2)): a polynomial in s, written in nested form.
TokenList polynomial_in_s(TranslationContext& ctx, const std::vector<TokenList>& coefficients) {
  const int s_index = ctx.symbols.enter("s", TOK_NAME);
  TokenList out{{TOK_LPAREN, 0}};
  for (std::size_t i = 0; i + 1 < coefficients.size(); ++i) {
    append(out, coefficients[i]);
    out.insert(out.end(), {{TOK_PLUS, 0}, {TOK_NAME, s_index}, {TOK_STAR, 0}, {TOK_LPAREN, 0}});
  }
  append(out, coefficients.back());
  out.insert(out.end(), coefficients.size(), TokenNode{TOK_RPAREN, 0});
  return out;
}

void write_polynomial(TranslationContext& ctx, int target, const ControlledSource& s) {
  write_element_start(ctx, target, s.name, ctx.output_nodes);
  if (s.current_controlled) {
    write_piece(ctx, target, "poly(");
    write_piece(ctx, target, s.dimension + ")");
    for (const std::string& name : s.source_names) write_piece(ctx, target, name);
  } else {
    write_piece(ctx, target, "poly(" + s.dimension + ")");
    for (const std::string& node : s.controlling_nodes) {
      write_node(ctx, target, node);
    }
  }
  for (const TokenList& coefficient : s.coefficients) token_list_write(ctx, target, coefficient);
}

// laplace { X } = { ... } and freq { X } = (f,a,p) ...
void write_transfer_form(TranslationContext& ctx, int target, const ControlledSource& s,
                         const TokenList& control) {
  write_piece(ctx, target, s.form == SourceForm::freq ? "freq {" : "laplace {");
  token_list_write(ctx, target, control);
  write_piece(ctx, target, "} =");
  if (s.form == SourceForm::delay) {
    TokenList delay{{kw("delay"), 0}, {TOK_STAR, 0}};
    append(delay, *s.td);
    // The text "{ exp(-s" opens braces of its own: a delay given by an
    // expression is a group inside them.
    if (!s.td->empty() && s.td->front().kind == TOK_LBRACE && s.td->back().kind == TOK_RBRACE) {
      delay[2].kind = TOK_LPAREN;
      delay.back().kind = TOK_RPAREN;
    }
    token_list_write(ctx, target, delay);
    write_piece(ctx, target, ") }");
  } else if (s.form == SourceForm::laplace) {
    TokenList transfer{{TOK_LBRACE, 0}};
    append(transfer, polynomial_in_s(ctx, s.numerator));
    token_list_add(TOK_SLASH, 0, transfer);
    append(transfer, polynomial_in_s(ctx, s.denominator));
    token_list_add(TOK_RBRACE, 0, transfer);
    token_list_write(ctx, target, transfer);
  } else {
    for (std::size_t i = 0; i < s.points.size(); i += 3) {
      TokenList point{{TOK_LPAREN, 0}};
      for (std::size_t j = 0; j < 3; ++j) {
        if (j > 0) token_list_add(TOK_COMMA, 0, point);
        append(point, s.points[i + j]);
      }
      token_list_add(TOK_RPAREN, 0, point);
      token_list_write(ctx, target, point);
    }
  }
}

}  // namespace

void write_controlled_source(TranslationContext& ctx, int target, ControlledSource& s) {
  // A linear source with td= is its gain times its input, delayed.
  const bool delayed_linear = s.form == SourceForm::linear && s.td;
  if (delayed_linear) s.form = SourceForm::delay;
  if (const std::string_view problem = carry_problem(ctx, s); !problem.empty()) {
    warn_and_skip(ctx, target, problem, s.name);
    return;
  }
  if (s.form == SourceForm::poly) {
    write_polynomial(ctx, target, s);
    write_line(ctx, target, "");
    return;
  }
  std::string name = s.name;
  name[0] = s.current_output ? 'g' : 'e';
  if (name != s.name) name = renamed_element(ctx, s.name, std::move(name));
  TokenList control;
  if (s.form != SourceForm::cur) control = control_expression(ctx, s);
  apply_factors(s, control);
  if (delayed_linear && s.gain) token_list_combine(true, control, *s.gain, false, false, TOK_STAR);
  write_element_start(ctx, target, name, ctx.output_nodes);
  if (s.form == SourceForm::delay || s.form == SourceForm::laplace || s.form == SourceForm::freq) {
    write_transfer_form(ctx, target, s, control);
    write_line(ctx, target, "");
    return;
  }
  TokenList core = behavioural_expression(s, control);
  const bool limited = has_limits(ctx, s);
  apply_limits(ctx, s, core);
  // v(n+,n-): the output voltage, which a resistance or capacitance reads.
  const auto across = [&ctx] {
    return text_list(ctx,
                     "v(" + global_node_name(ctx, ctx.output_nodes[0]) + "," +
                         global_node_name(ctx, ctx.output_nodes[1]) + ")",
                     TOK_NAME);
  };
  if (s.form == SourceForm::vcr && (limited || !s.table.empty())) {
    // A resistance: the current is the output voltage over it.
    TokenList current = across();
    token_list_add(TOK_SLASH, 0, current);
    append(current, core);
    core = std::move(current);
  } else if (s.form == SourceForm::vccap) {
    // A capacitance: the current is it times the rate of change of the
    // output voltage.
    token_list_add(TOK_STAR, 0, core);
    token_list_add(kw("ddt"), 0, core);
    append(core, across());
    token_list_add(TOK_RPAREN, 0, core);
  }
  TokenList value{{TOK_LBRACE, 0}};
  append(value, core);
  token_list_add(TOK_RBRACE, 0, value);
  write_text(ctx, target, "value=", false);
  token_list_write(ctx, target, value);
  write_line(ctx, target, "");
}

}  // namespace corvane
