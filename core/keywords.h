#pragma once

#include <array>
#include <string_view>

namespace corvane {

// The scanner's keywords: ten lists concatenated in order; the keyword at
// overall position p has the token kind 21 + p. A few texts occur in two
// lists; the scanner returns the first of them.
inline constexpr int KEYWORD_FIRST_CODE = 21;
inline constexpr int KEYWORD_COUNT = 824;
inline constexpr int KEYWORD_LAST_CODE = KEYWORD_FIRST_CODE + KEYWORD_COUNT - 1;

// clang-format off
inline constexpr std::array<std::string_view, KEYWORD_COUNT> kKeywords = {
    // list 0: statements and device types (codes 21 to 39)
    ".model", ".param", ".lib", ".endl", ".end", ".subckt", ".ends", ".macro", ".eom", ".options",
    "scale", "scalm", "aspec", "update", "nmos", "pmos", "npn", "pnp", "d",
    // list 1: MOSFET parameters (BSIM families and shared) (codes 40 to 257)
    "paramchk", "binflag", "mobmod", "capmod", "noimod", "nqsmod", "sfvtflag", "vfbflag", "vth0",
    "lvth0", "wvth0", "pvth0", "vtho", "nch", "nlx", "k1", "lk1", "wk1", "pk1", "k2", "lk2",
    "wk2", "pk2", "k3", "k3b", "w0", "dvt0w", "dvt1w", "dvt2w", "dvt0", "dvt1", "dvt2", "eta0",
    "leta0", "weta0", "peta0", "etab", "letab", "wetab", "petab", "dsub", "vbm", "lu0", "wu0",
    "pu0", "ua", "lua", "wua", "pua", "ub", "lub", "wub", "pub", "uc", "luc", "wuc", "puc", "a0",
    "la0", "wa0", "pa0", "ags", "lags", "wags", "pags", "b0", "lb0", "wb0", "pb0", "b1", "lb1",
    "wb1", "pb1", "keta", "lketa", "wketa", "pketa", "voff", "lvoff", "wvoff", "pvoff", "vsat",
    "lvsat", "wvsat", "pvsat", "a1", "la1", "wa1", "pa1", "a2", "la2", "wa2", "pa2", "rdsw",
    "prwg", "prwb", "wr", "nfactor", "lnfactor", "wnfactor", "pnfactor", "cit", "lcit", "wcit",
    "pcit", "cdsc", "cdscd", "cdscb", "pclm", "lpclm", "wpclm", "ppclm", "pdiblc1", "lpdiblc1",
    "wpdiblc1", "ppdiblc1", "pdiblc2", "lpdiblc2", "wpdiblc2", "ppdiblc2", "pdiblcb", "lpdiblcb",
    "wpdiblcb", "ppdiblcb", "drout", "pscbe1", "lpscbe1", "wpscbe1", "ppscbe1", "pscbe2",
    "lpscbe2", "wpscbe2", "ppscbe2", "pvag", "lpvag", "wpvag", "ppvag", "ldelta", "wdelta",
    "pdelta", "alpha0", "beta0", "ckappa", "cf", "clc", "cle", "cgsl", "cgdl", "cgs1", "cgd1",
    "wint", "wln", "ww", "wl", "wwn", "wwl", "dwg", "dwb", "lint", "ll", "lln", "lw", "lwn",
    "lwl", "dlc", "dwc", "kt1", "lkt1", "wkt1", "pkt1", "kt1l", "kt2", "lkt2", "wkt2", "pkt2",
    "ute", "lute", "wute", "pute", "ua1", "lua1", "wua1", "pua1", "ub1", "lub1", "wub1", "pub1",
    "uc1", "luc1", "wuc1", "puc1", "at", "lat", "wat", "pat", "prt", "xti", "lmin", "lmax",
    "wmin", "wmax", "binunit", "gamma1", "gamma2", "vbx", "xt", "vbi", "noia", "noib", "noic",
    "em", "ef", "nj", "pbsw", "pbswg", "mjswg", "cjswg", "elm",
    // list 2: MOSFET parameters (older BSIM) (codes 258 to 267)
    "npeak", "rds0", "ldd", "litl", "vglow", "vghigh", "subthmod", "satmod", "uc0", "bulkmod",
    // list 3: MOSFET parameters (BSIM1 and charge model) (codes 268 to 336)
    "cgbom", "cgdom", "cgsom", "dl0", "dw0", "dum1", "dum2", "leta", "weta", "mus", "lmus",
    "wmus", "lms", "wms", "muz", "lmuz", "wmuz", "n0", "ln0", "wn0", "nb0", "lnb", "wnb", "nd0",
    "lnd", "wnd", "phi0", "lphi", "wphi", "tref", "toxm", "u00", "u1", "lu1", "wu1", "vddm",
    "vfb", "lvfb", "wvfb", "vfb0", "x2e", "lx2e", "wx2e", "x2mz", "lx2mz", "wx2mz", "x2m", "lx2m",
    "wx2m", "x2ms", "lx2ms", "wx2ms", "x2u0", "lx2u0", "wx2u0", "x2u1", "lx2u1", "wx2u1", "x3e",
    "lx3e", "wx3e", "x3ms", "lx3ms", "wx3ms", "x3u1", "lx3u1", "wx3u1", "xpart", "wdf",
    // list 4: model parameters shared by several kinds (codes 337 to 497)
    "level", "version", "tnom", "acm", "js", "jsw", "ijs", "is", "n", "nds", "vnds", "cbd", "cbs",
    "cj", "cjm", "cdb", "csb", "cja", "cjsw", "cjw", "cjp_1", "cjgate", "ds", "fc", "mj", "mj0",
    "exa", "exj", "exs", "exd", "m", "mjsw", "exp", "nsub", "dnb", "nb", "pb", "phib", "pha",
    "phs", "phd", "pj", "vj", "php", "pjw", "tt", "rd", "rdc", "lrd", "wrd", "prd", "rs", "lrs",
    "wrs", "prs", "rsc", "rsh", "rshm", "hdif", "ld", "dlat", "latd", "ldif", "wmlt", "xj", "xw",
    "delvto", "gamma", "ngate", "nss", "phi", "tpg", "tps", "vto", "vt", "capop", "cox", "co",
    "tox", "cgbo", "cgb", "c1", "cgdo", "cgd", "cgso", "c2", "cgs", "meto", "wd", "cf1", "cf2",
    "cf3", "cf4", "cf5", "cf6", "cgbex", "xqc", "ldac", "wdac", "af", "kf", "nlev", "gdsnoi",
    "alpha", "lalpha", "walpha", "vcr", "lvcr", "wvcr", "iirat", "bex", "cta", "ctp", "eg", "fex",
    "f1ex", "gap1", "gap2", "lamex", "pta", "ptc", "ptp", "tcv", "tlev", "tlevc", "trd", "trs",
    "kp", "bet", "beta", "del", "lmlt", "xl", "dl", "ldel", "dw", "wdel", "nfs", "dfs", "nf",
    "ecrit", "esat", "lambda", "neff", "vmax", "vmx", "lref", "wref", "delta", "nd", "dnf", "wic",
    "mob", "theta", "ucrit", "uexp", "u0", "ubo", "utra", "deriv", "kappa",
    // list 5: bipolar parameters (codes 498 to 631)
    "bf", "bfm", "br", "brm", "bulk", "ibc", "ibe", "expli", "iss", "nr", "ns", "nk", "subs",
    "isc", "c4", "jlc", "ise", "jle", "nc", "nlc", "ne", "nle", "vaf", "va", "vbf", "vb", "ikf",
    "ik", "jbf", "ikr", "jbr", "nkf", "irb", "jrb", "iob", "rb", "rbm", "re", "rc", "cjc", "cje",
    "cjs", "ccs", "csub", "mjc", "mc", "mje", "me", "mjs", "esub", "vjc", "pc", "vje", "pe",
    "vjs", "psub", "xcjc", "cdis", "cbcp", "cbep", "ccsp", "itf", "ptf", "tf", "tr", "vtf", "xtf",
    "brs", "nepi", "qco", "vo", "tvaf1", "tvaf2", "tvar1", "tvar2", "ctc", "cte", "cts", "tvjc",
    "tvje", "tvjs", "tbf1", "tbf2", "tbr1", "tbr2", "tikf1", "tikf2", "tikr1", "tikr2", "tirb1",
    "tirb2", "tisc1", "tisc2", "tis1", "tis2", "tise1", "tise2", "tiss1", "tiss2", "tmjc1",
    "tmjc2", "tmje1", "tmje2", "tmjs1", "tmjs2", "ttf1", "ttf2", "ttr1", "ttr2", "tnc1", "tnc2",
    "tne1", "tne2", "tnf1", "tnf2", "tnr1", "tnr2", "tns1", "tns2", "bexv", "trb1", "trb2",
    "trc1", "trc2", "tre1", "tre2", "trm1", "trm2", "xtb", "tb", "tcb", "trb", "trc", "tre",
    // list 6: diode and geometry parameters (codes 632 to 661)
    "area", "ibv", "ib", "isp", "l", "shrink", "bv", "var", "vrb", "fcs", "lm", "lp", "wm", "wp",
    "xm", "xoi", "xom", "xp", "tm1", "tm2", "tpb", "tvj", "tphp", "ttt1", "ttt2", "geo", "nrs",
    "nrd", "w", "rg",
    // list 7: JFET and MESFET parameters (codes 662 to 689)
    "ng", "align", "rshg", "rshl", "calpha", "capds", "crat", "gcap", "cvto", "a", "gamds",
    "lam1", "vgexp", "cgamds", "sat", "satexp", "q", "vp", "betatce", "tce", "ctd", "cts",
    "vtotc", "trs1", "trd1", "trd1", "trg1", "trg",
    // list 8: wire-model parameters (codes 690 to 704)
    "cap", "capsw", "di", "dlr", "dw", "rac", "res", "tc1c", "tc2c", "tc1r", "tc2r", "thick",
    "tc1", "tc2", "cratio",
    // list 9: element letters, element and source keywords, control statements and options (codes 705 to 844)
    "njf", "pjf", "off", "dtemp", "as", "ad", "ps", "pd", "c", "r", ".include", ".ac", ".dc",
    ".tran", ".load", ".save", ".global", ".print", ".plot", ".noise", ".four", ".sens", ".temp",
    ".width", ".title", ".op", ".ic", ".nodeset", ".data", ".probe", ".alter", ".fft", ".protect",
    ".unprotect", ".graph", ".disto", ".measure", ".dcvolt", "diode", "e", "f", "g", "h", "i",
    "j", "k", "t", "u", "v", "x", "max", "min", "abs", "td", "basic", "vcvs", "vccs", "ccvs",
    "cccs", "poly", "npwl", "ppwl", "pwl", "and", "nand", "nor", "or", "opamp", "delay", "vccap",
    "laplace", "freq", "cur", "transformer", "current", "voltage", "ddt", "limit", "noop",
    "table", "multiplyneg", "v1meg", "vbe", "vce", "ltype", "z0", "nl", "acct", "list", "node",
    "opts", "numdgt", "spice", "abstol", "gmin", "vntol", "reltol", "gramp", "defl", "defw",
    "defad", "defas", "itl1", "itl2", "itl4", "pivrel", "pivtol", "chgtol", "trtol", "dec", "lin",
    "oct", "poi", "sweep", "monte", "start", "uic", "file", "type", "common", "top", "time",
    ".inc", ".meas", ".option", "npdelay", "ic", "data", "tc", ".parameter", "ac", "jf", "ef",
    "zo", ".prot", ".unprot", ".if", ".elseif", ".else", ".endif",
};
// clang-format on

/// Position in kKeywords of the first keyword of each list, and the end.
inline constexpr std::array<int, 11> kKeywordListStart = {0,   19,  237, 247, 316, 477,
                                                          611, 641, 669, 684, 824};

/// The code of a keyword, checked while compiling: kw(".model").
consteval int kw(std::string_view text) {
  for (int i = 0; i < KEYWORD_COUNT; ++i) {
    if (kKeywords[static_cast<std::size_t>(i)] == text) return KEYWORD_FIRST_CODE + i;
  }
  throw "not a keyword";
}

inline constexpr bool is_keyword_code(int kind) {
  return kind >= KEYWORD_FIRST_CODE && kind <= KEYWORD_LAST_CODE;
}

/// The text of a keyword code.
inline constexpr std::string_view keyword_text(int code) {
  return kKeywords[static_cast<std::size_t>(code - KEYWORD_FIRST_CODE)];
}

}  // namespace corvane
