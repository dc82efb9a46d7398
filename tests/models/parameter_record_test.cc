#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/scanner.h"
#include "core/token_list.h"
#include "model_fixture.h"
#include "models/parameter_record.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::ModelFixture;

// A value list as the writer prints it.
std::string printed(TranslationContext& ctx, const TokenList& list) {
  std::string saved = ctx.outputs[MAIN_OUTPUT].take();
  ctx.outputs[MAIN_OUTPUT].clear();
  token_list_write(ctx, MAIN_OUTPUT, list);
  std::string text = ctx.outputs[MAIN_OUTPUT].take();
  ctx.outputs[MAIN_OUTPUT].append(saved);
  return text;
}

struct ReadCard {
  explicit ReadCard(const std::string& text) : fixture(text) {
    ok = read_model_parameters(fixture.ctx, MAIN_OUTPUT, record);
  }
  std::string value(int code) { return printed(fixture.ctx, record.value(code)); }
  ModelFixture fixture;
  ParameterRecord record;
  bool ok = false;
};

TEST(ParameterRecord, StartsNamedFromTheTableWithNothingGiven) {
  ParameterRecord record;
  EXPECT_FALSE(record.given(kw("vth0")));
  EXPECT_EQ(record.name(kw("vtho")), "vth0");
  EXPECT_EQ(record.name(kw("acm")), "");
  EXPECT_TRUE(record.value(kw("tox")).empty());
  EXPECT_EQ(record.text(kw("level")), "");
  EXPECT_EQ(record.slot_count(), 0);
}

TEST(ParameterRecord, RenamesDropsAndKeepsTheLastValue) {
  ParameterRecord record;
  record.read(kw("acm"), {{NODE_ONE, 0}}, "1");
  record.read(kw("acm"), {{NODE_TWO, 0}}, "2");
  EXPECT_TRUE(record.given(kw("acm")));
  EXPECT_TRUE(record.text_is(kw("acm"), "2"));
  EXPECT_FALSE(record.text_is(kw("acm"), "1"));
  ASSERT_EQ(record.value(kw("acm")).size(), 1u);
  EXPECT_EQ(record.value(kw("acm"))[0].kind, NODE_TWO);
  record.rename(kw("acm"), "acm2");
  EXPECT_EQ(record.name(kw("acm")), "acm2");
  record.set_given(kw("acm"), false);
  EXPECT_FALSE(record.given(kw("acm")));
  EXPECT_FALSE(record.text_is(kw("acm"), "2"));
  EXPECT_EQ(record.slot_count(), 1);

  // Only the parameters whose text chooses a form keep one.
  record.read(kw("vth0"), {{NODE_ONE, 0}}, "1");
  EXPECT_TRUE(record.given(kw("vth0")));
  EXPECT_EQ(record.text(kw("vth0")), "");
}

TEST(ParameterRecord, CostsInProportionToItsCard) {
  ReadCard card(".model m1 nmos level=49 vth0=0.4 k1=0.5\n");
  ASSERT_TRUE(card.ok);
  EXPECT_EQ(card.record.slot_count(), 3);
}

TEST(ParameterRecord, KeepsValuesInPlaceAsSlotsAreAdded) {
  ParameterRecord record;
  record.read(kw("rsh"), {{NODE_HALF, 0}}, "0.5");
  const TokenList& rsh = record.value(kw("rsh"));
  for (int code = FIRST_MODEL_PARAMETER; code <= LAST_MODEL_PARAMETER; ++code) {
    record.set_given(code, true);
  }
  ASSERT_EQ(rsh.size(), 1u);
  EXPECT_EQ(rsh[0].kind, NODE_HALF);
  EXPECT_EQ(record.slot_count(), LAST_MODEL_PARAMETER - FIRST_MODEL_PARAMETER + 1);
}

TEST(CombineValues, DropsAbsentOperands) {
  ModelFixture fixture(".model m nmos\n");
  TranslationContext& ctx = fixture.ctx;
  const TokenList a = piece(NODE_ONE);
  const TokenList b = piece(NODE_TWO);
  EXPECT_EQ(printed(ctx, operate(a, TOK_STAR, b)), "(1*2) ");
  EXPECT_EQ(printed(ctx, operate(a, TOK_STAR, {})), "1 ");
  EXPECT_EQ(printed(ctx, operate({}, TOK_STAR, b)), "2 ");
  EXPECT_EQ(printed(ctx, braced(operate(operate(a, TOK_PLUS, b), TOK_SLASH, b))), "{ ((1+2)/2) } ");
  EXPECT_EQ(printed(ctx, braced(a)), "{ 1 } ");
  // Nothing on either side gives nothing, not "{ }".
  EXPECT_TRUE(braced(operate({}, TOK_PLUS, {})).empty());
  EXPECT_TRUE(combine_values(true, {}, {}, true, true, TOK_PLUS).empty());
  // An opening brace alone, for a formula that goes on.
  EXPECT_EQ(printed(ctx, combine_values(false, a, {}, true, false, TOK_EOF)), "{ 1 ");
}

