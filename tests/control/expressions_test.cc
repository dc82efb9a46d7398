#include <gtest/gtest.h>

#include <string>

#include "control/expressions.h"
#include "core/diagnostics.h"
#include "core/scanner.h"
#include "core/token_list.h"
#include "core/token_stream.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

struct ValueResult {
  ValueRead read;
  std::string written;
  std::string next_token;  // the token current after the value
};

// Reads the value of "p=VALUE" followed by a line "r2 a b 1".
ValueResult read_value_of(const std::string& value) {
  const std::string input = "p=" + value + "\nr2 a b 1\n";
  RecordingSink sink;
  TranslationContext ctx;
  ctx.log = &sink;
  scanner_open(ctx, input);
  scanner_reset_tables(ctx);
  next_token(ctx, MODE_DOT_KEYWORDS);
  next_token(ctx, MODE_NO_KEYWORDS);
  next_token(ctx, MODE_NO_KEYWORDS);
  TokenList list;
  ValueResult result;
  std::string problem;
  std::string problem_text;
  result.read = read_parameter_value(ctx, list, problem, problem_text);
  token_list_write(ctx, MAIN_OUTPUT, list);
  result.written = ctx.outputs[MAIN_OUTPUT].str();
  result.next_token = token_text(ctx);
  return result;
}

TEST(RewriteFunctionCall, RewritesEveryCallOnceWhateverItsCase) {
  // pow( with an even exponent becomes pwr(, and a pwr( written in the
  // source becomes pwrs(: the rewritten pow( is not taken for a source pwr(
  // a second time. pow( with an odd exponent is pwrs( too.
  const testing::Translated t =
      testing::translate_body(".param a='POW(x,2)' b='Pwr(x,2)' c='pow(y,3)' d='db(v)'\n");
  EXPECT_EQ(t.text,
            ".param a = { pwr(x,2) } b = { pwrs(x,2) } \n"
            "+ c = { pwrs(y,3) } d = { 20*log10(v) } \n");
}

TEST(RewriteFunctionCall, DistributionFunctionGivesOneStatusLineAndIsKept) {
  const testing::Translated t = testing::translate_body(".param dvt=agauss(0,1,3)\n");
  EXPECT_EQ(t.text, ".param dvt = { agauss(0,1,3) } \n");
  EXPECT_EQ(t.messages, std::vector<std::string>{
                            "HSPICE distribution functions are unsupported by translator"});
}

TEST(ReadParameterValue, NumbersStayAsWritten) {
  EXPECT_EQ(read_value_of("1k").written, "1k ");
  EXPECT_EQ(read_value_of("2.5e-3").written, "2.5e-3 ");
  EXPECT_EQ(read_value_of("-1.5").written, "-1.5 ");
  EXPECT_EQ(read_value_of("+7").written, "7 ");
  EXPECT_EQ(read_value_of("10meg").written, "10meg ");
}

TEST(ReadParameterValue, NamesAndExpressionsGoInBraces) {
  EXPECT_EQ(read_value_of("rdef").written, "{ rdef } ");
  EXPECT_EQ(read_value_of("-rdef").written, "{ -rdef } ");
  EXPECT_EQ(read_value_of("'x*y'").written, "{ x*y } ");
  EXPECT_EQ(read_value_of("'a*b+1'").written, "{ a*b+1 } ");
  EXPECT_EQ(read_value_of("'2'").written, "{ 2 } ");
  EXPECT_EQ(read_value_of("'-a*2'").written, "{ -a*2 } ");
  // A sign before the quote negates the whole expression.
  EXPECT_EQ(read_value_of("-'a+b'").written, "{ -(a+b) } ");
}

TEST(ReadParameterValue, CommasComeBackBetweenArguments) {
  EXPECT_EQ(read_value_of("'pow(x,2)'").written, "{ pwr(x,2) } ");
  EXPECT_EQ(read_value_of("'max(a, -1)'").written, "{ max(a,-1) } ");
  EXPECT_EQ(read_value_of("'f(1e3,x)'").written, "{ f(1e3,x) } ");
  // Operands with only blanks between them are separated too.
  EXPECT_EQ(read_value_of("'min(a b)'").written, "{ min(a,b) } ");
}

