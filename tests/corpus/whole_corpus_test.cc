// Every file of the corpus of real HSPICE inputs goes through a whole run:
// the run must succeed, or stop only for one of its fatal conditions, and
// each file must be done within its time bound. Each is also translated with
// model cards read token by token, which must give the same text as the
// short way the translator takes.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/whole_translation.h"
#include "run/log_environment.h"
#include "run/progress_window.h"
#include "run/translation_run.h"
#include "support/run_fakes.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = CORVANE_CORPUS_DIR;
constexpr double kSecondsPerFile = CORVANE_CORPUS_SECONDS_PER_FILE;
// The one parameter when there is no corpus: its case skips.
constexpr const char* kNoCorpus = "";

// The corpus files by their path inside the corpus, in name order.
std::vector<std::string> corpus_files() {
  std::vector<std::string> files;
  std::error_code error;
  if (fs::is_directory(kCorpus, error)) {
    for (const auto& entry : fs::recursive_directory_iterator(kCorpus, error)) {
      if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), kCorpus).string());
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) files.emplace_back(kNoCorpus);
  return files;
}

// A test name from a path: letters and digits kept, everything else "_".
std::string case_name(const ::testing::TestParamInfo<std::string>& info) {
  if (info.param.empty()) return "NoCorpus";
  std::string name;
  for (const char c : info.param) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    name += plain ? c : '_';
  }
  return name + "_" + std::to_string(info.index);
}

// The texts of the three conditions that may end a run.
bool is_allowed_fatal(const std::string& text) {
  return text.find("Can't open input file") != std::string::npos ||
         text.find("Unable to open output file") != std::string::npos ||
         text.find("Number literal greater than 20 characters") != std::string::npos;
}

class WholeCorpus : public ::testing::TestWithParam<std::string> {
 protected:
  testing::ScratchDirectory scratch;
  testing::FakePrompts prompts;
  RealFileSystem file_system;
  LogEnvironment environment{MessageFilter(), {}, prompts, file_system};
};

TEST_P(WholeCorpus, TranslatesTheFileWithinItsTimeBound) {
  if (GetParam().empty()) GTEST_SKIP() << "no corpus at " << kCorpus;
  const std::string input = (kCorpus / GetParam()).string();
  const std::string output = scratch.file("out.lib");
  ProgressWindow progress(prompts);
  RunServices services{.log_environment = environment, .progress = progress, .pair_done = {}};
  const TranslationRequest request{'"' + input + '"', '"' + output + '"', true, {}, {}};

  const auto start = std::chrono::steady_clock::now();
  const RunResult result = translate_libraries(request, services);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;

  ASSERT_EQ(result.pairs.size(), 1u);
  EXPECT_FALSE(result.cancelled);
  EXPECT_TRUE(result.pairs[0].translated);
  if (result.fatal) {
    EXPECT_TRUE(is_allowed_fatal(result.fatal->text)) << result.fatal->text;
  } else {
    EXPECT_FALSE(result.pairs[0].files_written.empty());
    EXPECT_TRUE(fs::is_regular_file(scratch.file("out.err")));
  }
  EXPECT_TRUE(prompts.warnings.empty());
  EXPECT_LT(elapsed.count(), kSecondsPerFile) << input;
}

// The whole text of one translation in memory, read the short way or not.
std::string translated(const std::string& input, bool quick) {
  TranslationOptions options;
  options.quick_number_assignments = quick;
  return whole_translation(input, options);
}

TEST_P(WholeCorpus, ReadsModelCardsTheShortWayAsTokenByToken) {
  if (GetParam().empty()) GTEST_SKIP() << "no corpus at " << kCorpus;
  std::ifstream in(kCorpus / GetParam(), std::ios::binary);
  const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(translated(input, true), translated(input, false));
}

INSTANTIATE_TEST_SUITE_P(Corpus, WholeCorpus, ::testing::ValuesIn(corpus_files()), case_name);

}  // namespace
}  // namespace corvane
