#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_fixture.h"
#include "models/bipolar_models.h"
#include "models/diode_models.h"
#include "models/jfet_models.h"
#include "models/model_dispatch.h"
#include "models/mosfet_models.h"
#include "models/wire_models.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::count_of;
using testing::has_line;
using testing::translate_whole;
using testing::Translated;

constexpr std::string_view kBsim3v3 = "INFO: BSIM3v3 MOSFET found and will be translated...";
constexpr std::string_view kUnsupported =
    "ERROR: Unsupported MOSFET Level found and will not be translated...";

TEST(ModelDispatch, HasATranslatorForEachKindWord) {
  EXPECT_EQ(find_model_translator(kw("nmos")), &translate_mosfet_model);
  EXPECT_EQ(find_model_translator(kw("pmos")), &translate_mosfet_model);
  EXPECT_EQ(find_model_translator(kw("npn")), &translate_bipolar_model);
  EXPECT_EQ(find_model_translator(kw("pnp")), &translate_bipolar_model);
  EXPECT_EQ(find_model_translator(kw("d")), &translate_diode_model);
  EXPECT_EQ(find_model_translator(kw("njf")), &translate_jfet_model);
  EXPECT_EQ(find_model_translator(kw("pjf")), &translate_jfet_model);
  for (int kind : {kw("r"), kw("c"), kw("l")}) {
    EXPECT_EQ(find_model_translator(kind), &translate_passive_model) << kind;
  }
  for (int kind : {kw("level"), kw("diode"), kw(".model"), TOK_NAME}) {
    EXPECT_EQ(find_model_translator(kind), nullptr) << kind;
  }
}

TEST(MosfetModel, WritesTheWrapperAndTheCard) {
  const Translated out = translate_whole("\n.model nch nmos level=49 tox=4e-9\n", false);
  EXPECT_EQ(out.text,
            ".subckt nch d g s sub params:\n"
            "+ l=100u w=100u m=1 ad=0 as=0 pd=0 ps=0 nrd=0 nrs=0 nrg=0 nrb=0\n"
            "M d g s sub nch\n"
            "+ l = { l }\n"
            "+ w = { w }\n"
            "+ m = { m }\n"
            "+ ad = { ad }\n"
            "+ as = { as }\n"
            "+ pd = { pd }\n"
            "+ ps = { ps }\n"
            "+ nrd = { nrd }\n"
            "+ nrs = { nrs }\n"
            "+ nrg = { nrg }\n"
            "+ nrb = { nrb }\n"
            ".ends\n"
            ".model nch nmos \n"
            "+ level = 7 \n"
            "+ tox = 4e-9 \n"
            "\n");
  EXPECT_EQ(out.messages, std::vector<std::string>{std::string(kBsim3v3)});
  EXPECT_EQ(out.steps, 1);
}

TEST(MosfetModel, ReadsTheSameCardHoweverItIsWritten) {
  const std::string plain = "\n.model nch pmos level=49 vth0=-0.4 k1=0.5 acm=2 hdif=1u\n";
  const Translated expected = translate_whole(plain);
  for (const std::string& text :
       {std::string("\r\n.MODEL NCH PMOS LEVEL=49 VTH0=-0.4 K1=0.5 ACM=2 HDIF=1U\r\n"),
        std::string("\n.model   nch   pmos  (  level = 49\n+vth0=-0.4\n+  k1 = 0.5 acm = 2 "
                    "hdif = 1u )\n"),
        std::string("\n.model n.c.h pmos(level=49 vth0=-0.4 k1=0.5 acm=2 hdif=1u)\n")}) {
    const Translated out = translate_whole(text);
    EXPECT_EQ(out.text, expected.text) << text;
    EXPECT_EQ(out.messages, expected.messages) << text;
  }
}

