#include <gtest/gtest.h>

#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::translate_body;
using testing::warnings;

const std::string kBadSyntax = "WARNING: Unrecognized syntax when parsing statement ()";

TEST(TranslateParam, TwoPlainDefinitionsShareALine) {
  EXPECT_EQ(translate_body(".param a=1 b=2 c=3\n").text, ".param a = 1 b = 2 \n+ c = 3 \n");
  EXPECT_EQ(translate_body(".param a=1 b=2 c=3 d=4 e=5\n").text,
            ".param a = 1 b = 2 \n+ c = 3 d = 4 \n+ e = 5 \n");
  EXPECT_EQ(translate_body(".PARAMETER vdd=3.3\n").text, ".param vdd = 3.3 \n");
}

TEST(TranslateParam, QuotedValuesContinueTheStatement) {
  // Nothing is left on a line without its "+": the line after a quoted value
  // is a continuation line like any other.
  EXPECT_EQ(translate_body(".param vdd=3.3 gain='a*2' rl=rdef\n").text,
            ".param vdd = 3.3 gain = { a*2 } \n+ rl = { rdef } \n");
  EXPECT_EQ(translate_body(".param a='x' b=1 c=2\n").text, ".param a = { x } b = 1 \n+ c = 2 \n");
}

TEST(TranslateParam, NegativeNumbersKeepTheirSign) {
  EXPECT_EQ(translate_body(".param vss=-1.5 vp=+2\n").text, ".param vss = -1.5 vp = 2 \n");
}

TEST(TranslateParam, InputContinuationLinesStartOutputContinuationLines) {
  EXPECT_EQ(translate_body(".param a=1\n+ b=2 c=3 d=4\n").text,
            ".param a = 1 \n+ b = 2 c = 3 \n+ d = 4 \n");
  // A "+" line opening the definitions adds no empty line.
  EXPECT_EQ(translate_body(".param\n+ a=1 b=2\n").text, ".param a = 1 b = 2 \n");
  // An expression continued over a "+" line stays one value.
  EXPECT_EQ(translate_body(".param w='a*\n+ b' l=1\n").text, ".param w = { a*b } \n+ l = 1 \n");
}

TEST(TranslateParam, FunctionsGetALineOfTheirOwn) {
  EXPECT_EQ(translate_body(".param f(x,y)='x+y'\n").text, ".func f( x , y ) = { x+y } \n");
  EXPECT_EQ(translate_body(".param a=1 f(x)=x*2 b=2\n").text,
            ".param a = 1 \n.func f( x ) = { x*2 } \n.param b = 2 \n");
  EXPECT_EQ(translate_body(".param g()=3\n").text, ".func g( ) = 3 \n");
  // Functions named like a device type (c, d, r ...) too.
  EXPECT_EQ(translate_body(".param c(w,l)='w*l*2e-3' r=1\n").text,
            ".func c( w , l ) = { w*l*2e-3 } \n.param r = 1 \n");
}

TEST(TranslateParam, CallValuesCarryTheirOperators) {
  EXPECT_EQ(translate_body(".param p=pwr(a,2)\n").text, ".param p = { pwrs(a,2) } \n");
  EXPECT_EQ(translate_body(".param p=pwr(a+1,2) q=pow(b-1, c/2)\n").text,
            ".param p = { pwrs(a+1,2) } q = { "
            "pwr(b-1,int(c/2))*IF((b-1<0)&(int(c/2)!=2*int((c/2)/2)), -1, 1) } \n");
}

TEST(TranslateParam, WorksOnTheTargetItIsGiven) {
  const testing::Translated t = translate_body(
      ".subckt amp in out\n.param g=2\nv1 in out 1\n.ends\n.lib tt\n.param h=3\n.endl\n");
  EXPECT_EQ(t.text, ".subckt amp in out \n.param g = 2 \nv1 in out 1\n.ends\n");
  ASSERT_EQ(t.sections.size(), 1u);
  EXPECT_EQ(t.sections[0].text, ".param h = 3 \n");
}

TEST(TranslateParam, MissingEqualsIsReportedAndCompleteDefinitionsStay) {
  const testing::Translated t = translate_body(".param a=1 b c=2\nv1 1 0 1\n");
  EXPECT_EQ(t.text, ".param a = 1 \n**** .param a=1 b c=2\nv1 1 0 1\n");
  EXPECT_EQ(warnings(t), std::vector<std::string>{kBadSyntax});
}

TEST(TranslateParam, MalformedDefinitionsAreReported) {
  for (const char* statement : {".param\n", ".param x\n", ".param x=\n", ".param 3=4\n",
                                ".param f(x=1\n", ".param f(x)\n", ".param a=b+\n"}) {
    const testing::Translated t = translate_body(std::string(statement) + "v1 1 0 1\n");
    EXPECT_EQ(warnings(t), std::vector<std::string>{kBadSyntax}) << statement;
    // The next statement is never taken into the rejected one.
    EXPECT_TRUE(t.text.ends_with("v1 1 0 1\n")) << statement << t.text;
  }
}

TEST(TranslateParam, UnclosedQuoteIsReported) {
  const testing::Translated t = translate_body(".param a=1 b='x*2 c=3\nv1 1 0 1\n");
  EXPECT_EQ(t.text, ".param a = 1 \n**** .param a=1 b='x*2 c=3\nv1 1 0 1\n");
  EXPECT_EQ(warnings(t), std::vector<std::string>{kBadSyntax});
}

}  // namespace
}  // namespace corvane
