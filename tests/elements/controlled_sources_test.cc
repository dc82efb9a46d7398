#include <gtest/gtest.h>

#include <string>

#include "support/context_fixture.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::translate_body;

std::string repeat_words(const std::string& stem, int count) {
  std::string out;
  for (int i = 0; i < count; ++i) out += " " + stem + std::to_string(i);
  return out;
}

std::size_t count_of(const std::string& text, const std::string& piece) {
  std::size_t count = 0;
  for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
    ++count;
  }
  return count;
}

TEST(Gates, CombineEveryInputPair) {
  struct Gate {
    const char* word;
    const char* combine;
  };
  const Gate gates[] = {{"and", "min("}, {"nand", "min("}, {"or", "max("}, {"nor", "max("}};
  for (const Gate& gate : gates) {
    for (int inputs = 1; inputs <= 4; ++inputs) {
      std::string line = "E1 out 0 " + std::string(gate.word) + "(" + std::to_string(inputs) + ")";
      for (int i = 0; i < inputs; ++i) line += " a" + std::to_string(i) + " 0";
      const testing::Translated out = translate_body(line + " 0,0 1,5\n");
      EXPECT_EQ(count_of(out.text, gate.combine), static_cast<std::size_t>(inputs - 1)) << line;
      for (int i = 0; i < inputs; ++i) {
        EXPECT_NE(out.text.find("v(a" + std::to_string(i) + ",0)"), std::string::npos) << line;
      }
      EXPECT_TRUE(out.messages.empty()) << line;
    }
  }
}

TEST(Limits, WrapTheWholeExpression) {
  struct Case {
    const char* keywords;
    const char* value;
  };
  const Case cases[] = {
      {"", "value={ v(in,0)*2 }"},
      {"max=5", "value={ min(v(in,0)*2,5) }"},
      {"min=-5", "value={ max(v(in,0)*2,-5) }"},
      {"min=-5 max=5", "value={ limit(v(in,0)*2,-5,5) }"},
      {"abs=1", "value={ abs(v(in,0)*2) }"},
      {"abs=0", "value={ v(in,0)*2 }"},
      {"abs=1 max=vmax", "value={ min(abs(v(in,0)*2),(vmax)) }"},
  };
  for (const Case& c : cases) {
    const testing::Translated out = translate_body("G1 out 0 in 0 2 " + std::string(c.keywords));
    EXPECT_EQ(out.text, "g1 out 0 " + std::string(c.value) + " \n") << c.keywords;
  }
}

TEST(Laplace, WritesNumeratorAndDenominatorAsPolynomialsInS) {
  struct Case {
    const char* data;
    const char* transfer;
  };
  const Case cases[] = {
      {"1 / 1", "{ (1)/(1) }"},
      {"0 1 / 1 2", "{ (0+s*(1))/(1+s*(2)) }"},
      {"1 / 1 2 3 4", "{ (1)/(1+s*(2+s*(3+s*(4)))) }"},
      {"-1, 2 / 1, -2", "{ (-1+s*(2))/(1+s*(-2)) }"},
      {"k0 / 1 tau", "{ ((k0))/(1+s*((tau))) }"},
  };
  for (const Case& c : cases) {
    const testing::Translated out =
        translate_body("E1 out 0 laplace in 0 " + std::string(c.data) + "\n");
    EXPECT_EQ(out.text, "e1 out 0 laplace { v(in,0) } = " + std::string(c.transfer) + " \n")
        << c.data;
  }
  // Without a denominator the transfer function cannot be written.
  EXPECT_EQ(
      translate_body("E1 out 0 laplace in 0 1 2\n").messages,
      std::vector<std::string>{"WARNING: Unrecognized syntax when parsing EFGH statement (e1)"});
}

TEST(Freq, TakesFrequencyMagnitudePhaseTriples) {
  EXPECT_EQ(translate_body("G1 out 0 freq in 0 1k 0 0 1meg -20 -90\n").text,
            "g1 out 0 freq { v(in,0) } = (1k,0,0) (1meg,-20,-90) \n");
  for (const char* data : {"", "1k", "1k 0", "1k 0 0 2k"}) {
    const testing::Translated out = translate_body("G1 out 0 freq in 0 " + std::string(data));
    EXPECT_EQ(out.messages.size(), 1U) << data;
    EXPECT_EQ(out.text.find("freq {"), std::string::npos) << data;
  }
}

TEST(Limits, GrowWithTheStatement) {
  // More than 10 controlling sources, 100 controlling nodes and 100
  // coefficients are all carried.
  const std::string names = repeat_words("v", 12);
  const std::string coefficients = repeat_words("", 120);
  const testing::Translated current =
      translate_body("F1 out 0 poly(12)" + names + coefficients + "\n");
  EXPECT_TRUE(current.messages.empty());
  EXPECT_NE(current.text.find("poly( 12)" + names + " "), std::string::npos);
  EXPECT_NE(current.text.find(" 119 \n"), std::string::npos);

  std::string nodes;
  for (int i = 0; i < 60; ++i) nodes += " n" + std::to_string(i) + " 0";
  const testing::Translated voltage = translate_body("E1 out 0 poly(60)" + nodes + " 1 2\n");
  EXPECT_TRUE(voltage.messages.empty());
  EXPECT_NE(voltage.text.find("n59 0 1 2 \n"), std::string::npos);

  // A dimension the statement cannot fill is reported.
  for (const char* dimension : {"1000000", "99999999999999999999"}) {
    const testing::Translated huge =
        translate_body("E1 out 0 poly(" + std::string(dimension) + ") a 0 1\nR1 a b 1\n");
    EXPECT_EQ(huge.messages,
              std::vector<std::string>{"WARNING: Incorrect number of controlling nodes: (e1)"});
    EXPECT_NE(huge.text.find("r1 a b 1 \n"), std::string::npos);
  }
}

TEST(NegativeGain, IsReadAcrossContinuationLinesLikeAnyGain) {
  const testing::Translated out =
      translate_body("E1 out 0\n* note\n+ in 0 -2\n+ max=5\nR1 a b 1\n");
  EXPECT_EQ(out.text, "e1 out 0 value={ min(v(in,0)*(-2),5) } \n* note\nr1 a b 1 \n");
  EXPECT_TRUE(out.messages.empty());
  // A second gain, or a minus where no gain can stand, is reported.
  for (const char* line : {"E1 out 0 in 0 2 -3\n", "E1 out 0 -in 0 2\n"}) {
    const testing::Translated rejected = translate_body(line);
    ASSERT_EQ(rejected.messages.size(), 1u) << line;
    EXPECT_EQ(rejected.text.rfind("****", 0), 0u) << rejected.text;
  }
}

TEST(ControllingExpression, IsNotCutToTheLengthOfAName) {
  const testing::Translated out = translate_body(
      "E1 out 0 first_input_node second_input_node 2\nF1 o 0 vsense_of_stage_two 3\n");
  EXPECT_EQ(out.text,
            "e1 out 0 value={ v(first_input_node,second_input_node)*2 } \n"
            "g1 o 0 value={ i(vsense_of_stage_two)*3 } \n");
}

}  // namespace
}  // namespace corvane
