#include "control/options.h"

#include <array>
#include <string>

#include "core/keywords.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"

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
    {kw("trtol"), valued, "trtol"},
};

constexpr std::array<const OptionRow*, KEYWORD_LAST_CODE + 1> make_option_index() {
  std::array<const OptionRow*, KEYWORD_LAST_CODE + 1> index{};
  for (const OptionRow& row : kOptionRows) index[static_cast<std::size_t>(row.keyword)] = &row;
  return index;
}

constexpr auto kOptionIndex = make_option_index();

bool at_number(const TranslationContext& ctx) {
  return !ctx.statement_ended && is_number_kind(ctx.token_kind);
}

// Passes over a value that is not carried: a parameter name or a quoted
// expression.
void skip_value(TranslationContext& ctx) {
  if (ctx.statement_ended) return;
  if (ctx.token_kind == TOK_QUOTE) {
    do {
      next_token(ctx, MODE_NO_KEYWORDS);
    } while (!ctx.statement_ended && ctx.token_kind != TOK_QUOTE);
  }
  if (!ctx.statement_ended) next_token(ctx, MODE_ALL_KEYWORDS);
}

// ACCT [COUNT] -> acctCOUNT; LIST [COUNT] -> list COUNT. A word that is no
// count is left for the next option.
void write_counted_option(TranslationContext& ctx, int target, const OptionRow& row) {
  next_token(ctx, MODE_ALL_KEYWORDS);
  if (!at_number(ctx)) {
    write_text(ctx, target, row.written, true);
    return;
  }
  if (row.form == acct) {
    std::string text(row.written);
    text += token_text(ctx);
    write_text(ctx, target, text, true);
  } else {
    write_text(ctx, target, row.written, true);
    write_text(ctx, target, token_text(ctx), true);
  }
  next_token(ctx, MODE_ALL_KEYWORDS);
}

// NAME = NUMBER -> NAME=NUMBER; a parameter name or expression as the value
// is not carried over. False when the "=" is missing (the statement has then
// been rejected).
bool write_valued_option(TranslationContext& ctx, int target, const OptionRow& row) {
  next_token(ctx, MODE_NO_KEYWORDS);
  if (!expect_token(ctx, TOK_EQUALS)) return false;
  next_token(ctx, MODE_ALL_KEYWORDS);
  if (!at_number(ctx)) {
    skip_value(ctx);
    return true;
  }
  std::string text(row.written);
  text += '=';
  text += token_text(ctx);
  write_text(ctx, target, text, true);
  next_token(ctx, MODE_ALL_KEYWORDS);
  return true;
}

}  // namespace

const OptionRow* find_option(int keyword) {
  if (!is_keyword_code(keyword)) return nullptr;
  return kOptionIndex[static_cast<std::size_t>(keyword)];
}

// .options NAME[=VALUE] ...  ->  .options NAME=VALUE ... (the options Ondrel
// knows; the others are dropped without a message)
void translate_options(TranslationContext& ctx, int target, int /*code*/) {
  next_token(ctx, MODE_ALL_KEYWORDS);
  write_text(ctx, target, ".options", true);
  while (!ctx.statement_ended) {
    const OptionRow* row = find_option(ctx.token_kind);
    if (row == nullptr) {
      next_token(ctx, MODE_ALL_KEYWORDS);
    } else if (row->form == flag) {
      write_text(ctx, target, row->written, true);
      next_token(ctx, MODE_ALL_KEYWORDS);
    } else if (row->form == valued) {
      if (!write_valued_option(ctx, target, *row)) return;
    } else {
      write_counted_option(ctx, target, *row);
    }
  }
  write_line(ctx, target, "");
}

}  // namespace corvane
