// Resistor, capacitor and inductor lines, and the couplings of inductors.

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <utility>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/names.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "elements/element_reading.h"
#include "elements/element_translators.h"

namespace corvane {
namespace {

constexpr std::string_view kBadResistor = "Unrecognized syntax when parsing R statement";
constexpr std::string_view kBadCapacitor = "Unrecognized syntax when parsing C statement";
constexpr std::string_view kBadInductor = "Unrecognized syntax when parsing L statement";

bool is_one_of(int kind, std::span<const int> keywords) {
  for (int keyword : keywords) {
    if (keyword == kind) return true;
  }
  return false;
}

// What every passive line starts with: name, two nodes and the model slot.
struct PassiveStart {
  std::string name;
  ModelSlot slot;
};

bool read_passive_start(TranslationContext& ctx, int target, PassiveStart& start) {
  start.name = read_element_name(ctx);
  if (!read_element_nodes(ctx, target, 2, start.name)) return false;
  start.slot = read_model_slot(ctx);
  return true;
}

// The optional "r=", "c=" or "l=" before the main value. False when the
// statement was rejected.
bool skip_value_keyword(TranslationContext& ctx, int target, int keyword) {
  if (ctx.statement_ended || ctx.token_kind != keyword) return true;
  next_element_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind != TOK_EQUALS) {
    return reject(ctx, target, "Unrecognized syntax when parsing statement", "");
  }
  next_element_token(ctx, MODE_NO_KEYWORDS);
  return true;
}

// Main value, then the positional tc1 and tc2. A value read here shows that
// a name taken for a parameter value was the model name after all.
void read_main_values(TranslationContext& ctx, std::span<const int> not_values, PassiveStart& start,
                      OptionalList& value, OptionalList& tc1, OptionalList& tc2) {
  if (!ctx.statement_ended && !is_one_of(ctx.token_kind, not_values)) {
    if (read_positional_value(ctx, value)) start.slot.is_value = false;
  }
  if (starts_plain_value(ctx)) read_positional_value(ctx, tc1);
  if (starts_plain_value(ctx)) read_positional_value(ctx, tc2);
}

// A parameter name standing for the value becomes the value itself, so the
// scale and multiplier apply to it. A geometry given with it shows that it
// was a model name.
void take_slot_as_value(TranslationContext& ctx, ModelSlot& slot, OptionalList& value,
                        bool geometry) {
  if (geometry) slot.is_value = false;
  if (!slot.is_value || value) return;
  if (slot.unknown_model) note_taken_as_value(ctx, slot.name);
  value = TokenList{{TOK_LBRACE, 0}};
  const TokenList name = text_list(ctx, slot.name, TOK_NAME);
  value->insert(value->end(), name.begin(), name.end());
  value->push_back({TOK_RBRACE, 0});
  slot = ModelSlot{};
}

// Values with no place on Ondrel's R, C and L lines are reported: an
// element's dtemp is its temperature's difference from the circuit's, and
// the t_abs and t_measured of Ondrel's cards are absolute temperatures, not
// a difference; a resistor's ac (small-signal) resistance, a capacitor's
// second c= and an inductor's ltype have no counterpart.
struct ResistorValues {
  OptionalList value, tc1, tc2, scale, m, l, w, dtemp, c, ac;
};

constexpr std::array<KeywordField<ResistorValues>, 8> kResistorKeywords = {{
    {kw("scale"), &ResistorValues::scale},
    {kw("m"), &ResistorValues::m},
    {kw("l"), &ResistorValues::l},
    {kw("w"), &ResistorValues::w},
    {kw("tc1"), &ResistorValues::tc1},
    {kw("tc2"), &ResistorValues::tc2},
    {kw("dtemp"), &ResistorValues::dtemp},
    {kw("c"), &ResistorValues::c},
}};

constexpr std::array<int, 10> kResistorNotValues = {kw("tc1"), kw("tc2"),   kw("scale"), kw("m"),
                                                    kw("ac"),  kw("dtemp"), kw("l"),     kw("w"),
                                                    kw("c"),   kw("tc")};

// The keyword loop of a resistor line; false when the statement was
// rejected.
bool read_resistor_keywords(TranslationContext& ctx, int target, const std::string& name,
                            ResistorValues& values) {
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    const int kind = ctx.token_kind;
    if (OptionalList* field = find_keyword_field<ResistorValues>(ctx, kResistorKeywords, values)) {
      if (!read_keyword_value(ctx, target, *field, kBadResistor, name)) return false;
    } else if (kind == TOK_NAME || is_number_kind(kind)) {
      read_positional_value(ctx, values.m);  // a bare value is the multiplier
    } else if (kind == kw("tc")) {
      // tc=0.001,0.0002: the scanner takes the comma for a blank.
      if (!read_keyword_value(ctx, target, values.tc1, kBadResistor, name)) return false;
      if (continues_value_list(ctx) || (!ctx.statement_ended && ctx.token_kind == TOK_NAME)) {
        read_positional_value(ctx, values.tc2);
      }
    } else if (kind == kw("ac")) {
      // The small-signal resistance has no counterpart: read to be reported.
      next_element_token(ctx, MODE_ALL_KEYWORDS);
      if (!ctx.statement_ended && ctx.token_kind == TOK_EQUALS)
        next_element_token(ctx, MODE_ALL_KEYWORDS);
      read_positional_value(ctx, values.ac);
    } else {
      return reject(ctx, target, kBadResistor, name);
    }
  }
  return true;
}

