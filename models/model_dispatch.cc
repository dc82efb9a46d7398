#include "models/model_dispatch.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/names.h"
#include "core/numeric_value.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "core/translation_report.h"
#include "models/bipolar_models.h"
#include "models/diode_models.h"
#include "models/jfet_models.h"
#include "models/mosfet_models.h"
#include "models/wire_models.h"

namespace corvane {
namespace {

struct ModelKindRow {
  int kind;
  ModelTranslator translate;
};

// The translator of each kind word.
constexpr ModelKindRow kModelKinds[] = {
    {kw("nmos"), translate_mosfet_model},  // .model NAME nmos|pmos -> wrapper subcircuit and card
    {kw("pmos"), translate_mosfet_model},
    {kw("npn"), translate_bipolar_model},  // -> one card, lpnp for a lateral pnp
    {kw("pnp"), translate_bipolar_model},
    {kw("d"), translate_diode_model},   // -> wrapper subcircuit and card
    {kw("njf"), translate_jfet_model},  // -> wrapper subcircuit and JFET or GaAs FET card
    {kw("pjf"), translate_jfet_model},
    {kw("r"), translate_passive_model},  // -> NAME, NAME_1 and NAME_2 cards
    {kw("c"), translate_passive_model},  // -> NAME_2 and NAME_1 cards
    {kw("l"), translate_passive_model},  // read, nothing written
};

// The kinds whose cards Ondrel writes as subcircuits (MOSFET, diode, JFET).
bool is_wrapper_kind(int kind) {
  return kind == kw("nmos") || kind == kw("pmos") || kind == kw("d") || kind == kw("njf") ||
         kind == kw("pjf");
}

// A MOSFET card of a binned family (nch.1) records the lengths and widths
// it is for, so that instances naming the family (nch) get their bin.
void note_bin(TranslationContext& ctx, std::string_view source_name, const std::string& written,
              const ParameterRecord& record) {
  if (source_name.find('.') == std::string_view::npos) return;
  ModelBin bin;
  bin.written = written;
  const auto bound = [&](int code, double& into) {
    if (!record.given(code)) return true;
    const std::optional<double> value = numeric_value(ctx, record.value(code));
    if (value) into = *value;
    return value.has_value();
  };
  // A bound that is no number leaves the bin to no instance.
  if (!bound(kw("lmin"), bin.lmin) || !bound(kw("lmax"), bin.lmax) ||
      !bound(kw("wmin"), bin.wmin) || !bound(kw("wmax"), bin.wmax)) {
    return;
  }
  note_model_bin(ctx, source_name, std::move(bin));
}

}  // namespace

ModelTranslator find_model_translator(int kind) {
  for (const ModelKindRow& row : kModelKinds) {
    if (row.kind == kind) return row.translate;
  }
  return nullptr;
}

namespace {

constexpr std::string_view kLocalParameters =
    "Model card inside a subcircuit uses the subcircuit's parameters and is not translated:";

// Whether a value the card writes names a parameter of the subcircuit that
// defines it.
bool uses_local_parameters(const TranslationContext& ctx, const ParameterRecord& record) {
  return record.any_compound_token([&ctx](const TokenNode& node) {
    return node.kind == TOK_NAME && is_local_parameter(ctx, ctx.symbols[node.value].text);
  });
}

}  // namespace

// .model NAME KIND [(] param=value ... [)]
//   -> what the translator of KIND writes (for nmos and pmos a wrapper
//      .subckt NAME and a .model NAME card), then an empty line
void translate_model(TranslationContext& ctx, int target, int /*code*/) {
  ParameterRecord record;
  next_token(ctx, MODE_NO_KEYWORDS);
  // A model name may begin with a digit (2n2222), which scans as a number.
  if (ctx.statement_ended || (ctx.token_kind != TOK_NAME && !is_number_kind(ctx.token_kind))) {
    warn_and_skip(ctx, target, "Unrecognized syntax when parsing statement", "");
    return;
  }
  note_model(ctx, token_text(ctx));
  const std::string source_name(token_text(ctx));
  std::string name = model_card_name(ctx, source_name);
  next_token(ctx, MODE_ALL_KEYWORDS);
  const ModelTranslator translate =
      ctx.statement_ended ? nullptr : find_model_translator(ctx.token_kind);
  // A model that Ondrel writes as a subcircuit cannot stay inside the
  // subcircuit that defines it: it is written before that subcircuit, under
  // a name of its own.
  const bool local =
      translate != nullptr && !ctx.names.scope.empty() && is_wrapper_kind(ctx.token_kind);
  const std::size_t local_start = output_of(ctx, target).size();
  if (local) {
    std::string written = strip_dots(ctx.names.scope) + "_" + name;
    ctx.names.local_models.emplace(element_key(ctx.names.scope, source_name), written);
    name = std::move(written);
  }
  // Every wrapper declares m; instances name it as the card does, dots
  // and all.
  if (translate != nullptr && is_wrapper_kind(ctx.token_kind)) note_declares_m(ctx, source_name);
  if (translate == nullptr) {
    const std::string word(ctx.statement_ended ? std::string_view() : token_text(ctx));
    warn_and_skip(ctx, target, "Unrecognized model statement", word);
  } else {
    const int kind = ctx.token_kind;
    translate(ctx, target, kind, name, record);
    if (local && uses_local_parameters(ctx, record)) {
      // Written before its subcircuit, the card would read names that exist
      // only inside it.
      output_of(ctx, target).truncate(local_start);
      ctx.names.local_models.erase(element_key(ctx.names.scope, source_name));
      warn_and_skip(ctx, target, kLocalParameters, source_name);
      return;
    }
    if (kind == kw("nmos") || kind == kw("pmos")) note_bin(ctx, source_name, name, record);
    // What shaped the output was not lost, though no line carries it.
    if (ctx.report != nullptr) {
      record.for_each_used([&ctx](int used) { ctx.report->note_parameter_used(used); });
    }
  }
  // A card ends with its line ended; this leaves one empty line after it.
  write_line(ctx, target, "");
  if (local) ctx.local_model_spans.emplace_back(local_start, output_of(ctx, target).size());
}

}  // namespace corvane
