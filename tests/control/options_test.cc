#include <gtest/gtest.h>

#include "control/options.h"
#include "core/keywords.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::translate_body;

TEST(FindOption, KnowsTheCarriedOptionsAndNoOthers) {
  EXPECT_EQ(find_option(kw("node"))->form, OptionForm::flag);
  EXPECT_EQ(find_option(kw("opts"))->written, "opts");
  EXPECT_EQ(find_option(kw("gramp"))->written, "stepgmin");
  EXPECT_EQ(find_option(kw("acct"))->form, OptionForm::acct);
  EXPECT_EQ(find_option(kw("list"))->form, OptionForm::list_count);
  for (std::string_view name :
       {"numdgt", "abstol", "gmin", "vntol", "reltol", "defl", "defw", "defad", "defas", "itl1",
        "itl2", "itl4", "pivrel", "pivtol", "chgtol", "trtol"}) {
    int code = 0;
    for (int i = 0; i < KEYWORD_COUNT; ++i) {
      if (kKeywords[static_cast<std::size_t>(i)] == name) {
        code = KEYWORD_FIRST_CODE + i;
        break;
      }
    }
    ASSERT_NE(find_option(code), nullptr) << name;
    EXPECT_EQ(find_option(code)->form, OptionForm::valued) << name;
    EXPECT_EQ(find_option(code)->written, name);
  }
  EXPECT_EQ(find_option(kw("spice")), nullptr);
  EXPECT_EQ(find_option(kw("scale")), nullptr);
  EXPECT_EQ(find_option(TOK_NAME), nullptr);
  EXPECT_EQ(find_option(TOK_EQUALS), nullptr);
}

TEST(TranslateOptions, CarriesKnownOptionsAndCountsTheRest) {
  const auto posted = translate_body(".options post=2 abstol=1e-12 reltol=1e-4 gramp=3\n");
  EXPECT_EQ(posted.text, ".options abstol=1e-12 reltol=1e-4 stepgmin \n");
  EXPECT_EQ(posted.options_dropped, 1);
  EXPECT_EQ(translate_body(".option node opts\n").text, ".options node opts \n");
  // Nothing left to write: no line. Each dropped name counts, its value not.
  const auto nothing = translate_body(".options spice ingold=2 probe\n.options post\n");
  EXPECT_EQ(nothing.text, "");
  EXPECT_EQ(nothing.options_dropped, 4);
  EXPECT_EQ(translate_body(".OPTION DEFL = 1.2u\n+ ITL4=50 post\n").text,
            ".options defl=1.2u itl4=50 \n");
  // A parameter as a known option's value cannot be carried: dropped too.
  EXPECT_EQ(translate_body(".options gmin=gval\n").options_dropped, 1);
}

TEST(TranslateOptions, CountsOfAcctAndList) {
  EXPECT_EQ(translate_body(".options acct 2 list 3\n").text, ".options acct2 list 3 \n");
  // A word that is no count is left for what follows.
  EXPECT_EQ(translate_body(".options acct node list\n").text, ".options acct node list \n");
  EXPECT_EQ(translate_body(".options acct=2\n").text, ".options acct \n");
  EXPECT_EQ(translate_body(".options list\nv1 1 0 1\n").text, ".options list \nv1 1 0 1\n");
}

TEST(TranslateOptions, ParameterValuesAreNotCarried) {
  EXPECT_EQ(translate_body(".options reltol=rt abstol='1e-12' gmin=1e-15\n").text,
            ".options gmin=1e-15 \n");
}

TEST(TranslateOptions, AValuedOptionWithoutEqualsIsReported) {
  const testing::Translated t = translate_body(".options node abstol 1e-12\nv1 1 0 1\n");
  EXPECT_EQ(t.text, "**** .options node abstol 1e-12\nv1 1 0 1\n");
  EXPECT_EQ(testing::warnings(t),
            std::vector<std::string>{"WARNING: Unrecognized syntax when parsing statement ()"});
  EXPECT_EQ(testing::warnings(translate_body(".options reltol\nv1 1 0 1\n")).size(), 1u);
}

}  // namespace
}  // namespace corvane