TEST(MosfetModel, RenumbersEachLevelFamily) {
  const Translated bsim1 = translate_whole("\n.model m nmos level=13 eta0=0.1\n");
  EXPECT_TRUE(has_line(bsim1.text, "+ level = 4 "));
  EXPECT_TRUE(has_line(bsim1.text, "+ eta = 0.1 "));
  EXPECT_EQ(bsim1.messages[0], "INFO: BSIM1 MOSFET found and will be translated...");
  const Translated bsim3v2 = translate_whole("\n.model m nmos level=47\n");
  EXPECT_TRUE(has_line(bsim3v2.text, "+ level = 6 "));
  EXPECT_EQ(bsim3v2.messages[0], "INFO: BSIM3v2 MOSFET found and will be translated...");
  const Translated bsim3v3 = translate_whole("\n.model m nmos level=49 vtho=0.6 xti=3\n");
  EXPECT_TRUE(has_line(bsim3v3.text, "+ level = 7 "));
  EXPECT_TRUE(has_line(bsim3v3.text, "+ vth0 = 0.6 "));
  EXPECT_TRUE(has_line(bsim3v3.text, "+ xti = 3 "));
  EXPECT_EQ(bsim3v3.messages[0], kBsim3v3);
  for (std::string level : {"1", "2", "3"}) {
    const Translated basic = translate_whole("\n.model m nmos level=" + level + " xti=3\n");
    EXPECT_TRUE(has_line(basic.text, "+ level = " + level + " "));
    EXPECT_EQ(count_of(basic.text, "xti"), 0);
    EXPECT_EQ(basic.messages[0], "INFO: Basic MOSFET found and will be translated...");
  }
  const Translated none = translate_whole("\n.model m nmos vto=1\n");
  EXPECT_EQ(count_of(none.text, "level"), 0);
  EXPECT_TRUE(none.messages.empty());
}

TEST(MosfetModel, RefusesEveryOtherLevelWithoutWritingIt) {
  for (std::string level : {"4", "5", "6", "7", "8", "54", "49.5", "-1", "'1+1'"}) {
    const Translated out = translate_whole("\n.model bad nmos level=" + level + " vto=0.7\n");
    EXPECT_EQ(out.text, "**** .model bad nmos level=" + level + " vto=0.7\n\n") << level;
    EXPECT_EQ(
        out.messages,
        (std::vector<std::string>{
            std::string(kUnsupported), "WARNING: badUnsupported MOS level will not be translated",
            "WARNING: Model parameters dropped: 2 on 1 card; most often level (1), vto (1)"}))
        << level;
    EXPECT_EQ(out.steps, 1);
  }
}

TEST(MosfetModel, ReadsALevelWrittenWithAFractionOrAnExponent) {
  const Translated plain = translate_whole("\n.model m nmos level=49 vth0=0.4\n");
  for (std::string level : {"49.0", "4.9000E+01", "4.9e1"}) {
    const Translated out = translate_whole("\n.model m nmos level=" + level + " vth0=0.4\n");
    EXPECT_EQ(out.text, plain.text) << level;
    EXPECT_EQ(out.messages, plain.messages) << level;
  }
}

TEST(MosfetModel, NamesTrefForTheFamily) {
  EXPECT_TRUE(has_line(translate_whole("\n.model m nmos tref=25\n").text, "+ t_measured = 25 "));
  EXPECT_TRUE(has_line(translate_whole("\n.model m nmos level=2 tref=25\n").text, "+ temp = 25 "));
  for (std::string level : {"13", "47", "49"}) {
    EXPECT_TRUE(has_line(translate_whole("\n.model m nmos level=" + level + " tref=25\n").text,
                         "+ tnom = 25 "))
        << level;
  }
}

