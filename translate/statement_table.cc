#include "translate/statement_table.h"

#include <array>

#include "control/analyses.h"
#include "control/blocks.h"
#include "control/file_statements.h"
#include "control/options.h"
#include "control/output_requests.h"
#include "control/parameters.h"
#include "core/keywords.h"
#include "elements/element_translators.h"
#include "models/model_dispatch.h"
#include "translate/library_sections.h"

namespace corvane {
namespace {

using enum StatementAction;

constexpr StatementUse translated(StatementHandler handler) { return {translate, handler, {}}; }
constexpr StatementUse rejected(std::string_view message) { return {reject, nullptr, message}; }
constexpr StatementUse kCopied{copy, nullptr, {}};
constexpr StatementUse kNotHere{};

// One use in every scope.
constexpr StatementRow everywhere(int code, StatementUse use) { return {code, use, use, use}; }
// The top level and `.lib` sections, not subcircuit bodies.
constexpr StatementRow outside_subckt(int code, StatementUse use) {
  return {code, use, kNotHere, use};
}
constexpr StatementRow top_only(int code, StatementUse use) {
  return {code, use, kNotHere, kNotHere};
}

constexpr std::string_view kProtectNotTranslated =
    "Found PROTECT statement that will not be translated";
constexpr std::string_view kUnprotectNotTranslated =
    "Found UNPROTECT statement that will not be translated";
constexpr std::string_view kMeasureNotTranslated =
    "Found MEASURE statement that will not be translated";

// The statements by their first keyword, with what each scope does with
// them. A statement a scope has no use for is reported with the scope's own
// message ("Unrecognized statement type found in subckt_statement", say).
constexpr StatementRow kStatementRows[] = {
    // .model NAME TYPE params          -> model card or wrapper subcircuit
    everywhere(kw(".model"), translated(translate_model)),
    // .param NAME=VALUE ...            -> .param NAME={ VALUE }
    everywhere(kw(".param"), translated(translate_param)),
    everywhere(kw(".parameter"), translated(translate_param)),
    // .lib 'FILE' ENTRY | .lib NAME ... .endl: a reference, or a section at
    // the top level; inside a section only a reference
    {kw(".lib"), translated(translate_lib), kNotHere, translated(translate_nested_lib)},
    // .subckt NAME node... [params]    -> .subckt NAME node... [params: ...] body .ends
    // inside a subcircuit: a local definition, echoed whole
    {kw(".subckt"), translated(translate_subckt), translated(translate_nested_subckt),
     translated(translate_subckt)},
    {kw(".macro"), translated(translate_subckt), translated(translate_nested_subckt),
     translated(translate_subckt)},
    // .include 'FILE'                  -> .inc "FILE"
    outside_subckt(kw(".include"), translated(translate_include)),
    outside_subckt(kw(".inc"), translated(translate_include)),
    // Initial conditions hold for the whole circuit, whichever section is used.
    {kw(".ic"), translated(translate_initial_conditions), translated(translate_initial_conditions),
     translated(translate_initial_conditions_to_main)},
    {kw(".nodeset"), translated(translate_initial_conditions),
     translated(translate_initial_conditions), translated(translate_initial_conditions_to_main)},
    // A corner's temperature belongs to the corner.
    outside_subckt(kw(".temp"), translated(translate_temp)),
    // .data NAME ... .enddata: the whole block echoed and reported
    {kw(".data"), translated(translate_data), translated(translate_data_in_subckt), kNotHere},
    // .if (C) ... .endif: conditional parameter values, or echoed whole
    everywhere(kw(".if"), translated(translate_if)),
    everywhere(kw(".elseif"), translated(translate_stray_branch)),
    everywhere(kw(".else"), translated(translate_stray_branch)),
    everywhere(kw(".endif"), translated(translate_stray_branch)),
    top_only(kw(".end"), translated(translate_end)),
    top_only(kw(".options"), translated(translate_options)),
    top_only(kw(".option"), translated(translate_options)),
    top_only(kw(".ac"), translated(translate_ac)),
    top_only(kw(".dc"), translated(translate_dc)),
    top_only(kw(".tran"), translated(translate_tran)),
    top_only(kw(".op"), translated(translate_op)),
    top_only(kw(".load"), translated(translate_load)),
    top_only(kw(".save"), translated(translate_save)),
    top_only(kw(".global"), translated(translate_global)),
    top_only(kw(".print"), translated(translate_print)),
    top_only(kw(".plot"), translated(translate_plot)),
    top_only(kw(".noise"), translated(translate_node_requests)),
    top_only(kw(".four"), translated(translate_node_requests)),
    top_only(kw(".sens"), translated(translate_node_requests)),
    top_only(kw(".width"), kCopied),
    top_only(kw(".title"), kCopied),
    top_only(kw("tf"), kCopied),
    top_only(kw("del"), rejected("Found DEL statement that will not be translated")),
    top_only(kw(".probe"), rejected("Found PROBE statement that will not be translated")),
    // .alter ... up to .alter, .end or the end: echoed and reported as a block
    top_only(kw(".alter"), translated(translate_alter)),
    top_only(kw(".fft"), rejected("Found FFT statement that will not be translated")),
    top_only(kw(".protect"), rejected(kProtectNotTranslated)),
    top_only(kw(".prot"), rejected(kProtectNotTranslated)),
    top_only(kw(".unprotect"), rejected(kUnprotectNotTranslated)),
    top_only(kw(".unprot"), rejected(kUnprotectNotTranslated)),
    top_only(kw(".graph"), rejected("Found GRAPH statement that will not be translated")),
    top_only(kw(".disto"), rejected("Found DISTO statement that will not be translated")),
    top_only(kw(".measure"), rejected(kMeasureNotTranslated)),
    top_only(kw(".meas"), rejected(kMeasureNotTranslated)),
    top_only(kw(".dcvolt"), rejected("Found DCVOLT statement that will not be translated")),
};

// Rows indexed by keyword code, built once while compiling.
constexpr std::array<const StatementRow*, KEYWORD_LAST_CODE + 1> make_row_index() {
  std::array<const StatementRow*, KEYWORD_LAST_CODE + 1> index{};
  for (const StatementRow& row : kStatementRows) index[static_cast<std::size_t>(row.code)] = &row;
  return index;
}

constexpr auto kRowIndex = make_row_index();

// Every element letter, once. Lines of a letter without a translator are
// copied or reported.
constexpr ElementRow kElementRows[] = {
    // passive elements
    {'c', kw("c"), translated(translate_c)},
    {'l', kw("l"), translated(translate_l)},
    {'r', kw("r"), translated(translate_r)},
    // semiconductors
    {'d', kw("d"), translated(translate_d)},
    {'j', kw("j"), translated(translate_j)},
    {'m', kw("m"), translated(translate_m)},
    {'q', kw("q"), translated(translate_q)},
    // controlled sources
    {'e', kw("e"), translated(translate_efgh)},
    {'f', kw("f"), translated(translate_efgh)},
    {'g', kw("g"), translated(translate_efgh)},
    {'h', kw("h"), translated(translate_efgh)},
    // independent sources
    {'i', kw("i"), translated(translate_independent_source)},
    {'v', kw("v"), translated(translate_independent_source)},
    // lines and instances
    {'t', kw("t"), translated(translate_t)},
    {'x', kw("x"), translated(translate_x)},
    // mutual couplings: the coupling written as a value
    {'k', kw("k"), translated(translate_k)},
    {'u', kw("u"), rejected("Found U device which will not be translated")},
    {'w', kw("w"), rejected("Found W device which will not be translated")},
};

constexpr std::array<const ElementRow*, 26> make_letter_index() {
  std::array<const ElementRow*, 26> index{};
  for (const ElementRow& row : kElementRows)
    index[static_cast<std::size_t>(row.letter - 'a')] = &row;
  return index;
}

constexpr auto kLetterIndex = make_letter_index();

}  // namespace

const StatementRow* find_statement_row(int code) {
  if (code < 0 || code > KEYWORD_LAST_CODE) return nullptr;
  return kRowIndex[static_cast<std::size_t>(code)];
}

const ElementRow* find_element_row(char letter) {
  if (letter < 'a' || letter > 'z') return nullptr;
  return kLetterIndex[static_cast<std::size_t>(letter - 'a')];
}

}  // namespace corvane