// The two grounded capacitors that carry half the parasitic capacitance
// each, one at each terminal. With a model, their card derives from the
// model's "_2" unit-capacitance card; without one, each gets half the value.
void write_parasitic_capacitors(TranslationContext& ctx, int target, const std::string& name,
                                const std::string& model, const TokenList& capacitance) {
  const std::string card =
      model.empty() ? std::string() : made_up_name(ctx, model + "_" + name + "_2");
  TokenList value = capacitance;
  if (model.empty())
    token_list_combine(true, value, TokenList{{NODE_HALF, 0}}, true, true, TOK_STAR);
  for (std::size_t i = 0; i < 2; ++i) {
    write_piece(ctx, target, made_up_name(ctx, "C_" + name + "_" + std::to_string(i + 1)));
    write_node(ctx, target, ctx.output_nodes[i]);
    write_piece(ctx, target, "0");
    if (!card.empty()) write_piece(ctx, target, card);
    token_list_write(ctx, target, value);
    write_line(ctx, target, "");
  }
  if (card.empty()) return;
  write_piece(ctx, target, ".model");
  write_piece(ctx, target, card);
  write_piece(ctx, target, "ako:" + made_up_name(ctx, model + "_2"));
  write_piece(ctx, target, "cap");
  write_piece(ctx, target, "c=0.5");
  write_line(ctx, target, "");
}

struct CapacitorValues {
  OptionalList value, tc1, tc2, scale, m, dtemp, l, w, ic, dropped;
};

constexpr std::array<KeywordField<CapacitorValues>, 9> kCapacitorKeywords = {{
    {kw("tc1"), &CapacitorValues::tc1},
    {kw("tc2"), &CapacitorValues::tc2},
    {kw("scale"), &CapacitorValues::scale},
    {kw("m"), &CapacitorValues::m},
    {kw("dtemp"), &CapacitorValues::dtemp},
    {kw("l"), &CapacitorValues::l},
    {kw("w"), &CapacitorValues::w},
    {kw("c"), &CapacitorValues::dropped},  // a second value, dropped
    {kw("ic"), &CapacitorValues::ic},
}};

constexpr std::array<int, 9> kCapacitorNotValues = {
    kw("tc1"), kw("tc2"), kw("scale"), kw("m"), kw("dtemp"), kw("l"), kw("w"), kw("c"), kw("ic")};

// Writes ".model NAME KIND tc1=.. tc2=.." for an element's own temperature
// coefficients, after ending the element line.
void write_temperature_card(TranslationContext& ctx, int target, const std::string& name,
                            std::string_view kind, const OptionalList& tc1,
                            const OptionalList& tc2) {
  if (!tc1 && !tc2) return;
  write_line(ctx, target, "");
  write_piece(ctx, target, ".model");
  write_piece(ctx, target, name);
  write_piece(ctx, target, kind);
  write_joined_if(ctx, target, "tc1=", tc1);
  write_joined_if(ctx, target, "tc2=", tc2);
}

struct InductorValues {
  OptionalList value, scale, m, tc1, tc2, r, ic, dtemp, dropped;
};

