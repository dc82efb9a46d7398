#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/keywords.h"
#include "models/parameter_table.h"

namespace corvane {
namespace {

// Every code whose keyword is `word` (a few words stand in two lists).
std::vector<int> codes_of(std::string_view word) {
  std::vector<int> codes;
  for (int code = KEYWORD_FIRST_CODE; code <= KEYWORD_LAST_CODE; ++code) {
    if (keyword_text(code) == word) codes.push_back(code);
  }
  return codes;
}

std::vector<std::string> words(std::string_view list) {
  std::vector<std::string> result;
  std::size_t start = 0;
  while (start < list.size()) {
    std::size_t end = list.find(' ', start);
    if (end == std::string_view::npos) end = list.size();
    if (end > start) result.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return result;
}

// The groups of parameters that keep their HSPICE word, as the translator's
// documentation lists them.
const std::vector<std::string>& bsim1_set() {
  static const std::vector<std::string> set = words(
      "vfb lvfb wvfb phi0 lphi wphi k1 lk1 wk1 k2 lk2 wk2 eta0 leta0 weta0 muz lmuz wmuz u1 lu1 "
      "wu1 x2mz lx2mz wx2mz x2e lx2e wx2e x3e lx3e wx3e x2u0 lx2u0 wx2u0 x2u1 lx2u1 wx2u1 mus lmus "
      "wmus x2ms lx2ms wx2ms x3ms lx3ms wx3ms x3u1 lx3u1 wx3u1 n0 ln0 wn0 xpart wdf");
  return set;
}

const std::vector<std::string>& basic_mosfet_set() {
  static const std::vector<std::string> set = words(
      "level tnom js jsw is n cbd cbs cj cjsw fc mj mjsw nsub pb tt rd rs rsh ld xj gamma ngate "
      "nss phi tpg vto tox cgbo cgb c1 cgdo cgd cgso c2 cgs wd xqc af kf nlev gdsnoi eg kp dl dw "
      "nfs lambda neff vmax delta nd theta ucrit uexp u0 utra kappa");
  return set;
}

const std::vector<std::string>& other_device_sets() {
  static const std::vector<std::string> set = words(
      "bf br iss nr ns nk isc ise nc ne vaf ikf irb rb rbm re rc cjc cje cjs mjc mje mjs vjc vje "
      "vjs xcjc itf ptf tf tr vtf xtf qco vo trb1 trb2 trc1 trc2 tre1 tre2 trm1 trm2 xtb "
      "ibv bv geo nrs nrd w rg betatce vtotc trs1 trd1 trg1 trg tc1 tc2");
  return set;
}

TEST(ParameterTable, RenamesEveryAliasToItsOndrelName) {
  EXPECT_EQ(std::size(kParameterRenames), 90u);
  for (const ParameterRename& rename : kParameterRenames) {
    const std::vector<int> codes = codes_of(rename.hspice);
    ASSERT_FALSE(codes.empty()) << rename.hspice;
    for (int code : codes) EXPECT_EQ(parameter_output_name(code), rename.ondrel) << rename.hspice;
  }
  EXPECT_EQ(parameter_output_name(kw("vtho")), "vth0");
  EXPECT_EQ(parameter_output_name(kw("bet")), "kp");
  EXPECT_EQ(parameter_output_name(kw("m")), "mj");
  EXPECT_EQ(parameter_output_name(kw(".parameter")), ".param");
  EXPECT_EQ(parameter_output_name(kw("zo")), "z0");
}

TEST(ParameterTable, WritesNothingForParametersWithoutCounterpart) {
  EXPECT_EQ(std::size(kUnwrittenParameters), 183u);
  for (std::string_view word : kUnwrittenParameters) {
    const std::vector<int> codes = codes_of(word);
    ASSERT_FALSE(codes.empty()) << word;
    for (int code : codes) EXPECT_EQ(parameter_output_name(code), "") << word;
  }
  // Every bipolar temperature coefficient pair from tvaf1 to tns2.
  for (std::string_view base :
       {"vaf", "var", "bf",  "br", "ikf", "ikr", "irb", "isc", "is", "ise", "iss",
        "mjc", "mje", "mjs", "tf", "tr",  "nc",  "ne",  "nf",  "nr", "ns"}) {
    for (char digit : {'1', '2'}) {
      std::string word = "t";
      word += base;
      word += digit;
      const std::vector<int> codes = codes_of(word);
      ASSERT_EQ(codes.size(), 1u) << word;
      EXPECT_EQ(parameter_output_name(codes[0]), "") << word;
    }
  }
}

TEST(ParameterTable, KeepsTheHspiceWordOfEveryOtherModelParameter) {
  std::set<std::string> renamed;
  for (const ParameterRename& rename : kParameterRenames) renamed.emplace(rename.hspice);
  std::set<std::string> unwritten(std::begin(kUnwrittenParameters), std::end(kUnwrittenParameters));
  int kept = 0;
  int renames = 0;
  int empty = 0;
  for (int code = FIRST_MODEL_PARAMETER; code <= LAST_MODEL_PARAMETER; ++code) {
    const std::string word(keyword_text(code));
    if (renamed.count(word)) {
      ++renames;
    } else if (unwritten.count(word)) {
      EXPECT_EQ(parameter_output_name(code), "") << word;
      ++empty;
    } else {
      EXPECT_EQ(parameter_output_name(code), word) << word;
      ++kept;
    }
  }
  // 393 codes, 391 words: dw and trd1 each stand in two lists. Of the 90
  // renames, .parameter and zo are not model parameters.
  EXPECT_EQ(kept, 393);
  EXPECT_EQ(renames, 88);
  EXPECT_EQ(empty, 184);  // cts stands in two lists
  EXPECT_EQ(kept + renames + empty, LAST_MODEL_PARAMETER - FIRST_MODEL_PARAMETER + 1);
}

TEST(ParameterTable, KeepsEveryListedGroupUnderItsOwnName) {
  // The BSIM3 set from paramchk to wmax, but its aliases and flags.
  const std::set<std::string_view> not_kept = {"vtho", "cgs1", "cgd1", "sfvtflag", "vfbflag"};
  int bsim3 = 0;
  for (int code = kw("paramchk"); code <= kw("wmax"); ++code) {
    if (not_kept.count(keyword_text(code))) continue;
    EXPECT_EQ(parameter_output_name(code), keyword_text(code));
    ++bsim3;
  }
  EXPECT_EQ(bsim3, 196);
  // Outside paramchk to wmax, yet BSIM3 parameters all the same.
  for (std::string_view word : {"binunit", "vbi", "gamma1", "nj", "elm", "npeak", "satmod"}) {
    EXPECT_EQ(parameter_output_name(codes_of(word)[0]), word);
  }
  EXPECT_EQ(bsim1_set().size(), 53u);
  EXPECT_EQ(basic_mosfet_set().size(), 58u);
  EXPECT_EQ(other_device_sets().size(), 59u);
  for (const auto* set : {&bsim1_set(), &basic_mosfet_set(), &other_device_sets()}) {
    for (const std::string& word : *set) {
      for (int code : codes_of(word)) EXPECT_EQ(parameter_output_name(code), word) << word;
    }
  }
}

TEST(ParameterTable, LeavesStatementAndOptionWordsUnwritten) {
  for (int code = 0; code < FIRST_MODEL_PARAMETER; ++code) {
    EXPECT_EQ(parameter_output_name(code), "") << code;
  }
  int named = 0;
  for (int code = LAST_MODEL_PARAMETER + 1; code <= KEYWORD_LAST_CODE; ++code) {
    if (!parameter_output_name(code).empty()) ++named;
  }
  EXPECT_EQ(named, 2);  // .parameter and zo
  EXPECT_EQ(parameter_output_name(kw("scalm")), "");
  EXPECT_EQ(parameter_output_name(kw("as")), "");
  EXPECT_EQ(parameter_output_name(-1), "");
  EXPECT_EQ(parameter_output_name(PARAMETER_CODE_COUNT), "");
}

TEST(ParameterTable, TreatsBothCodesOfARepeatedWordAlike) {
  for (std::string_view word : {"dw", "trd1", "cts"}) {
    const std::vector<int> codes = codes_of(word);
    ASSERT_EQ(codes.size(), 2u) << word;
    EXPECT_EQ(parameter_output_name(codes[0]), parameter_output_name(codes[1])) << word;
  }
}

}  // namespace
}  // namespace corvane
