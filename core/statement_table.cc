#include "core/statement_table.h"

#include <array>

#include "control/analyses.h"
#include "control/file_statements.h"
#include "control/library_sections.h"
#include "control/options.h"
#include "control/output_requests.h"
#include "control/parameters.h"
#include "core/keywords.h"
#include "elements/element_translators.h"
#include "models/model_dispatch.h"

namespace corvane {
namespace {

using enum StatementAction;

// The statements by their first keyword. A translate row whose handler is
// null is reported as an unrecognized statement until its translator exists.
constexpr StatementRow kStatementRows[] = {
    // .model NAME TYPE params          -> model card or wrapper subcircuit
    {kw(".model"), translate, translate_model, {}},
    // .param NAME=VALUE ...            -> .param NAME={ VALUE }
    {kw(".param"), translate, translate_param, {}},
    {kw(".parameter"), translate, translate_param, {}},
    // .lib 'FILE' SECTION | .lib SECTION ... .endl
    {kw(".lib"), translate, translate_lib, {}},
    {kw(".end"), end, nullptr, {}},
    {kw(".subckt"), subckt, nullptr, {}},
    {kw(".macro"), subckt, nullptr, {}},
    {kw(".options"), translate, translate_options, {}},
    {kw(".option"), translate, translate_options, {}},
    {kw(".include"), translate, translate_include, {}},
    {kw(".inc"), translate, translate_include, {}},
    {kw(".ac"), translate, translate_ac, {}},
    {kw(".dc"), translate, translate_dc, {}},
    {kw(".tran"), translate, translate_tran, {}},
    {kw(".load"), translate, translate_load, {}},
    {kw(".save"), translate, translate_save, {}},
    {kw(".global"), translate, translate_global, {}},
    {kw(".print"), translate, translate_print, {}},
    {kw(".plot"), translate, translate_plot, {}},
    {kw(".noise"), copy, nullptr, {}},
    {kw(".four"), copy, nullptr, {}},
    {kw(".sens"), copy, nullptr, {}},
    {kw(".temp"), copy, nullptr, {}},
    {kw(".width"), copy, nullptr, {}},
    {kw(".title"), copy, nullptr, {}},
    {kw(".ic"), copy, nullptr, {}},
    {kw(".nodeset"), copy, nullptr, {}},
    {kw("tf"), copy, nullptr, {}},
    {kw(".op"), op, nullptr, {}},
    {kw("del"), reject, nullptr, "Found DEL statement that will not be translated"},
    {kw(".data"), reject, nullptr, "Found DATA statement that will not be translated"},
    {kw(".probe"), reject, nullptr, "Found PROBE statement that will not be translated"},
    {kw(".alter"), reject, nullptr, "Found ALTER statement that will not be translated"},
    {kw(".fft"), reject, nullptr, "Found FFT statement that will not be translated"},
    {kw(".protect"), reject, nullptr, "Found PROTECT statement that will not be translated"},
    {kw(".prot"), reject, nullptr, "Found PROTECT statement that will not be translated"},
    {kw(".unprotect"), reject, nullptr, "Found UNPROTECT statement that will not be translated"},
    {kw(".unprot"), reject, nullptr, "Found UNPROTECT statement that will not be translated"},
    {kw(".graph"), reject, nullptr, "Found GRAPH statement that will not be translated"},
    {kw(".disto"), reject, nullptr, "Found DISTO statement that will not be translated"},
    {kw(".measure"), reject, nullptr, "Found MEASURE statement that will not be translated"},
    {kw(".meas"), reject, nullptr, "Found MEASURE statement that will not be translated"},
    {kw(".dcvolt"), reject, nullptr, "Found DCVOLT statement that will not be translated"},
};

// Rows indexed by keyword code, built once while compiling.
constexpr std::array<const StatementRow*, KEYWORD_LAST_CODE + 1> make_row_index() {
  std::array<const StatementRow*, KEYWORD_LAST_CODE + 1> index{};
  for (const StatementRow& row : kStatementRows) index[static_cast<std::size_t>(row.code)] = &row;
  return index;
}

constexpr auto kRowIndex = make_row_index();

struct ElementRow {
  int letter_code;
  StatementHandler handler;
};

// Element translators by letter. Letters without a row, or with a null
// handler, have no translator yet.
constexpr ElementRow kElementRows[] = {
    // passive elements
    {kw("c"), translate_c},
    {kw("r"), translate_r},
    {kw("l"), translate_l},
    // semiconductors
    {kw("d"), translate_d},
    {kw("j"), translate_j},
    {kw("m"), translate_m},
    {kw("q"), translate_q},
    // controlled sources
    {kw("e"), translate_efgh},
    {kw("f"), translate_efgh},
    {kw("g"), translate_efgh},
    {kw("h"), translate_efgh},
    // lines and instances
    {kw("t"), translate_t},
    {kw("x"), translate_x},
};

}  // namespace

const StatementRow* find_statement_row(int code) {
  if (code < 0 || code > KEYWORD_LAST_CODE) return nullptr;
  return kRowIndex[static_cast<std::size_t>(code)];
}

StatementHandler find_element_handler(int letter_code) {
  for (const ElementRow& row : kElementRows) {
    if (row.letter_code == letter_code) return row.handler;
  }
  return nullptr;
}

}  // namespace corvane