constexpr std::array<KeywordField<InductorValues>, 8> kInductorKeywords = {{
    {kw("scale"), &InductorValues::scale},
    {kw("m"), &InductorValues::m},
    {kw("tc1"), &InductorValues::tc1},
    {kw("tc2"), &InductorValues::tc2},
    {kw("dtemp"), &InductorValues::dtemp},
    {kw("ltype"), &InductorValues::dropped},
    {kw("r"), &InductorValues::r},
    {kw("ic"), &InductorValues::ic},
}};

constexpr std::array<int, 9> kInductorNotValues = {kw("scale"), kw("m"),     kw("tc1"),
                                                   kw("tc2"),   kw("dtemp"), kw("r"),
                                                   kw("ic"),    kw("ltype"), kw("poly")};

constexpr std::string_view kInductorPoly = "POLY keyword is not supported on L statement";

void write_inductor(TranslationContext& ctx, int target, const PassiveStart& start,
                    InductorValues& values) {
  // The series resistor moves the inductor's second terminal to a node of
  // its own, named after the element so that no two inductors share it.
  const std::string inner_node = made_up_name(ctx, ctx.output_nodes[1] + "_" + start.name);
  write_piece(ctx, target, start.name);
  write_node(ctx, target, ctx.output_nodes[0]);
  write_piece(ctx, target, values.r ? inner_node : global_node_name(ctx, ctx.output_nodes[1]));
  write_model_slot(ctx, target, start.slot);
  if (values.value) token_list_write(ctx, target, *values.value);
  if (values.ic) token_list_write(ctx, target, *values.ic);
  write_temperature_card(ctx, target, start.name, "ind", values.tc1, values.tc2);
  if (values.r) {
    write_line(ctx, target, "");
    write_piece(ctx, target, made_up_name(ctx, "r" + start.name));
    write_piece(ctx, target, inner_node);
    write_node(ctx, target, ctx.output_nodes[1]);
    token_list_write(ctx, target, *values.r);
  }
  write_line(ctx, target, "");
}

constexpr std::string_view kBadCoupling = "Unrecognized syntax when parsing K statement";

// The current token is followed by "=" on its line: "k=kc", where a lone
// "k" would be a parameter named k.
bool equals_follows(const TranslationContext& ctx) {
  const std::string_view line = ctx.scan.line;
  std::size_t p = std::min(ctx.scan.pos, line.size());
  while (p < line.size() && char_class(line[p]) == CharClass::blank) ++p;
  return p < line.size() && line[p] == '=';
}

}  // namespace

// R name n1 n2 [model] [r=]value [tc1 [tc2]] [scale= m= l= w= tc1= tc2= tc=
//   dtemp= c= ac=]
//   -> [.model model_name ako:model res r=1]
//      name n1 n2 [model] value [tc=tc1 [,tc2]]
//      [C_name_1 n1 0 ... / C_name_2 n2 0 ... / .model ... cap c=0.5]
// dtemp is reported.
void translate_r(TranslationContext& ctx, int target, int /*code*/) {
  PassiveStart start;
  if (!read_passive_start(ctx, target, start)) return;
  ResistorValues values;
  const bool keyword_given = !ctx.statement_ended && ctx.token_kind == kw("r");
  if (!skip_value_keyword(ctx, target, kw("r"))) return;
  read_main_values(ctx, kResistorNotValues, start, values.value, values.tc1, values.tc2);
  if (keyword_given && !values.value) {
    reject(ctx, target, kBadResistor, start.name);
    return;
  }
  if (!read_resistor_keywords(ctx, target, start.name, values)) return;
  apply_geometry_scale(ctx, {&values.l, &values.w});
  report_unplaced_values(ctx, {{"dtemp", &values.dtemp}, {"ac", &values.ac}}, start.name);

  take_slot_as_value(ctx, start.slot, values.value, values.l && values.w);
  const std::string model = start.slot.name;
  if (values.value) {
    fold_factor_if(values.value, values.scale, TOK_STAR, true);
    fold_factor_if(values.value, values.m, TOK_SLASH, true);
    if (!model.empty()) {
      // The value goes on the element; the model only scales it.
      const std::string derived = made_up_name(ctx, model + "_" + start.name);
      write_piece(ctx, target, ".model");
      write_piece(ctx, target, derived);
      write_piece(ctx, target, "ako:" + model);
      write_piece(ctx, target, "res");
      write_piece(ctx, target, "r=1");
      write_line(ctx, target, "");
      start.slot.name = derived;
    }
  } else if (values.l && values.w) {
    values.value = *values.l;
    fold_factor_if(values.value, values.scale, TOK_STAR, false);
    fold_factor_if(values.value, values.m, TOK_SLASH, false);
    fold_factor(values.value, *values.w, TOK_SLASH, true);
  } else {
    // No value: the model's "_1" card holds the resistance its geometry
    // gives.
    values.value = one_list();
    fold_factor_if(values.value, values.scale, TOK_STAR, true);
    fold_factor_if(values.value, values.m, TOK_SLASH, true);
    if (!model.empty()) start.slot.name = made_up_name(ctx, model + "_1");
  }

  write_element_start(ctx, target, start.name, ctx.output_nodes);
  write_model_slot(ctx, target, start.slot);
  token_list_write(ctx, target, *values.value);
  if (values.tc1 || values.tc2) {
    write_joined(ctx, target, "tc=", values.tc1 ? *values.tc1 : TokenList{{NODE_ZERO, 0}});
    write_joined_if(ctx, target, ",", values.tc2);
  }
  write_line(ctx, target, "");
  if (values.c) write_parasitic_capacitors(ctx, target, start.name, model, *values.c);
}

