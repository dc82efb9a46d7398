#include "models/diode_models.h"

#include <string_view>

#include "core/diagnostics.h"
#include "models/card_writer.h"

namespace corvane {
namespace {

constexpr std::string_view kMetalAndPoly =
    "WARNING: Metal and poly capacitances in diode model will not be translated";
constexpr std::string_view kFowlerNordheim =
    "Found Level 2 (Fowler-Nordheim) diode which can not be translated";

// Words the Ondrel diode has no parameter for: the level, the geometry the
// wrapper takes over, and the periphery (sidewall) junction, with the
// aliases the shared table writes under the sidewall names (`cjw`, `exp`,
// `php`, `pjw`). `pj` is the junction perimeter here; the shared table
// would write it as the junction potential `pb`. The band gap `eg` is the
// diode's own and is written. The reverse knee current `ikr` has no
// counterpart (the shared table's `isr` is a recombination current): it is
// reported as dropped, and the card's junction stays as given.
constexpr int kNotWritten[] = {kw("level"), kw("l"),   kw("var"),  kw("cjsw"), kw("mjsw"),
                               kw("cjp_1"), kw("phi"), kw("pbsw"), kw("jsw"),  kw("cjw"),
                               kw("exp"),   kw("php"), kw("pjw"),  kw("pj"),   kw("ikr")};

struct DiodeName {
  int code;
  std::string_view name;
};

// HSPICE aliases written under the Ondrel diode's own names.
constexpr DiodeName kDiodeNames[] = {
    {kw("js"), "is"},    {kw("cj"), "cjo"}, {kw("tref"), "t_measured"},
    {kw("trs"), "trs1"}, {kw("vj"), "vj"},  {kw("pb"), "vj"},
    {kw("mj"), "m"},     {kw("m"), "m"},
};

void post(TranslationContext& ctx, std::string_view text) {
  if (ctx.log != nullptr) ctx.log->post_status(text);
}

// The wrapper's default area: the card's own, or the junction of w by l.
void write_default_area(CardWriter& out, const ParameterRecord& r) {
  if (r.given(kw("area"))) {
    out.value(kw("area"));
  } else if (r.given(kw("w")) && r.given(kw("l"))) {
    out.value(braced(operate(r.value(kw("w")), TOK_STAR, r.value(kw("l")))));
  } else {
    out.text("1 ");
  }
}

// Level 3 scales the drawn area by the square of scalm and of shrink.
void write_area_scaling(CardWriter& out) {
  out.term("*pwr(", kw("scalm"), ",2)");
  out.term("*pwr(", kw("shrink"), ",2)");
}

}  // namespace

bool read_diode_parameters(TranslationContext& ctx, int target, ParameterRecord& record) {
  if (!read_model_parameters(ctx, target, record)) return false;
  if (record.text_is(kw("level"), "3")) {
    post(ctx, kMetalAndPoly);
    if (record.given(kw("is")) && record.given(kw("scalm"))) {
      const TokenList& scalm = record.value(kw("scalm"));
      record.set_value(kw("is"), braced(operate(operate(record.value(kw("is")), TOK_SLASH, scalm),
                                                TOK_SLASH, scalm)));
    }
  }
  if (!record.given(kw("level"))) {
    record.replace(kw("level"), piece(NODE_ONE), "1");
    record.set_given(kw("level"), true);
  }
  // Emptied names rather than cleared flags: the wrapper still reads the
  // level, l and w.
  for (int code : kNotWritten) record.rename(code, "");
  for (const DiodeName& rename : kDiodeNames) record.rename(rename.code, rename.name);
  return true;
}

// .model NAME d [level=1|3] params
//   -> .subckt NAME a c  params:area=AREA m=1 lm=LM wm=WM lp=LP wp=WP
//      D a c NAME { area*m }                 level 1
//      D a c NAME { area *m *pwr(scalm,2)*pwr(shrink,2)}
//      C a c { 1.0536e-10 *m *(wp *lp / xoi + wm *lm / xom ) *pwr(...)}   level 3
//      .ends
//      .model NAME d params
void translate_diode_model(TranslationContext& ctx, int target, int /*kind*/,
                           const std::string& name, ParameterRecord& record) {
  if (!read_diode_parameters(ctx, target, record)) return;
  const std::string_view level = record.text(kw("level"));
  if (level != "1" && level != "3") {
    warn(ctx, target, kFowlerNordheim, name);
    return;
  }

  CardWriter out(ctx, target, record);
  out.text(".subckt " + name + " a c  params:area=");
  write_default_area(out, record);
  out.text("m=1 ");
  constexpr DiodeName kGeometry[] = {
      {kw("lm"), "lm="}, {kw("wm"), "wm="}, {kw("lp"), "lp="}, {kw("wp"), "wp="}};
  for (const DiodeName& size : kGeometry) {
    out.text(size.name);
    out.value_or(size.code, "1f ");
  }
  out.end_line();

  out.text("D a c " + name + " { ");
  if (level == "3") {
    out.text("area *m ");
    write_area_scaling(out);
    out.line("}");
    // The metal and poly plates over the junction, by their oxide
    // thicknesses xoi and xom.
    out.text("C a c { 1.0536e-10 *m *(wp *lp / ");
    out.value_or(kw("xoi"), "10k ");
    out.text("+ wm *lm / ");
    out.value_or(kw("xom"), "10k ");
    out.text(") ");
    write_area_scaling(out);
    out.line("}");
  } else {
    out.line("area*m }");
  }
  out.line(".ends");
  out.text(".model " + name + " d ");
  out.parameters();
}

}  // namespace corvane
