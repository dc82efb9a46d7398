// "-o -": the translation on standard output, its log on standard error,
// and nothing written beside the input.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "support/run_fakes.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::without_times;

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

constexpr const char* kLibrary =
    "* models\n"
    ".model d1 d (is=1e-14 jtun=1p)\n"
    ".probe v(a)\n";

class CliStandardOutput : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return scratch.file(name); }
  void write(const std::string& name, const std::string& text) {
    testing::write_file(path(name), text);
  }
  // Runs `command` with corvane's path as $C, in the scratch folder; what
  // it writes on its streams is kept apart from the folder.
  Outcome shell(const std::string& command) {
    const std::string script = "C='" + std::string(CORVANE_BINARY) + "'; " + command;
    const testing::ProgramEnd end = testing::run_program({"/bin/sh", "-c", script}, folder(),
                                                         streams.file("out"), streams.file("err"));
    Outcome outcome;
    if (!end.started) return outcome;
    outcome.status = end.status;
    outcome.out = read_file(streams.file("out"));
    outcome.err = read_file(streams.file("err"));
    return outcome;
  }
  std::string folder() const { return scratch.directory(); }
  std::vector<std::string> files_left() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  testing::ScratchDirectory scratch;
  testing::ScratchDirectory streams;
};

TEST_F(CliStandardOutput, HoldsWhatTheOutputFileWouldAndTheLogGoesToStandardError) {
  write("lib.sp", kLibrary);
  ASSERT_EQ(shell("\"$C\" -q -o file.lib lib.sp").status, 0);
  const std::string file = read_file(path("file.lib"));
  const std::string log = read_file(path("file.err"));
  ASSERT_NE(log.find("STATUS: WARNING: Found PROBE statement"), std::string::npos);

  const Outcome quiet = shell("\"$C\" -q -o - lib.sp");
  EXPECT_EQ(quiet.status, 0) << quiet.err;
  EXPECT_EQ(quiet.out, file);
  EXPECT_EQ(without_times(quiet.err), without_times(log));
  // Nothing beside the input: no lib.lib, no lib.err, no "-".
  EXPECT_EQ(files_left(), (std::vector<std::string>{"file.err", "file.lib", "lib.sp"}));

  // The summary line follows the log and names the streams; the option may
  // come after the input and be spelled long.
  const Outcome summed = shell("\"$C\" lib.sp --output=-");
  EXPECT_EQ(summed.status, 0);
  EXPECT_EQ(summed.out, file);
  EXPECT_EQ(without_times(summed.err),
            without_times(log) + path("lib.sp") +
                ": wrote standard output; log standard error; 2 warnings, 1 model parameter "
                "dropped on 1 card; yellow\n");
  EXPECT_EQ(files_left(), (std::vector<std::string>{"file.err", "file.lib", "lib.sp"}));

  // A report to a file lists the streams as the pair's files.
  const Outcome reported = shell("\"$C\" -q --report r.json -o - lib.sp");
  EXPECT_EQ(reported.status, 0);
  EXPECT_EQ(reported.out, file);
  EXPECT_NE(read_file(path("r.json")).find("\"files_written\": [\"standard output\"]"),
            std::string::npos);
}

TEST_F(CliStandardOutput, ReadsStandardInputToo) {
  const std::string expected = "* title\nr1 a b 1k \n.end\n";
  const Outcome piped = shell("printf 'title\\nr1 a b 1k\\n.end\\n' | \"$C\" -q -o - -");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, expected);
  EXPECT_NE(piped.err.find("STATUS: Translator started at "), std::string::npos);
  const Outcome reversed = shell("printf 'title\\nr1 a b 1k\\n.end\\n' | \"$C\" - -o -");
  EXPECT_EQ(reversed.status, 0) << reversed.err;
  EXPECT_EQ(reversed.out, expected);
  EXPECT_TRUE(files_left().empty());
}

