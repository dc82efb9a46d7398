// Diode, bipolar transistor, JFET/MESFET and MOSFET lines. Diode, JFET and
// MOSFET models are translated into wrapper subcircuits that take the
// instance geometry as parameters, so those elements become instances.

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/names.h"
#include "core/numeric_value.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "elements/element_reading.h"
#include "elements/element_translators.h"

namespace corvane {
namespace {

constexpr std::string_view kBadDiode = "Unrecognized syntax when parsing D statement";
constexpr std::string_view kBadBipolar = "Unrecognized syntax when parsing Q statement";
constexpr std::string_view kBadJfet = "Unrecognized syntax when parsing J statement";
constexpr std::string_view kBadMosfet = "Unrecognized syntax when parsing M statement";

const OptionalList kNoValue;

// Reads the element name and its nodes; false when the statement was
// rejected.
bool read_name_and_nodes(TranslationContext& ctx, int target, int count, std::string& name) {
  name = read_element_name(ctx);
  return read_element_nodes(ctx, target, count, name);
}

// Reads "ic=" values into at most `slots.size()` lists; false when the
// statement was rejected.
bool read_initial_conditions(TranslationContext& ctx, int target, std::span<OptionalList*> slots,
                             std::string_view message, const std::string& name) {
  std::vector<TokenList> values;
  if (!read_keyword_sequence(ctx, target, values, message, name)) return false;
  if (values.size() > slots.size()) return reject(ctx, target, message, name);
  for (std::size_t i = 0; i < values.size(); ++i) *slots[i] = std::move(values[i]);
  return true;
}

// Writes "params:" joined with each present item; an empty item list still
// writes the keyword when `always`.
struct ParamItem {
  std::string_view prefix;
  const OptionalList* value;
};

void write_params(TranslationContext& ctx, int target, std::span<const ParamItem> items,
                  bool always) {
  bool any = false;
  for (const ParamItem& item : items) any = any || item.value->has_value();
  if (!any && !always) return;
  write_text(ctx, target, "params:", !any);
  for (const ParamItem& item : items) write_joined_if(ctx, target, item.prefix, *item.value);
}

struct DiodeValues {
  OptionalList area, scale, m, l, w, lm, lp, wm, wp, dtemp, ic;
};

constexpr std::array<KeywordField<DiodeValues>, 10> kDiodeKeywords = {{
    {kw("scale"), &DiodeValues::scale},
    {kw("m"), &DiodeValues::m},
    {kw("l"), &DiodeValues::l},
    {kw("w"), &DiodeValues::w},
    {kw("lm"), &DiodeValues::lm},
    {kw("lp"), &DiodeValues::lp},
    {kw("wm"), &DiodeValues::wm},
    {kw("wp"), &DiodeValues::wp},
    {kw("dtemp"), &DiodeValues::dtemp},
    {kw("ic"), &DiodeValues::ic},
}};

struct BipolarValues {
  OptionalList area, m, ic1, ic2, scale, dtemp;
  std::vector<TokenList> ic;
};

constexpr std::array<KeywordField<BipolarValues>, 6> kBipolarKeywords = {{
    {kw("scale"), &BipolarValues::scale},
    {kw("dtemp"), &BipolarValues::dtemp},
    {kw("m"), &BipolarValues::m},
    {kw("area"), &BipolarValues::area},
    {kw("vbe"), &BipolarValues::ic1},
    {kw("vce"), &BipolarValues::ic2},
}};

struct JfetValues {
  OptionalList area, l, m, w, dtemp, ic1, ic2;
};

constexpr std::array<KeywordField<JfetValues>, 7> kJfetKeywords = {{
    {kw("area"), &JfetValues::area},
    {kw("l"), &JfetValues::l},
    {kw("m"), &JfetValues::m},
    {kw("w"), &JfetValues::w},
    {kw("dtemp"), &JfetValues::dtemp},
    {kw("vbe"), &JfetValues::ic1},
    {kw("vce"), &JfetValues::ic2},
}};

struct MosfetValues {
  OptionalList l, w, scale, m, rdc, rsc, delvto, geo, nrs, nrd, dtemp, as, ad, ps, pd;
  OptionalList ic1, ic2, ic3;
};

constexpr std::array<KeywordField<MosfetValues>, 15> kMosfetKeywords = {{
    {kw("l"), &MosfetValues::l},
    {kw("w"), &MosfetValues::w},
    {kw("scale"), &MosfetValues::scale},
    {kw("m"), &MosfetValues::m},
    {kw("rdc"), &MosfetValues::rdc},
    {kw("rsc"), &MosfetValues::rsc},
    {kw("delvto"), &MosfetValues::delvto},
    {kw("geo"), &MosfetValues::geo},
    {kw("nrs"), &MosfetValues::nrs},
    {kw("nrd"), &MosfetValues::nrd},
    {kw("dtemp"), &MosfetValues::dtemp},
    {kw("as"), &MosfetValues::as},
    {kw("ad"), &MosfetValues::ad},
    {kw("ps"), &MosfetValues::ps},
    {kw("pd"), &MosfetValues::pd},
}};

// An instance's own scale multiplies its lengths, and its areas twice.
void fold_instance_scale(MosfetValues& v) {
  if (!v.scale) return;
  // Only values given: a factor folded into an absent value would become it.
  for (OptionalList* length : {&v.l, &v.w, &v.pd, &v.ps}) {
    if (*length) fold_factor(*length, *v.scale, TOK_STAR, false);
  }
  for (OptionalList* area : {&v.as, &v.ad}) {
    if (!*area) continue;
    fold_factor(*area, *v.scale, TOK_STAR, false);
    fold_factor(*area, *v.scale, TOK_STAR, false);
  }
  v.scale.reset();
}

// lo <= x < hi as HSPICE chooses bins, a bound met within rounding; an
// upper bound of 0 is none.
bool in_bin_range(double x, double lo, double hi) {
  constexpr double kRounding = 1e-9;
  return x >= lo - kRounding * std::fabs(lo) && (hi == 0 || x < hi - kRounding * std::fabs(hi));
}

// The model an M line names as written: an instance of a binned family
// (nch, whose cards are nch.1, nch.2 ...) gets the bin its l and w fall in,
// or keeps the family's name with a warning when there is none.
std::string mosfet_model(TranslationContext& ctx, const std::string& model, const MosfetValues& v,
                         const std::string& name) {
  if (model.find('.') == std::string::npos) {
    if (const std::vector<ModelBin>* bins = model_family(ctx, model)) {
      const std::optional<double> l = v.l ? numeric_value(ctx, *v.l) : std::nullopt;
      const std::optional<double> w = v.w ? numeric_value(ctx, *v.w) : std::nullopt;
      if (!l || !w) {
        post_warning(ctx, "No bin of model family " + model + " chosen: l and w are no numbers",
                     name);
        return model;
      }
      for (const ModelBin& bin : *bins) {
        if (in_bin_range(*l, bin.lmin, bin.lmax) && in_bin_range(*w, bin.wmin, bin.wmax)) {
          return bin.written;
        }
      }
      post_warning(ctx, "No bin of model family " + model + " takes the instance's l and w", name);
      return model;
    }
  }
  return std::string(model_reference(ctx, model));
}

// l=, w=, ad=, as= given: a plain MOSFET, which has a place for each of the
// geometry values.
void write_plain_mosfet(TranslationContext& ctx, int target, const std::string& name,
                        const std::string& model, const MosfetValues& v) {
  write_element_start(ctx, target, name, ctx.output_nodes);
  write_piece(ctx, target, model);
  write_joined(ctx, target, "l=", *v.l);
  write_joined(ctx, target, "w=", *v.w);
  write_joined_if(ctx, target, "m=", v.m);
  write_joined(ctx, target, "ad=", *v.ad);
  write_joined(ctx, target, "as=", *v.as);
  write_joined_if(ctx, target, "pd=", v.pd);
  write_joined_if(ctx, target, "ps=", v.ps);
  write_joined_if(ctx, target, "nrd=", v.nrd);
  write_joined_if(ctx, target, "nrs=", v.nrs);
  if (v.ic1) {
    write_joined(ctx, target, "ic=", *v.ic1);
    write_joined_if(ctx, target, ",", v.ic2);
    write_joined_if(ctx, target, ",", v.ic3);
  }
  write_line(ctx, target, "");
}

}  // namespace

// D name n+ n- model [area] [scale= m= l= w= lm= lp= wm= wp= dtemp= ic=]
//   -> xname n+ n- model [params:area= lm= lp= wm= wp=]
// dtemp and ic are reported.
void translate_d(TranslationContext& ctx, int target, int /*code*/) {
  std::string name;
  if (!read_name_and_nodes(ctx, target, 2, name)) return;
  if (ctx.statement_ended || ctx.token_kind != TOK_NAME) {
    reject(ctx, target, kBadDiode, name);
    return;
  }
  const std::string model(token_text(ctx));
  next_element_token(ctx, MODE_ALL_KEYWORDS);
  DiodeValues v;
  if (!ctx.statement_ended && is_number_kind(ctx.token_kind)) read_positional_value(ctx, v.area);
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    OptionalList* field = find_keyword_field<DiodeValues>(ctx, kDiodeKeywords, v);
    if (field == nullptr) {
      reject(ctx, target, kBadDiode, name);
      return;
    }
    if (!read_keyword_value(ctx, target, *field, kBadDiode, name)) return;
  }
  apply_geometry_scale(ctx, {&v.l, &v.w});

