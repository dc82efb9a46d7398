// The layout of an element line does not change its translation: upper
// case, CRLF line ends, extra blanks and tabs, and statements split over "+"
// lines all give the text of the plain form.

#include <gtest/gtest.h>

#include <string>

#include "support/context_fixture.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::translate_body;

struct LayoutCase {
  const char* plain;
  const char* messy;
};

std::string with_crlf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

class ElementLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ElementLayout, TranslatesLikeThePlainForm) {
  const testing::Translated plain = translate_body(GetParam().plain);
  const testing::Translated messy = translate_body(GetParam().messy);
  const testing::Translated crlf = translate_body(with_crlf(GetParam().messy));
  EXPECT_FALSE(plain.text.empty());
  EXPECT_TRUE(plain.messages.empty()) << plain.messages.front();
  EXPECT_EQ(messy.text, plain.text);
  EXPECT_EQ(crlf.text, plain.text);
  EXPECT_EQ(messy.messages, plain.messages);
}

const LayoutCase kLayoutCases[] = {
    {"r1 a b rmod 1k scale=2 m=3 c=1p\n", "R1  A\tB RMOD\n+ 1K SCALE = 2\n+   M=3   C=1P\n"},
    {"r2 a b 1k tc=1m,2m\n", "R2 a b 1k TC=1m , 2m\n"},
    {"c1 a b cmod l=1u w=2u m=2\n", "C1 a b CMOD\n+ L=1u\n+ W=2u M=2\n"},
    {"l1 a b 1u r=0.5 tc1=1m\n", "L1 A B 1U\n+ R=0.5\n+\n+ TC1=1M\n"},
    {"d1 a b dmod 2 m=2\n", "D1 A B DMOD 2\n+ M=2\n"},
    {"q1 c b e s qmod 2 ic=0.7,5\n", "Q1 C B E S QMOD 2 IC=0.7 , 5\n"},
    {"j1 d g s jmod l=1u w=2u\n", "J1\tD G S JMOD\n+ L=1U W=2U\n"},
    {"m1 d g s b nch l=1u w=2u ad=1p as=1p m=2\n",
     "M1 D G S B NCH\n+ L=1U W=2U\n+ AD=1P AS=1P M=2\n"},
    {"e1 out 0 in 0 2 max=5\n", "E1 OUT 0\n+ IN 0 2\n+ MAX=5\n"},
    {"g1 out 0 pwl(1) in 0 -1,-1 1,1\n", "G1 OUT 0 PWL(1) IN 0\n+ (-1, -1)\n+ (1, 1)\n"},
    {"e2 out 0 poly(2) a 0 b 0 0 1 1\n", "E2 OUT 0 POLY(2) (A,0) (B,0)\n+ 0 1 1\n"},
    {"t1 a 0 b 0 z0=50 td=1n ic=1,0,2,0\n", "T1 A 0 B 0\n+ Z0=50 TD=1N\n+ IC=1, 0, 2, 0\n"},
    {"x1 a b sub w=1u l=2u\n", "X1 A B SUB\n+ W=1U\n+ L=2U\n"},
};

INSTANTIATE_TEST_SUITE_P(Elements, ElementLayout, ::testing::ValuesIn(kLayoutCases));

}  // namespace
}  // namespace corvane