// Section files are files: such an input is a usage error once it is
// translated, and standard output stays empty.
TEST_F(CliStandardOutput, SectionFilesAreRefusedWithStatusTwo) {
  write("m.sp", "title\n.lib tt\n.param a=1\n.endl tt\n.lib ff\n.param a=2\n.endl ff\n");
  const Outcome outcome = shell("\"$C\" -q -o - m.sp");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("corvane: " + path("m.sp") +
                             ": its 2 .lib sections make section files, which cannot be written "
                             "to standard output; its translation was not written\n"
                             "corvane: give -o FILE or -d DIR to write the section files\n"),
            std::string::npos)
      << outcome.err;
  EXPECT_EQ(files_left(), std::vector<std::string>{"m.sp"});
}

// What a pair prints for standard output (the fatal number literal) goes
// to standard error when standard output holds the translation.
TEST_F(CliStandardOutput, WhatAPairPrintsGoesToStandardError) {
  write("long.sp", "title\n.subckt x 123456789012345678901234\n.ends\n");
  const Outcome outcome = shell("\"$C\" -q -o - long.sp");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_NE(outcome.err.find("\n2: [Error]  Number literal greater than 20 characters\nFatal "
                             "Error: Too many errors\n"),
            std::string::npos)
      << outcome.err;
  EXPECT_EQ(files_left(), std::vector<std::string>{"long.sp"});
}

// Standard output holds one translation and nothing else.
TEST_F(CliStandardOutput, OneInputAloneMayGoThere) {
  write("a.sp", "title\n.op\n");
  write("b.sp", "title\n.op\n");
  for (const char* command :
       {"\"$C\" -o - a.sp b.sp", "\"$C\" -o - -o b.lib a.sp b.sp", "\"$C\" -o b.lib -o - a.sp b.sp",
        "\"$C\" -o - -d out a.sp", "\"$C\" -o - --report - a.sp"}) {
    const Outcome outcome = shell(command);
    EXPECT_EQ(outcome.status, 2) << command;
    EXPECT_EQ(outcome.out, "") << command;
    EXPECT_EQ(outcome.err.rfind("corvane: ", 0), 0u) << command << ": " << outcome.err;
  }
  EXPECT_NE(shell("\"$C\" -o - a.sp b.sp").err.find("give one INPUT, not 2"), std::string::npos);
  EXPECT_NE(shell("\"$C\" -o - --report - a.sp").err.find("both write to standard output"),
            std::string::npos);
  EXPECT_EQ(files_left(), (std::vector<std::string>{"a.sp", "b.sp"}));
}

// A translation that standard output does not take fails the run, said on
// standard error: a full disk, a reader that has gone.
TEST_F(CliStandardOutput, AFailedWriteEndsWithStatusOne) {
  write("a.sp", "title\n.op\n");
  if (fs::exists("/dev/full")) {
    const Outcome full = shell("\"$C\" -q -o - a.sp >/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("corvane: cannot write the translation to standard output: No space "
                            "left on device\n"),
              std::string::npos)
        << full.err;
  }
  // Far more than a pipe holds, so the writer meets the closed pipe.
  std::string big = "* big\n";
  for (int i = 0; big.size() < (std::size_t{2} << 20); ++i) {
    big += "r" + std::to_string(i) + " n" + std::to_string(i) + " 0 1k\n";
  }
  write("big.sp", big);
  const Outcome closed =
      shell("{ \"$C\" -q -o - big.sp; echo \"corvane ended $?\" >&2; } | head -c 10 >/dev/null");
  EXPECT_NE(closed.err.find("corvane: cannot write the translation to standard output: Broken "
                            "pipe\n"),
            std::string::npos)
      << closed.err;
  EXPECT_NE(closed.err.find("corvane ended 1\n"), std::string::npos) << closed.err;
  EXPECT_EQ(files_left(), (std::vector<std::string>{"a.sp", "big.sp"}));
}

}  // namespace
}  // namespace corvane