  // The junction area of a W by L diode is their product.
  if (!v.area && v.l && v.w) {
    v.area = *v.w;
    fold_factor(v.area, *v.l, TOK_STAR, false);
  }
  fold_factor_if(v.area, v.scale, TOK_STAR, false);
  fold_factor_if(v.area, v.m, TOK_STAR, false);

  write_element_start(ctx, target, renamed_element(ctx, name, prefix_x(name)), ctx.output_nodes);
  write_piece(ctx, target, model_reference(ctx, model));
  // The wrapper declares no temperature offset, and Ondrel's diode no
  // initial condition.
  // A lone l or w makes no area.
  const bool lone_length = !(v.l && v.w);
  report_unplaced_values(ctx,
                         {{"l", lone_length ? &v.l : &kNoValue},
                          {"w", lone_length ? &v.w : &kNoValue},
                          {"dtemp", &v.dtemp},
                          {"ic", &v.ic}},
                         name);
  const std::array<ParamItem, 5> items = {
      {{"area=", &v.area}, {"lm=", &v.lm}, {"lp=", &v.lp}, {"wm=", &v.wm}, {"wp=", &v.wp}}};
  write_params(ctx, target, items, false);
  write_line(ctx, target, "");
}

// Q name c b e [s] model [area] [scale= dtemp= m= area= vbe= vce= ic=]
//   -> name c b e [s] model [area] [ic=vbe,vce]; scale and dtemp reported
void translate_q(TranslationContext& ctx, int target, int /*code*/) {
  std::string name;
  if (!read_name_and_nodes(ctx, target, 4, name)) return;
  std::size_t node_count = 4;
  std::string model;
  BipolarValues v;
  if (!ctx.statement_ended && ctx.token_kind == TOK_NAME) {
    const std::string word(token_text(ctx));
    const bool word_is_model = is_model_name(ctx, word);
    if (!word_is_model && is_model_name(ctx, ctx.output_nodes[3])) {
      // Q c b e qmod area: the fourth word is the model where the file has a
      // model of that name and none of the word after it, an area given by
      // a parameter.
      node_count = 3;
      model = ctx.output_nodes[3];
      read_positional_value(ctx, v.area);
    } else {
      // A model defined further on is known to the file's second reading.
      if (!word_is_model) note_taken_as_value(ctx, ctx.output_nodes[3]);
      model = word;
      next_element_token(ctx, MODE_ALL_KEYWORDS);
    }
  } else {
    // Three nodes: the word read as the fourth is the model name.
    node_count = 3;
    model = ctx.output_nodes[3];
  }
  if (!ctx.statement_ended && is_number_kind(ctx.token_kind)) read_positional_value(ctx, v.area);
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    if (ctx.token_kind == kw("ic")) {
      if (!read_keyword_sequence(ctx, target, v.ic, kBadBipolar, name)) return;
      continue;
    }
    OptionalList* field = find_keyword_field<BipolarValues>(ctx, kBipolarKeywords, v);
    if (field == nullptr) {
      reject(ctx, target, kBadBipolar, name);
      return;
    }
    if (!read_keyword_value(ctx, target, *field, kBadBipolar, name)) return;
  }

  fold_factor_if(v.area, v.m, TOK_STAR, false);
  report_unplaced_values(ctx, {{"scale", &v.scale}, {"dtemp", &v.dtemp}}, name);
  write_element_start(ctx, target, name, std::span(ctx.output_nodes).first(node_count));
  write_piece(ctx, target, model_reference(ctx, model));
  if (v.area) token_list_write(ctx, target, *v.area);
  if (!v.ic.empty()) {
    TokenList combined;
    for (const TokenList& value : v.ic) {
      if (!combined.empty()) token_list_add(TOK_COMMA, 0, combined);
      combined.insert(combined.end(), value.begin(), value.end());
    }
    write_joined(ctx, target, "ic=", combined);
  } else if (v.ic1) {
    write_joined(ctx, target, "ic=", *v.ic1);
    write_joined_if(ctx, target, ",", v.ic2);
  }
  write_line(ctx, target, "");
}

