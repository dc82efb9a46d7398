#include "models/wire_models.h"

#include "core/names.h"
#include "core/output_writer.h"
#include "models/card_writer.h"

namespace corvane {
namespace {

// A resistor or capacitor model's cards: NAME, NAME_1 and NAME_2, the last
// two made up, so that they never take a name of the source.
struct CardNames {
  std::string name, first, unit;
};

// .model NAME_2 cap c= COX: the unit capacitance of a resistor's
// parasitic capacitors.
void write_unit_capacitance(CardWriter& out, const std::string& unit_name) {
  out.text(".model " + unit_name + " cap c= ");
  out.value_or(kw("cox"), "1 ");
}

// .model NAME res r= RSH / .model NAME_1 res r= L * RSH / W, each with the
// resistor's parameters / .model NAME_2 cap c= COX
void write_resistor_cards(CardWriter& out, const CardNames& names) {
  const std::string& name = names.name;
  out.text(".model " + name + " res r= ");
  out.value_or(kw("rsh"), "1 ");
  out.parameters();
  out.text(".model " + names.first + " res r= ");
  if (out.given(kw("l")) && out.given(kw("w"))) {
    // Without a sheet resistance the value counts squares.
    out.value(kw("l"));
    out.text("* ");
    out.value_or(kw("rsh"), "1 ");
    out.text("/ ");
    out.value(kw("w"));
  } else {
    out.value_or(kw("res"), "1 ");
  }
  out.parameters();
  write_unit_capacitance(out, names.unit);
  out.end_line();
}

// .model NAME cap c= COX / .model NAME_2 cap c= COX /
// .model NAME_1 cap c= L * W * COX + 2 *( L + W ) * CAPSW, NAME and NAME_1
// with the capacitor's parameters. Elements with a value or a geometry of
// their own name NAME.
void write_capacitor_cards(CardWriter& out, const CardNames& names) {
  const std::string& name = names.name;
  out.text(".model " + name + " cap c= ");
  out.value_or(kw("cox"), "1 ");
  out.parameters();
  write_unit_capacitance(out, names.unit);
  out.end_line();
  out.text(".model " + names.first + " cap c= ");
  if (out.given(kw("l")) && out.given(kw("w"))) {
    const bool area = out.given(kw("cox"));
    const bool sidewall = out.given(kw("capsw"));
    // Without either capacitance the area counts with a unit capacitance,
    // as on the NAME_2 card.
    if (area || !sidewall) {
      out.value(kw("l"));
      out.text("* ");
      out.value(kw("w"));
      out.text("* ");
      out.value_or(kw("cox"), "1 ");
    }
    if (sidewall) {
      if (area) out.text("+ ");
      out.text("2 *( ");
      out.value(kw("l"));
      out.text("+ ");
      out.value(kw("w"));
      out.text(") * ");
      out.value(kw("capsw"));
    }
  } else {
    out.value_or(kw("cap"), "1");
  }
  out.parameters();
}

}  // namespace

bool read_passive_parameters(TranslationContext& ctx, int target, ParameterRecord& record) {
  if (!read_model_parameters(ctx, target, record)) return false;
  record.rename(kw("tref"), "t_measured");
  record.rename(kw("l"), "");
  record.rename(kw("rsh"), "");
  write_line(ctx, target, "");
  return true;
}

// .model NAME r params  ->  .model NAME res ... params / NAME_1 res ... params / NAME_2 cap ...
// .model NAME c params  ->  .model NAME cap ... params / NAME_2 cap ... / NAME_1 cap ... params
// .model NAME l params  ->  (nothing)
void translate_passive_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                             ParameterRecord& record) {
  if (!read_passive_parameters(ctx, target, record)) return;
  if (kind == kw("l")) return;
  const CardNames names{name, made_up_name(ctx, name + "_1"), made_up_name(ctx, name + "_2")};
  CardWriter out(ctx, target, record);
  if (kind == kw("r")) {
    write_resistor_cards(out, names);
  } else {
    write_capacitor_cards(out, names);
  }
}

}  // namespace corvane
