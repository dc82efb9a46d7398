#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>

#include "run/log_environment.h"
#include "run/output_files.h"
#include "run/progress_window.h"
#include "run/report_json.h"
#include "run/translation_run.h"
#include "support/run_fakes.h"
#include "support/text_diff.h"

namespace corvane {
namespace {

using testing::read_file;
using testing::without_times;
using testing::write_file;

std::string replace_all(std::string text, const std::string& from, const std::string& to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    text.replace(at, from.size(), to);
    at += to.size();
  }
  return text;
}

class ScriptedProgress : public ProgressWindow {
 public:
  ScriptedProgress(UserPrompts& prompts, int cancel_at_poll)
      : ProgressWindow(prompts), cancel_at_poll_(cancel_at_poll) {}

 protected:
  void pump_messages() override {
    if (++polls_ == cancel_at_poll_) cancel_pressed();
  }

 private:
  int cancel_at_poll_;
  int polls_ = 0;
};

// Three inputs, two outputs: a library with warnings and cards that drop
// parameters, a clean netlist, and an input left without an output.
class ReportRun : public ::testing::Test {
 protected:
  void SetUp() override {
    write_file(path("lib.sp"),
               "* models\n"
               ".model d1 d (is=1e-14 jtun=1p nbv=2p\n"
               "+ cjsw=1f)\n"
               "M1 d g s\n"
               ".model q1 npn bf=100 xyz=3 xyz=4 \"q\"=1\n"
               ".probe v(a)\n"
               ".options post ingold=2 abstol=1e-12 post\n");
    write_file(path("n\xE9t.sp"), "title\n.op\n");  // a Latin-1 file name
    write_file(path("extra.sp"), "title\n.op\n");
  }
  RunResult run(int jobs, bool collect, int cancel_at_poll = 0) {
    ScriptedProgress progress(prompts, cancel_at_poll);
    RunServices services{environment, progress, nullptr, {}, jobs};
    services.collect_reports = collect;
    TranslationRequest request{
        quoted("lib.sp") + " " + quoted("n\xE9t.sp") + " " + quoted("extra.sp"),
        quoted("out/lib.lib") + " " + quoted("out/net.lib"),
        true,
        {},
        {}};
    return translate_libraries(request, services);
  }
  // The report with the scratch directory written as "DIR/".
  std::string report_of(const RunResult& result) const {
    return replace_all(run_report_json(result), scratch.directory(), "DIR/");
  }
  std::string path(const std::string& name) const { return scratch.file(name); }
  std::string quoted(const std::string& name) const { return '"' + path(name) + '"'; }

  testing::ScratchDirectory scratch;
  testing::FakePrompts prompts;
  RealFileSystem file_system;
  LogEnvironment environment{MessageFilter(), {}, prompts, file_system};
};

TEST_F(ReportRun, MatchesTheExpectedReport) {
  const std::string actual = report_of(run(1, true));
  const char* source = std::getenv("CORVANE_SOURCE_DIR");
  const std::string expected_path = std::string(source != nullptr ? source : CORVANE_SOURCE_DIR) +
                                    "/tests/run/report_json_expected.json";
  if (std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr) write_file(expected_path, actual);
  const std::string expected = read_file(expected_path);
  EXPECT_EQ(expected, actual) << unified_diff(expected, actual);
}

TEST_F(ReportRun, IsTheSameForAnyNumberOfJobs) {
  const std::string serial = report_of(run(1, true));
  EXPECT_EQ(report_of(run(2, true)), serial);
  EXPECT_EQ(report_of(run(3, true)), serial);
}

TEST_F(ReportRun, LeavesTheLogsAndOutputsAsTheyAre) {
  run(1, false);
  const std::string log = without_times(read_file(path("out/lib.err")));
  const std::string output = read_file(path("out/lib.lib"));
  const RunResult result = run(2, true);
  EXPECT_EQ(without_times(read_file(path("out/lib.err"))), log);
  EXPECT_EQ(read_file(path("out/lib.lib")), output);
  // Every warning is a statement's but the line that sums up the cards.
  EXPECT_EQ(result.pairs[0].translation_report.statements().size() + 1,
            static_cast<std::size_t>(result.pairs[0].warnings + result.pairs[0].errors));
  EXPECT_GT(result.pairs[0].parameters_dropped, 0);
}

TEST_F(ReportRun, WithoutCollectingNothingIsRecorded) {
  const RunResult result = run(2, false);
  ASSERT_EQ(result.pairs.size(), 3u);
  EXPECT_TRUE(result.pairs[0].translation_report.statements().empty());
  EXPECT_TRUE(result.pairs[0].translation_report.cards().empty());
}

TEST_F(ReportRun, ACancelledRunReportsThePairsDone) {
  const std::string report = report_of(run(1, true, 1));
  EXPECT_NE(report.find("\"cancelled\": true"), std::string::npos);
  EXPECT_NE(report.find("\"input\": \"DIR/lib.sp\""), std::string::npos);
  EXPECT_EQ(report.find("\"input\": \"DIR/n\\u00e9t.sp\""), std::string::npos);
  EXPECT_NE(report.find("\"files\": 1,"), std::string::npos);
}

TEST(ReportFile, IsReplacedWholeAndNoTemporaryIsLeft) {
  testing::ScratchDirectory scratch;
  const std::string path = scratch.file("report.json");
  write_file(path, "old");
  EXPECT_TRUE(write_file_atomically(path, {"{}\n"}));
  EXPECT_EQ(read_file(path), "{}\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  EXPECT_FALSE(write_file_atomically(scratch.file("missing/report.json"), {"{}\n"}));
  EXPECT_FALSE(std::filesystem::exists(scratch.file("missing")));
}

}  // namespace
}  // namespace corvane