// J name d g s [b] model [area] [area= l= m= w= dtemp= vbe= vce= ic=]
//   -> xname d g s model params:area=w*l m=       (geometry given)
//   -> name d g s model [area] [ic=vbe,vce]          (otherwise)
// dtemp is reported, in the geometry form ic and a lone l or w, and beside
// an area l and w.
void translate_j(TranslationContext& ctx, int target, int /*code*/) {
  std::string name;
  if (!read_name_and_nodes(ctx, target, 3, name)) return;
  std::string model;
  std::string fourth_node;  // a fourth node, which Ondrel's JFET has not
  if (!ctx.statement_ended && ctx.token_kind == TOK_NAME) {
    model.assign(token_text(ctx));
    next_element_token(ctx, MODE_ALL_KEYWORDS);
  } else if (!ctx.statement_ended && is_number_kind(ctx.token_kind)) {
    // A fourth node given as a number is not written; the name after it is
    // the model name.
    fourth_node.assign(token_text(ctx));
    next_element_token(ctx, MODE_NO_KEYWORDS);
    if (!ctx.statement_ended && ctx.token_kind == TOK_NAME) {
      model.assign(token_text(ctx));
      next_element_token(ctx, MODE_ALL_KEYWORDS);
    }
  }
  if (model.empty()) {
    reject(ctx, target, kBadJfet, name);
    return;
  }
  JfetValues v;
  std::string second_name;
  bool area_named = false;  // the area read is the second name
  if (!ctx.statement_ended && is_number_kind(ctx.token_kind)) {
    read_positional_value(ctx, v.area);
  } else if (!ctx.statement_ended && ctx.token_kind == TOK_NAME) {
    // Either an area given by a parameter name or, when the first name was
    // a fourth node, the model name.
    second_name.assign(token_text(ctx));
    area_named = read_positional_value(ctx, v.area);
  }
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    const int kind = ctx.token_kind;
    if (kind == kw("ic")) {
      std::array<OptionalList*, 2> slots = {&v.ic1, &v.ic2};
      if (!read_initial_conditions(ctx, target, slots, kBadJfet, name)) return;
      continue;
    }
    OptionalList* field = find_keyword_field<JfetValues>(ctx, kJfetKeywords, v);
    if (field == nullptr) {
      reject(ctx, target, kBadJfet, name);
      return;
    }
    if (!read_keyword_value(ctx, target, *field, kBadJfet, name)) return;
    if (kind == kw("area")) area_named = false;
    // J d g s b jmod w=: the name read as the area is the model. A number
    // given as the area stays the area.
    if (kind == kw("w") && !second_name.empty()) {
      if (area_named) v.area.reset();
      fourth_node = model;
      model = second_name;
      second_name.clear();
    }
  }
  apply_geometry_scale(ctx, {&v.l, &v.w});
  // J d g s b jmod [area]: the second name is the model where the file has
  // a model of that name and none of the first. A model defined further on
  // is known to the file's second translation.
  if (!second_name.empty() && is_model_name(ctx, second_name) && !is_model_name(ctx, model)) {
    fourth_node = model;
    model = second_name;
    if (area_named) v.area.reset();
  } else if (!second_name.empty()) {
    note_taken_as_value(ctx, second_name);
  }
  if (!fourth_node.empty()) post_warning(ctx, "Fourth node of JFET not translated:", fourth_node);

  const std::string written_model(model_reference(ctx, model));
  if (!v.area && (v.l || v.w)) {
    // The wrapper declares the area and m: a W by L gate is their product.
    OptionalList area = v.l && v.w ? v.w : OptionalList();
    if (area) fold_factor(area, *v.l, TOK_STAR, false);
    report_unplaced_values(ctx,
                           {{"l", area ? &kNoValue : &v.l},
                            {"w", area ? &kNoValue : &v.w},
                            {"dtemp", &v.dtemp},
                            {"ic", &v.ic1}},
                           name);
    write_element_start(ctx, target, renamed_element(ctx, name, prefix_x(name)), ctx.output_nodes);
    write_piece(ctx, target, written_model);
    const std::array<ParamItem, 2> items = {{{"area=", &area}, {"m=", &v.m}}};
    write_params(ctx, target, items, false);
  } else if (needs_wrapper(ctx, written_model)) {
    // A MESFET's card is a GaAs FET's, which only its wrapper can use.
    report_unplaced_values(ctx, {{"l", &v.l}, {"w", &v.w}, {"dtemp", &v.dtemp}, {"ic", &v.ic1}},
                           name);
    write_element_start(ctx, target, renamed_element(ctx, name, prefix_x(name)), ctx.output_nodes);
    write_piece(ctx, target, written_model);
    const std::array<ParamItem, 2> items = {{{"area=", &v.area}, {"m=", &v.m}}};
    write_params(ctx, target, items, false);
  } else {
    // With the area given, l and w have no place.
    report_unplaced_values(ctx, {{"l", &v.l}, {"w", &v.w}, {"dtemp", &v.dtemp}}, name);
    fold_factor_if(v.area, v.m, TOK_STAR, false);
    write_element_start(ctx, target, name, ctx.output_nodes);
    write_piece(ctx, target, written_model);
    if (v.area) token_list_write(ctx, target, *v.area);
    if (v.ic1) {
      write_joined(ctx, target, "ic=", *v.ic1);
      write_joined_if(ctx, target, ",", v.ic2);
    }
  }
  write_line(ctx, target, "");
}