TEST(MosfetModel, DerivesTheOxideAndTheTransconductance) {
  const Translated cox = translate_whole("\n.model m nmos level=3 cox=3.45e-4\n");
  EXPECT_TRUE(has_line(cox.text, "+ tox = { (3.453e-11/3.45e-4) } "));
  const Translated co = translate_whole("\n.model m nmos level=3 co=3.45e-4 u0=600\n");
  EXPECT_TRUE(has_line(co.text, "+ tox = { (3.453e-11/3.45e-4) } "));
  EXPECT_TRUE(has_line(co.text, "+ kp = { (((3.453e-11*600)*1e-4)/((3.453e-11/3.45e-4))) } "));
  const Translated given = translate_whole("\n.model m nmos level=3 cox=1 tox=2 u0=3 kp=4\n");
  EXPECT_TRUE(has_line(given.text, "+ tox = 2 "));
  EXPECT_TRUE(has_line(given.text, "+ kp = 4 "));
  // BSIM1 gives toxm in microns; it is written once, as tox in metres.
  const Translated toxm = translate_whole("\n.model m nmos level=13 toxm=0.02\n");
  EXPECT_TRUE(has_line(toxm.text, "+ tox = { (0.02*1e-6) } "));
  EXPECT_EQ(count_of(toxm.text, "+ tox = "), 1);
  const Translated both = translate_whole("\n.model m nmos level=13 toxm=0.02 tox=3e-8\n");
  EXPECT_TRUE(has_line(both.text, "+ tox = 3e-8 "));
  EXPECT_EQ(count_of(both.text, "+ tox = "), 1);
}

TEST(MosfetModel, RenamesByLevel) {
  const Translated n =
      translate_whole("\n.model m nmos level=2 n=1.2 jsw=1e-12 ub=1 dl=1u dw=2u\n");
  EXPECT_TRUE(has_line(n.text, "+ nj = 1.2 "));
  EXPECT_TRUE(has_line(n.text, "+ jssw = 1e-12 "));
  EXPECT_TRUE(has_line(n.text, "+ u0 = 1 "));
  EXPECT_TRUE(has_line(n.text, "+ xl = 1u "));
  EXPECT_TRUE(has_line(n.text, "+ xw = 2u "));
  const Translated nj = translate_whole("\n.model m nmos level=2 n=1.2 nj=1.1\n");
  EXPECT_TRUE(has_line(nj.text, "+ nj = 1.1 "));
  EXPECT_EQ(count_of(nj.text, "1.2"), 0);
  const Translated bsim1 = translate_whole("\n.model m nmos level=13 n0=1 nd=2 dl=1u\n");
  EXPECT_TRUE(has_line(bsim1.text, "+ n0 = 1 "));
  EXPECT_TRUE(has_line(bsim1.text, "+ nd = 2 "));
  EXPECT_TRUE(has_line(bsim1.text, "+ dl = 1u "));
  const Translated bsim3 = translate_whole("\n.model m nmos level=49 n0=1 nd=2 n=3 jsw=4 ub=5\n");
  EXPECT_EQ(count_of(bsim3.text, "n0 ="), 0);
  EXPECT_EQ(count_of(bsim3.text, "nd ="), 0);
  EXPECT_TRUE(has_line(bsim3.text, "+ n = 3 "));
  EXPECT_TRUE(has_line(bsim3.text, "+ jsw = 4 "));
  EXPECT_TRUE(has_line(bsim3.text, "+ ub = 5 "));
}

TEST(MosfetModel, FoldsHspiceOnlyParametersIn) {
  const Translated shift = translate_whole("\n.model m nmos delvto=0.1 vto=0.7\n");
  EXPECT_TRUE(has_line(shift.text, "+ vto = { (0.7+0.1) } "));
  EXPECT_EQ(count_of(shift.text, "delvto"), 0);
  const Translated scaled = translate_whole("\n.model m nmos scalm=1e-6 ld=0.1\n");
  EXPECT_TRUE(has_line(scaled.text, "+ ld = { (0.1*1e-6) } "));
  const Translated warned = translate_whole("\n.model m nmos level=1 alpha=1 capop=2\n");
  EXPECT_EQ(
      warned.messages,
      (std::vector<std::string>{
          "INFO: Basic MOSFET found and will be translated...",
          "WARNING: HSPICE impact ionization model found and will not be translated...",
          "WARNING: CAPOP found and will not be translated...",
          "WARNING: Model parameters dropped: 2 on 1 card; most often alpha (1), capop (1)"}));
  EXPECT_EQ(count_of(warned.text, "alpha"), 0);
  EXPECT_EQ(count_of(warned.text, "capop"), 0);
}

