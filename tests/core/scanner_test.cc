#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <limits>
#include <string>

#include "core/fatal_error.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "support/context_fixture.h"

namespace corvane {
namespace {

using testing::token_stream;

TEST(Scanner, FormsNamesNumbersAndLineEnds) {
  EXPECT_EQ(token_stream("R1 a b 1k $ load\n", MODE_NO_KEYWORDS),
            "[^name r1][name a][name b][num 1k][^eof]");
  EXPECT_EQ(token_stream("e1 out 0 a b 2*3\n", MODE_NO_KEYWORDS),
            "[^name e1][name out][num 0][name a][name b][num 2][*][num 3][^eof]");
  EXPECT_EQ(token_stream("x v(out)\n", MODE_NO_KEYWORDS), "[^name x][call v(][name out][)][^eof]");
  EXPECT_EQ(token_stream("x 1.5e-3 2.e5 10meg 2.k 1.2.3\n", MODE_NO_KEYWORDS),
            "[^name x][exp 1.5e-3][exp 2.e5][num 10meg][num 2.k][num 1.2][num .3][^eof]");
  // A scale suffix after an exponent belongs to the number: 2.5e3k is 2.5e6,
  // never 2.5e3 followed by a name k.
  EXPECT_EQ(
      token_stream("x 1e 2.5e3k 1e+ 7E+2 2.5E-3Meg\n", MODE_NO_KEYWORDS),
      "[^name x][num 1][name e][exp 2.5e3k][num 1][name e][+][exp 7e+2][exp 2.5e-3meg][^eof]");
  EXPECT_EQ(token_stream("x x1.m1 a<b> a,b N$653\n", MODE_NO_KEYWORDS),
            "[^name x][name x1.m1][name a<b>][name a][name b][name n$653][^eof]");
  EXPECT_EQ(token_stream("x . ( ) / = - + 'q\"\n", MODE_NO_KEYWORDS),
            "[^name x][(][)][/][=][-][+]['][name q][\"][^eof]");
}

TEST(Scanner, LooksUpKeywordsByMode) {
  EXPECT_EQ(token_stream(".MODEL R1 r\n", MODE_DOT_KEYWORDS),
            "[^kw .model][name r1][name r][^eof]");
  EXPECT_EQ(token_stream("x .MODEL R1 r\n", MODE_ALL_KEYWORDS),
            "[^name x][kw .model][name r1][kw r][^eof]");
  // A keyword met without lookup keeps its kind but shares the keyword's entry.
  testing::ContextFixture fixture("level\n");
  next_token(fixture.ctx, MODE_NO_KEYWORDS);
  EXPECT_EQ(fixture.ctx.token_kind, TOK_NAME);
  EXPECT_EQ(fixture.ctx.token_index, kw("level") - KEYWORD_FIRST_CODE);
  // Texts in two lists give the first code.
  EXPECT_EQ(token_stream("x dw ef\n", MODE_ALL_KEYWORDS), "[^name x][kw dw][kw ef][^eof]");
  EXPECT_LT(kw("dw"), 690);
}

TEST(Scanner, CallsAreRespelledOnceAndDeviceCallsAreKeywords) {
  EXPECT_EQ(token_stream("x pow(a,2) POW(b) pwr(c) db(d) sign(e) int(f)\n", MODE_NO_KEYWORDS),
            "[^name x][call pwr(][name a][num 2][)][call pwr(][name b][)][call pwrs(][name c][)]"
            "[call 20*log10(][name d][)][call sgn(][name e][)][call int(][name f][)][^eof]");
  EXPECT_EQ(token_stream(".model m1 nmos(level=49)\n", MODE_ALL_KEYWORDS),
            "[^kw .model][name m1][kw nmos][kw level][=][num 49][)][^eof]");

  testing::ContextFixture fixture("x agauss(0,1,3) gauss(1)\n");
  do next_token(fixture.ctx, MODE_NO_KEYWORDS);
  while (fixture.ctx.token_kind != TOK_EOF);
  EXPECT_EQ(
      fixture.sink.messages,
      (std::vector<std::string>{"HSPICE distribution functions are unsupported by translator",
                                "HSPICE distribution functions are unsupported by translator"}));
}

TEST(Scanner, KeepsCommentLinesAndTellsStarsApart) {
  testing::ContextFixture fixture("* first\n**two\nr1 a b 'x * 2' * 3\n  * indented\n+ (a)*b\n");
  std::string tokens;
  do {
    next_token(fixture.ctx, MODE_NO_KEYWORDS);
    tokens += testing::describe_token(fixture.ctx);
  } while (fixture.ctx.token_kind != TOK_EOF);
  EXPECT_EQ(tokens,
            "[^name r1][name a][name b]['][name x][*][num 2]['][(][name a][)][*][name b]"
            "[^eof]");
  EXPECT_EQ(fixture.ctx.comment_buffer, "* first\n**two\n* 3\n  * indented\n");
  // After an operator, a keyword or a call a star starts a comment that
  // ends the line; the next line is a statement of its own.
  EXPECT_EQ(token_stream("x = * rest\ny\n", MODE_NO_KEYWORDS), "[^name x][=][^name y][^eof]");
  EXPECT_EQ(token_stream("x 'a**2' (b) * * c\n", MODE_NO_KEYWORDS),
            "[^name x]['][name a][*][*][num 2]['][(][name b][)][*][^eof]");
  EXPECT_EQ(token_stream(".ends * q_2a *\nv1 a 0 1\n", MODE_DOT_KEYWORDS),
            "[^kw .ends][^name v1][name a][num 0][num 1][^eof]");
}

TEST(Scanner, ContinuationLinesAndStatementStarts) {
  // + continues; one blank line is passed over; two make an empty statement.
  EXPECT_EQ(token_stream("r1 a\n+ 1k\n   \nr2 c\n \n\t\nr3\n", MODE_NO_KEYWORDS),
            "[^name r1][name a][num 1k][^name r2][name c][^eol][^name r3][^eof]");
  // A "+" with nothing after it continues onto the next line.
  EXPECT_EQ(token_stream("r1 a\n+\n+ $ note\n+ 1k\nr2\n", MODE_NO_KEYWORDS),
            "[^name r1][name a][num 1k][^name r2][^eof]");
  // Line ends of every kind, a lone dot, control bytes and bytes from 128 on.
  EXPECT_EQ(token_stream("a\r\nb\rc\n\n\nd . \x01 e\0f\n", MODE_NO_KEYWORDS),
            "[^name a][^name b][^name c][^name d][name e][^eof]");
  EXPECT_EQ(token_stream(std::string("x \xb5\n", 4), MODE_NO_KEYWORDS), "[^name x][\xb5][^eof]");
  // A final line without a newline is read like any other.
  EXPECT_EQ(token_stream("a b\nc d", MODE_NO_KEYWORDS), "[^name a][name b][^name c][name d][^eof]");
}

TEST(Scanner, KeepsLongNamesWholeAndStopsAtLongNumbers) {
  testing::ContextFixture fixture("abcdefghijklmnopqrstuvwxy z\n" + std::string(12, '\n') +
                                  std::string(12, 'q') + std::string(20, 'w') + "\n");
  std::string tokens;
  do {
    next_token(fixture.ctx, MODE_NO_KEYWORDS);
    tokens += testing::describe_token(fixture.ctx);
  } while (fixture.ctx.token_kind != TOK_EOF);
  EXPECT_EQ(tokens, "[^name abcdefghijklmnopqrstuvwxy][name z][^name " + std::string(12, 'q') +
                        std::string(20, 'w') + "][^eof]");
  EXPECT_EQ(fixture.ctx.console, "");

  testing::ContextFixture numbers("r1 a b 123456789012345678901\n");
  next_token(numbers.ctx, MODE_NO_KEYWORDS);
  for (int i = 0; i < 2; ++i) next_token(numbers.ctx, MODE_NO_KEYWORDS);
  try {
    next_token(numbers.ctx, MODE_NO_KEYWORDS);
    ADD_FAILURE() << "a 21-digit number must end the run";
  } catch (const FatalError& error) {
    EXPECT_EQ(error.stream(), StandardStream::output);
    EXPECT_STREQ(error.what(),
                 "\n1: [Error]  Number literal greater than 20 characters\nFatal Error: Too many "
                 "errors\n");
  }
}

// Lines ended by lone "\r" are read in linear time: the search for a "\n"
// that never comes is made once, not once per line (2 MB of them took 20 s).
TEST(Scanner, LinesEndedByCarriageReturnsAloneAreReadInLinearTime) {
  constexpr int kLines = 1'000'000;
  std::string input = "title\r";
  for (int i = 0; i < kLines; ++i) input += "\r";
  input += "R1 a b 1k\rR2 b c 2k\n";
  testing::StatementFixture fixture(input);
  const auto start = std::chrono::steady_clock::now();
  std::string tokens;
  while (!fixture.ctx.scan.input_ended) {
    next_token(fixture.ctx, MODE_NO_KEYWORDS);
    if (fixture.ctx.token_kind == TOK_NAME) tokens += std::string(token_text(fixture.ctx)) + ' ';
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_NE(tokens.find("r2 b c"), std::string::npos);
  EXPECT_EQ(fixture.ctx.scan.line_number, kLines + 3);
  EXPECT_LT(seconds, 5.0);  // quadratic, this took minutes
}

// Line numbers past 2^31 (2.2 GB of blank lines) count on and are printed
// as they are, not wrapped to negative numbers.
TEST(Scanner, LineNumbersCountPastTheRangeOfInt) {
  static_assert(std::numeric_limits<LineNumber>::max() >= std::int64_t{1} << 62);
  testing::ContextFixture fixture("x\n\nr1 a b 123456789012345678901\n");
  fixture.ctx.scan.line_number = std::numeric_limits<std::int32_t>::max();
  std::string message;
  try {
    while (!fixture.ctx.scan.input_ended) next_token(fixture.ctx, MODE_NO_KEYWORDS);
  } catch (const FatalError& error) {
    message = error.what();
  }
  EXPECT_EQ(fixture.ctx.scan.token_line, 2'147'483'650);
  EXPECT_NE(message.find("\n2147483650: [Error]"), std::string::npos) << message;
}

}  // namespace
}  // namespace corvane
