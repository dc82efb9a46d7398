// Diode, bipolar, JFET and wire model cards: what the golden cases do not
// show. Spellings of one card, refusals over many levels, and the record
// the readers leave for the wrappers.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_fixture.h"
#include "models/diode_models.h"
#include "models/jfet_models.h"
#include "models/wire_models.h"
#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::count_of;
using testing::has_line;
using testing::ModelFixture;
using testing::translate_whole;
using testing::Translated;

struct Spellings {
  const char* plain;
  std::vector<const char*> others;
};

TEST(ModelKinds, ReadEachCardTheSameHoweverItIsWritten) {
  const Spellings kCards[] = {
      {"\n.model d1 d level=3 is=1e-14 scalm=1e-6 ikr=1m n=2\n",
       {"\r\n.MODEL D1 D LEVEL=3 IS=1E-14 SCALM=1E-6 IKR=1M N=2\r\n",
        "\n.model   d1  d  ( level = 3\n+ is=1e-14\n\n+  scalm = 1e-6 ikr=1m n = 2 )\n",
        "\n.model d.1 d(level=3 is=1e-14 scalm=1e-6 ikr=1m n=2)\n"}},
      {"\n.model q1 npn is=1e-16 bf=100 vaf=50 qco=1p rc=10\n",
       {"\r\n.MODEL Q1 NPN IS=1E-16 BF=100 VAF=50 QCO=1P RC=10\r\n",
        "\n.model  q1  npn  (\n+ is = 1e-16\n+ bf=100 vaf=50\n+qco=1p rc = 10 )\n",
        "\n.model q.1 npn(is=1e-16 bf=100 vaf=50 qco=1p rc=10)\n"}},
      {"\n.model j1 pjf level=1 vto=2 beta=1e-4 area=2 acm=1 rd=5\n",
       {"\r\n.MODEL J1 PJF LEVEL=1 VTO=2 BETA=1E-4 AREA=2 ACM=1 RD=5\r\n",
        "\n.model j1 pjf ( level=1\n+ vto = 2\n+ beta=1e-4 area = 2 acm=1 rd=5 )\n",
        "\n.model j.1 pjf(level=1 vto=2 beta=1e-4 area=2 acm=1 rd=5)\n"}},
      {"\n.model rw r rsh=50 l=10u w=1u tc1=1e-3\n",
       {"\r\n.MODEL RW R RSH=50 L=10U W=1U TC1=1E-3\r\n",
        "\n.model rw r (rsh=50\n+ l=10u w = 1u\n+tc1=1e-3)\n",
        "\n.model r.w r(rsh=50 l=10u w=1u tc1=1e-3)\n"}},
      {"\n.model cw c cox=1e-3 capsw=1e-10 l=10u w=2u\n",
       {"\r\n.MODEL CW C COX=1E-3 CAPSW=1E-10 L=10U W=2U\r\n",
        "\n.model cw c (\n+ cox=1e-3 capsw = 1e-10\n+ l=10u w=2u )\n"}},
  };
  for (const Spellings& card : kCards) {
    const Translated expected = translate_whole(card.plain);
    EXPECT_EQ(expected.text.find("****"), std::string::npos) << expected.text;
    for (const char* text : card.others) {
      const Translated out = translate_whole(text);
      EXPECT_EQ(out.text, expected.text) << text;
      EXPECT_EQ(out.messages, expected.messages) << text;
    }
  }
}

TEST(ModelKinds, ReadALevelByItsValue) {
  for (const char* kind : {"d", "njf"}) {
    const std::string plain = std::string("\n.model x1 ") + kind + " level=1 is=1e-14\n";
    for (const char* level : {"1.0", "1.000E+00", "10e-1"}) {
      const std::string card =
          std::string("\n.model x1 ") + kind + " level=" + level + " is=1e-14\n";
      const Translated out = translate_whole(card);
      EXPECT_EQ(out.text, translate_whole(plain).text) << card;
      EXPECT_TRUE(out.messages.empty()) << card;
    }
  }
}