TEST(MosfetModel, MovesBsim3v3OffsetsIntoLintAndWint) {
  const Translated both = translate_whole("\n.model m nmos level=49 lint=1e-8 xl=-2e-8 xw=4e-8\n");
  EXPECT_TRUE(has_line(both.text, "+ lint = { (1e-8-(-2e-8/2)) } "));
  EXPECT_TRUE(has_line(both.text, "+ wint = { (0-(4e-8/2)) } "));
  EXPECT_TRUE(has_line(both.text, "+ l = { l }"));
  const Translated basic = translate_whole("\n.model m nmos level=3 lint=1e-8 xl=-2e-8\n");
  EXPECT_TRUE(has_line(basic.text, "+ lint = 1e-8 "));
  EXPECT_TRUE(has_line(basic.text, "+ l = { l +-2e-8 }"));
}

TEST(MosfetModel, AddsParasiticResistancesWithTheSingleSubcktOption) {
  const std::string card = "\n.model m nmos level=1 rsh=50\n";
  const Translated on = translate_whole(card, true);
  EXPECT_TRUE(has_line(on.text, "+ rg = { (nrg*50) } "));
  EXPECT_TRUE(has_line(on.text, "+ rb = { (nrb*50) } "));
  EXPECT_TRUE(has_line(on.text, "+ rs = { (nrs*50) } "));
  EXPECT_TRUE(has_line(on.text, "+ rd = { (nrd*50) } "));
  EXPECT_EQ(count_of(on.text, "rsh"), 0);
  // The card uses the wrapper's nrs, nrd, nrg and nrb: it stands inside it.
  EXPECT_EQ(on.text.substr(on.text.size() - 7), ".ends\n\n");
  const Translated off = translate_whole(card, false);
  EXPECT_TRUE(has_line(off.text, "+ rsh = 50 "));
  EXPECT_EQ(count_of(off.text, "nrg*"), 0);
  EXPECT_EQ(off.text.substr(off.text.size() - 7), ".ends\n\n");
  const Translated plain = translate_whole("\n.model m nmos level=1 rs=5\n", true);
  EXPECT_TRUE(has_line(plain.text, "+ rs = { 5 } "));
  EXPECT_TRUE(has_line(plain.text, "+ rd = 0 "));
  EXPECT_LT(plain.text.find(".ends"), plain.text.find(".model"));
}

TEST(MosfetModel, WritesTheAreasOfEachAcmForm) {
  const Translated c = translate_whole("\n.model m nmos acm=1 wmlt=0.9\n", false);
  EXPECT_TRUE(has_line(c.text, "+ ad = { (w*0.9 )*0.9 }"));
  EXPECT_TRUE(has_line(c.text, "+ pd = { (w*0.9 )}"));
  const Translated d_zero = translate_whole("\n.model m nmos acm=2 hdif=0\n", false);
  EXPECT_TRUE(has_line(d_zero.text, "+ ad = { ad }"));
  const Translated e1 = translate_whole("\n.model m nmos acm=3 hdif=1u geo=1\n", false);
  EXPECT_TRUE(has_line(e1.text, "+ pd = { 2*1u }"));
  const Translated e0 = translate_whole("\n.model m nmos acm=3 hdif=1u geo=0\n", false);
  EXPECT_TRUE(has_line(e0.text, "+ pd = { 4*1u + (2*w)}"));
  // hdif is scaled by scalm once, by the reader; the instance's w, scaled
  // by .option scale already, is not.
  const Translated d = translate_whole("\n.model m nmos acm=2 hdif=1 scalm=1e-6\n", false);
  EXPECT_TRUE(has_line(d.text, "+ ad = { 2*((1*1e-6)) * (w)}"));
  // scalm scales the card's lengths, xl among them, never the instance's.
  const Translated l = translate_whole("\n.model m nmos level=1 scalm=1e-6 xl=1 ld=0.1\n", false);
  EXPECT_TRUE(has_line(l.text, "+ l = { l +((1*1e-6)) -2*((0.1*1e-6)) }"));
}

