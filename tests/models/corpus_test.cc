// Real model cards from the shared corpus beside the project, when it is
// there: published BSIM3v3 libraries must translate with their INFO lines.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "model_fixture.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

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

int count_of(const std::string& text, const std::string& piece) {
  int count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos;
       at = text.find(piece, at + piece.size())) {
    ++count;
  }
  return count;
}

constexpr const char* kBsim3v3 = "INFO: BSIM3v3 MOSFET found and will be translated...";

TEST(Corpus, TranslatesAMosisBsim3v3Library) {
  const std::string input = corpus_file("mosis_tsmc180_t28m_level49.sp");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const testing::Translated out = testing::translate(input);
  EXPECT_EQ(out.messages, (std::vector<std::string>{kBsim3v3, kBsim3v3}));
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
  const testing::Translated out = testing::translate(input, false);
  EXPECT_EQ(out.messages, std::vector<std::string>{kBsim3v3});
  EXPECT_NE(out.text.find("\n.model n nmos \n+ mobmod = 1 \n"), std::string::npos);
  EXPECT_NE(out.text.find("\n+ lketa = -0.0129496 \n"), std::string::npos);
  EXPECT_NE(out.text.find("\n+ lint = { (1.735515e-9-(-2e-8/2)) } \n"), std::string::npos);
  EXPECT_EQ(count_of(out.text, "****"), 0);
}

TEST(Corpus, TranslatesTheMosfetsOfACourseLibrary) {
  const std::string input = corpus_file("ee214_hspice_murmann.sp");
  if (input.empty()) GTEST_SKIP() << "no corpus at " << corpus_models();
  const testing::Translated out = testing::translate(input);
  EXPECT_EQ(count_of(out.text, "\n.model nmos214 nmos \n"), 1);
  // acm=3 with hdif: the shared-diffusion areas.
  EXPECT_NE(out.text.find("\n+ pd = { 4*0.32e-6 + (2*w+-1e-8 )}\n"), std::string::npos);
  // The pmos card ends in one ")" too many, which is passed over.
  EXPECT_EQ(count_of(out.text, "\n.model pmos214 pmos \n"), 1);
  EXPECT_EQ(out.steps, 2);
}

}  // namespace
}  // namespace corvane
