#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

#include "core/keywords.h"

namespace corvane {

// Model parameters are read by code. Most are keywords; the standard names
// below are not (the l/w/p binning variants of BSIM3, a few level 1-3 and
// BSIM1 names), so they get codes of their own from this one on, clear of
// keyword codes and of the fixed pieces of token lists.
inline constexpr int EXTRA_PARAMETER_FIRST_CODE = 1024;

// clang-format off
/// Standard model parameter names that are no keyword, each written under
/// its own name on the cards of the families that have it.
inline constexpr std::string_view kExtraParameterWords[] = {
    // BSIM3 version 3.1: the binning variants of parameters whose plain
    // name is a keyword, and vfbcv with its own.
    "vfbcv",
    "lcdsc", "lcdscb", "lcdscd", "lxj", "lnsub", "lnch", "lngate", "lgamma1", "lgamma2", "lvbx",
    "lvbm", "lxt", "lkt1l", "lk3", "lk3b", "lw0", "lnlx", "ldvt0", "ldvt1", "ldvt2", "ldvt0w",
    "ldvt1w", "ldvt2w", "ldrout", "ldsub", "lelm", "lrdsw", "lprwg", "lprwb", "lprt", "lwr",
    "ldwg", "ldwb", "lcgsl", "lcgdl", "lckappa", "lcf", "lclc", "lcle", "lalpha0", "lbeta0",
    "lvfbcv",
    "wcdsc", "wcdscb", "wcdscd", "wxj", "wnsub", "wnch", "wngate", "wgamma1", "wgamma2", "wvbx",
    "wvbm", "wxt", "wkt1l", "wk3", "wk3b", "ww0", "wnlx", "wdvt0", "wdvt1", "wdvt2", "wdvt0w",
    "wdvt1w", "wdvt2w", "wdrout", "wdsub", "welm", "wrdsw", "wprwg", "wprwb", "wprt", "wwr",
    "wdwg", "wdwb", "wcgsl", "wcgdl", "wckappa", "wcf", "wclc", "wcle", "walpha0", "wbeta0",
    "wvfbcv",
    "pcdsc", "pcdscb", "pcdscd", "pxj", "pnsub", "pnch", "pngate", "pgamma1", "pgamma2", "pvbx",
    "pvbm", "pxt", "pkt1l", "pk3", "pk3b", "pw0", "pnlx", "pdvt0", "pdvt1", "pdvt2", "pdvt0w",
    "pdvt1w", "pdvt2w", "pdrout", "pdsub", "pelm", "prdsw", "pprwg", "pprwb", "pprt", "pwr",
    "pdwg", "pdwb", "pcgsl", "pcgdl", "pckappa", "pcf", "pclc", "pcle", "palpha0", "pbeta0",
    "pvfbcv",
    // BSIM1
    "eta", "temp", "vdd", "dell",
    // MOSFET level 3 ("eta" above is level 3's too)
    "xd", "input_delta",
    // JFET: the doping tail of the Parker-Skellern drain current
    "b",
};

/// Other spellings of parameters that have a keyword, read as that keyword.
struct ParameterAlias {
  std::string_view word;
  std::string_view keyword;
};
inline constexpr ParameterAlias kParameterAliases[] = {
    {"cjo", "cj"}, {"cj0", "cj"},           // diode zero-bias junction capacitance
    {"uo", "u0"}, {"vt0", "vto"},           // MOSFET levels 1-3, JFET
    {"delvt0", "delvto"},
    {"lvtho", "lvth0"}, {"wvtho", "wvth0"}, {"pvtho", "pvth0"},  // BSIM3
    {"ms", "mjs"},                          // bipolar substrate junction grading
};
// clang-format on

inline constexpr int EXTRA_PARAMETER_COUNT = static_cast<int>(std::size(kExtraParameterWords));
/// Codes 0 to this (exclusive) may name a model parameter.
inline constexpr int MODEL_PARAMETER_CODE_COUNT =
    EXTRA_PARAMETER_FIRST_CODE + EXTRA_PARAMETER_COUNT;

inline constexpr bool is_extra_parameter_code(int code) {
  return code >= EXTRA_PARAMETER_FIRST_CODE && code < MODEL_PARAMETER_CODE_COUNT;
}

/// The code of a standard name that is no keyword, checked while compiling.
consteval int extra_parameter(std::string_view word) {
  for (int i = 0; i < EXTRA_PARAMETER_COUNT; ++i) {
    if (kExtraParameterWords[static_cast<std::size_t>(i)] == word) {
      return EXTRA_PARAMETER_FIRST_CODE + i;
    }
  }
  throw "not a standard parameter name";
}

/// The word of a parameter code: a keyword or a standard name.
inline constexpr std::string_view parameter_word(int code) {
  if (is_extra_parameter_code(code)) {
    return kExtraParameterWords[static_cast<std::size_t>(code - EXTRA_PARAMETER_FIRST_CODE)];
  }
  return keyword_text(code);
}

/// The parameter code of a word that is no keyword (in lower case): a
/// standard name's code, an alias's keyword code, or -1.
int non_keyword_parameter_code(std::string_view lower_word);

}  // namespace corvane
