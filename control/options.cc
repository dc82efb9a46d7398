#include "control/options.h"

#include <array>
#include <string>

#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "core/translation_report.h"

namespace corvane {
namespace {

using enum OptionForm;

// The HSPICE options Ondrel knows; every other option is dropped.
constexpr OptionRow kOptionRows[] = {
    {kw("acct"), acct, "acct"},       {kw("list"), list_count, "list"},
    {kw("node"), flag, "node"},       {kw("opts"), flag, "opts"},
    {kw("gramp"), flag, "stepgmin"},  {kw("numdgt"), valued, "numdgt"},
    {kw("abstol"), valued, "abstol"}, {kw("gmin"), valued, "gmin"},
    {kw("vntol"), valued, "vntol"},   {kw("reltol"), valued, "reltol"},
    {kw("defl"), valued, "defl"},     {kw("defw"), valued, "defw"},
    {kw("defad"), valued, "defad"},   {kw("defas"), valued, "defas"},
    {kw("itl1"), valued, "itl1"},     {kw("itl2"), valued, "itl2"},
    {kw("itl4"), valued, "itl4"},     {kw("pivrel"), valued, "pivrel"},
    {kw("pivtol"), valued, "pivtol"}, {kw("chgtol"), valued, "chgtol"},
    {kw("trtol"), valued, "trtol"},   {kw("tnom"), valued, "tnom"},
};

constexpr std::array<const OptionRow*, KEYWORD_LAST_CODE + 1> make_option_index() {
  std::array<const OptionRow*, KEYWORD_LAST_CODE + 1> index{};
  for (const OptionRow& row : kOptionRows) index[static_cast<std::size_t>(row.keyword)] = &row;
  return index;
}

constexpr auto kOptionIndex = make_option_index();

// An option with no Ondrel counterpart: counted for the file's summary and
// named in the report.
void note_dropped_option(TranslationContext& ctx, std::string_view name) {
  ++ctx.options_dropped;
  if (ctx.report != nullptr) ctx.report->note_dropped_option(name);
}

bool at_number(const TranslationContext& ctx) {
  return !ctx.statement_ended && is_number_kind(ctx.token_kind);
}

// Passes over a value that is not carried: a number, a parameter name or a
// quoted expression.
void skip_value(TranslationContext& ctx) {
  if (ctx.statement_ended) return;
  if (ctx.token_kind == TOK_QUOTE) {
    do {
      next_token(ctx, MODE_NO_KEYWORDS);
    } while (!ctx.statement_ended && ctx.token_kind != TOK_QUOTE);
  }
  if (!ctx.statement_ended) next_token(ctx, MODE_ALL_KEYWORDS);
}

// Passes over "= VALUE" when the current token is "=".
void skip_assigned_value(TranslationContext& ctx) {
  if (ctx.statement_ended || ctx.token_kind != TOK_EQUALS) return;
  next_token(ctx, MODE_ALL_KEYWORDS);
  skip_value(ctx);
}

// ACCT [COUNT] -> acctCOUNT; LIST [COUNT] -> list COUNT. A word that is no
// count is left for the next option.
void add_counted_option(TranslationContext& ctx, const OptionRow& row, std::string& items) {
  next_token(ctx, MODE_ALL_KEYWORDS);
  items += row.written;
  if (!at_number(ctx)) {
    items += ' ';
    return;
  }
  if (row.form == list_count) items += ' ';
  items += token_text(ctx);
  items += ' ';
  next_token(ctx, MODE_ALL_KEYWORDS);
}

// DEFL, DEFW, DEFAD and DEFAS are also the defaults of the MOSFET wrapper
// subcircuits, whose own defaults would otherwise stand for every value an
// instance leaves out.
void keep_element_default(TranslationContext& ctx, int keyword, std::string_view value) {
  ElementDefaults& defaults = ctx.element_defaults;
  std::string* kept = keyword == kw("defl")    ? &defaults.l
                      : keyword == kw("defw")  ? &defaults.w
                      : keyword == kw("defad") ? &defaults.ad
                      : keyword == kw("defas") ? &defaults.as
                                               : nullptr;
  if (kept == nullptr || *kept == value) return;
  if (!ctx.names.models.empty()) ctx.settings_came_late = true;
  kept->assign(value);
}

// NAME = NUMBER -> NAME=NUMBER; a parameter name or expression as the value
// is not carried over. False when the "=" is missing (the statement has then
// been rejected).
bool add_valued_option(TranslationContext& ctx, const OptionRow& row, std::string& items) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!expect_token(ctx, TOK_EQUALS)) return false;
  next_token(ctx, MODE_ALL_KEYWORDS);
  if (!at_number(ctx)) {
    note_dropped_option(ctx, row.written);
    skip_value(ctx);
    return true;
  }
  items += row.written;
  items += '=';
  items += token_text(ctx);
  items += ' ';
  keep_element_default(ctx, row.keyword, token_text(ctx));
  next_token(ctx, MODE_ALL_KEYWORDS);
  return true;
}

