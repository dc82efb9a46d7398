#include <string_view>

#include "core/diagnostics.h"
#include "core/names.h"
#include "core/output_writer.h"
#include "models/mosfet_models.h"

namespace corvane {
namespace {

// Ondrel scales no MOSFET geometry, so each card becomes a subcircuit of the
// model's name that computes the effective geometry and passes it on. In
// the comments, a term in brackets is written only when its parameter is
// given: [*S] is "*" and the value of scalm, [*WM] of wmlt, [+XW] "+" and
// the value of xw.
class WrapperWriter {
 public:
  WrapperWriter(TranslationContext& ctx, int target, const ParameterRecord& record)
      : ctx_(ctx), target_(target), record_(record) {}

  void text(std::string_view text) { write_text(ctx_, target_, text, false); }
  void line(std::string_view text) { write_line(ctx_, target_, text); }
  void end_line() { write_line(ctx_, target_, ""); }
  void value(int code) { token_list_write(ctx_, target_, record_.value(code)); }
  bool given(int code) const { return record_.given(code); }

  /// Whether the wrapper changes a value on its way: a term written, or
  /// areas derived.
  bool shaped() const { return shaped_; }
  void note_shaped() { shaped_ = true; }

  /// `prefix` value `suffix`, only when the parameter is given.
  void term(std::string_view prefix, int code, std::string_view suffix = {}) {
    if (!given(code)) return;
    shaped_ = true;
    text(prefix);
    value(code);
    text(suffix);
  }
  void times_wmlt() { term("*", kw("wmlt")); }
  void minus_twice(int code) { term("-2*", code); }

  /// w [*WM] [+XW]: the effective width. The instance's w is scaled by
  /// `.option scale` already; scalm scales only the card's lengths.
  void effective_width(std::string_view opening) {
    text(opening);
    times_wmlt();
    term("+", kw("xw"));
  }

