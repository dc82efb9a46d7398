// The simulation check's own parts: reading raw files, comparing plots and
// the ngspice edits. A comparison that let a missing vector or a wrong
// value through would let a translation defect through.

#include "vector_comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ngspice_limits.h"
#include "raw_file.h"

namespace corvane::simulation {
namespace {

constexpr const char* kTwoPlots =
    "Title: rc\nDate: today\nPlotname: Operating Point\nFlags: real\nNo. Variables: 2\n"
    "No. Points: 1       \nVariables:\n\t0\tv(in)\tvoltage\n\t1\ti(v1)\tcurrent\nValues:\n"
    "0\t\t1.000000000000000e+00\n\t-1.0e-03\n\n"
    "Title: rc\nDate: today\nPlotname: Transient Analysis\nFlags: real\nNo. Variables: 2\n"
    "No. Points: 3\nVariables:\n\t0\ttime\ttime\n\t1\tv(out)\tvoltage\nValues:\n"
    " 0\t0.0\n\t0.0\n 1\t1.0e-6\n\t0.5\n 2\t2.0e-6\n\t1.0\n";

Plot plot(std::string name, std::vector<std::string> names,
          std::vector<std::vector<double>> values) {
  return Plot{std::move(name), std::move(names), std::move(values)};
}

TEST(RawFile, ReadsEveryPlotWithItsVectors) {
  std::string error;
  const std::vector<Plot> plots = read_raw_file(kTwoPlots, error);
  ASSERT_EQ(plots.size(), 2u) << error;
  EXPECT_EQ(plots[0].name, "Operating Point");
  EXPECT_EQ(plots[0].names, (std::vector<std::string>{"v(in)", "i(v1)"}));
  EXPECT_EQ(plots[0].values[1], std::vector<double>{-1e-3});
  EXPECT_EQ(plots[1].find("v(out)"), 1);
  EXPECT_EQ(plots[1].values[0], (std::vector<double>{0, 1e-6, 2e-6}));
  EXPECT_EQ(plots[1].values[1], (std::vector<double>{0, 0.5, 1.0}));
}

TEST(RawFile, RefusesABinaryOrCutFile) {
  std::string error;
  EXPECT_TRUE(
      read_raw_file("Plotname: x\nNo. Variables: 1\nNo. Points: 1\nBinary:\n", error).empty());
  EXPECT_NE(error.find("binary"), std::string::npos);
  const std::string text(kTwoPlots);
  EXPECT_TRUE(read_raw_file(text.substr(0, text.size() - 10), error).empty());
}

TEST(ComparePlots, AgreesWithinTheToleranceOnly) {
  const std::vector<Plot> reference = {plot("Operating Point", {"v(a)", "i(v1)"}, {{1.0}, {1e-3}})};
  EXPECT_TRUE(
      compare_plots(reference, {plot("Operating Point", {"v(a)", "i(v1)"}, {{1.0 + 5e-7}, {1e-3}})})
          .empty());
  EXPECT_EQ(
      compare_plots(reference, {plot("Operating Point", {"v(a)", "i(v1)"}, {{1.0}, {1.01e-3}})})
          .size(),
      1u);
  // Rounding noise around zero is not a difference; a real value is.
  const std::vector<Plot> zero = {plot("Operating Point", {"v(a)"}, {{0.0}})};
  EXPECT_TRUE(compare_plots(zero, {plot("Operating Point", {"v(a)"}, {{1e-15}})}).empty());
  EXPECT_FALSE(compare_plots(zero, {plot("Operating Point", {"v(a)"}, {{1e-3}})}).empty());
}

TEST(ComparePlots, AnOperatingPointMatchesVectorsByNameInAnyOrder) {
  const std::vector<Plot> reference = {plot("Operating Point", {"v(a)", "v(b)"}, {{1.0}, {2.0}})};
  EXPECT_TRUE(compare_plots(reference, {plot("Operating Point", {"v(b)", "v(x1.n)", "v(a)"},
                                             {{2.0}, {7.0}, {1.0}})})
                  .empty());
  EXPECT_EQ(compare_plots(reference, {plot("Operating Point", {"v(b)", "v(a)"}, {{1.0}, {2.0}})}),
            (std::vector<std::string>{"Operating Point: v(a): reference 1, translation 2",
                                      "Operating Point: v(b): reference 2, translation 1"}));
}

TEST(ComparePlots, AMissingVectorOrPlotIsADifference) {
  const std::vector<Plot> reference = {
      plot("Operating Point", {"v(a)", "v(b)", "i(e1)"}, {{1.0}, {2.0}, {3.0}})};
  const std::vector<std::string> differences =
      compare_plots(reference, {plot("Operating Point", {"v(a)"}, {{1.0}})});
  // i(e1) is not compared: controlled sources change letters in translation.
  EXPECT_EQ(differences,
            std::vector<std::string>{"Operating Point: v(b) is missing from the translation"});
  EXPECT_EQ(compare_plots(reference, {}),
            std::vector<std::string>{"Operating Point is missing from the translation"});
}

TEST(ComparePlots, GlobalNodesAreComparedUnderTheirHspiceNames) {
  const std::vector<Plot> reference = {
      plot("Operating Point", {"v(vdd)", "v(x1.vdd)"}, {{1.0}, {1.0}})};
  EXPECT_TRUE(compare_plots(
                  reference,
                  {plot("Operating Point", {"v(ondrel_global_vdd)", "v(x1.vdd)"}, {{1.0}, {1.0}})})
                  .empty());
}

TEST(ComparePlots, TransientsAreComparedAtTheReferencesTimes) {
  const std::vector<Plot> reference = {
      plot("Transient Analysis", {"time", "v(a)"}, {{0, 1, 2}, {0, 1, 2}})};
  // Other time points on the same straight line agree.
  EXPECT_TRUE(compare_plots(reference, {plot("Transient Analysis", {"time", "v(a)"},
                                             {{0, 0.5, 1.5, 2}, {0, 0.5, 1.5, 2}})})
                  .empty());
  EXPECT_FALSE(compare_plots(reference, {plot("Transient Analysis", {"time", "v(a)"},
                                              {{0, 0.5, 1.5, 2}, {0, 0.5, 1.7, 2}})})
                   .empty());
}

TEST(ComparePlots, SweepsMustHaveTheSamePoints) {
  const std::vector<Plot> reference = {
      plot("DC transfer characteristic", {"v-sweep", "v(a)"}, {{0, 1}, {0, 2}})};
  EXPECT_FALSE(compare_plots(reference,
                             {plot("DC transfer characteristic", {"v-sweep", "v(a)"}, {{0}, {0}})})
                   .empty());
}

TEST(NgspiceEdits, TouchOnlyWhatNgspiceCannotRead) {
  EXPECT_EQ(for_ngspice("t\nD a c dmod { area*m }\nr1 a b { r*2 }\n"),
            "t\nD a c dmod area={ area*m }\nr1 a b { r*2 }\n");
  EXPECT_EQ(for_ngspice("t\nM d g s b nch\n+ w = { w }\n+ nrg = { nrg }\n+ nrb = { nrb }\n"),
            "t\nM d g s b nch\n+ w = { w }\n");
  EXPECT_EQ(for_ngspice("t\n.model n nmos \n+ level = 7 \n+ k1 = 7 \n"),
            "t\n.model n nmos \n+ level = 8 \n+ version = 3.1 \n+ k1 = 7 \n");
  EXPECT_EQ(for_ngspice("t\n.param a = { pwrs(x,2) } \n"),
            "t\n.func pwrs(x, y) {pwr(x, y)}\n.param a = { pwrs(x,2) } \n");
  EXPECT_EQ(for_ngspice("t\n.param r = { IF((a<b)&~(c>b)|(d==1), 1k, 2k) } \n"),
            "t\n.param r = { ternary_fcn((a<b)&&!(c>b)||(d==1), 1k, 2k) } \n");
  EXPECT_EQ(for_ngspice("t\n.lib \"corners_tt.lib\"\n.lib 'x.lib' tt\n"),
            "t\n.include \"corners_tt.lib\"\n.lib 'x.lib' tt\n");
  EXPECT_EQ(for_ngspice("t\nv1 $G_vdd 0 1\nr1 $G_vdd $G_a 1k\n.print v($G_a)\n"),
            "t\n.global ondrel_global_vdd ondrel_global_a\nv1 ondrel_global_vdd 0 1\n"
            "r1 ondrel_global_vdd ondrel_global_a 1k\n.print v(ondrel_global_a)\n");
}

}  // namespace
}  // namespace corvane::simulation