TEST(ReadParameterValue, CallValuesKeepTheirOperators) {
  EXPECT_EQ(read_value_of("pwr(a+1,2)").written, "{ pwrs(a+1,2) } ");
  EXPECT_EQ(read_value_of("pwr(a,2)").written, "{ pwrs(a,2) } ");
  EXPECT_EQ(read_value_of("max(a-b,(c+d)/2)").written, "{ max(a-b,(c+d)/2) } ");
  EXPECT_EQ(read_value_of("pow(max(a,b),2)*3").written, "{ pwr(max(a,b),2)*3 } ");
}

TEST(ReadParameterValue, UnquotedExpressionsAreOneValue) {
  EXPECT_EQ(read_value_of("i1+i2").written, "{ i1+i2 } ");
  EXPECT_EQ(read_value_of("avdd/2").written, "{ avdd/2 } ");
  EXPECT_EQ(read_value_of("2*-x").written, "{ 2*-x } ");
}

TEST(ReadParameterValue, StopsAtTheNextDefinition) {
  const std::string input = "p=a q=1\n";
  RecordingSink sink;
  TranslationContext ctx;
  ctx.log = &sink;
  scanner_open(ctx, input);
  scanner_reset_tables(ctx);
  for (int i = 0; i < 3; ++i) next_token(ctx, i == 0 ? MODE_DOT_KEYWORDS : MODE_NO_KEYWORDS);
  TokenList list;
  std::string problem;
  std::string problem_text;
  EXPECT_EQ(read_parameter_value(ctx, list, problem, problem_text), ValueRead::ok);
  EXPECT_FALSE(ctx.statement_ended);
  EXPECT_EQ(token_text(ctx), "q");
}

TEST(ReadParameterValue, LeavesTheNextStatementAlone) {
  const ValueResult value = read_value_of("'w*l'");
  EXPECT_EQ(value.read, ValueRead::ok);
  EXPECT_EQ(value.next_token, "r2");
}

TEST(ReadParameterValue, ReportsMissingAndUnclosedValues) {
  EXPECT_EQ(read_value_of("").read, ValueRead::missing);
  EXPECT_EQ(read_value_of("a+").read, ValueRead::missing);
  EXPECT_EQ(read_value_of("pwr(a,2").read, ValueRead::missing);
  EXPECT_EQ(read_value_of("=").read, ValueRead::missing);
  const ValueResult unclosed = read_value_of("'w*l");
  EXPECT_EQ(unclosed.read, ValueRead::unclosed);
  EXPECT_EQ(unclosed.next_token, "r2");
}

// An expression too long to hold as a tree (a file's worth of '1+1+...',
// quoted or not) is echoed whole and reported once; its warning quotes only
// its start, so a huge text is not copied into the log. One just within the
// limit is still translated.
TEST(ReadParameterValue, OverlongExpressionsAreEchoedWithAShortWarning) {
  const auto sum_of_length = [](std::size_t length) {
    std::string sum = "1";
    while (sum.size() + 2 <= length) sum += "+1";
    return sum;
  };
  const std::string within = sum_of_length(kMaxExpressionLength);
  const std::string past = sum_of_length(kMaxExpressionLength + 1);
  ASSERT_EQ(within.size() + 2, past.size());

  // Texts of 100 kB: a failure shows their sizes, not the texts.
  const testing::Translated kept = testing::translate_body(".param a='" + within + "'\n");
  EXPECT_TRUE(kept.text == ".param a = { " + within + " } \n") << kept.text.size();
  EXPECT_TRUE(kept.messages.empty());

  for (const std::string& statement :
       {".param b='" + past + "'", ".param c={" + past + "}", ".param d=" + past}) {
    SCOPED_TRACE(statement.substr(0, 12));
    const testing::Translated t = testing::translate_body(statement + "\nr1 x y 1\n");
    EXPECT_TRUE(t.text == "**** " + statement + "\nr1 x y 1 \n") << t.text.size();
    ASSERT_EQ(t.messages.size(), 1u);
    EXPECT_TRUE(t.messages[0].find("longer than 100000 characters") != std::string::npos ||
                t.messages[0].find("more than 100000 names, numbers and operators") !=
                    std::string::npos)
        << t.messages[0].substr(0, 120);
    EXPECT_LT(t.messages[0].size(), kQuotedSourceLimit + 100);
  }
}

}  // namespace
}  // namespace corvane
