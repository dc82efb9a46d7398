// Golden cases: tests/golden/<area>/<name>.sp is an HSPICE input; beside it
// stand the exact files a run writes for it (<name>.lib, or one
// <name>_<section>.lib per section, and <name>.err), and <name>.out when
// the run prints scanner diagnostics. The run's time stamps are normalised
// to "TIME". An optional <name>.opts holds "no-subckt".
//
// CORVANE_UPDATE_GOLDEN=1 rewrites the expected files from the actual ones,
// for review with git diff.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "run/log_environment.h"
#include "run/progress_window.h"
#include "run/translation_run.h"
#include "support/run_fakes.h"
#include "support/text_diff.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

fs::path golden_root() {
  const char* source = std::getenv("CORVANE_SOURCE_DIR");
  return fs::path(source != nullptr ? source : CORVANE_SOURCE_DIR) / "tests" / "golden";
}

std::vector<std::string> find_cases() {
  std::vector<std::string> cases;
  std::error_code error;
  for (const auto& entry : fs::recursive_directory_iterator(golden_root(), error)) {
    if (entry.path().extension() == ".sp") {
      cases.push_back(fs::relative(entry.path(), golden_root()).replace_extension().string());
    }
  }
  std::sort(cases.begin(), cases.end());
  return cases;
}

std::string read_bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_bytes(const fs::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string normalise_times(const std::string& log) {
  static const std::regex kTime("^(STATUS: Translator (started|stopped) at ).*$",
                                std::regex::multiline);
  return std::regex_replace(log, kTime, "$1TIME");
}

// The files a case expects: its own <name>.lib, .err and .out, and the
// section files <name>_<section>.lib, but never the files of another case
// whose name starts with this one's.
std::map<std::string, std::string> expected_files(const fs::path& directory,
                                                  const std::string& name) {
  std::set<std::string> other_cases;
  for (const auto& entry : fs::directory_iterator(directory)) {
    if (entry.path().extension() == ".sp" && entry.path().stem() != name) {
      other_cases.insert(entry.path().stem().string());
    }
  }
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(directory)) {
    const std::string file = entry.path().filename().string();
    const std::string stem = entry.path().stem().string();
    const std::string extension = entry.path().extension().string();
    const bool own =
        stem == name && (extension == ".lib" || extension == ".err" || extension == ".out");
    const bool section =
        file.rfind(name + "_", 0) == 0 && extension == ".lib" && !other_cases.count(stem);
    if (own || section) files[file] = read_bytes(entry.path());
  }
  return files;
}

class GoldenCase : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, MatchesExpectedFiles) {
  const fs::path input = golden_root() / (GetParam() + ".sp");
  const fs::path directory = input.parent_path();
  const std::string name = input.stem().string();
  const std::string options = read_bytes(directory / (name + ".opts"));

  testing::ScratchDirectory scratch;
  const std::string work_input = scratch.file(name + ".sp");
  fs::copy_file(input, work_input);

  testing::FakePrompts prompts;
  RealFileSystem file_system;
  LogEnvironment environment{MessageFilter(), {}, prompts, file_system};
  ProgressWindow progress(prompts);
  RunServices services{environment, progress, nullptr, {}, 1};
  TranslationRequest request;
  request.input_files = '"' + work_input + '"';
  request.output_files = '"' + scratch.file(name + ".lib") + '"';
  request.mos_family_single_subckt = options.find("no-subckt") == std::string::npos;
  const RunResult result = translate_libraries(request, services);

  std::map<std::string, std::string> actual;
  for (const auto& entry : fs::directory_iterator(scratch.directory())) {
    const std::string file = entry.path().filename().string();
    if (file == name + ".sp") continue;
    std::string text = read_bytes(entry.path());
    actual[file] = file.ends_with(".err") ? normalise_times(text) : text;
  }
  std::string console;
  for (const PairReport& pair : result.pairs) console += pair.console;
  if (result.fatal) console += result.fatal->text;
  if (!console.empty()) actual[name + ".out"] = console;

  if (std::getenv("CORVANE_UPDATE_GOLDEN") != nullptr) {
    for (const auto& [file, text] : expected_files(directory, name)) {
      if (!actual.count(file)) fs::remove(directory / file);
    }
    for (const auto& [file, text] : actual) write_bytes(directory / file, text);
    GTEST_SKIP() << "expected files rewritten";
  }

  const std::map<std::string, std::string> expected = expected_files(directory, name);
  std::set<std::string> names;
  for (const auto& [file, text] : expected) names.insert(file);
  for (const auto& [file, text] : actual) names.insert(file);
  for (const std::string& file : names) {
    const auto want = expected.find(file);
    const auto got = actual.find(file);
    if (want == expected.end()) {
      ADD_FAILURE() << file << " was written but is not expected:\n" << got->second;
    } else if (got == actual.end()) {
      ADD_FAILURE() << file << " is expected but was not written";
    } else if (want->second != got->second) {
      ADD_FAILURE() << file << " differs (- expected, + actual):\n"
                    << unified_diff(want->second, got->second);
    }
  }
}

std::string case_name(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Golden, GoldenCase, ::testing::ValuesIn(find_cases()), case_name);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(GoldenCase);

// A suite that finds no cases (a moved folder, a wrong source path) would
// pass while checking nothing.
TEST(GoldenSuite, FindsItsCasesInEveryArea) {
  const std::vector<std::string> cases = find_cases();
  for (const char* area : {"control", "core", "elements", "models"}) {
    EXPECT_TRUE(std::any_of(cases.begin(), cases.end(),
                            [&](const std::string& name) { return name.starts_with(area); }))
        << "no golden case in " << (golden_root() / area);
  }
}

}  // namespace
}  // namespace corvane
