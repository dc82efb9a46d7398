#include "models/mosfet_models.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "models/parameter_record.h"

namespace corvane {
namespace {

struct LevelFamily {
  std::string_view hspice;   // level as the card gives it
  std::string_view written;  // Ondrel level
  std::string_view message;  // session-log line
  std::string_view tref;     // the name `tref` is written under
};

// HSPICE MOSFET levels Ondrel has a model for. BSIM3 cards name the
// measurement temperature `tnom`, as BSIM1 cards do.
constexpr LevelFamily kLevelFamilies[] = {
    {"13", "4", "INFO: BSIM1 MOSFET found and will be translated...", "tnom"},
    {"47", "6", "INFO: BSIM3v2 MOSFET found and will be translated...", "tnom"},
    {"49", "7", "INFO: BSIM3v3 MOSFET found and will be translated...", "tnom"},
    {"1", "1", "INFO: Basic MOSFET found and will be translated...", "temp"},
    {"2", "2", "INFO: Basic MOSFET found and will be translated...", "temp"},
    {"3", "3", "INFO: Basic MOSFET found and will be translated...", "temp"},
};

constexpr std::string_view kUnsupportedLevel =
    "ERROR: Unsupported MOSFET Level found and will not be translated...";
constexpr std::string_view kTrefWithoutLevel = "t_measured";

// Capacitances per length are divided by scalm, lengths multiplied by it.
constexpr int kDividedByScalm[] = {kw("cjsw"), kw("cgbo"), kw("cgb"), kw("cgdo"), kw("cgd"),
                                   kw("cgso"), kw("c2"),   kw("cgs"), kw("c1")};
// (wdel is neither written nor used: it is left unscaled, and so reported.)
constexpr int kTimesScalm[] = {kw("hdif"), kw("ld"), kw("wd"), kw("ldif"), kw("xj"),
                               kw("xl"),   kw("xw"), kw("dl"), kw("dw"),   kw("del")};
// Junction quantities per area.
constexpr int kPerAreaJunction[] = {kw("js"), kw("cj"), kw("cdb"), kw("csb"), kw("cja")};
// Subthreshold parameters that only BSIM1 has.
constexpr int kBsim1Only[] = {kw("nd"), kw("n0"), kw("lnd"), kw("ln0"), kw("wnd"), kw("wn0")};

void post(TranslationContext& ctx, std::string_view text) {
  if (ctx.log != nullptr) ctx.log->post_status(text);
}

bool is_one_of(std::string_view text, std::initializer_list<std::string_view> texts) {
  for (std::string_view t : texts) {
    if (text == t) return true;
  }
  return false;
}

struct ResistanceSide {
  int resistance;  // rs or rd
  int squares;     // the wrapper's nrs or nrd
  int contact;     // rsc or rdc
};

// The series resistance of one side from the diffusion geometry, by the
// area calculation method `acm`; false when that method leaves it alone.
// A product whose factor is absent is zero, so it is left out whole.
bool diffusion_resistance(const ParameterRecord& r, const ResistanceSide& side, TokenList& out) {
  const TokenList& rsh = r.value(kw("rsh"));
  const TokenList sheet =
      r.given(kw("rsh")) ? operate(piece(side.squares), TOK_STAR, rsh) : TokenList();
  const TokenList l_sum = operate(r.value(kw("ld")), TOK_PLUS, r.value(kw("ldif")));
  const bool has_l_sum = r.given(kw("ld")) || r.given(kw("ldif"));
  const bool has_end = r.given(side.resistance) && has_l_sum;
  // The instance's w is scaled by `.option scale` already; scalm scales
  // only the card's lengths (xw among them).
  const TokenList w_eff =
      operate(operate(piece(kw("w")), TOK_STAR, r.value(kw("wmlt"))), TOK_PLUS, r.value(kw("xw")));
  const TokenList& resistance = r.value(side.resistance);
  const TokenList& contact = r.value(side.contact);
  // (((rs*L-sum)/W-eff)+((nrs*rsh)+rsc))
  const auto end_and_sheet = [&] {
    const TokenList end =
        has_end ? operate(operate(resistance, TOK_STAR, l_sum), TOK_SLASH, w_eff) : TokenList();
    return braced(operate(end, TOK_PLUS, operate(sheet, TOK_PLUS, contact)));
  };

  const bool acm_given = r.given(kw("acm"));
  const std::string_view acm = r.text(kw("acm"));
  if (!acm_given || is_one_of(acm, {"0", "10"})) {
    if (r.given(kw("rsh")) && r.text(kw("rsh")) != "0") {
      out = braced(operate(sheet, TOK_PLUS, contact));
    } else {
      out = braced(operate(resistance, TOK_PLUS, contact));
    }
  } else if (is_one_of(acm, {"1", "11"})) {
    if (r.given(kw("update")) && r.text(kw("update")) != "0") {
      out = braced(operate(operate(resistance, TOK_PLUS, sheet), TOK_PLUS, contact));
    } else {
      out = end_and_sheet();
    }
  } else if (is_one_of(acm, {"2", "12", "3", "13"})) {
    if (r.given(kw("hdif"))) {
      // ((((L-sum*rs)+(hdif*rsh))/W-eff)+rsc)
      const TokenList end = has_end ? operate(l_sum, TOK_STAR, resistance) : TokenList();
      const TokenList head =
          r.given(kw("rsh")) ? operate(r.value(kw("hdif")), TOK_STAR, rsh) : TokenList();
      const TokenList length = operate(end, TOK_PLUS, head);
      const TokenList per_width = length.empty() ? TokenList() : operate(length, TOK_SLASH, w_eff);
      out = braced(operate(per_width, TOK_PLUS, contact));
    } else {
      out = end_and_sheet();
    }
  } else {
    return false;
  }
  return true;
}

// With the single-subckt option the wrapper's nrs, nrd, nrg and nrb carry
// the squares of diffusion and gate, so the card's resistances use them.
void add_parasitic_resistances(ParameterRecord& r) {
  if (r.given(kw("rsh"))) {
    const TokenList& rsh = r.value(kw("rsh"));
    if (!r.given(kw("rg"))) {
      r.set_value(kw("rg"), braced(operate(piece(NODE_NRG), TOK_STAR, rsh)));
      r.set_given(kw("rg"), true);
    }
    if (!r.given(kw("rb"))) {
      r.set_value(kw("rb"), braced(operate(piece(NODE_NRB), TOK_STAR, rsh)));
      r.set_given(kw("rb"), true);
    }
  }
  constexpr ResistanceSide kSides[] = {{kw("rs"), kw("nrs"), kw("rsc")},
                                       {kw("rd"), kw("nrd"), kw("rdc")}};
  TokenList values[2];
  bool changed[2] = {};
  for (int i = 0; i < 2; ++i) changed[i] = diffusion_resistance(r, kSides[i], values[i]);
  for (int i = 0; i < 2; ++i) {
    const int code = kSides[i].resistance;
    if (changed[i]) r.set_value(code, std::move(values[i]));
    if (r.value(code).empty()) r.set_value(code, piece(NODE_ZERO));
    r.set_given(code, true);
  }
  r.set_given(kw("rsh"), false);
}

// Renumbers the level; false for a level Ondrel has no model for.
bool map_level(TranslationContext& ctx, ParameterRecord& r) {
  for (const LevelFamily& family : kLevelFamilies) {
    if (r.text(kw("level")) != family.hspice) continue;
    const int index = ctx.constants.enter(family.written, TOK_NUMBER);
    r.replace(kw("level"), TokenList{{TOK_NUMBER, index}}, std::string(family.written));
    post(ctx, family.message);
    return true;
  }
  post(ctx, kUnsupportedLevel);
  return false;
}

void scale_by_scalm(ParameterRecord& r) {
  const TokenList& scalm = r.value(kw("scalm"));
  for (int code : kDividedByScalm) {
    if (r.given(code)) r.set_value(code, braced(operate(r.value(code), TOK_SLASH, scalm)));
  }
  for (int code : kTimesScalm) {
    if (r.given(code)) r.set_value(code, braced(operate(r.value(code), TOK_STAR, scalm)));
  }
  const int oxide = r.given(kw("cox")) ? kw("cox") : kw("co");
  if (r.given(oxide)) {
    r.set_value(oxide,
                braced(operate(operate(r.value(oxide), TOK_SLASH, scalm), TOK_SLASH, scalm)));
  }
}

// `co` is another name of `cox`; the oxide thickness and the
// transconductance follow from them when the card does not give them.
void derive_oxide(ParameterRecord& r) {
  if (r.given(kw("co")) && !r.given(kw("cox"))) {
    r.set_value(kw("cox"), r.value(kw("co")));
    r.set_given(kw("cox"), true);
  }
  if (r.given(kw("cox")) && !r.given(kw("tox"))) {
    r.set_value(kw("tox"), braced(operate(piece(NODE_EPS_OX), TOK_SLASH, r.value(kw("cox")))));
    r.set_given(kw("tox"), true);
  }
}

void adjust_for_family(ParameterRecord& r) {
  const std::string_view level = r.text(kw("level"));
  std::string_view tref = kTrefWithoutLevel;
  if (r.given(kw("level"))) {
    for (const LevelFamily& family : kLevelFamilies) {
      if (level == family.written) tref = family.tref;
    }
    if (level == "4") {
      // BSIM1 gives the oxide thickness `toxm` in microns.
      if (r.given(kw("toxm")) && !r.given(kw("tox"))) {
        r.set_value(kw("tox"), braced(operate(r.value(kw("toxm")), TOK_STAR, piece(NODE_1E_6))));
        r.set_given(kw("tox"), true);
      }
      r.set_given(kw("toxm"), false);
      r.rename(kw("eta0"), "eta");
    } else {
      for (int code : kBsim1Only) r.set_given(code, false);
    }
  }
  r.rename(kw("tref"), tref);
}

void derive_kp(ParameterRecord& r) {
  if (r.given(kw("tox")) && r.given(kw("u0")) && !r.given(kw("kp"))) {
    // u0 is in cm2/Vs, the oxide permittivity per metre: kp in A/V2.
    const TokenList mobility = operate(operate(piece(NODE_EPS_OX), TOK_STAR, r.value(kw("u0"))),
                                       TOK_STAR, piece(NODE_1E_4));
    r.set_value(kw("kp"), braced(operate(mobility, TOK_SLASH, r.value(kw("tox")))));
    r.set_given(kw("kp"), true);
  }
}

void rename_for_level(ParameterRecord& r) {
  const std::string_view level = r.text(kw("level"));
  if (level != "7") {
    r.set_given(kw("xti"), false);
    // ub is the mobility u0 on levels 1 to 3 and BSIM1; BSIM3v2 has a ub
    // of its own (second-order mobility degradation).
    if (level != "6") r.rename(kw("ub"), "u0");
    if (r.given(kw("nj"))) {
      r.set_given(kw("n"), false);
    } else {
      r.rename(kw("n"), "nj");
    }
    r.rename(kw("jsw"), "jssw");
  }
  if (level != "4") {
    r.rename(kw("dw"), "xw");
    r.rename(kw("dl"), "xl");
  }
}

void warn_hspice_only(TranslationContext& ctx, const ParameterRecord& r) {
  if (r.given(kw("alpha"))) {
    post(ctx, "WARNING: HSPICE impact ionization model found and will not be translated...");
  }
  if (r.given(kw("capop"))) post(ctx, "WARNING: CAPOP found and will not be translated...");
}

void scale_junctions(ParameterRecord& r) {
  const TokenList& scalm = r.value(kw("scalm"));
  const bool once = r.text_is(kw("acm"), "1");
  for (int code : kPerAreaJunction) {
    if (!r.given(code)) continue;
    TokenList value = braced(operate(r.value(code), TOK_SLASH, scalm));
    if (!once) value = braced(operate(std::move(value), TOK_SLASH, scalm));
    r.set_value(code, std::move(value));
  }
}

// BSIM3v3 has no xl or xw: the drawn-size offsets go into lint and wint,
// which an absent lint or wint receives from zero. They change the size the
// capacitances see as well: dlc and dwc take them too where the card gives
// them (absent, they are lint and wint).
void offsets_into_lint_wint(ParameterRecord& r) {
  struct Offset {
    int offset;
    int internal;
    int capacitance;
  };
  constexpr Offset kOffsets[] = {{kw("xl"), kw("lint"), kw("dlc")},
                                 {kw("xw"), kw("wint"), kw("dwc")}};
  for (const Offset& o : kOffsets) {
    if (!r.given(o.offset)) continue;
    const TokenList half = operate(r.value(o.offset), TOK_SLASH, piece(NODE_TWO));
    for (int code : {o.internal, o.capacitance}) {
      if (code == o.capacitance && !r.given(code)) continue;
      const TokenList base = r.given(code) ? r.value(code) : piece(NODE_ZERO);
      r.set_value(code, braced(operate(base, TOK_MINUS, half)));
      r.set_given(code, true);
    }
  }
}

}  // namespace

MosfetReading read_mosfet_parameters(TranslationContext& ctx, int target, ParameterRecord& record) {
  if (!read_model_parameters(ctx, target, record)) return MosfetReading::rejected;
  if (record.given(kw("level")) && !map_level(ctx, record)) return MosfetReading::level_refused;
  if (record.given(kw("scalm"))) scale_by_scalm(record);
  // After scaling: the diffusion lengths and the width offset in metres,
  // as the width the resistances divide by.
  if (ctx.mos_family_single_subckt) add_parasitic_resistances(record);
  derive_oxide(record);
  adjust_for_family(record);
  // The table writes toxm as tox: with both on the card only tox is written
  // (toxm is reported), so Ondrel does not get the name twice.
  if (record.given(kw("tox"))) record.set_given(kw("toxm"), false);
  derive_kp(record);
  rename_for_level(record);
  warn_hspice_only(ctx, record);
  if (record.given(kw("delvto")) && record.given(kw("vto"))) {
    record.set_value(
        kw("vto"), braced(operate(record.value(kw("vto")), TOK_PLUS, record.value(kw("delvto")))));
  }
  if (record.given(kw("scalm"))) scale_junctions(record);
  if (record.text_is(kw("level"), "7")) offsets_into_lint_wint(record);
  return MosfetReading::translated;
}

bool uses_wrapper_parameters(const ParameterRecord& record) {
  return record.any_compound_token([](const TokenNode& node) {
    return node.kind == kw("nrs") || node.kind == kw("nrd") || node.kind == NODE_NRG ||
           node.kind == NODE_NRB || node.kind == kw("w");
  });
}

}  // namespace corvane