// C name n1 n2 [model] [c=]value [tc1 [tc2]] [tc1= tc2= scale= m= dtemp= l= w=
//   ic=]
//   -> [.model model_name ako:model cap c=1 [tc1=] [tc2=]]
//      name n1 n2 [model] value [ic]
//      [.model name cap tc1= tc2=]
// dtemp is reported.
void translate_c(TranslationContext& ctx, int target, int /*code*/) {
  PassiveStart start;
  if (!read_passive_start(ctx, target, start)) return;
  if (!ctx.statement_ended && ctx.token_kind == kw("poly")) {
    // A polynomial capacitance has no value that could be written.
    reject(ctx, target, "POLY keyword is not supported on C statement", start.name);
    return;
  }
  CapacitorValues values;
  const bool keyword_given = !ctx.statement_ended && ctx.token_kind == kw("c");
  if (!skip_value_keyword(ctx, target, kw("c"))) return;
  read_main_values(ctx, kCapacitorNotValues, start, values.value, values.tc1, values.tc2);
  if (keyword_given && !values.value) {
    reject(ctx, target, kBadCapacitor, start.name);
    return;
  }
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    OptionalList* field = find_keyword_field<CapacitorValues>(ctx, kCapacitorKeywords, values);
    if (field == nullptr) {
      reject(ctx, target, kBadCapacitor, start.name);
      return;
    }
    if (!read_keyword_value(ctx, target, *field, kBadCapacitor, start.name)) return;
  }
  apply_geometry_scale(ctx, {&values.l, &values.w});
  report_unplaced_values(ctx, {{"dtemp", &values.dtemp}, {"c", &values.dropped}}, start.name);

  take_slot_as_value(ctx, start.slot, values.value, values.l && values.w);
  const std::string model = start.slot.name;
  if (values.value) {
    // A folded value is an expression: braced, as on R and L lines.
    fold_factor_if(values.value, values.scale, TOK_STAR, true);
    fold_factor_if(values.value, values.m, TOK_STAR, true);
    if (!model.empty()) {
      const std::string derived = made_up_name(ctx, model + "_" + start.name);
      write_piece(ctx, target, ".model");
      write_piece(ctx, target, derived);
      write_piece(ctx, target, "ako:" + model);
      write_piece(ctx, target, "cap");
      write_piece(ctx, target, "c=1");
      write_joined_if(ctx, target, "tc1=", values.tc1);
      write_joined_if(ctx, target, "tc2=", values.tc2);
      write_line(ctx, target, "");
      start.slot.name = derived;
    }
  } else if (values.l && values.w) {
    values.value = *values.l;
    fold_factor_if(values.value, values.scale, TOK_STAR, false);
    fold_factor_if(values.value, values.m, TOK_STAR, false);
    fold_factor(values.value, *values.w, TOK_STAR, true);
  } else {
    values.value = one_list();
    fold_factor_if(values.value, values.scale, TOK_STAR, true);
    fold_factor_if(values.value, values.m, TOK_STAR, true);
    if (!model.empty()) start.slot.name = made_up_name(ctx, model + "_1");
  }

  write_element_start(ctx, target, start.name, ctx.output_nodes);
  write_model_slot(ctx, target, start.slot);
  token_list_write(ctx, target, *values.value);
  if (values.ic) token_list_write(ctx, target, *values.ic);
  write_temperature_card(ctx, target, start.name, "cap", values.tc1, values.tc2);
  write_line(ctx, target, "");
}

