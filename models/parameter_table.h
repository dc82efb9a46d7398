#pragma once

#include <string_view>

#include "core/keywords.h"
#include "core/parameter_words.h"

namespace corvane {

// Model parameters are keyword codes, and the codes of the standard names
// that are no keyword. The table below gives, for each keyword code, the
// Ondrel name a model parameter of that code is written under; an empty name
// means the parameter is read but never written. A standard name is written
// as itself.
inline constexpr int PARAMETER_CODE_COUNT = MODEL_PARAMETER_CODE_COUNT;
/// The first and last codes of the model-parameter keyword lists.
inline constexpr int FIRST_MODEL_PARAMETER = 40;
inline constexpr int LAST_MODEL_PARAMETER = 704;
/// Only codes from here on are ever written as parameters.
inline constexpr int FIRST_WRITTEN_CODE = 40;

/// An HSPICE word written under another Ondrel name.
struct ParameterRename {
  std::string_view hspice;
  std::string_view ondrel;
};

// clang-format off
inline constexpr ParameterRename kParameterRenames[] = {
    {"vtho", "vth0"}, {"cgs1", "cgsl"}, {"cgd1", "cgdl"}, {"cgbom", "cgbo"},
    {"cgdom", "cgdo"}, {"cgsom", "cgso"}, {"dl0", "dl"}, {"dw0", "dw"},
    {"lms", "lmus"}, {"wms", "wmus"}, {"nb0", "nb"}, {"nd0", "nd"},
    {"tref", "tnom"}, {"toxm", "tox"}, {"u00", "u0"}, {"vddm", "vdd"},
    {"x2m", "x2mz"}, {"lx2m", "lx2mz"}, {"wx2m", "wx2mz"}, {"ijs", "js"},
    {"cjm", "cj"}, {"cdb", "cj"}, {"csb", "cj"}, {"cja", "cj"},
    {"cjw", "cjsw"}, {"cjp_1", "cjsw"}, {"mj0", "mj"}, {"exa", "mj"},
    {"exj", "mj"}, {"exs", "mj"}, {"exd", "mj"}, {"m", "mj"},
    {"exp", "mjsw"}, {"dnb", "nsub"}, {"nb", "nsub"}, {"phib", "pb"},
    {"pha", "pb"}, {"phs", "pb"}, {"phd", "pb"}, {"pj", "pb"},
    {"vj", "pb"}, {"php", "pbsw"}, {"pjw", "pbsw"}, {"rshm", "rsh"},
    {"dlat", "ld"}, {"latd", "ld"}, {"tps", "tpg"}, {"vt", "vto"},
    {"trs", "trs1"}, {"bet", "kp"}, {"beta", "kp"}, {"dfs", "nfs"},
    {"nf", "nfs"}, {"vmx", "vmax"}, {"dnf", "nfs"}, {"ubo", "u0"},
    {"bfm", "bf"}, {"brm", "br"}, {"c4", "isc"}, {"jlc", "isc"},
    {"jle", "ise"}, {"va", "vaf"}, {"vbf", "vaf"}, {"vb", "var"},
    {"ik", "ikf"}, {"jbf", "ikf"}, {"ikr", "isr"}, {"jbr", "isr"},
    {"nkf", "nk"}, {"jrb", "irb"}, {"iob", "irb"}, {"ccs", "cjs"},
    {"csub", "cjs"}, {"mc", "mjc"}, {"me", "mje"}, {"esub", "mjs"},
    {"pc", "vjc"}, {"pe", "vje"}, {"psub", "vjs"}, {"cdis", "xcjc"},
    {"cbcp", "xcjc2"}, {"tb", "xtb"}, {"tcb", "xtb"}, {"ib", "ibv"},
    {"var", "bv"}, {"vrb", "bv"}, {"capds", "cds"}, {"gamds", "gamma"},
    {".parameter", ".param"}, {"zo", "z0"},
};

/// Model parameters that are read (and used by the kind translators) but
/// have no Ondrel parameter of their own.
inline constexpr std::string_view kUnwrittenParameters[] = {
    "sfvtflag", "vfbflag", "dum1", "dum2", "version", "acm", "nds", "vnds", "cjgate", "ds",
    "rdc", "lrd", "wrd", "prd", "lrs", "wrs", "prs", "rsc", "hdif", "ldif", "wmlt", "xw",
    "delvto", "capop", "cox", "co", "meto", "cf1", "cf2", "cf3", "cf4", "cf5", "cf6", "cgbex",
    "ldac", "wdac", "alpha", "lalpha", "walpha", "vcr", "lvcr", "wvcr", "iirat", "bex", "cta",
    "ctp", "fex", "f1ex", "gap1", "gap2", "lamex", "pta", "ptc", "ptp", "tcv", "tlev", "tlevc",
    "trd", "del", "lmlt", "xl", "ldel", "wdel", "ecrit", "esat", "lref", "wref", "wic", "mob",
    "deriv",
    // bipolar
    "bulk", "ibc", "ibe", "expli", "subs", "nlc", "nle", "cbep", "ccsp", "brs", "nepi",
    // bipolar temperature coefficients, in keyword order from tvaf1 to tns2
    "tvaf1", "tvaf2", "tvar1", "tvar2", "ctc", "cte", "cts", "tvjc", "tvje", "tvjs", "tbf1",
    "tbf2", "tbr1", "tbr2", "tikf1", "tikf2", "tikr1", "tikr2", "tirb1", "tirb2", "tisc1",
    "tisc2", "tis1", "tis2", "tise1", "tise2", "tiss1", "tiss2", "tmjc1", "tmjc2", "tmje1",
    "tmje2", "tmjs1", "tmjs2", "ttf1", "ttf2", "ttr1", "ttr2", "tnc1", "tnc2", "tne1", "tne2",
    "tnf1", "tnf2", "tnr1", "tnr2", "tns1", "tns2",
    "bexv", "trb", "trc", "tre",
    // diode and geometry
    "area", "isp", "l", "shrink", "fcs", "lm", "lp", "wm", "wp", "xm", "xoi", "xom", "xp",
    "tm1", "tm2", "tpb", "tvj", "tphp", "ttt1", "ttt2",
    // JFET and MESFET
    "ng", "align", "rshg", "rshl", "calpha", "crat", "gcap", "cvto", "a", "lam1", "vgexp",
    "cgamds", "sat", "satexp", "q", "vp", "tce", "ctd",
    // wire models
    "cap", "capsw", "di", "dlr", "rac", "res", "tc1c", "tc2c", "tc1r", "tc2r", "thick",
    "cratio",
};
// clang-format on

/// The Ondrel name of a model parameter code: the HSPICE word for codes 40
/// to 704, another word for the renames, empty for the unwritten parameters
/// and for the statement, element and option words; a standard name that is
/// no keyword is its own.
std::string_view parameter_output_name(int code);

}  // namespace corvane