TEST(ModelKinds, RefuseEveryOtherLevelWithTheEchoOfTheCard) {
  struct Refusal {
    const char* kind;
    const char* message;
  };
  const Refusal kRefusals[] = {
      {"d", "Found Level 2 (Fowler-Nordheim) diode which can not be translated"},
      {"njf", "Found Level 2 JFET which will not be translated"},
      {"pjf", "Found Level 2 JFET which will not be translated"},
  };
  for (const Refusal& refusal : kRefusals) {
    for (const char* level : {"0", "2", "4", "1.5", "2.0", "lv", "'1+2'"}) {
      const std::string card =
          std::string(".model x2 ") + refusal.kind + " level=" + level + " is=1e-14";
      const Translated out = translate_whole("\n" + card + "\n+ n=2\n.model next npn\n");
      EXPECT_EQ(out.text, "**** " + card + "\n**** + n=2\n\n.model next npn \n\n") << card;
      // The refusal, then the parameters it dropped summed up.
      ASSERT_EQ(out.messages.size(), 2u) << card;
      EXPECT_EQ(out.messages[0], "WARNING: x2" + std::string(refusal.message)) << card;
      EXPECT_TRUE(out.messages[1].starts_with("WARNING: Model parameters dropped: 3 on 1 card; "))
          << card;
    }
  }
}

TEST(DiodeReader, GivesACardWithoutLevelTheLevelOne) {
  ModelFixture fixture(".model d1 d is=1\n");
  ParameterRecord record;
  ASSERT_TRUE(read_diode_parameters(fixture.ctx, MAIN_OUTPUT, record));
  EXPECT_TRUE(record.given(kw("level")));
  EXPECT_EQ(record.text(kw("level")), "1");
  EXPECT_EQ(record.name(kw("level")), "");
  EXPECT_TRUE(fixture.sink.messages.empty());
}

TEST(DiodeReader, KeepsTheUnwrittenGeometryForTheWrapper) {
  ModelFixture fixture(".model d1 d level=3 l=2u w=1u pj=3u\n");
  ParameterRecord record;
  ASSERT_TRUE(read_diode_parameters(fixture.ctx, MAIN_OUTPUT, record));
  EXPECT_TRUE(record.given(kw("l")));
  EXPECT_EQ(record.name(kw("l")), "");
  EXPECT_EQ(record.name(kw("pj")), "");
  EXPECT_EQ(record.name(kw("w")), "w");
  EXPECT_EQ(record.text(kw("level")), "3");
  EXPECT_EQ(fixture.sink.messages,
            std::vector<std::string>{
                "WARNING: Metal and poly capacitances in diode model will not be translated"});
}

TEST(DiodeReader, StopsAtARejectedCard) {
  ModelFixture fixture(".model d1 d level=3 is 1\n");
  ParameterRecord record;
  EXPECT_FALSE(read_diode_parameters(fixture.ctx, MAIN_OUTPUT, record));
  // Rejected before the level was looked at: no level-3 warning.
  EXPECT_EQ(fixture.sink.messages,
            std::vector<std::string>{"WARNING: Unrecognized syntax when parsing statement ()"});
}

// Ondrel's JFET has no drawn lengths: they are neither scaled nor written,
// so the report counts them dropped.
TEST(JfetReader, LeavesTheDrawnLengthsUnwritten) {
  ModelFixture fixture(".model j njf scalm=1e-6 w=2 l=3 wdel=w0\n");
  ParameterRecord record;
  ASSERT_TRUE(read_jfet_parameters(fixture.ctx, MAIN_OUTPUT, record));
  EXPECT_EQ(record.name(kw("w")), "");
  EXPECT_EQ(record.name(kw("l")), "");
  EXPECT_EQ(record.name(kw("wdel")), "");
  EXPECT_EQ(record.name(kw("level")), "");
  const Translated out = translate_whole("\n.model j njf scalm=1e-6 w=2 l=3 wdel=w0 vto=-1\n");
  ASSERT_FALSE(out.messages.empty());
  EXPECT_EQ(out.messages.back(),
            "WARNING: Model parameters dropped: 4 on 1 card; most often l (1), scalm (1), w (1), "
            "wdel (1)");
}

TEST(WireReader, EndsTheOutputLineBeforeTheCards) {
  ModelFixture fixture(".model rw r rsh=50\n");
  fixture.ctx.outputs[MAIN_OUTPUT].append("* open line");
  ParameterRecord record;
  ASSERT_TRUE(read_passive_parameters(fixture.ctx, MAIN_OUTPUT, record));
  EXPECT_EQ(fixture.ctx.outputs[MAIN_OUTPUT].str(), "* open line\n");
  EXPECT_TRUE(record.given(kw("rsh")));
  EXPECT_EQ(record.name(kw("rsh")), "");
  EXPECT_EQ(record.name(kw("l")), "");
}

}  // namespace
}  // namespace corvane
