#include <gtest/gtest.h>

#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_list.h"
#include "core/token_stream.h"
#include "support/context_fixture.h"

namespace corvane {
namespace {

// Reads the element name, then `skip` more tokens, then one value; returns
// the value as written.
std::string value_after(const std::string& line, int skip) {
  testing::ContextFixture fixture(line + "\n");
  TranslationContext& ctx = fixture.ctx;
  next_token(ctx, MODE_DOT_KEYWORDS);
  for (int i = 0; i < skip; ++i) next_token(ctx, MODE_NO_KEYWORDS);
  TokenList list;
  read_value(ctx, list);
  token_list_write(ctx, MAIN_OUTPUT, list);
  return ctx.outputs[MAIN_OUTPUT].str();
}

TEST(ReadValue, WritesNumbersNamesAndExpressions) {
  EXPECT_EQ(value_after("r1 a b 1k", 3), "1k ");
  EXPECT_EQ(value_after("r1 a b -2.5e3", 3), "-2.5e3 ");
  EXPECT_EQ(value_after("r1 a b +7", 3), "7 ");
  EXPECT_EQ(value_after("r1 a b rload", 3), "{ rload } ");
  EXPECT_EQ(value_after("r1 a b -rval", 3), "{ -rval } ");
  EXPECT_EQ(value_after("r1 a b 'a*b+1'", 3), "{ a*b+1 } ");
  EXPECT_EQ(value_after("r1 a b 'a,b'", 3), "{ a,b } ");
  // Commas the scanner takes for blanks come back between arguments.
  EXPECT_EQ(value_after("r1 a b 'pow(x,2)'", 3), "{ pwr(x,2) } ");
  EXPECT_EQ(value_after("r1 a b 'max(a, -1)+db(v)'", 3), "{ max(a,-1)+20*log10(v) } ");
  EXPECT_EQ(value_after("r1 a b 'f(1e3,x)'", 3), "{ f(1e3,x) } ");
  // An expression may go on over a continuation line, and may lack its quote.
  EXPECT_EQ(value_after("r1 a b 'w*\n+ l'", 3), "{ w*l } ");
  EXPECT_EQ(value_after("r1 a b 'w*l", 3), "{ w*l } ");
}

TEST(ReadValue, LeavesTheNextStatementAlone) {
  testing::ContextFixture fixture("r1 a b 'x\nr2 c d 2\n");
  TranslationContext& ctx = fixture.ctx;
  for (int i = 0; i < 4; ++i) next_token(ctx, i == 0 ? MODE_DOT_KEYWORDS : MODE_NO_KEYWORDS);
  TokenList list;
  read_value(ctx, list);
  EXPECT_TRUE(ctx.statement_ended);
  EXPECT_EQ(token_text(ctx), "r2");
}

TEST(TokenList, CombinesWithBracesAndParentheses) {
  testing::ContextFixture fixture("a b\n");
  TranslationContext& ctx = fixture.ctx;
  const TokenList a = {{NODE_ONE, 0}};
  const TokenList b = {{NODE_TWO, 0}};
  auto combined = [&](TokenList left, const TokenList& right, bool paren, bool open, bool close) {
    token_list_combine(paren, left, right, open, close, TOK_STAR);
    ctx.outputs[MAIN_OUTPUT].clear();
    token_list_write(ctx, MAIN_OUTPUT, left);
    return ctx.outputs[MAIN_OUTPUT].str();
  };
  EXPECT_EQ(combined(a, b, true, true, true), "{ (1*2) } ");
  EXPECT_EQ(combined(a, b, false, false, false), "1*2 ");
  EXPECT_EQ(combined(a, {}, false, false, true), "1 ");  // no brace asked: unchanged
  EXPECT_EQ(combined(a, {}, false, true, false), "{ 1 ");
  EXPECT_EQ(combined({}, b, true, false, true), "2 } ");
  EXPECT_EQ(combined({}, b, true, true, true), "{ 2 } ");
}

TEST(TokenList, WritesEveryFixedPiece) {
  testing::ContextFixture fixture("a\n");
  TranslationContext& ctx = fixture.ctx;
  const TokenList list = {
      {NODE_ZERO, 0}, {kw("m"), 0},     {kw("area"), 0},     {kw("nrs"), 0},     {kw("nrd"), 0},
      {kw("w"), 0},   {kw("delay"), 0}, {kw("ddt"), 0},      {kw("table"), 0},   {kw("v1meg"), 0},
      {NODE_ONE, 0},  {NODE_TWO, 0},    {NODE_MINUS_ONE, 0}, {NODE_EPS_OX, 0},   {NODE_1E_10, 0},
      {NODE_1E_6, 0}, {NODE_VT, 0},     {NODE_HALF, 0},      {NODE_SQRT_ONE, 0}, {NODE_NRB, 0},
      {NODE_NRG, 0},  {NODE_PWR, 0},    {TOK_COMMA, 0},      {kw("level"), 0}};
  token_list_write(ctx, MAIN_OUTPUT, list);
  EXPECT_EQ(ctx.outputs[MAIN_OUTPUT].str(),
            "0m area nrsnrdw { exp(-sddt( table( 1e6 12-13.453e-111e-101e-60.0260.5sqrt(1nrbnrg"
            "pwr( , ");
}

// Characters Ondrel names cannot hold become "_" in every name written, the
// same way each time, and each such name is reported once per file; echoes
// and file names keep every character.
TEST(OutputWriter, RespellsNamesAndReportsEachOnce) {
  testing::ContextFixture fixture("a\n");
  TranslationContext& ctx = fixture.ctx;
  write_text(ctx, MAIN_OUTPUT, "a<b>#&;?[]^~@c\n", true);
  write_line(ctx, MAIN_OUTPUT, "");
  write_line(ctx, MAIN_OUTPUT, "v1 BUS<1> 0 pwl(0 0 1n a<b>#&;?[]^~@c)");
  write_verbatim_line(ctx, MAIN_OUTPUT, "**** r1 bus<1> 0 '1k*(a>b)'");
  write_comment(ctx, MAIN_OUTPUT, "*** note\n**\n* a * b\n");
  EXPECT_EQ(ctx.outputs[MAIN_OUTPUT].str(),
            "a_b__________c \n"
            "v1 BUS_1_ 0 pwl(0 0 1n a_b__________c)\n"
            "**** r1 bus<1> 0 '1k*(a>b)'\n"
            "* note\n*\n* a * b\n");
  EXPECT_EQ(fixture.sink.messages,
            (std::vector<std::string>{"INFO: Name a<b>#&;?[]^~@c is written as a_b__________c",
                                      "INFO: Name bus<1> is written as bus_1_"}));
  write_text(ctx, MAIN_OUTPUT, "partial", true);
  drop_unfinished_line(ctx, MAIN_OUTPUT);
  EXPECT_EQ(strip_dots("nch.1.a"), "nch1a");
  EXPECT_EQ(prefix_x("m1"), "xm1");
}

}  // namespace
}  // namespace corvane