 private:
  TranslationContext& ctx_;
  int target_;
  const ParameterRecord& record_;
  bool shaped_ = false;
};

bool is_basic_level(std::string_view level) {
  return level.empty() || level == "1" || level == "2" || level == "3";
}

// + l = { l [*S] ... } and + w = { w [*S] ... } by the model family.
struct Dimension {
  std::string_view opening;  // "+ l = { l "
  int multiplier;            // lmlt, wmlt
  int offset;                // xl, xw
  int diffusion;             // ld, wd
  int bsim1_delta;           // dl0, dw0: in microns
  int delta;                 // dl, dw
};

void write_dimension(WrapperWriter& out, std::string_view level, const Dimension& d) {
  out.text(d.opening);
  if (is_basic_level(level)) {
    out.term("*", d.multiplier);
    out.term("+", d.offset);
    out.minus_twice(d.diffusion);
    if (d.diffusion == kw("ld")) out.minus_twice(kw("del"));
  } else if (level == "4") {
    out.term("*", d.multiplier);
    if (out.given(d.bsim1_delta)) {
      out.term("-1E-6*", d.bsim1_delta);
    } else {
      out.term("+", d.offset);
      out.minus_twice(d.diffusion);
    }
  } else if (level == "6") {
    out.term("+", d.offset);
    out.minus_twice(out.given(d.diffusion) ? d.diffusion : d.delta);
  }
  // BSIM3v3 (level 7) takes the drawn size: its offsets are in lint and wint.
  out.text("}");
  out.end_line();
}

enum class AreaForm { a, c, d, e };

// The area calculation method `acm` picks the form of the area and
// perimeter lines; the forms built on `hdif` need a non-zero one.
AreaForm area_form(const ParameterRecord& r) {
  if (!r.given(kw("acm"))) return AreaForm::a;
  const std::string_view acm = r.text(kw("acm"));
  const bool has_hdif = r.given(kw("hdif")) && r.text(kw("hdif")) != "0";
  if (acm == "1" || acm == "11") return AreaForm::c;
  if ((acm == "2" || acm == "12") && has_hdif) return AreaForm::d;
  if ((acm == "3" || acm == "13") && has_hdif) return AreaForm::e;
  return AreaForm::a;
}

// The instance's own areas and perimeters, scaled.
void write_given_areas(WrapperWriter& out) {
  for (std::string_view opening : {"+ ad = { ad ", "+ as = { as "}) {
    out.text(opening);
    out.term("*pwr(", kw("wmlt"), ",2)");
    out.text("}");
    out.end_line();
  }
  for (std::string_view opening : {"+ pd = { pd ", "+ ps = { ps "}) {
    out.text(opening);
    out.times_wmlt();
    out.text("}");
    out.end_line();
  }
}

// acm=1: areas from the effective width alone.
void write_width_areas(WrapperWriter& out) {
  for (std::string_view opening : {"+ ad = { (w", "+ as = { (w"}) {
    out.effective_width(opening);
    out.text(")");
    out.times_wmlt();
    out.text("}");
    out.end_line();
  }
  for (std::string_view opening : {"+ pd = { (w", "+ ps = { (w"}) {
    out.effective_width(opening);
    out.text(")");
    out.text("}");
    out.end_line();
  }
}

// hdif [*WM]: the reader has already scaled hdif by scalm.
void write_hdif(WrapperWriter& out) {
  out.value(kw("hdif"));
  out.times_wmlt();
}

// acm=2: the diffusion of length 2*hdif on both sides.
void write_hdif_areas(WrapperWriter& out) {
  for (std::string_view opening : {"+ ad = { 2*", "+ as = { 2*"}) {
    out.text(opening);
    write_hdif(out);
    out.effective_width("* (w");
    out.text(")");
    out.text("}");
    out.end_line();
  }
  for (std::string_view opening : {"+ pd = {4*", "+ ps = { 4*"}) {
    out.text(opening);
    write_hdif(out);
    out.effective_width("+ (2*w");
    out.text(")");
    out.text("}");
    out.end_line();
  }
}

// acm=3: `geo` tells which diffusions are shared with a neighbour; an
// unknown `geo` counts as the default 0 (none shared).
void write_shared_areas(WrapperWriter& out, const ParameterRecord& r) {
  const std::string_view geo = r.text(kw("geo"));
  const bool shared = geo == "1" || geo == "3";
  for (std::string_view side : {"ad", "as"}) {
    out.text("+ ");
    out.text(side);
    out.text(shared ? " = { " : " = { 2*");
    write_hdif(out);
    out.effective_width("*(w");
    out.text(")");
    out.text("}");
    out.end_line();
  }
  for (std::string_view side : {"pd", "ps"}) {
    out.text("+ ");
    out.text(side);
    out.text(shared ? " = { 2*" : " = { 4*");
    write_hdif(out);
    if (!shared) {
      out.effective_width("+ (2*w");
      out.text(")");
    }
    out.text("}");
    out.end_line();
  }
}

// The wrapper's defaults: HSPICE's, or those the file's options give.
std::string wrapper_defaults(const ElementDefaults& given) {
  const auto or_default = [](const std::string& value, std::string_view hspice) {
    return value.empty() ? std::string(hspice) : value;
  };
  return "+ l=" + or_default(given.l, "100u") + " w=" + or_default(given.w, "100u") +
         " m=1 ad=" + or_default(given.ad, "0") + " as=" + or_default(given.as, "0") +
         " pd=0 ps=0 nrd=0 nrs=0 nrg=0 nrb=0";
}

}  // namespace

// .model NAME nmos|pmos params
//   -> .subckt NAME d g s sub params: l w m ad as pd ps nrd nrs nrg nrb
//      M d g s sub NAME l={...} w={...} ... ; .ends ; .model NAME nmos|pmos params
void translate_mosfet_model(TranslationContext& ctx, int target, int kind, const std::string& name,
                            ParameterRecord& record) {
  if (ctx.log != nullptr) ctx.log->step(1);
  switch (read_mosfet_parameters(ctx, target, record)) {
    case MosfetReading::rejected:
      return;
    case MosfetReading::level_refused:
      warn(ctx, target, "Unsupported MOS level will not be translated", name);
      return;
    case MosfetReading::translated:
      break;
  }

  WrapperWriter out(ctx, target, record);
  out.line(".subckt " + name + " d g s sub params:");
  out.line(wrapper_defaults(ctx.element_defaults));
  out.line("M d g s sub " + name);
  const std::string_view level = record.text(kw("level"));
  write_dimension(out, level, {"+ l = { l ", kw("lmlt"), kw("xl"), kw("ld"), kw("dl0"), kw("dl")});
  write_dimension(out, level, {"+ w = { w ", kw("wmlt"), kw("xw"), kw("wd"), kw("dw0"), kw("dw")});
  out.line("+ m = { m }");
  switch (area_form(record)) {
    case AreaForm::a:
      write_given_areas(out);
      break;
    case AreaForm::c:
      write_width_areas(out);
      out.note_shaped();
      break;
    case AreaForm::d:
      write_hdif_areas(out);
      out.note_shaped();
      break;
    case AreaForm::e:
      write_shared_areas(out, record);
      out.note_shaped();
      break;
  }
  out.line("+ nrd = { nrd }");
  out.line("+ nrs = { nrs }");
  out.line("+ nrg = { nrg }");
  out.line("+ nrb = { nrb }");

  // A card whose values use the subcircuit's parameters stands inside it.
  const bool card_inside = record.given(kw("rsh")) || uses_wrapper_parameters(record);
  if (out.shaped() || card_inside) note_shaping_wrapper(ctx, name);
  if (!card_inside) out.line(".ends");
  out.text(".model " + name + (kind == kw("pmos") ? " pmos " : " nmos "));
  write_model_parameters(ctx, target, record);
  if (card_inside) out.line(".ends");
}

}  // namespace corvane
