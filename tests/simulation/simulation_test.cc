// Meaning proved by simulation: every circuit of tests/simulation/circuits
// is simulated by ngspice as HSPICE text and, translated by corvane, as
// Ondrel text; the node voltages and source currents must agree. See
// docs/simulation.md.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "ngspice_limits.h"
#include "raw_file.h"
#include "support/child_process.h"
#include "support/run_fakes.h"
#include "vector_comparison.h"

namespace corvane::simulation {
namespace {

namespace fs = std::filesystem;
using corvane::testing::find_on_path;
using corvane::testing::read_file;
using corvane::testing::run_program;
using corvane::testing::write_file;

// ngspice reads HSPICE text in its HSPICE mode, and Ondrel's brace
// expressions and params: subcircuits in its PSpice mode.
constexpr const char* kReferenceMode = "hs";
constexpr const char* kTranslationMode = "ps";

fs::path circuits_folder() { return fs::path(CORVANE_SOURCE_DIR) / "tests/simulation/circuits"; }

std::vector<std::string> circuit_names() {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(circuits_folder(), error)) {
    if (entry.path().extension() == ".sp") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The files a circuit reads besides itself: the libraries and includes
// beside it.
bool is_library(const fs::path& path) {
  const std::string extension = path.extension().string();
  return extension == ".lib" || extension == ".inc";
}

struct Simulation {
  std::vector<Plot> plots;
  std::string problem;  // why there are no plots
};

// Runs ngspice in `mode` on `netlist` in `directory`.
Simulation simulate(const fs::path& directory, const std::string& netlist, const char* mode) {
  write_file((directory / ".spiceinit").string(),
             std::string("set ngbehavior=") + mode + "\nset filetype=ascii\n");
  const fs::path raw = directory / "result.raw";
  const fs::path log = directory / "ngspice.log";
  const corvane::testing::ProgramEnd end =
      run_program({find_on_path("ngspice"), "-b", "-r", raw.string(), netlist}, directory.string(),
                  log.string(), log.string());
  Simulation simulation;
  const std::string log_text = read_file(log.string());
  if (!end.started || end.status != 0 || !fs::exists(raw)) {
    simulation.problem = "ngspice (" + std::string(mode) + ") ended with status " +
                         std::to_string(end.status) + ":\n" + log_text;
    return simulation;
  }
  std::string error;
  simulation.plots = read_raw_file(read_file(raw.string()), error);
  if (simulation.plots.empty()) simulation.problem = error + "\n" + log_text;
  return simulation;
}

// Translates `input` into `output`, with its log beside it; the log's text.
std::string translate(const fs::path& input, const fs::path& output) {
  const fs::path printed = output.parent_path() / (output.stem().string() + ".printed");
  run_program({CORVANE_BINARY, "-q", input.string(), "-o", output.string()}, {}, printed.string(),
              printed.string());
  fs::path log = output;
  log.replace_extension(".err");
  return read_file(log.string());
}

// The log names each node whose spelling the translation changed ("INFO:
// Name in+ is written as inp"); the translation's vectors are given back
// their source names so the two simulations compare node by node.
void restore_source_names(std::vector<Plot>& plots, const std::string& logs) {
  static const std::regex kRename(R"(INFO: Name (\S+) is written as (\S+))");
  std::map<std::string, std::string> source_of;
  for (auto match = std::sregex_iterator(logs.begin(), logs.end(), kRename);
       match != std::sregex_iterator(); ++match) {
    source_of["v(" + (*match)[2].str() + ")"] = "v(" + (*match)[1].str() + ")";
  }
  for (Plot& plot : plots) {
    for (std::string& name : plot.names) {
      const auto found = source_of.find(name);
      if (found != source_of.end()) name = found->second;
    }
  }
}

class SimulatedCircuit : public ::testing::TestWithParam<std::string> {};

TEST_P(SimulatedCircuit, AgreesWithItsTranslation) {
  if (find_on_path("ngspice").empty()) GTEST_SKIP() << "ngspice is not installed";
  const std::string name = GetParam();
  const fs::path work =
      fs::temp_directory_path() / ("corvane_simulation_" + name + "_" + std::to_string(::getpid()));
  fs::remove_all(work);
  const fs::path reference = work / "hspice";
  const fs::path translated = work / "ondrel";
  fs::create_directories(reference);
  fs::create_directories(translated);

  std::string logs;
  for (const auto& entry : fs::directory_iterator(circuits_folder())) {
    if (is_library(entry.path())) {
      fs::copy_file(entry.path(), reference / entry.path().filename());
      logs += translate(entry.path(), translated / entry.path().filename());
    }
  }
  fs::copy_file(circuits_folder() / (name + ".sp"), reference / (name + ".sp"));
  logs += translate(circuits_folder() / (name + ".sp"), translated / (name + ".lib"));
  // A copy of the translation, edited only where ngspice falls short of
  // Ondrel, is what ngspice reads.
  const std::string translation = read_file((translated / (name + ".lib")).string());
  write_file((translated / (name + ".cir")).string(), for_ngspice(translation));
  for (const auto& entry : fs::directory_iterator(translated)) {
    if (entry.path().extension() == ".lib" && entry.path().stem() != name) {
      write_file(entry.path().string(), for_ngspice(read_file(entry.path().string())));
    }
  }

  const Simulation expected = simulate(reference, name + ".sp", kReferenceMode);
  ASSERT_TRUE(expected.problem.empty()) << "the HSPICE circuit itself: " << expected.problem;
  Simulation actual = simulate(translated, name + ".cir", kTranslationMode);
  restore_source_names(actual.plots, logs);
  std::vector<std::string> differences = actual.problem.empty()
                                             ? compare_plots(expected.plots, actual.plots)
                                             : std::vector<std::string>{actual.problem};
  std::string listed;
  for (const std::string& difference : differences) listed += difference + "\n";

  // A circuit that a known defect makes differ is marked with the title of
  // the issue that mends it; once it agrees, the mark must go.
  const fs::path mark = circuits_folder() / (name + ".xfail");
  if (fs::exists(mark)) {
    EXPECT_FALSE(differences.empty())
        << name << " agrees with its translation now: remove " << mark.filename()
        << " (marked for: " << read_file(mark.string()) << ")";
  } else {
    EXPECT_TRUE(differences.empty()) << listed << "\ntranslation:\n"
                                     << translation << "\nlogs:\n"
                                     << logs;
  }
  if (!HasFailure()) fs::remove_all(work);
}

std::string case_name(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

INSTANTIATE_TEST_SUITE_P(Circuits, SimulatedCircuit, ::testing::ValuesIn(circuit_names()),
                         case_name);

TEST(SimulationSuite, FindsItsCircuits) { EXPECT_GE(circuit_names().size(), 10u); }

}  // namespace
}  // namespace corvane::simulation
