#include "models/jfet_models.h"

#include <string_view>

#include "core/diagnostics.h"
#include "models/card_writer.h"

namespace corvane {
namespace {

constexpr std::string_view kOtherLevel = "Found Level 2 JFET which will not be translated";
constexpr std::string_view kPChannelMesfet = "Found p-channel MESFET which will not be translated";

// Parameters only the GaAs FET has.
constexpr int kMesfetOnly[] = {kw("rg"),  kw("capds"), kw("vbi"),  kw("trs"), kw("trs1"),
                               kw("trd"), kw("trd1"),  kw("trg1"), kw("trg")};
// HSPICE parameters neither Ondrel device has; the wrapper takes the level.
constexpr int kNotWritten[] = {kw("l"),  kw("rsh"),    kw("w"),     kw("tt"),
                               kw("ng"), kw("nd"),     kw("ucrit"), kw("nlev"),
                               kw("k1"), kw("gdsnoi"), kw("level")};

struct JfetName {
  int code;
  std::string_view name;
};

// Names the Ondrel JFET gives these parameters where the shared table
// (which follows the MOSFET) differs. `m` and `mj` are both the junction
// grading.
constexpr JfetName kJfetNames[] = {
    {kw("mj"), "m"},        {kw("m"), "m"},       {kw("beta"), "beta"},       {kw("trd"), "trd1"},
    {kw("alpha"), "alpha"}, {kw("tcv"), "vtotc"}, {kw("tref"), "t_measured"},
};

// With acm=1 the series resistances scale with the instance's area, the
// wrapper's parameter: { X*area  }.
TokenList per_area(const TokenList& value) {
  TokenList result = {{TOK_LBRACE, 0}};
  result.insert(result.end(), value.begin(), value.end());
  result.insert(result.end(), {{TOK_STAR, 0}, {kw("area"), 0}, {TOK_RBRACE, 0}});
  return result;
}

}  // namespace

bool read_jfet_parameters(TranslationContext& ctx, int target, ParameterRecord& record) {
  if (!read_model_parameters(ctx, target, record)) return false;
  if (record.text_is(kw("acm"), "1")) {
    for (int code : {kw("rd"), kw("rs")}) {
      if (record.given(code)) record.set_value(code, per_area(record.value(code)));
    }
  }
  const bool given_level = record.given(kw("level"));
  if (!given_level || record.text(kw("level")) == "1") {
    for (int code : kMesfetOnly) record.set_given(code, false);
  }
  // Emptied names rather than cleared flags: the wrapper still reads the
  // level.
  for (int code : kNotWritten) record.rename(code, "");
  for (const JfetName& rename : kJfetNames) record.rename(rename.code, rename.name);
  return true;
}

// .model NAME njf|pjf [level=1|3] params
//   -> .subckt NAME d g s params:area=AREA m=1
//      J d g1 s NAME { area *m }  and  R g g1 .1m      level 1
//      B d g s NAME { area *m }                         level 3
//      .ends
//      .model NAME njf|pjf params                       level 1
//      .model NAME gasfet params                        level 3, njf only
void translate_jfet_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                          ParameterRecord& record) {
  if (!read_jfet_parameters(ctx, target, record)) return;
  const std::string_view level =
      record.given(kw("level")) ? record.text(kw("level")) : std::string_view("1");
  if (level != "1" && level != "3") {
    warn(ctx, target, kOtherLevel, name);
    return;
  }
  const bool mesfet = level == "3";
  // A J line cannot name a GaAs FET's card: its instances take the wrapper.
  if (mesfet) note_shaping_wrapper(ctx, name);

  CardWriter out(ctx, target, record);
  out.text(".subckt " + name + " d g s params:area=");
  out.value_or(kw("area"), "1 ");
  out.line("m=1");
  if (mesfet) {
    out.line("B d g s " + name + " { area *m }");
  } else {
    out.line("J d g1 s " + name + " { area *m }");
    out.line("R g g1 .1m");  // a 0.1 milliohm gate link
  }
  out.line(".ends");
  // Ondrel's GaAs FET is n-channel only; the wrapper stays without a card.
  if (mesfet && kind == kw("pjf")) {
    warn(ctx, target, kPChannelMesfet, name);
    return;
  }
  std::string_view ondrel_kind = kind == kw("pjf") ? "pjf " : "njf ";
  if (mesfet) ondrel_kind = "gasfet ";
  out.text(".model " + name + " ");
  out.text(ondrel_kind);
  out.parameters();
}

}  // namespace corvane
