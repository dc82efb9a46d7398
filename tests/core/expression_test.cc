#include "core/expression.h"

#include <gtest/gtest.h>

#include <string>

#include "core/expression_writer.h"
#include "core/scanner.h"
#include "core/token_list.h"
#include "translate/translate_file.h"

namespace corvane {
namespace {

// The expression as Ondrel text, or "error: ..." with what could not be read
// or written.
std::string ondrel(const std::string& hspice) {
  std::string problem;
  const Expression expression = parse_expression(hspice, problem);
  if (!problem.empty()) return "error: " + problem;
  TranslationContext ctx;
  scanner_reset_tables(ctx);
  TokenList list;
  if (!write_expression(ctx, expression, list, problem)) return "error: " + problem;
  token_list_write(ctx, MAIN_OUTPUT, list, false);
  return ctx.outputs[MAIN_OUTPUT].str();
}

TEST(Expression, KeepsWhatTheSourceWroteAsItWasWritten) {
  EXPECT_EQ(ondrel("a*b+1"), "a*b+1");
  EXPECT_EQ(ondrel("(a + b) / 2"), "(a+b)/2");
  EXPECT_EQ(ondrel("a-(b-c)"), "a-(b-c)");
  EXPECT_EQ(ondrel("-x + +y"), "-x++y");
  EXPECT_EQ(ondrel("max(a, b)"), "max(a,b)");
  EXPECT_EQ(ondrel("f()"), "f()");
  EXPECT_EQ(ondrel("1.5e-3*W"), "1.5e-3*w");
  EXPECT_EQ(ondrel("10MEG"), "10meg");
  EXPECT_EQ(ondrel("pwl(0 0 1n 1)"), "pwl(0,0,1n,1)");  // arguments parted by blanks
  EXPECT_EQ(ondrel("a,b"), "a,b");                      // a list stays a list
}

TEST(Expression, PowersAndPrecedenceAsHspiceReadsThem) {
  EXPECT_EQ(ondrel("a+b*c^2"), "a+b*c**2");
  EXPECT_EQ(ondrel("2^8"), "2**8");
  // HSPICE binds a sign before a power: -a**2 is (-a)**2.
  EXPECT_EQ(ondrel("-a**2"), "(-a)**2");
  EXPECT_EQ(ondrel("a**-2"), "a**(-2)");
  // Power goes right to left.
  EXPECT_EQ(ondrel("a^b^c"), "a**(b**c)");
  EXPECT_EQ(ondrel("(a+b)**2"), "(a+b)**2");
  EXPECT_EQ(ondrel("pow(x,2)+pwr(y,3)+db(v)+sign(z)"), "pwr(x,2)+pwrs(y,3)+20*log10(v)+sgn(z)");
}

TEST(Expression, ConditionsStandInsideIf) {
  EXPECT_EQ(ondrel("a>b ? 1 : 0"), "IF(a>b, 1, 0)");
  EXPECT_EQ(ondrel("n == 7 ? 1k : 2k"), "IF(n==7, 1k, 2k)");
  EXPECT_EQ(ondrel("a ? b ? 1 : 2 : 3"), "IF(a!=0, IF(b!=0, 1, 2), 3)");
  EXPECT_EQ(ondrel("a<b ? 1 : b<c ? 2 : 3"), "IF(a<b, 1, IF(b<c, 2, 3))");
  EXPECT_EQ(ondrel("(a&&b) ? a : b"), "IF(((a!=0)&(b!=0)), a, b)");
  EXPECT_EQ(ondrel("a<b || c>=d && !e ? x : y"), "IF((a<b)|((c>=d)&(~(e!=0))), x, y)");
  // A ternary inside a function's arguments.
  EXPECT_EQ(ondrel("max(a>b ? a : b, c)"), "max(IF(a>b, a, b),c)");
  // A condition used as a number is 1 when it holds.
  EXPECT_EQ(ondrel("a + (b>c)"), "a+(IF(b>c, 1, 0))");
  EXPECT_EQ(ondrel("!a"), "IF(~(a!=0), 1, 0)");
  EXPECT_EQ(ondrel("a != b"), "IF(a!=b, 1, 0)");
}

TEST(Expression, WhatOndrelCannotExpressIsRefused) {
  EXPECT_EQ(ondrel("a%b"), "error: the operator % has no Ondrel counterpart");
  EXPECT_EQ(ondrel("a\\2"), "error: the operator \\ has no Ondrel counterpart");
  EXPECT_EQ(ondrel("(a+b"), "error: \"(\" without its \")\"");
  EXPECT_EQ(ondrel("a ? b"), "error: \"?\" without its \":\"");
  EXPECT_EQ(ondrel("a +"), "error: a value missing at the end");
  EXPECT_EQ(ondrel("a = b"), "error: the character \"=\"");
  EXPECT_EQ(ondrel("a & b"), "error: the character \"&\"");
  EXPECT_EQ(ondrel("max(a,b"), "error: max( without its \")\"");
  // Hostile depths end in an error, not in a stack overflow.
  EXPECT_EQ(ondrel(std::string(5000, '(') + "1" + std::string(5000, ')')),
            "error: nested more than 200 deep");
  // pow( writes its base twice: forty nested would be a trillion pieces.
  std::string nested = "a";
  for (int i = 0; i < 40; ++i) nested = "pow(" + nested + ",b)";
  EXPECT_EQ(ondrel(nested), "error: longer than 1000000 pieces once written");
  std::string chain = "1";
  for (int i = 0; i < 5000; ++i) chain += "+1";
  EXPECT_EQ(ondrel(chain), "error: longer than 1000 operations in a row");
}

TEST(Expression, NumbersKeepTheirKind) {
  EXPECT_TRUE(has_exponent("1e-3"));
  EXPECT_TRUE(has_exponent("2E+5"));
  EXPECT_FALSE(has_exponent("1meg"));
  EXPECT_FALSE(has_exponent("1e"));
  EXPECT_FALSE(has_exponent("10"));
}

// The reader of simple values learns a number's kind where it finds its
// end; it must say what has_exponent says of the number's text.
TEST(Expression, NumberEndTellsTheExponent) {
  for (const std::string_view text :
       {"1e-3", "2E+5", "1meg", "1e", "10", "1e+x", ".5e3", "3.3k", "1me5", "7E9u"}) {
    bool exponent = true;
    const std::size_t end = number_end_in(text, 0, exponent);
    EXPECT_EQ(exponent, has_exponent(text.substr(0, end))) << text;
    EXPECT_EQ(end, number_end_in(text, 0)) << text;
  }
  bool exponent = false;
  EXPECT_EQ(number_end_in("2e-3*w", 0, exponent), 4u);
  EXPECT_TRUE(exponent);
  EXPECT_EQ(number_end_in("1meg", 0, exponent), 4u);
  EXPECT_FALSE(exponent);
}

}  // namespace
}  // namespace corvane
