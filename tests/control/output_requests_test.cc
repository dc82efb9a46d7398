#include <gtest/gtest.h>

#include "support/translation_support.h"

namespace corvane {
namespace {

using testing::translate_body;
using testing::warnings;

const std::vector<std::string> kInvalid{"WARNING: Invalid syntax found in .print statement ()"};

TEST(TranslatePrint, CarriesOrdinaryRequests) {
  EXPECT_EQ(translate_body(".print tran v(out) i(vdd)\n").text, ".print tran v(out) i(vdd) \n");
  EXPECT_EQ(translate_body(".plot ac vdb(out) vp(out)\n").text, ".plot ac vdb(out) vp(out) \n");
  EXPECT_EQ(translate_body(".PRINT TRAN V(Out_1) V(a,b)\n").text, ".print tran v(out_1) v(a,b) \n");
  EXPECT_EQ(translate_body(".print .dc v(2)\n+ i(r1)\n").text, ".print dc v(2) i(r1) \n");
  EXPECT_EQ(translate_body(".print noise v(n1)\n").text, ".print noise v(n1) \n");
}

TEST(TranslatePrint, VoltageNodesGetTheirGlobalPrefix) {
  EXPECT_EQ(translate_body(".global vdd\n.print dc v(vdd) i(vdd)\n").text,
            ".print dc v($G_vdd) i(vdd) \n");
}

TEST(TranslatePrint, PassesOverRequestsOndrelCannotPrint) {
  EXPECT_EQ(translate_body(".PRINT DC PRECISION=4 V(1) par('v(2)*2') V(4) {rval2}\n").text,
            ".print dc v(1) v(4) \n");
  EXPECT_EQ(translate_body(".PLOT TRAN P(VV1) v(x) $ $x=8400\n").text, ".plot tran v(x) \n");
}

TEST(TranslatePrint, ReportsWhatCannotBeTranslated) {
  const testing::Translated disto = translate_body(".print disto v(1)\nv1 1 0 1\n");
  EXPECT_EQ(disto.text, "**** .print disto v(1)\nv1 1 0 1\n");
  EXPECT_EQ(warnings(disto),
            std::vector<std::string>{"WARNING: .DISTO not supported on.print statement ()"});
  EXPECT_EQ(warnings(translate_body(".plot .disto v(1)\n")).size(), 1u);
  EXPECT_EQ(warnings(translate_body(".print v(ref) v(out)\n")), kInvalid);
  EXPECT_EQ(warnings(translate_body(".print noise all\n")), kInvalid);
  EXPECT_EQ(warnings(translate_body(".plot tran\n")), kInvalid);
  EXPECT_EQ(warnings(translate_body(".print\nv1 1 0 1\n")), kInvalid);
  EXPECT_EQ(warnings(translate_body(".print tran v(out\n")),
            std::vector<std::string>{"WARNING: Unrecognized syntax when parsing statement ()"});
  EXPECT_EQ(warnings(translate_body(".print tran v(a=b)\n")).size(), 1u);
}

}  // namespace
}  // namespace corvane