// L name n1 n2 [model] [l=]value [tc1 [tc2]] [scale= m= tc1= tc2= dtemp= ltype=
//   r= ic=]
//   -> name n1 n2[_name] [model] value [ic]
//      [.model name ind tc1= tc2=]
//      [rname n2_name n2 r]
// dtemp is reported.
void translate_l(TranslationContext& ctx, int target, int /*code*/) {
  PassiveStart start;
  if (!read_passive_start(ctx, target, start)) return;
  InductorValues values;
  const bool keyword_given = !ctx.statement_ended && ctx.token_kind == kw("l");
  if (!skip_value_keyword(ctx, target, kw("l"))) return;
  if (!ctx.statement_ended && ctx.token_kind == kw("poly")) {
    // A polynomial inductance has no value that could be written.
    reject(ctx, target, kInductorPoly, start.name);
    return;
  }
  read_main_values(ctx, kInductorNotValues, start, values.value, values.tc1, values.tc2);
  if (keyword_given && !values.value) {
    reject(ctx, target, kBadInductor, start.name);
    return;
  }
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    if (ctx.token_kind == kw("poly")) {
      // Reported; the linear inductor read before it is still written.
      reject(ctx, target, kInductorPoly, start.name);
      allow_output_after_rejection(ctx);
      if (!values.value && !start.slot.is_value) return;
      break;
    }
    OptionalList* field = find_keyword_field<InductorValues>(ctx, kInductorKeywords, values);
    if (field == nullptr) {
      reject(ctx, target, kBadInductor, start.name);
      return;
    }
    if (!read_keyword_value(ctx, target, *field, kBadInductor, start.name)) return;
  }

  report_unplaced_values(ctx, {{"dtemp", &values.dtemp}, {"ltype", &values.dropped}}, start.name);
  take_slot_as_value(ctx, start.slot, values.value, false);
  if (values.value) {
    fold_factor_if(values.value, values.scale, TOK_STAR, true);
    // Parallel inductors: the inductance divides by their number.
    fold_factor_if(values.value, values.m, TOK_SLASH, true);
  }
  // So does the series resistance each of them has.
  if (values.r) fold_factor_if(values.r, values.m, TOK_SLASH, true);
  write_inductor(ctx, target, start, values);
}

// K name L1 L2 [k=]value
//   -> name L1 L2 value
// A magnetic core's coupling (K name L1 ... model [mag=]) is rejected.
void translate_k(TranslationContext& ctx, int target, int /*code*/) {
  const std::string name = read_element_name(ctx);
  if (!read_element_nodes(ctx, target, 2, name)) return;
  OptionalList value;
  if (!ctx.statement_ended && is_word(ctx, "k") && equals_follows(ctx)) {
    if (!read_keyword_value(ctx, target, value, kBadCoupling, name)) return;
  } else if (!ctx.statement_ended && ctx.token_kind == TOK_NAME &&
             is_model_name(ctx, token_text(ctx))) {
    reject(ctx, target, kBadCoupling, name);
    return;
  } else {
    // A name may yet be a core model defined further on.
    if (!ctx.statement_ended && ctx.token_kind == TOK_NAME)
      note_taken_as_value(ctx, token_text(ctx));
    read_positional_value(ctx, value);
  }
  if (!value || !ctx.statement_ended) {
    reject(ctx, target, kBadCoupling, name);
    return;
  }
  write_piece(ctx, target, name);
  write_piece(ctx, target, ctx.output_nodes[0]);
  write_piece(ctx, target, ctx.output_nodes[1]);
  token_list_write(ctx, target, *value);
  write_line(ctx, target, "");
}

}  // namespace corvane
