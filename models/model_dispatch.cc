#include "models/model_dispatch.h"

#include "core/diagnostics.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "models/mosfet_models.h"

namespace corvane {
namespace {

struct ModelKindRow {
  int kind;
  ModelTranslator translate;
};

// The translator of each kind word. A row with a null translator is a kind
// whose cards are reported like an unknown kind until it is translated.
constexpr ModelKindRow kModelKinds[] = {
    {kw("nmos"), translate_mosfet_model},  // .model NAME nmos|pmos -> wrapper subcircuit and card
    {kw("pmos"), translate_mosfet_model},
    {kw("npn"), nullptr},  // bipolar transistors
    {kw("pnp"), nullptr},
    {kw("d"), nullptr},    // diodes
    {kw("njf"), nullptr},  // JFETs and MESFETs
    {kw("pjf"), nullptr},
    {kw("r"), nullptr},  // wire resistors, capacitors and inductors
    {kw("c"), nullptr},
    {kw("l"), nullptr},
};

}  // namespace

ModelTranslator find_model_translator(int kind) {
  for (const ModelKindRow& row : kModelKinds) {
    if (row.kind == kind) return row.translate;
  }
  return nullptr;
}

// .model NAME KIND [(] param=value ... [)]
//   -> what the translator of KIND writes (for nmos and pmos a wrapper
//      .subckt NAME and a .model NAME card), then an empty line
void translate_model(TranslationContext& ctx, int target, int /*code*/) {
  ParameterRecord record;
  next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind != TOK_NAME) {
    warn_and_skip(ctx, target, "Unrecognized syntax when parsing statement", "");
    return;
  }
  const std::string name = strip_dots(token_text(ctx));
  next_token(ctx, MODE_ALL_KEYWORDS);
  const ModelTranslator translate =
      ctx.statement_ended ? nullptr : find_model_translator(ctx.token_kind);
  if (translate == nullptr) {
    const std::string word(ctx.statement_ended ? std::string_view() : token_text(ctx));
    warn_and_skip(ctx, target, "Unrecognized model statement", word);
  } else {
    translate(ctx, target, ctx.token_kind, name, record);
  }
  // A card ends with its line ended; this leaves one empty line after it.
  write_line(ctx, target, "");
}

}  // namespace corvane