// SCALE = VALUE and SCALM = VALUE shape the geometry of the whole file:
// kept, not written; their source text lets a second reading of the file
// know them from the start. False when the "=" or the value is missing
// (the statement has then been rejected).
bool keep_geometry_scale(TranslationContext& ctx, int keyword) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!expect_token(ctx, TOK_EQUALS)) return false;
  next_token(ctx, MODE_NO_KEYWORDS);
  const std::string_view line = ctx.scan.line;
  const std::size_t start = ctx.scan.token_start;
  TokenList value;
  read_value(ctx, value);
  if (value.empty()) {
    warn_and_skip(ctx, ctx.statement_target, "Unrecognized syntax when parsing statement", "");
    return false;
  }
  const bool same_line = ctx.scan.line.data() == line.data() && !ctx.statement_ended;
  std::string text(line.substr(start, same_line ? ctx.scan.token_start - start : line.npos));
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == ',')) {
    text.pop_back();
  }
  // 'expr' and {expr}: the expression inside.
  if (text.size() >= 2 && (text[0] == '\'' || text[0] == '"' || text[0] == '{')) {
    text = text.substr(1, text.size() - 2);
  }
  GeometryScales& scales = ctx.geometry_scales;
  const bool is_scale = keyword == kw("scale");
  if (is_scale && !scales.reported) {
    post_info(ctx, "Element lengths and widths multiplied by .option scale=" + text +
                       " (areas by its square) in the whole file");
    scales.reported = true;
  }
  std::string& kept = is_scale ? scales.scale : scales.scalm;
  const bool met_before = is_scale ? ctx.nodes_written : !ctx.names.models.empty();
  if (met_before && kept != text) ctx.settings_came_late = true;
  kept = std::move(text);
  if (ctx.token_kind == TOK_NAME) look_up_word(ctx, MODE_ALL_KEYWORDS);
  return true;
}

}  // namespace

const OptionRow* find_option(int keyword) {
  if (!is_keyword_code(keyword)) return nullptr;
  return kOptionIndex[static_cast<std::size_t>(keyword)];
}

// .options NAME[=VALUE] ...  ->  .options NAME=VALUE ... (the options Ondrel
// knows). The others are counted as dropped for the report; scale and scalm
// are applied to the file's geometry instead; a line left empty is not
// written.
void translate_options(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_ALL_KEYWORDS);
  std::string items;
  while (!ctx.statement_ended) {
    const int kind = ctx.token_kind;
    const OptionRow* row = find_option(kind);
    if (kind == kw("scale") || kind == kw("scalm")) {
      if (!keep_geometry_scale(ctx, kind)) return;
    } else if (row == nullptr) {
      if (kind == TOK_NAME || is_keyword_code(kind)) note_dropped_option(ctx, token_text(ctx));
      next_token(ctx, MODE_ALL_KEYWORDS);
      skip_assigned_value(ctx);
    } else if (row->form == flag) {
      items += row->written;
      items += ' ';
      next_token(ctx, MODE_ALL_KEYWORDS);
      // gramp=3: Ondrel's stepgmin takes no value.
      skip_assigned_value(ctx);
    } else if (row->form == valued) {
      if (!add_valued_option(ctx, *row, items)) return;
    } else {
      add_counted_option(ctx, *row, items);
    }
  }
  if (items.empty()) return;
  write_text(ctx, target, ".options", true);
  write_text(ctx, target, items, false);
  write_line(ctx, target, "");
}

}  // namespace corvane