// M name d g s b model [l [w [ad [as [pd [ps [nrd [nrs]]]]]]]] [l= w= scale= m= mult= rdc= rsc=
// delvto= geo=
//   nrs= nrd= dtemp= as= ad= ps= pd= ic=]
//   -> name d g s b model l= w= [m=] ad= as= [pd=] [ps=] [nrd=] [nrs=] [ic=]
//      (l, w, as and ad given)
//   -> xname d g s b model params:l= w= m= ad= as= pd= ps= nrd= nrs=
//      (otherwise)
// scale is folded into the geometry; rdc, rsc, geo, delvto and dtemp are
// reported.
void translate_m(TranslationContext& ctx, int target, int /*code*/) {
  std::string name;
  if (!read_name_and_nodes(ctx, target, 4, name)) return;
  if (ctx.statement_ended || ctx.token_kind != TOK_NAME) {
    reject(ctx, target, "Missing model name on M statement", name);
    return;
  }
  const std::string model(token_text(ctx));
  next_element_token(ctx, MODE_ALL_KEYWORDS);
  MosfetValues v;
  const std::array<OptionalList*, 8> positions = {&v.l,  &v.w,  &v.ad,  &v.as,
                                                  &v.pd, &v.ps, &v.nrd, &v.nrs};
  std::size_t positional = 0;
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    const int kind = ctx.token_kind;
    if (kind == TOK_NAME && is_word(ctx, "mult")) {
      // mult= is HSPICE's other name of m=.
      if (!read_keyword_value(ctx, target, v.m, kBadMosfet, name)) return;
      continue;
    }
    if (kind == TOK_NAME || is_number_kind(kind)) {
      // Values without keywords stand for l, w, ad, as, pd, ps, nrd and
      // nrs, in that order.
      if (positional == positions.size()) {
        reject(ctx, target, kBadMosfet, name);
        return;
      }
      read_positional_value(ctx, *positions[positional++]);
      continue;
    }
    if (kind == kw("ic")) {
      std::array<OptionalList*, 3> slots = {&v.ic1, &v.ic2, &v.ic3};
      if (!read_initial_conditions(ctx, target, slots, kBadMosfet, name)) return;
      continue;
    }
    OptionalList* field = find_keyword_field<MosfetValues>(ctx, kMosfetKeywords, v);
    if (field == nullptr) {
      reject(ctx, target, kBadMosfet, name);
      return;
    }
    if (!read_keyword_value(ctx, target, *field, kBadMosfet, name)) return;
  }
  apply_geometry_scale(ctx, {&v.l, &v.w, &v.pd, &v.ps});
  apply_geometry_scale(ctx, {&v.ad, &v.as}, 2);
  fold_instance_scale(v);
  // Neither form has a place for these; the wrapper form none for ic. A
  // wrapper that changes the values on their way is always taken.
  const std::string written_model = mosfet_model(ctx, model, v, name);
  const bool plain = v.l && v.w && v.as && v.ad && !needs_wrapper(ctx, written_model);
  report_unplaced_values(ctx,
                         {{"rdc", &v.rdc},
                          {"rsc", &v.rsc},
                          {"geo", &v.geo},
                          {"delvto", &v.delvto},
                          {"dtemp", &v.dtemp},
                          {"ic", plain ? &kNoValue : &v.ic1}},
                         name);
  if (plain) {
    write_plain_mosfet(ctx, target, name, written_model, v);
    return;
  }
  // The wrapper declares every geometry value and derives the areas and
  // perimeters not given from its model's diffusion rules.
  write_element_start(ctx, target, renamed_element(ctx, name, prefix_x(name)), ctx.output_nodes);
  write_piece(ctx, target, written_model);
  const std::array<ParamItem, 9> items = {{{"l=", &v.l},
                                           {"w=", &v.w},
                                           {"m=", &v.m},
                                           {"ad=", &v.ad},
                                           {"as=", &v.as},
                                           {"pd=", &v.pd},
                                           {"ps=", &v.ps},
                                           {"nrd=", &v.nrd},
                                           {"nrs=", &v.nrs}}};
  write_params(ctx, target, items, true);
  write_line(ctx, target, "");
}

}  // namespace corvane
