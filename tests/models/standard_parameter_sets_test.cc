// Each model family takes the standard parameter set of its model: every
// name of the set that a card gives is written (under its name or a
// rename), or is dropped on purpose and listed here with the reason.
// The sets are the model parameter tables of an open simulator's BSIM3
// version 3.1, BSIM1, MOSFET level 1-3, diode, Gummel-Poon bipolar and JFET
// models.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "support/translation_support.h"

namespace corvane {
namespace {

// clang-format off
constexpr std::string_view kBsim3v31[] = {
    "capmod", "nqsmod", "mobmod", "noimod", "paramchk", "binunit", "version", "tox", "cdsc",
    "cdscb", "cdscd", "cit", "nfactor", "xj", "vsat", "at", "a0", "ags", "a1", "a2", "keta",
    "nsub", "nch", "ngate", "gamma1", "gamma2", "vbx", "vbm", "xt", "k1", "kt1", "kt1l", "kt2",
    "k2", "k3", "k3b", "w0", "nlx", "dvt0", "dvt1", "dvt2", "dvt0w", "dvt1w", "dvt2w", "drout",
    "dsub", "vth0", "vtho", "ua", "ua1", "ub", "ub1", "uc", "uc1", "u0", "ute", "voff", "tnom",
    "cgso", "cgdo", "cgbo", "xpart", "elm", "delta", "rsh", "rdsw", "prwg", "prwb", "prt", "eta0",
    "etab", "pclm", "pdiblc1", "pdiblc2", "pdiblcb", "pscbe1", "pscbe2", "pvag", "js", "jsw",
    "pb", "nj", "xti", "mj", "pbsw", "mjsw", "pbswg", "mjswg", "cj", "vfbcv", "cjsw", "cjswg",
    "lint", "ll", "lln", "lw", "lwn", "lwl", "lmin", "lmax", "wr", "wint", "dwg", "dwb", "wl",
    "wln", "ww", "wwn", "wwl", "wmin", "wmax", "b0", "b1", "cgsl", "cgdl", "ckappa", "cf", "clc",
    "cle", "dwc", "dlc", "alpha0", "beta0", "lcdsc", "lcdscb", "lcdscd", "lcit", "lnfactor",
    "lxj", "lvsat", "lat", "la0", "lags", "la1", "la2", "lketa", "lnsub", "lnch", "lngate",
    "lgamma1", "lgamma2", "lvbx", "lvbm", "lxt", "lk1", "lkt1", "lkt1l", "lkt2", "lk2", "lk3",
    "lk3b", "lw0", "lnlx", "ldvt0", "ldvt1", "ldvt2", "ldvt0w", "ldvt1w", "ldvt2w", "ldrout",
    "ldsub", "lvth0", "lvtho", "lua", "lua1", "lub", "lub1", "luc", "luc1", "lu0", "lute",
    "lvoff", "lelm", "ldelta", "lrdsw", "lprwg", "lprwb", "lprt", "leta0", "letab", "lpclm",
    "lpdiblc1", "lpdiblc2", "lpdiblcb", "lpscbe1", "lpscbe2", "lpvag", "lwr", "ldwg", "ldwb",
    "lb0", "lb1", "lcgsl", "lcgdl", "lckappa", "lcf", "lclc", "lcle", "lalpha0", "lbeta0",
    "lvfbcv", "wcdsc", "wcdscb", "wcdscd", "wcit", "wnfactor", "wxj", "wvsat", "wat", "wa0",
    "wags", "wa1", "wa2", "wketa", "wnsub", "wnch", "wngate", "wgamma1", "wgamma2", "wvbx",
    "wvbm", "wxt", "wk1", "wkt1", "wkt1l", "wkt2", "wk2", "wk3", "wk3b", "ww0", "wnlx", "wdvt0",
    "wdvt1", "wdvt2", "wdvt0w", "wdvt1w", "wdvt2w", "wdrout", "wdsub", "wvth0", "wvtho", "wua",
    "wua1", "wub", "wub1", "wuc", "wuc1", "wu0", "wute", "wvoff", "welm", "wdelta", "wrdsw",
    "wprwg", "wprwb", "wprt", "weta0", "wetab", "wpclm", "wpdiblc1", "wpdiblc2", "wpdiblcb",
    "wpscbe1", "wpscbe2", "wpvag", "wwr", "wdwg", "wdwb", "wb0", "wb1", "wcgsl", "wcgdl",
    "wckappa", "wcf", "wclc", "wcle", "walpha0", "wbeta0", "wvfbcv", "pcdsc", "pcdscb", "pcdscd",
    "pcit", "pnfactor", "pxj", "pvsat", "pat", "pa0", "pags", "pa1", "pa2", "pketa", "pnsub",
    "pnch", "pngate", "pgamma1", "pgamma2", "pvbx", "pvbm", "pxt", "pk1", "pkt1", "pkt1l", "pkt2",
    "pk2", "pk3", "pk3b", "pw0", "pnlx", "pdvt0", "pdvt1", "pdvt2", "pdvt0w", "pdvt1w", "pdvt2w",
    "pdrout", "pdsub", "pvth0", "pvtho", "pua", "pua1", "pub", "pub1", "puc", "puc1", "pu0",
    "pute", "pvoff", "pelm", "pdelta", "prdsw", "pprwg", "pprwb", "pprt", "peta0", "petab",
    "ppclm", "ppdiblc1", "ppdiblc2", "ppdiblcb", "ppscbe1", "ppscbe2", "ppvag", "pwr", "pdwg",
    "pdwb", "pb0", "pb1", "pcgsl", "pcgdl", "pckappa", "pcf", "pclc", "pcle", "palpha0", "pbeta0",
    "pvfbcv", "noia", "noib", "noic", "em", "ef", "af", "kf", "hdif",
};

constexpr std::string_view kBsim1[] = {
    "vfb", "lvfb", "wvfb", "phi", "lphi", "wphi", "k1", "lk1", "wk1", "k2", "lk2", "wk2", "eta",
    "leta", "weta", "x2e", "lx2e", "wx2e", "x3e", "lx3e", "wx3e", "dl", "dw", "muz", "x2mz",
    "lx2mz", "wx2mz", "mus", "lmus", "wmus", "x2ms", "lx2ms", "wx2ms", "x3ms", "lx3ms", "wx3ms",
    "u0", "lu0", "wu0", "x2u0", "lx2u0", "wx2u0", "u1", "lu1", "wu1", "x2u1", "lx2u1", "wx2u1",
    "x3u1", "lx3u1", "wx3u1", "n0", "ln0", "wn0", "nb", "lnb", "wnb", "nd", "lnd", "wnd", "tox",
    "temp", "vdd", "cgso", "cgdo", "cgbo", "xpart", "rsh", "js", "pb", "mj", "pbsw", "mjsw", "cj",
    "cjsw", "wdf", "dell", "kf", "af",
};

constexpr std::string_view kMos1[] = {
    "vto", "vt0", "kp", "gamma", "phi", "lambda", "rd", "rs", "cbd", "cbs", "is", "pb", "cgso",
    "cgdo", "cgbo", "rsh", "cj", "mj", "cjsw", "mjsw", "js", "tox", "ld", "u0", "uo", "fc",
    "nsub", "tpg", "nss", "tnom", "kf", "af",
};

constexpr std::string_view kMos2[] = {
    "vto", "vt0", "kp", "gamma", "phi", "lambda", "rd", "rs", "cbd", "cbs", "is", "pb", "cgso",
    "cgdo", "cgbo", "rsh", "cj", "mj", "cjsw", "mjsw", "js", "tox", "ld", "u0", "uo", "fc",
    "nsub", "tpg", "nss", "delta", "uexp", "ucrit", "vmax", "xj", "neff", "nfs", "tnom", "kf",
    "af",
};

constexpr std::string_view kMos3[] = {
    "vto", "vt0", "kp", "gamma", "phi", "rd", "rs", "cbd", "cbs", "is", "pb", "cgso", "cgdo",
    "cgbo", "rsh", "cj", "mj", "cjsw", "mjsw", "js", "tox", "ld", "xl", "wd", "xw", "delvto",
    "delvt0", "u0", "uo", "fc", "nsub", "tpg", "nss", "vmax", "xj", "nfs", "xd", "alpha", "eta",
    "delta", "input_delta", "theta", "kappa", "tnom", "kf", "af",
};

constexpr std::string_view kDiode[] = {
    "is", "rs", "n", "tt", "cjo", "cj0", "vj", "m", "eg", "xti", "kf", "af", "fc", "bv", "ibv",
};

constexpr std::string_view kBipolar[] = {
    "subs", "tnom", "tref", "is", "ibe", "ibc", "bf", "nf", "vaf", "va", "ikf", "ik", "ise", "c2",
    "ne", "br", "nr", "var", "vb", "ikr", "isc", "c4", "nc", "rb", "irb", "rbm", "re", "rc",
    "cje", "vje", "pe", "mje", "me", "tf", "xtf", "vtf", "itf", "ptf", "cjc", "vjc", "pc", "mjc",
    "mc", "xcjc", "tr", "cjs", "csub", "ccs", "vjs", "ps", "mjs", "ms", "xtb", "eg", "xti", "fc",
    "kf", "af", "iss", "ns", "rco", "vo", "gamma", "qco", "tlev", "tlevc", "tbf1", "tbf2", "tbr1",
    "tbr2", "tikf1", "tikf2", "tikr1", "tikr2", "tirb1", "tirb2", "tnc1", "tnc2", "tne1", "tne2",
    "tnf1", "tnf2", "tnr1", "tnr2", "trb1", "trb", "trb2", "trc1", "trc", "trc2", "tre1", "tre",
    "tre2", "trm1", "trm2", "tvaf1", "tvaf2", "tvar1", "tvar2", "ctc", "cte", "cts", "tvjc",
    "tvje", "tvjs", "titf1", "titf2", "ttf1", "ttf2", "ttr1", "ttr2", "tmje1", "tmje2", "tmjc1",
    "tmjc2", "tmjs1", "tmjs2", "tns1", "tns2", "nkf", "nk", "tis1", "tis2", "tise1", "tise2",
    "tisc1", "tisc2", "tiss1", "tiss2", "quasimod", "vg", "cn", "d", "vbe_max", "vbc_max",
    "vce_max", "pd_max", "ic_max", "ib_max", "te_max", "rth0",
};

constexpr std::string_view kJfet[] = {
    "vt0", "vto", "beta", "lambda", "rd", "rs", "cgs", "cgd", "pb", "is", "fc", "b", "tnom",
    "tcv", "vtotc", "bex", "betatce", "xti", "eg", "kf", "af", "nlev", "gdsnoi",
};

// clang-format on

// Dropped on purpose: HSPICE's own selectors and values that choose a
// form, names Ondrel's models have no place for, and names the wrapper
// uses only in forms the card does not choose.
constexpr std::string_view kBsim3Dropped[] = {
    "version",  // Ondrel's BSIM3 is version 3.1 whatever the card says
    "hdif",     // used by the wrapper's area forms, with acm 2 or 3 only
};
constexpr std::string_view kBsim1Dropped[] = {""};
// With rsh given, the wrapper's squares of diffusion give the series
// resistances; `alpha` is HSPICE's impact ionization, reported.
constexpr std::string_view kMosDropped[] = {"rd", "rs", "alpha"};
constexpr std::string_view kDiodeDropped[] = {""};
// `subs` chooses the lateral pnp; the temperature equations (tlev and the
// temperature coefficients), the quasi-saturation and the safe operating
// limits are the open simulator's own, which Ondrel's Gummel-Poon has not.
constexpr std::string_view kBipolarDropped[] = {
    "subs",    "ibe",     "ibc",     "rco",    "tlev",   "tlevc",    "tbf1",   "tbf2",  "tbr1",
    "tbr2",    "tikf1",   "tikf2",   "tikr1",  "tikr2",  "tirb1",    "tirb2",  "tnc1",  "tnc2",
    "tne1",    "tne2",    "tnf1",    "tnf2",   "tnr1",   "tnr2",     "trb",    "trc",   "tre",
    "tvaf1",   "tvaf2",   "tvar1",   "tvar2",  "ctc",    "cte",      "cts",    "tvjc",  "tvje",
    "tvjs",    "titf1",   "titf2",   "ttf1",   "ttf2",   "ttr1",     "ttr2",   "tmje1", "tmje2",
    "tmjc1",   "tmjc2",   "tmjs1",   "tmjs2",  "tns1",   "tns2",     "tis1",   "tis2",  "tise1",
    "tise2",   "tisc1",   "tisc2",   "tiss1",  "tiss2",  "quasimod", "vg",     "cn",    "d",
    "vbe_max", "vbc_max", "vce_max", "pd_max", "ic_max", "ib_max",   "te_max", "rth0",
};
// The mobility's temperature exponent and the noise model selectors.
constexpr std::string_view kJfetDropped[] = {"bex", "nlev", "gdsnoi"};

// Names of one parameter: on one card a later one would replace an earlier
// one, so each pass gives one name of each group (the first pass the
// first, and so on) and leaves the others out.
constexpr std::array<std::array<std::string_view, 3>, 21> kAliasGroups = {{
    {"vth0", "vtho"}, {"lvth0", "lvtho"}, {"wvth0", "wvtho"},     {"pvth0", "pvtho"},
    {"vto", "vt0"},   {"u0", "uo"},       {"delvto", "delvt0"},   {"cjo", "cj0", "cj"},
    {"mjs", "ms"},    {"vjs", "ps"},      {"cjs", "csub", "ccs"}, {"vaf", "va"},
    {"ikf", "ik"},    {"var", "vb"},      {"isc", "c4"},          {"vje", "pe"},
    {"mje", "me"},    {"vjc", "pc"},      {"mjc", "mc"},          {"ise", "c2"},
    {"tnom", "tref"},
}};
constexpr int kPasses = 3;

bool left_out(std::string_view name, int pass) {
  for (const auto& group : kAliasGroups) {
    for (std::size_t k = 0; k < group.size(); ++k) {
      if (!group[k].empty() && group[k] == name) return static_cast<int>(k) != pass;
    }
  }
  return false;
}

struct Family {
  std::string_view card;  // the card up to its parameters
  std::span<const std::string_view> names;
  std::span<const std::string_view> dropped;
};

// A value no other parameter of the card has, and that no other value
// contains.
std::string unique_value(std::size_t i) {
  char text[32];
  std::snprintf(text, sizeof text, "7.%04zu1e-9", i);
  return text;
}

bool contains(std::span<const std::string_view> names, std::string_view name) {
  for (std::string_view n : names) {
    if (n == name) return true;
  }
  return false;
}

// The names of the set whose value no line of the translation carries,
// and those dropped on purpose that were written after all, each followed
// by a blank.
std::string unexplained(const Family& family) {
  std::string text;
  for (int pass = 0; pass < kPasses; ++pass) {
    std::string card = "standard set\n" + std::string(family.card);
    for (std::size_t i = 0; i < family.names.size(); ++i) {
      if (left_out(family.names[i], pass)) continue;
      card += "\n+ " + std::string(family.names[i]) + "=" + unique_value(i);
    }
    text += testing::translate_whole(card + "\n.end\n").text;
  }
  std::string found;
  for (std::size_t i = 0; i < family.names.size(); ++i) {
    const bool written = text.find(unique_value(i)) != std::string::npos;
    const bool on_purpose = contains(family.dropped, family.names[i]);
    if (written == on_purpose) {
      found += std::string(family.names[i]) + (written ? " (written) " : " (dropped) ");
    }
  }
  return found;
}

TEST(StandardParameterSets, Bsim3Version31TakesEveryBinnedName) {
  EXPECT_EQ(unexplained({".model n nmos level=49", kBsim3v31, kBsim3Dropped}), "");
}

TEST(StandardParameterSets, Bsim1TakesItsNamesWithTheirLAndWVariants) {
  EXPECT_EQ(unexplained({".model n nmos level=13", kBsim1, kBsim1Dropped}), "");
}

TEST(StandardParameterSets, BasicMosfetLevelsTakeTheSpiceNames) {
  EXPECT_EQ(unexplained({".model n nmos level=1", kMos1, kMosDropped}), "");
  EXPECT_EQ(unexplained({".model n pmos level=2", kMos2, kMosDropped}), "");
  EXPECT_EQ(unexplained({".model n nmos level=3", kMos3, kMosDropped}), "");
}

TEST(StandardParameterSets, DiodesBipolarsAndJfetsTakeTheSpiceNames) {
  EXPECT_EQ(unexplained({".model d1 d", kDiode, kDiodeDropped}), "");
  EXPECT_EQ(unexplained({".model q1 npn", kBipolar, kBipolarDropped}), "");
  EXPECT_EQ(unexplained({".model j1 njf", kJfet, kJfetDropped}), "");
}

}  // namespace
}  // namespace corvane