TEST(ReadModelParameters, ReadsNumbersNamesAndExpressions) {
  ReadCard card(
      ".model m nmos vto=-0.7 kp=+2e-5 gamma=g0 phi=-p0 lambda='2*l0' theta=-'a+b' "
      "nfs='max(1, n0)' acm=-1 rsh=r0 hdif='2*h' subs=-1.0\n");
  ASSERT_TRUE(card.ok);
  EXPECT_EQ(card.value(kw("vto")), "-0.7 ");
  EXPECT_EQ(card.value(kw("kp")), "2e-5 ");
  EXPECT_EQ(card.value(kw("gamma")), "{ g0 } ");
  EXPECT_EQ(card.value(kw("phi")), "{ -p0 } ");
  EXPECT_EQ(card.value(kw("lambda")), "{ 2*l0 } ");
  EXPECT_EQ(card.value(kw("theta")), "{ -(a+b) } ");
  EXPECT_EQ(card.value(kw("nfs")), "{ max(1,n0) } ");
  // The parameters that choose a form keep their text, sign included.
  EXPECT_EQ(card.record.text(kw("acm")), "-1");
  EXPECT_EQ(card.record.text(kw("rsh")), "r0");
  EXPECT_EQ(card.record.text(kw("hdif")), "2*h");
  EXPECT_EQ(card.record.text(kw("subs")), "-1");  // compared by value
  // Others are not spelled out again.
  EXPECT_EQ(card.record.text(kw("vto")), "");
}

TEST(ReadModelParameters, AcceptsParenthesesAndContinuationLines) {
  const std::string plain = ".model m nmos level=49 vth0=0.4 k1=0.5 k2=-0.01 tox=4e-9\n";
  const std::string split =
      ".model m nmos (level=49\n+ vth0 = 0.4\n+\n+ k1=0.5 ) k2=\n+ -0.01 (tox=4e-9))\n";
  const std::string call = ".MODEL M NMOS(LEVEL=49 VTH0=0.4 K1=0.5 K2=-0.01 TOX=4E-9)\n";
  for (const std::string& text : {plain, split, call}) {
    ReadCard card(text);
    ASSERT_TRUE(card.ok) << text;
    EXPECT_EQ(card.record.slot_count(), 5) << text;
    EXPECT_EQ(card.value(kw("level")), "49 ") << text;
    EXPECT_EQ(card.value(kw("vth0")), "0.4 ") << text;
    EXPECT_EQ(card.value(kw("k1")), "0.5 ") << text;
    EXPECT_EQ(card.value(kw("k2")), "-0.01 ") << text;
    EXPECT_EQ(card.value(kw("tox")), "4e-9 ") << text;
  }
}

TEST(ReadModelParameters, PassesOverWordsThatAreNoParameters) {
  ReadCard card(".model m nmos acde=0.4 vto=0.5 nfin=2\nr1 a b 1k\n");
  ASSERT_TRUE(card.ok);
  EXPECT_EQ(card.record.slot_count(), 1);
  EXPECT_EQ(card.value(kw("vto")), "0.5 ");
  // The next statement is current, untouched.
  EXPECT_TRUE(card.fixture.ctx.statement_ended);
  EXPECT_EQ(token_text(card.fixture.ctx), "r1");
  EXPECT_TRUE(card.fixture.sink.messages.empty());
}

TEST(ReadModelParameters, RejectsACardWithoutEquals) {
  ReadCard card(".model m nmos vto 0.5 kp=1\n+ gamma=0.4\nr1 a b 1k\n");
  EXPECT_FALSE(card.ok);
  ASSERT_EQ(card.fixture.sink.messages.size(), 1u);
  EXPECT_EQ(card.fixture.sink.messages[0],
            "WARNING: Unrecognized syntax when parsing statement ()");
  EXPECT_EQ(card.fixture.ctx.outputs[MAIN_OUTPUT].str(),
            "**** .model m nmos vto 0.5 kp=1\n**** + gamma=0.4\n");
  EXPECT_EQ(token_text(card.fixture.ctx), "r1");
}

