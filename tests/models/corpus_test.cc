// Real model cards from the shared corpus beside the project, when it is
// there: published BSIM3v3 libraries must translate with their INFO lines.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model_fixture.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::count_of;

fs::path corpus_models() {
  const char* source = std::getenv("CORVANE_SOURCE_DIR");
  return fs::path(source != nullptr ? source : ".") / ".." / "shared" / "corpus" / "models";
}

// The file's text, or skips the test when the corpus is not there.
std::string corpus_file(const std::string& name) {
  const fs::path path = corpus_models() / name;
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

constexpr const char* kBsim3v3 = "INFO: BSIM3v3 MOSFET found and will be translated...";

TEST(Corpus, TranslatesAMosisBsim3v3Library) {
  const std::string input = corpus_file("mosis_tsmc180_t28m_level49.sp");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const testing::Translated out = testing::translate_whole(input);
  EXPECT_EQ(out.messages,
            (std::vector<std::string>{kBsim3v3, kBsim3v3,
                                      "WARNING: Model parameters dropped: 2 on 2 cards; most "
                                      "often version (2)"}));
  EXPECT_EQ(out.steps, 2);
  for (const char* line :
       {"\n.subckt nmos d g s sub params:\n", "\n.model nmos nmos \n", "\n+ level = 7 \n",
        "\n.subckt pmos d g s sub params:\n", "\n.model pmos pmos \n"}) {
    EXPECT_NE(out.text.find(line), std::string::npos) << line;
  }
  // With the single-subckt option the resistances use the wrapper's squares,
  // so each card stands inside its wrapper.
  EXPECT_EQ(count_of(out.text, "\n.ends\n"), 2);
  EXPECT_EQ(count_of(out.text, "(nrs*"), 2);
  EXPECT_EQ(count_of(out.text, "****"), 0);
}

TEST(Corpus, TranslatesACardInParenthesesOverContinuationLines) {
  const std::string input = corpus_file("openram_scn4m_nom_nmos.sp");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const testing::Translated out = testing::translate_whole(input, false);
  EXPECT_EQ(
      out.messages,
      (std::vector<std::string>{
          kBsim3v3, "WARNING: Model parameters dropped: 1 on 1 card; most often version (1)"}));
  EXPECT_NE(out.text.find("\n.model n nmos \n+ mobmod = 1 \n"), std::string::npos);
  EXPECT_NE(out.text.find("\n+ lketa = -0.0129496 \n"), std::string::npos);
  EXPECT_NE(out.text.find("\n+ lint = { (1.735515e-9-(-2e-8/2)) } \n"), std::string::npos);
  EXPECT_EQ(count_of(out.text, "****"), 0);
}

TEST(Corpus, TranslatesTheMosfetsOfACourseLibrary) {
  const std::string input = corpus_file("ee214_hspice_murmann.sp");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const testing::Translated out = testing::translate_whole(input);
  EXPECT_EQ(count_of(out.text, "\n.model nmos214 nmos \n"), 1);
  // acm=3 with hdif: the shared-diffusion areas.
  EXPECT_NE(out.text.find("\n+ pd = { 4*0.32e-6 + (2*w+-1e-8 )}\n"), std::string::npos);
  // The pmos card ends in one ")" too many, which is passed over.
  EXPECT_EQ(count_of(out.text, "\n.model pmos214 pmos \n"), 1);
  EXPECT_EQ(out.steps, 2);
}

// The main text and every section's, one after the other.
std::string all_text(const std::string& input, std::vector<std::string>* messages = nullptr) {
  RecordingSink sink;
  const TranslationOutput out = translate_text(input, TranslationOptions{}, sink);
  std::string text = out.main_text;
  for (const OutputSection& section : out.sections) text += section.text;
  if (messages != nullptr) *messages = sink.messages;
  return text;
}

TEST(Corpus, TranslatesTheBipolarAndDiodeCardsOfACourseLibrary) {
  const std::string input = corpus_file("ee214_hspice_murmann.sp");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const testing::Translated out = testing::translate_whole(input);
  EXPECT_NE(out.text.find("\n.model npn214 npn \n+ t_measured = 25 \n+ level = 1 \n"
                          "+ is = .032f \n+ bf = 300 \n"),
            std::string::npos);
  for (const char* line : {"+ isr = 10.5m ", "+ nk = 0.9 ", "+ rc = 60 ", "+ xtf = 200 "}) {
    EXPECT_NE(out.text.find(std::string("\n") + line + "\n"), std::string::npos) << line;
  }
  EXPECT_NE(out.text.find("\n.model npnideal npn \n+ is = .032f \n+ bf = 300 \n"),
            std::string::npos);
  EXPECT_NE(out.text.find("\n.model pnpideal pnp \n"), std::string::npos);
  EXPECT_NE(out.text.find("\n.subckt dwell a c  params:area=1 m=1 lm=1f wm=1f lp=1f wp=1f \n"
                          "D a c dwell { area*m }\n.ends\n.model dwell d \n+ is = 1e-5 \n"
                          "+ cjo = 2e-4 \n+ m = 0.5 \n"),
            std::string::npos);
  EXPECT_EQ(count_of(out.text, "****"), 0);
}

TEST(Corpus, TranslatesTheJunctionDiodesAndVerticalPnpsOfAFoundryLibrary) {
  const std::string input = corpus_file("../libs/cic018_virtual_018um.l");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  std::vector<std::string> messages;
  const std::string text = all_text(input, &messages);
  // Level-3 junction diodes: the sidewall junction and the perimeter go.
  EXPECT_EQ(count_of(text,
                     "\n.subckt dn a c  params:area=8e-09 m=1 lm=1f wm=1f lp=1f wp=1f \n"
                     "D a c dn { area *m }\n"),
            1);
  EXPECT_EQ(count_of(text, "\n.model dp d \n"), 1);
  // The reverse knee current has no counterpart: the junction stays as given.
  EXPECT_NE(text.find("\n+ m = 0.515 \n+ vj = 0.79 \n"), std::string::npos);
  for (const char* card : {"\n.model dn d ", "\n.model dp d "}) {
    const std::size_t start = text.find(card);
    ASSERT_NE(start, std::string::npos) << card;
    const std::string lines = text.substr(start, text.find("\n\n", start) - start);
    for (const char* name : {"pb", "pbsw", "cjsw", "mjsw", "jsw", "level", "area", "isr"}) {
      EXPECT_EQ(count_of(lines, std::string("\n+ ") + name + " = "), 0) << card << name;
    }
    EXPECT_EQ(count_of(lines, "\n+ eg = "), 1) << card;  // the band gap is the diode's own
  }
  EXPECT_EQ(
      std::count(messages.begin(), messages.end(),
                 "WARNING: Metal and poly capacitances in diode model will not be translated"),
      2);
  // Vertical PNPs keep their emission coefficient and reverse Early voltage.
  EXPECT_EQ(count_of(text, "\n.model pnp_v50x50 pnp \n"), 1);
  EXPECT_EQ(count_of(text, "\n.model pnp_v100x100 pnp \n"), 1);
  EXPECT_EQ(count_of(text, "\n+ nf = 1.054 \n"), 1);
  EXPECT_EQ(count_of(text, "\n+ var = 55 \n"), 2);
  EXPECT_EQ(count_of(text, "\n+ nfs = "), 0);
}

TEST(Corpus, TranslatesTheWireModelOfEachCorner) {
  const std::string input = corpus_file("hp800_nModels_level13_wiremodel.lib");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const std::string text = all_text(input);
  EXPECT_EQ(count_of(text, "\n.model pc1_du1 res r= "), 6);
  EXPECT_EQ(count_of(text, "\n.model pc1_du1_1 res r= 1 \n"), 6);
  // The resistor's parameters are on its resistor cards, not the
  // capacitor card of its parasitic capacitance.
  EXPECT_EQ(count_of(text, "\n+ dw = 0 \n+ w = 0 \n"), 12);
  EXPECT_NE(text.find("\n.model pc1_du1 res r= 1.99 \n+ dw = 0 \n+ w = 0 \n"
                      ".model pc1_du1_1 res r= 1 \n+ dw = 0 \n+ w = 0 \n"
                      ".model pc1_du1_2 cap c= 0.00012 \n\n"),
            std::string::npos);
}

TEST(Corpus, TranslatesTheDiodeAndJfetOfAnOpampMacromodel) {
  const std::string input = corpus_file("ti_lf411c_boyle_macromodel.mod");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const testing::Translated out = testing::translate_whole(input);
  // Its models stand inside .subckt LF411C: they are written before it,
  // named after both.
  EXPECT_NE(out.text.find("\n.subckt lf411c_dx a c  params:area=1 m=1 lm=1f wm=1f lp=1f wp=1f \n"
                          "D a c lf411c_dx { area*m }\n.ends\n.model lf411c_dx d \n"
                          "+ is = 800.0e-18 \n"),
            std::string::npos);
  EXPECT_NE(out.text.find("\n.subckt lf411c_jx d g s params:area=1 m=1\n"
                          "J d g1 s lf411c_jx { area *m }\n"
                          "R g g1 .1m\n.ends\n.model lf411c_jx pjf \n+ is = 12.50e-12 \n"
                          "+ vto = -1 \n+ beta = 250.1e-6 \n"),
            std::string::npos);
  EXPECT_TRUE(out.messages.empty());
}

}  // namespace
}  // namespace corvane
