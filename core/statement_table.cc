#include "core/statement_table.h"

#include <array>

#include "core/keywords.h"

namespace corvane {
namespace {

using enum StatementAction;

// The statements by their first keyword. A translate row whose handler is
// null is reported as an unrecognized statement until its translator exists.
constexpr StatementRow kStatementRows[] = {
    // .model NAME TYPE params          -> model card or wrapper subcircuit
    {kw(".model"), translate, nullptr, {}},
    // .param NAME=VALUE ...            -> .param NAME={ VALUE }
    {kw(".param"), translate, nullptr, {}},
    {kw(".parameter"), translate, nullptr, {}},
    // .lib 'FILE' SECTION | .lib SECTION ... .endl
    {kw(".lib"), translate, nullptr, {}},
    {kw(".end"), end, nullptr, {}},
    {kw(".subckt"), subckt, nullptr, {}},
    {kw(".macro"), subckt, nullptr, {}},
    {kw(".options"), translate, nullptr, {}},
    {kw(".option"), translate, nullptr, {}},
    {kw(".include"), translate, nullptr, {}},
    {kw(".inc"), translate, nullptr, {}},
    {kw(".ac"), translate, nullptr, {}},
    {kw(".dc"), translate, nullptr, {}},
    {kw(".tran"), translate, nullptr, {}},
    {kw(".load"), translate, nullptr, {}},
    {kw(".save"), translate, nullptr, {}},
    {kw(".global"), translate, nullptr, {}},
    {kw(".print"), translate, nullptr, {}},
    {kw(".plot"), translate, nullptr, {}},
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
    {kw("c"), nullptr}, {kw("r"), nullptr}, {kw("l"), nullptr},  // passive elements
    {kw("d"), nullptr}, {kw("j"), nullptr}, {kw("m"), nullptr},  // semiconductors
    {kw("q"), nullptr},                                          //
    {kw("e"), nullptr}, {kw("f"), nullptr}, {kw("g"), nullptr},  // controlled sources
    {kw("h"), nullptr},                                          //
    {kw("t"), nullptr}, {kw("x"), nullptr},                      // lines and instances
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