TEST(ReadModelParameters, ReportsValuesThatAreNone) {
  for (std::string value : {"/", "*", "max(1,2)", "''", "-/", "+*"}) {
    ReadCard card(".model m nmos vto=" + value + " kp=2e-5\nr1 a b 1k\n");
    EXPECT_FALSE(card.ok) << value;
    ASSERT_EQ(card.fixture.sink.messages.size(), 1u) << value;
    EXPECT_EQ(card.fixture.sink.messages[0],
              "WARNING: Missing or unrecognized model parameter value (vto)")
        << value;
    EXPECT_EQ(token_text(card.fixture.ctx), "r1") << value;
  }
}

TEST(ReadModelParameters, ReportsAValueMissingAtTheEndOfTheCard) {
  ReadCard card(".model m nmos kp=2e-5 vto=\nr1 a b 1k\n");
  EXPECT_FALSE(card.ok);
  ASSERT_EQ(card.fixture.sink.messages.size(), 1u);
  EXPECT_EQ(card.fixture.ctx.outputs[MAIN_OUTPUT].str(), "**** .model m nmos kp=2e-5 vto=\n");
  // The statement after the card is not skipped.
  EXPECT_TRUE(card.fixture.ctx.statement_ended);
  EXPECT_EQ(token_text(card.fixture.ctx), "r1");
}

TEST(ReadModelParameters, EndsAtTheEndOfInput) {
  ReadCard card(".model m nmos vto=0.5 kp=");
  EXPECT_FALSE(card.ok);
  ReadCard complete(".model m nmos vto=0.5");
  EXPECT_TRUE(complete.ok);
  EXPECT_EQ(complete.value(kw("vto")), "0.5 ");
}

TEST(WriteModelParameters, WritesGivenNamedParametersInCodeOrder) {
  ReadCard card(".model m nmos u0=600 cjm=1e-4 level=2 vtho=0.5 cj=2e-4 acm=1 scalm=1e-6\n");
  ASSERT_TRUE(card.ok);
  card.record.rename(kw("level"), "lev");
  card.record.set_given(kw("u0"), false);
  TranslationContext& ctx = card.fixture.ctx;
  write_model_parameters(ctx, MAIN_OUTPUT, card.record);
  EXPECT_EQ(ctx.outputs[MAIN_OUTPUT].str(),
            "\n+ vth0 = 0.5 \n+ lev = 2 \n+ cj = 2e-4 \n+ cj = 1e-4 \n");
}

TEST(WholeNumberText, WritesAWholeValueAsAnInteger) {
  EXPECT_EQ(whole_number_text("4.9000E+01"), "49");
  EXPECT_EQ(whole_number_text("2.0000e+00"), "2");
  EXPECT_EQ(whole_number_text("49.0"), "49");
  EXPECT_EQ(whole_number_text("3."), "3");
  EXPECT_EQ(whole_number_text("490e-1"), "49");
  EXPECT_EQ(whole_number_text("54"), "54");
  EXPECT_EQ(whole_number_text("-1.0"), "-1");
  EXPECT_EQ(whole_number_text("-0.0"), "0");
}

TEST(WholeNumberText, KeepsAnythingElse) {
  for (const char* text : {"49.5", "1k", "lev", "-1", "1e", "1e+", ".", "", "2e7", "1.0.0"}) {
    EXPECT_EQ(whole_number_text(text), text) << text;
  }
}

TEST(ReadModelParameters, ComparesTheLevelByItsValue) {
  ReadCard card(".model m nmos level=4.9000E+01 vth0=0.4\n");
  ASSERT_TRUE(card.ok);
  EXPECT_TRUE(card.record.text_is(kw("level"), "49"));
  EXPECT_EQ(card.value(kw("vth0")), "0.4 ");
}

}  // namespace
}  // namespace corvane

namespace corvane {
namespace {

TEST(ParameterRecord, VisitsTheCompoundValuesStillWritten) {
  ParameterRecord record;
  record.read(kw("vth0"), {{TOK_NUMBER, 0}}, "");
  record.read(kw("k1"), {{TOK_LBRACE, 0}, {TOK_NAME, 900}, {TOK_RBRACE, 0}}, "");
  record.read(kw("k2"), {{TOK_MINUS, 0}, {TOK_NUMBER, 1}}, "");
  record.set_value(kw("k3"), {{kw("nrs"), 0}});
  record.set_given(kw("k3"), true);
  record.read(kw("u0"), {{TOK_LPAREN, 0}, {TOK_NUMBER, 2}, {TOK_RPAREN, 0}}, "");
  record.set_value(kw("u0"), {{TOK_NUMBER, 3}});  // a plain number again
  record.set_given(kw("k2"), false);              // dropped
  std::vector<int> codes;
  record.for_each_compound_written(
      [&](int code, std::string_view, const TokenList&) { codes.push_back(code); });
  std::sort(codes.begin(), codes.end());
  std::vector<int> expected{kw("k1"), kw("k3")};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(codes, expected);
}

}  // namespace
}  // namespace corvane
