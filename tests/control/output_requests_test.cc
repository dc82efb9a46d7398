#include <gtest/gtest.h>

#include "control_support.h"

namespace corvane {
namespace {

using testing::translate;
using testing::warnings;

const std::vector<std::string> kInvalid{"WARNING: Invalid syntax found in .print statement ()"};

TEST(TranslatePrint, CarriesOrdinaryRequests) {
  EXPECT_EQ(translate(".print tran v(out) i(vdd)\n").main, ".print tran v(out) i(vdd) \n");
  EXPECT_EQ(translate(".plot ac vdb(out) vp(out)\n").main, ".plot ac vdb(out) vp(out) \n");
  EXPECT_EQ(translate(".PRINT TRAN V(Out_1) V(a,b)\n").main, ".print tran v(out_1) v(a,b) \n");
  EXPECT_EQ(translate(".print .dc v(2)\n+ i(r1)\n").main, ".print dc v(2) i(r1) \n");
  EXPECT_EQ(translate(".print noise v(n1)\n").main, ".print noise v(n1) \n");
}

TEST(TranslatePrint, VoltageNodesGetTheirGlobalPrefix) {
  EXPECT_EQ(translate(".global vdd\n.print dc v(vdd) i(vdd)\n").main,
            ".print dc v($G_vdd) i(vdd) \n");
}

TEST(TranslatePrint, PassesOverRequestsOndrelCannotPrint) {
  EXPECT_EQ(translate(".PRINT DC PRECISION=4 V(1) par('v(2)*2') V(4) {rval2}\n").main,
            ".print dc v(1) v(4) \n");
  EXPECT_EQ(translate(".PLOT TRAN P(VV1) v(x) $ $x=8400\n").main, ".plot tran v(x) \n");
}

TEST(TranslatePrint, ReportsWhatCannotBeTranslated) {
  const testing::Translated disto = translate(".print disto v(1)\nv1 1 0 1\n");
  EXPECT_EQ(disto.main, "**** .print disto v(1)\nv1 1 0 1\n");
  EXPECT_EQ(warnings(disto),
            std::vector<std::string>{"WARNING: .DISTO not supported on.print statement ()"});
  EXPECT_EQ(warnings(translate(".plot .disto v(1)\n")).size(), 1u);
  EXPECT_EQ(warnings(translate(".print v(ref) v(out)\n")), kInvalid);
  EXPECT_EQ(warnings(translate(".print noise all\n")), kInvalid);
  EXPECT_EQ(warnings(translate(".plot tran\n")), kInvalid);
  EXPECT_EQ(warnings(translate(".print\nv1 1 0 1\n")), kInvalid);
  EXPECT_EQ(warnings(translate(".print tran v(out\n")),
            std::vector<std::string>{"WARNING: Unrecognized syntax when parsing statement ()"});
  EXPECT_EQ(warnings(translate(".print tran v(a=b)\n")).size(), 1u);
}

}  // namespace
}  // namespace corvane
