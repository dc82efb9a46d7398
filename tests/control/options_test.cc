#include <gtest/gtest.h>

#include "control/options.h"
#include "control_support.h"
#include "core/keywords.h"

namespace corvane {
namespace {

using testing::translate;

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

TEST(TranslateOptions, CarriesKnownOptionsAndDropsTheRest) {
  EXPECT_EQ(translate(".options post=2 abstol=1e-12 reltol=1e-4 gramp=3\n").main,
            ".options abstol=1e-12 reltol=1e-4 stepgmin \n");
  EXPECT_EQ(translate(".option node opts\n").main, ".options node opts \n");
  EXPECT_EQ(translate(".options spice ingold=2\n").main, ".options \n");
  EXPECT_EQ(translate(".OPTION DEFL = 1.2u\n+ ITL4=50 post\n").main,
            ".options defl=1.2u itl4=50 \n");
}

TEST(TranslateOptions, CountsOfAcctAndList) {
  EXPECT_EQ(translate(".options acct 2 list 3\n").main, ".options acct2 list 3 \n");
  // A word that is no count is left for what follows.
  EXPECT_EQ(translate(".options acct node list\n").main, ".options acct node list \n");
  EXPECT_EQ(translate(".options acct=2\n").main, ".options acct \n");
  EXPECT_EQ(translate(".options list\nv1 1 0 1\n").main, ".options list \nv1 1 0 1\n");
}

TEST(TranslateOptions, ParameterValuesAreNotCarried) {
  EXPECT_EQ(translate(".options reltol=rt abstol='1e-12' gmin=1e-15\n").main,
            ".options gmin=1e-15 \n");
}

TEST(TranslateOptions, AValuedOptionWithoutEqualsIsReported) {
  const testing::Translated t = translate(".options node abstol 1e-12\nv1 1 0 1\n");
  EXPECT_EQ(t.main, "**** .options node abstol 1e-12\nv1 1 0 1\n");
  EXPECT_EQ(testing::warnings(t),
            std::vector<std::string>{"WARNING: Unrecognized syntax when parsing statement ()"});
  EXPECT_EQ(testing::warnings(translate(".options reltol\nv1 1 0 1\n")).size(), 1u);
}

}  // namespace
}  // namespace corvane
