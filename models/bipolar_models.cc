#include "models/bipolar_models.h"

#include <string_view>

#include "core/diagnostics.h"
#include "models/card_writer.h"

namespace corvane {
namespace {

// HSPICE's levels other than 1 and 2 (Gummel-Poon, without and with
// quasi-saturation) are other models (VBIC, Mextram, HICUM ...), whose
// parameters a Gummel-Poon card cannot carry.
constexpr std::string_view kOtherLevel =
    "Found bipolar level other than 1 and 2 which will not be translated";

}  // namespace

bool read_bipolar_parameters(TranslationContext& ctx, int target, ParameterRecord& record) {
  if (!read_model_parameters(ctx, target, record)) return false;
  // With the quasi-saturation model the collector resistance is the
  // epitaxial region's.
  if (record.given(kw("qco"))) record.rename(kw("rc"), "rco");
  record.rename(kw("tref"), "t_measured");
  // The forward emission coefficient and the reverse Early voltage: the
  // shared table names these words after a MOSFET and a diode parameter.
  record.rename(kw("nf"), "nf");
  record.rename(kw("var"), "var");
  // `ps` is SPICE's other name of the substrate junction potential.
  record.rename(kw("ps"), "vjs");
  if (record.given(kw("vjs"))) record.set_given(kw("ps"), false);
  return true;
}

// .model NAME npn|pnp params  ->  .model NAME npn|pnp|lpnp params
void translate_bipolar_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                             ParameterRecord& record) {
  if (!read_bipolar_parameters(ctx, target, record)) return;
  if (record.given(kw("level")) && !record.text_is(kw("level"), "1") &&
      !record.text_is(kw("level"), "2")) {
    warn(ctx, target, kOtherLevel, name);
    return;
  }
  // HSPICE selects the lateral geometry with subs=-1. The text keeps its
  // sign, so only "-1" itself selects it.
  std::string_view ondrel_kind = "npn ";
  if (kind == kw("pnp")) ondrel_kind = record.text_is(kw("subs"), "-1") ? "lpnp " : "pnp ";
  CardWriter out(ctx, target, record);
  out.text(".model " + name + " ");
  out.text(ondrel_kind);
  out.parameters();
}

}  // namespace corvane