TEST(MosfetModel, WritesModelsOfASubcircuitBeforeIt) {
  // Ondrel reads no subcircuit inside a subcircuit: the wrapper and its
  // card go before the subcircuit, named after both.
  const Translated out = translate_whole(
      "\n.subckt cell a b\nm1 a b 0 0 inner w=1u l=1u\n.model inner pmos level=2\n.ends\n");
  EXPECT_EQ(out.text.rfind(".subckt cell_inner d g s sub params:\n", 0), 0u);
  EXPECT_TRUE(has_line(out.text, ".model cell_inner pmos "));
  EXPECT_TRUE(has_line(out.text, "xm1 a b 0 0 cell_inner params:l=1u w=1u "));
  EXPECT_EQ(count_of(out.text, ".ends\n"), 2);
  EXPECT_NE(out.text.find("+ rs = 0 \n\n.subckt cell a b \nxm1 "), std::string::npos);
  EXPECT_TRUE(out.text.ends_with("params:l=1u w=1u \n.ends\n"));
}

TEST(MosfetModel, TranslatesThousandsOfBinnedModels) {
  std::string library = "* binned\n";
  for (int bin = 1; bin <= 2000; ++bin) {
    library += ".model nch." + std::to_string(bin) + " nmos level=49 lmin=" + std::to_string(bin) +
               "e-7 vth0=0.4\n";
  }
  const Translated out = translate_whole(library);
  EXPECT_EQ(out.steps, 2000);
  EXPECT_EQ(out.messages.size(), 2000u);
  EXPECT_EQ(count_of(out.text, ".subckt nch"), 2000);
  EXPECT_TRUE(has_line(out.text, ".subckt nch1 d g s sub params:"));
  EXPECT_TRUE(has_line(out.text, ".subckt nch2000 d g s sub params:"));
  EXPECT_TRUE(has_line(out.text, "+ lmin = 2000e-7 "));
}

TEST(ModelDispatch, ReportsUnknownKindsAndMissingNames) {
  const Translated unknown = translate_whole("\n.model x foo a=1\n+ b=2\n");
  EXPECT_EQ(unknown.text, "**** .model x foo a=1\n**** + b=2\n\n");
  EXPECT_EQ(unknown.messages,
            std::vector<std::string>{"WARNING: Unrecognized model statement (foo)"});
  EXPECT_EQ(unknown.steps, 0);
  const Translated element_word = translate_whole("\n.model q1 diode bf=100\n");
  EXPECT_EQ(element_word.messages,
            std::vector<std::string>{"WARNING: Unrecognized model statement (diode)"});
  const Translated nameless = translate_whole("\n.model\n.model m nmos\n");
  EXPECT_EQ(nameless.messages[0], "WARNING: Unrecognized syntax when parsing statement ()");
  EXPECT_TRUE(has_line(nameless.text, ".model m nmos "));
  // A name that begins with a digit scans as a number; it is a name all the
  // same.
  const Translated number = translate_whole("\n.model 2N2222 npn bf=100\n");
  EXPECT_TRUE(number.messages.empty());
  EXPECT_TRUE(has_line(number.text, ".model 2n2222 npn "));
  EXPECT_TRUE(has_line(number.text, "+ bf = 100 "));
  const Translated quoted = translate_whole("\n.model '2n2222' npn\n");
  EXPECT_EQ(quoted.messages,
            std::vector<std::string>{"WARNING: Unrecognized syntax when parsing statement ()"});
}

// Two models that share their first twenty characters stay two models.
TEST(ModelDispatch, KeepsLongModelNamesWhole) {
  RecordingSink sink;
  const TranslationOutput out = translate_text(
      "\n.model a_model_name_longer_than_twenty_n nmos level=1\n"
      ".model a_model_name_longer_than_twenty_p pmos level=1\n",
      TranslationOptions{}, sink);
  EXPECT_TRUE(
      has_line(out.main_text, ".subckt a_model_name_longer_than_twenty_n d g s sub params:"));
  EXPECT_TRUE(
      has_line(out.main_text, ".subckt a_model_name_longer_than_twenty_p d g s sub params:"));
  EXPECT_EQ(out.console, "");
}

}  // namespace
}  // namespace corvane
