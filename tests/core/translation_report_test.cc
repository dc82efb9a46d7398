#include "core/translation_report.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "translate/translate_file.h"

namespace corvane {
namespace {

// Known warnings, an INFO and an ERROR line, and cards that drop parameters
// in every way: unknown words (one repeated), parameters without an Ondrel
// name, a refused level, a card rejected while it was read.
constexpr std::string_view kInput =
    "report test\n"                                // 1
    ".option post\n"                               // 2
    "R1 a b\n"                                     // 3
    "+ 10k\n"                                      // 4
    "+ tc=1 junk=(\n"                              // 5
    ".model d1 d (is=1e-14 jtun=1p nbv=2p\n"       // 6
    "+ cjsw=1f is=2e-14 jtun=3p)\n"                // 7
    ".MODEL D2 D JTUN=1p pj=0.5\n"                 // 8
    ".subckt inv a b\n"                            // 9
    ".probe v(a)\n"                                // 10
    ".ends\n"                                      // 11
    ".model n49 nmos level=49 vth0=0.5 capop=1\n"  // 12
    ".model n9 nmos level=9 vto=1\n"               // 13
    ".model bad npn bf 100\n"                      // 14
    "* a comment\n"                                // 15
    "\n"                                           // 16
    "Q1 c\n";                                      // 17

struct Translated {
  TranslationOutput output;
  RecordingSink sink;
};

Translated translate(std::string_view input, TranslationReport* report) {
  Translated result;
  result.output = translate_text(input, {true, {}, report}, result.sink);
  return result;
}

TEST(TranslationReport, LeavesOutputAndMessagesAsTheyAre) {
  TranslationReport report;
  const Translated with = translate(kInput, &report);
  const Translated without = translate(kInput, nullptr);
  EXPECT_EQ(with.output.main_text, without.output.main_text);
  EXPECT_EQ(with.output.console, without.output.console);
  EXPECT_EQ(with.sink.messages, without.sink.messages);
  EXPECT_EQ(with.sink.steps, without.sink.steps);
  // One record per message, with the text the log gets; the file's last
  // line sums up the cards, which the report lists one by one.
  ASSERT_EQ(report.statements().size() + 1, with.sink.messages.size());
  for (std::size_t i = 0; i < report.statements().size(); ++i) {
    EXPECT_EQ(report.statements()[i].message, with.sink.messages[i]);
  }
  EXPECT_EQ(with.sink.messages.back(), dropped_parameters_line(report));
  EXPECT_EQ(with.sink.messages.back(),
            "WARNING: Model parameters dropped: 8 on 4 cards; most often jtun (2), capop (1), "
            "cjsw (1), level (1), nbv (1)");
}

TEST(TranslationReport, PlacesEachMessageAtItsStatementsFirstLine) {
  TranslationReport report;
  translate(kInput, &report);
  struct Expected {
    int line;
    std::string kind;
    ReportSeverity severity;
  };
  const std::vector<Expected> expected = {
      {3, "r", ReportSeverity::warning},        // rejected on its third line
      {10, ".probe", ReportSeverity::warning},  // inside a subcircuit
      {12, ".model", ReportSeverity::info},     // BSIM3v3 found
      {12, ".model", ReportSeverity::warning},  // capop
      {13, ".model", ReportSeverity::error},    // level 9 refused
      {13, ".model", ReportSeverity::warning},  // ...and the card echoed
      {14, ".model", ReportSeverity::warning},  // bf without "="
      {17, "q", ReportSeverity::warning},       // after comment and blank lines
  };
  ASSERT_EQ(report.statements().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(report.statements()[i].message);
    EXPECT_EQ(report.statements()[i].line, expected[i].line);
    EXPECT_EQ(report.statements()[i].kind, expected[i].kind);
    EXPECT_EQ(report.statements()[i].severity, expected[i].severity);
  }
  EXPECT_EQ(report.count(ReportSeverity::info), 1);
  EXPECT_EQ(report.count(ReportSeverity::warning), 6);
  EXPECT_EQ(report.count(ReportSeverity::error), 1);
}

TEST(TranslationReport, ListsEachCardsDroppedParametersOnce) {
  TranslationReport report;
  translate(kInput, &report);
  using Names = std::vector<std::string>;
  const std::vector<ReportedCard>& cards = report.cards();
  ASSERT_EQ(cards.size(), 5u);

  EXPECT_EQ(cards[0].line, 6);
  EXPECT_EQ(cards[0].name, "d1");
  EXPECT_EQ(cards[0].kind, "d");
  EXPECT_TRUE(cards[0].written);
  EXPECT_EQ(cards[0].unknown, (Names{"jtun", "nbv"}));  // jtun twice, counted once
  EXPECT_EQ(cards[0].unwritten, (Names{"cjsw"}));       // no Ondrel name; is twice, written

  EXPECT_EQ(cards[1].line, 8);
  EXPECT_EQ(cards[1].name, "d2");
  EXPECT_EQ(cards[1].kind, "d");
  EXPECT_EQ(cards[1].unknown, (Names{"jtun"}));
  EXPECT_EQ(cards[1].unwritten, (Names{"pj"}));

  EXPECT_EQ(cards[2].name, "n49");
  EXPECT_TRUE(cards[2].written);
  EXPECT_TRUE(cards[2].unknown.empty());
  EXPECT_EQ(cards[2].unwritten, (Names{"capop"}));

  // A refused level: nothing is written, everything given is dropped.
  EXPECT_EQ(cards[3].name, "n9");
  EXPECT_FALSE(cards[3].written);
  EXPECT_EQ(cards[3].unwritten, (Names{"level", "vto"}));

  // Rejected before any parameter was read.
  EXPECT_EQ(cards[4].line, 14);
  EXPECT_EQ(cards[4].name, "bad");
  EXPECT_EQ(cards[4].kind, "npn");
  EXPECT_FALSE(cards[4].written);
  EXPECT_EQ(cards[4].dropped(), 0u);

  const std::map<std::string, int> summary(report.dropped_parameters().begin(),
                                           report.dropped_parameters().end());
  EXPECT_EQ(summary, (std::map<std::string, int>{{"capop", 1},
                                                 {"jtun", 2},
                                                 {"nbv", 1},
                                                 {"cjsw", 1},
                                                 {"level", 1},
                                                 {"pj", 1},
                                                 {"vto", 1}}));
  EXPECT_EQ(report.cards_with_drops(), 4);
  EXPECT_EQ(report.parameters_dropped(), 8);
}

// Values folded into the wrapper, or that chose the output's form, shaped
// what was written; a refused card keeps every parameter dropped.
TEST(TranslationReport, ParametersTheWrapperUsesAreNotDropped) {
  TranslationReport report;
  translate(
      "used\n"
      ".model n1 nmos level=49 scalm=1e-6 wmlt=0.9 vth0=0.4 capop=1\n"
      ".model d3 d area=2 is=1e-14 cjsw=1f\n"
      ".model q2 pnp subs=-1 bf=50\n",
      &report);
  using Names = std::vector<std::string>;
  const std::vector<ReportedCard>& cards = report.cards();
  ASSERT_EQ(cards.size(), 3u);
  EXPECT_EQ(cards[0].unwritten, (Names{"capop"}));
  EXPECT_EQ(cards[1].unwritten, (Names{"cjsw"}));
  EXPECT_TRUE(cards[2].unwritten.empty());
}

TEST(TranslationReport, AFatalConditionKeepsWhatWasReportedBefore) {
  TranslationReport report;
  RecordingSink sink;
  EXPECT_ANY_THROW(
      translate_text("title\n.model d1 d jtun=1\n.probe v(a)\n.param p=123456789012345678901234\n",
                     {true, {}, &report}, sink));
  ASSERT_EQ(report.cards().size(), 1u);
  EXPECT_EQ(report.cards()[0].unknown, std::vector<std::string>{"jtun"});
  ASSERT_EQ(report.statements().size(), 1u);
  EXPECT_EQ(report.statements()[0].line, 3);
}

TEST(TranslationReport, ContinuationLinesBeforeAnyStatementAreTheirOwnStatement) {
  TranslationReport report;
  translate("* comment\n+ stray\n.op\n", &report);
  ASSERT_EQ(report.statements().size(), 1u);
  EXPECT_EQ(report.statements()[0].line, 2);
  EXPECT_EQ(report.statements()[0].kind, "+");
}

TEST(StatementKind, IsTheDotWordOrTheElementLetterInLowerCase) {
  EXPECT_EQ(statement_kind(".MODEL nch nmos"), ".model");
  EXPECT_EQ(statement_kind("\t.param(x=1)"), ".param");
  EXPECT_EQ(statement_kind(".end"), ".end");
  EXPECT_EQ(statement_kind("M1 d g s b"), "m");
  EXPECT_EQ(statement_kind("  x1 a b sub"), "x");
  EXPECT_EQ(statement_kind("+ 10k"), "+");
  EXPECT_EQ(statement_kind("   "), "");
}

TEST(Severity, FollowsTheMessagesLeadingWord) {
  EXPECT_EQ(severity_of("ERROR: Unsupported"), ReportSeverity::error);
  EXPECT_EQ(severity_of("INFO: BSIM1"), ReportSeverity::info);
  EXPECT_EQ(severity_of("WARNING: x"), ReportSeverity::warning);
  EXPECT_EQ(severity_of("HSPICE distribution functions are unsupported by translator"),
            ReportSeverity::warning);
  EXPECT_EQ(severity_name(ReportSeverity::error), "error");
}

}  // namespace
}  // namespace corvane
