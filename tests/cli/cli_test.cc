#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "support/child_process.h"
#include "support/run_fakes.h"
#include "support/sanitized.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_file;

struct Outcome {
  int status = -1;         // the exit status, or 128 + the signal that ended it
  bool by_signal = false;  // ended by a signal rather than by exiting
  std::string out;
  std::string err;
};

// Runs corvane with `arguments`; `during` runs while it does (given its pid).
Outcome run_corvane(const std::vector<std::string>& arguments, const std::string& scratch,
                    const std::function<void(pid_t)>& during = {}) {
  const std::string out_path = scratch + "/stdout.txt";
  const std::string err_path = scratch + "/stderr.txt";
  std::vector<std::string> words = {CORVANE_BINARY};
  words.insert(words.end(), arguments.begin(), arguments.end());
  const testing::ProgramEnd end = testing::run_program(words, {}, out_path, err_path, during);
  Outcome outcome;
  if (!end.started) return outcome;
  outcome.status = end.status;
  outcome.by_signal = end.by_signal;
  outcome.out = read_file(out_path);
  outcome.err = read_file(err_path);
  return outcome;
}

bool contains(const std::string& text, const std::string& piece) {
  return text.find(piece) != std::string::npos;
}

class Cli : public ::testing::Test {
 protected:
  std::string path(const std::string& name) const { return scratch.file(name); }
  void write(const std::string& name, const std::string& text) {
    std::ofstream(path(name), std::ios::binary) << text;
  }
  Outcome run(const std::vector<std::string>& arguments) {
    return run_corvane(arguments, scratch.directory());
  }
  testing::ScratchDirectory scratch;
};

TEST_F(Cli, UsageErrorsAndMissingInputsEndWithStatusTwo) {
  EXPECT_EQ(run({}).status, 2);
  EXPECT_EQ(run({"--no-such-option", path("x.sp")}).status, 2);
  EXPECT_EQ(run({"-j", "0", path("x.sp")}).status, 2);
  write("a.sp", "title\n.op\n");
  EXPECT_EQ(run({"-o", path("1.lib"), "-o", path("2.lib"), path("a.sp")}).status, 2);
  const Outcome missing = run({path("a.sp"), path("missing.sp")});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "corvane: Input file " + path("missing.sp") + " does not exist!\n");
  EXPECT_FALSE(fs::exists(path("a.lib")));  // nothing is translated
  EXPECT_EQ(run({"--help"}).status, 0);
  const Outcome version = run({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find("1.0"), std::string::npos);
}

// Messages start with the program's name and say what is wrong in words;
// outputs are derived into -d DIR, never beside a pipe or a device.
TEST_F(Cli, UsageMessagesNameTheProgramAndOutputsGoWhereAsked) {
  write("a.sp", "title\n.op\n");
  const Outcome unknown = run({"--no-such-option", path("a.sp")});
  EXPECT_EQ(unknown.err.rfind("corvane: ", 0), 0u) << unknown.err;
  const Outcome no_jobs = run({"-j", "0", path("a.sp")});
  EXPECT_EQ(no_jobs.status, 2);
  EXPECT_NE(no_jobs.err.find("corvane: --jobs: 0 is out of range: -j takes how many files to "
                             "translate at once, 1 or more"),
            std::string::npos)
      << no_jobs.err;
  fs::create_directory(path("folder"));
  const Outcome folder = run({path("folder")});
  EXPECT_EQ(folder.status, 2);
  EXPECT_EQ(folder.err, "corvane: " + path("folder") + " is a directory; give the files in it\n");
  const Outcome pipe = run({"/dev/stdin"});
  EXPECT_EQ(pipe.status, 2);
  EXPECT_NE(pipe.err.find("give -o or -d"), std::string::npos) << pipe.err;
  const Outcome report = run({"--report", path("no/such/folder/r.json"), path("a.sp")});
  EXPECT_EQ(report.status, 2);
  EXPECT_NE(report.err.find("cannot be written"), std::string::npos) << report.err;
  EXPECT_FALSE(fs::exists(path("a.lib")));  // refused before the run

  write("b.sp", "title\n.op\n");
  const Outcome into =
      run({"-q", "-d", path("made"), "-o", path("own.lib"), path("b.sp"), path("a.sp")});
  EXPECT_EQ(into.status, 0) << into.err;
  EXPECT_TRUE(fs::exists(path("own.lib")));  // its own -o wins
  EXPECT_TRUE(fs::exists(path("made/a.lib")));
  EXPECT_TRUE(fs::exists(path("made/a.err")));
  EXPECT_FALSE(fs::exists(path("a.lib")));
}

// "-" reads standard input into -d DIR/stdin.lib; "--report -" writes the
// report to standard output.
TEST_F(Cli, StandardInputAndAReportOnStandardOutput) {
  const std::string command = "printf 'title\\nr1 a b 1k\\n.end\\n' | '" +
                              std::string(CORVANE_BINARY) + "' -q - -d '" + path("std") +
                              "' --report -";
  const testing::ProgramEnd end =
      testing::run_program({"/bin/sh", "-c", command}, {}, path("out.txt"), path("err.txt"));
  EXPECT_EQ(end.status, 0) << read_file(path("err.txt"));
  EXPECT_EQ(read_file(path("std/stdin.lib")), "* title\nr1 a b 1k \n.end\n");
  EXPECT_TRUE(fs::exists(path("std/stdin.err")));
  EXPECT_NE(read_file(path("out.txt")).find("\"format\": \"corvane translation report\""),
            std::string::npos);
  // Without -o or -d its outputs would have no folder.
  const testing::ProgramEnd refused =
      testing::run_program({"/bin/sh", "-c", "'" + std::string(CORVANE_BINARY) + "' - </dev/null"},
                           {}, path("out.txt"), path("err.txt"));
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(read_file(path("err.txt")).find("give -o or -d"), std::string::npos);
}

TEST_F(Cli, DerivesOutputsAndSummarisesEachPair) {
  fs::create_directory(path("in"));
  fs::create_directory(path("out"));
  write("in/a.sp", "title\n.op\n");
  write("in/b.model.sp", "title\n.probe v(a)\n");
  write(
      "in/c.sp",
      "title\n.options post probe\n.model q1 npn bf=100 ikf2=1 xyz=2\n.model q2 npn tlev=1\n.op\n");
  const Outcome outcome = run({"-o", path("out"), "-o", path("named.lib"), path("in/a.sp"),
                               path("in/b.model.sp"), path("in/c.sp")});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(read_file(path("out/a.lib")), "* title\n.op\n");
  EXPECT_TRUE(fs::exists(path("out/a.err")));
  EXPECT_TRUE(fs::exists(path("named.lib")));
  EXPECT_TRUE(fs::exists(path("named.err")));
  EXPECT_TRUE(fs::exists(path("in/c.lib")));  // no -o: beside its input
  EXPECT_EQ(outcome.err, path("in/a.sp") + ": wrote " + path("out/a.lib") + "; log " +
                             path("out/a.err") + "; 0 warnings; green\n" + path("in/b.model.sp") +
                             ": wrote " + path("named.lib") + "; log " + path("named.err") +
                             "; 1 warning; yellow\n" + path("in/c.sp") + ": wrote " +
                             path("in/c.lib") + "; log " + path("in/c.err") +
                             "; 1 warning, 3 model parameters dropped on 2 cards, 2 options "
                             "dropped; yellow\n"
                             "corvane: 3 files: 3 translated; 2 warnings, 3 model parameters "
                             "dropped on 2 cards, 2 options dropped; yellow\n");
  EXPECT_NE(read_file(path("in/c.err"))
                .find("WARNING: Model parameters dropped: 3 on 2 cards; most often ikf2 (1), "
                      "tlev (1), xyz (1)"),
            std::string::npos);
  const Outcome quiet = run({"-q", "--no-subckt", path("in/a.sp")});
  EXPECT_EQ(quiet.status, 0);
  EXPECT_EQ(quiet.err, "");
}

TEST_F(Cli, FatalConditionsEndWithStatusOneAndTheirMessage) {
  write("long.sp", "title\n.subckt x 123456789012345678901234\n.ends\n");
  const Outcome number = run({"-q", path("long.sp")});
  EXPECT_EQ(number.status, 1);
  EXPECT_EQ(
      number.out,
      "\n2: [Error]  Number literal greater than 20 characters\nFatal Error: Too many errors\n");
  EXPECT_FALSE(fs::exists(path("long.lib")));

  write("a.sp", "title\n.op\n");
  fs::create_directory(path("taken.lib"));
  const Outcome output = run({"-q", "-o", path("taken.lib"), path("a.sp")});
  // A directory given as output is a directory to write into.
  EXPECT_EQ(output.status, 0);
  EXPECT_TRUE(fs::exists(path("taken.lib/a.lib")));
}

TEST_F(Cli, APairNotTranslatedEndsWithStatusOne) {
  write("a.sp", "title\n.op\n");
  write("b.sp", "title\n.op\n");
  write("plain", "a file, no folder");
  // b's output folder would have to be made inside a plain file.
  const Outcome outcome =
      run({"-o", path("a.lib"), "-o", path("plain/sub/b.lib"), path("a.sp"), path("b.sp")});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find(path("b.sp") + ": not translated; red"), std::string::npos);
  EXPECT_EQ(read_file(path("a.lib")), "* title\n.op\n");  // the other pair is done
}

// An output that is a device or a FIFO is refused, never replaced by a
// file; an existing output file keeps its permissions.
TEST_F(Cli, OutputsReplaceOnlyFilesAndKeepTheirPermissions) {
  write("a.sp", "title\n.op\n");
  ASSERT_EQ(::mkfifo(path("pipe.lib").c_str(), 0600), 0);
  const Outcome refused = run({"-q", "-o", path("pipe.lib"), path("a.sp")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(fs::is_fifo(path("pipe.lib")));
  write("kept.lib", "old");
  fs::permissions(path("kept.lib"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(run({"-q", "-o", path("kept.lib"), path("a.sp")}).status, 0);
  EXPECT_EQ(read_file(path("kept.lib")), "* title\n.op\n");
  EXPECT_EQ(fs::status(path("kept.lib")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A path is taken as it is: a double quote is part of its name, not
// quoting (x"y.sp once read xy.sp and overwrote xy.lib).
TEST_F(Cli, PathsArePassedThroughUnchanged) {
  write("x\"y.sp", "quoted\n.op\n");
  write("xy.sp", "other\n.op\n");
  write("xy.lib", "keep");
  ASSERT_EQ(run({"-q", path("x\"y.sp")}).status, 0);
  EXPECT_EQ(read_file(path("x\"y.lib")), "* quoted\n.op\n");
  EXPECT_EQ(read_file(path("xy.lib")), "keep");
}

// A run that would write over one of its inputs, or write two of its files
// as one, is refused before anything is translated.
TEST_F(Cli, ARunThatWouldWriteOverItsOwnFilesIsRefused) {
  write("net.err", "title\n.op\n");
  write("a.sp", "title\n.op\n");
  write("models.tt.lib", "title\n.op\n");
  write("models.ff.lib", "title\n.op\n");
  fs::create_symlink(path("a.sp"), path("link.sp"));
  const Outcome log_over_input = run({path("net.err")});
  EXPECT_EQ(log_over_input.status, 2);
  EXPECT_EQ(log_over_input.err, "corvane: the input " + path("net.err") + " and the log " +
                                    path("net.err") +
                                    " are the same file; nothing was translated\n");
  EXPECT_EQ(read_file(path("net.err")), "title\n.op\n");
  // The report over an input, reached through a link.
  EXPECT_EQ(run({"--report", path("link.sp"), path("a.sp")}).status, 2);
  EXPECT_EQ(read_file(path("a.sp")), "title\n.op\n");
  // Two inputs whose outputs are one file: both would be modelsodl.lib.
  const Outcome two_as_one = run({"-o", path("models.tt.lib"), "-o", path("models.ff.lib"),
                                  path("models.tt.lib"), path("models.ff.lib")});
  EXPECT_EQ(two_as_one.status, 2);
  EXPECT_NE(two_as_one.err.find("modelsodl.lib are the same file"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("a.lib")));
  EXPECT_FALSE(fs::exists(path("modelsodl.lib")));
}

// A section file is known only after the translation: one that is an input
// of the run fails its pair, and no file of that pair is written.
TEST_F(Cli, ASectionFileThatIsAnInputIsNotWritten) {
  write("m.sp", "title\n.lib tt\n.param a=1\n.endl tt\n.lib ff\n.param a=2\n.endl ff\n");
  write("m_tt.lib", "kept\n.op\n");
  const Outcome outcome =
      run({"-q", "-o", path("m.lib"), "-o", path("other.lib"), path("m.sp"), path("m_tt.lib")});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find("The output " + path("m_tt.lib") + " is an input of this run"),
            std::string::npos);
  EXPECT_EQ(read_file(path("m_tt.lib")), "kept\n.op\n");
  EXPECT_FALSE(fs::exists(path("m_ff.lib")));
}

TEST_F(Cli, ParallelPairsGiveTheSameFiles) {
  std::vector<std::string> serial = {"-q"};
  std::vector<std::string> parallel = {"-q", "-j", "3"};
  fs::create_directory(path("s"));
  fs::create_directory(path("p"));
  for (int i = 0; i < 4; ++i) {
    const std::string name = "in" + std::to_string(i) + ".sp";
    write(name, "title " + std::to_string(i) + "\n.op\n.alter\n");
    serial.insert(serial.end(), {"-o", path("s/")});
    parallel.insert(parallel.end(), {"-o", path("p/")});
  }
  for (int i = 0; i < 4; ++i) {
    serial.push_back(path("in" + std::to_string(i) + ".sp"));
    parallel.push_back(path("in" + std::to_string(i) + ".sp"));
  }
  EXPECT_EQ(run(serial).status, 0);
  EXPECT_EQ(run(parallel).status, 0);
  for (int i = 0; i < 4; ++i) {
    const std::string name = "in" + std::to_string(i) + ".lib";
    EXPECT_EQ(read_file(path("s/" + name)), read_file(path("p/" + name)));
    EXPECT_FALSE(read_file(path("p/" + name)).empty());
  }
}

// SIGINT while the first input is still being read (a pipe the test feeds):
// that pair completes and is written, the run stops before the next.
TEST_F(Cli, InterruptFinishesThePairInHandThenStops) {
  ASSERT_EQ(mkfifo(path("slow.sp").c_str(), 0600), 0);
  write("next.sp", "title\n.op\n");
  const Outcome outcome =
      run_corvane({path("slow.sp"), path("next.sp")}, scratch.directory(), [&](pid_t pid) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        kill(pid, SIGINT);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::ofstream(path("slow.sp")) << "title\n.op\n";
      });
  EXPECT_EQ(outcome.status, 130);
  EXPECT_EQ(read_file(path("slow.lib")), "* title\n.op\n");
  EXPECT_NE(read_file(path("slow.err")).find("STATUS: Design Messages:"), std::string::npos);
  EXPECT_FALSE(fs::exists(path("next.lib")));
  EXPECT_NE(outcome.err.find("corvane: cancelled; 1 pair not translated"), std::string::npos);
}

// A kill (SIGTERM) asks as Ctrl-C does: the pair in hand completes.
TEST_F(Cli, TerminationFinishesThePairInHandThenStops) {
  ASSERT_EQ(mkfifo(path("slow.sp").c_str(), 0600), 0);
  write("next.sp", "title\n.op\n");
  const Outcome outcome =
      run_corvane({path("slow.sp"), path("next.sp")}, scratch.directory(), [&](pid_t pid) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        kill(pid, SIGTERM);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        std::ofstream(path("slow.sp")) << "title\n.op\n";
      });
  EXPECT_EQ(outcome.status, 130);
  EXPECT_FALSE(outcome.by_signal);
  EXPECT_EQ(read_file(path("slow.lib")), "* title\n.op\n");
  EXPECT_FALSE(fs::exists(path("next.lib")));
}

// Standard error read by a program that has gone (corvane ... | head): the
// run goes on to its last pair.
TEST_F(Cli, AClosedStandardErrorDoesNotStopTheRun) {
  write("a.sp", "title\n.op\n");
  write("b.sp", "title\n.op\n");
  const std::string command = "(sleep 0.3; '" + std::string(CORVANE_BINARY) + "' '" + path("a.sp") +
                              "' '" + path("b.sp") + "') 2>&1 | head -c0";
  EXPECT_EQ(std::system(("bash -c \"" + command + "\"").c_str()), 0);
  EXPECT_EQ(read_file(path("a.lib")), "* title\n.op\n");
  EXPECT_EQ(read_file(path("b.lib")), "* title\n.op\n");
}

TEST_F(Cli, ASecondInterruptEndsAtOnce) {
  ASSERT_EQ(mkfifo(path("stuck.sp").c_str(), 0600), 0);
  const Outcome outcome = run_corvane({path("stuck.sp")}, scratch.directory(), [](pid_t pid) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(pid, SIGINT);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kill(pid, SIGINT);
  });
  // The watcher ends the program itself, with its own word: a program that
  // SIGINT killed would give 130 too, but by the signal and without it.
  EXPECT_EQ(outcome.status, 130);
  EXPECT_FALSE(outcome.by_signal);
  EXPECT_EQ(outcome.err, "\ncorvane: interrupted\n");
  EXPECT_FALSE(fs::exists(path("stuck.lib")));
}

// Names in the scratch folder but the test's own output files.
std::vector<std::string> files_left(const std::string& directory) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(directory)) {
    const std::string name = entry.path().filename().string();
    if (name != "stdout.txt" && name != "stderr.txt") names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// A kill that ends the run at once (a second SIGTERM) while the log is
// being written leaves no temporary file, and the previous run's output
// and log stay as they were.
TEST_F(Cli, AKillLeavesNoTemporaryFileAndThePreviousFiles) {
  ASSERT_EQ(mkfifo(path("stuck.sp").c_str(), 0600), 0);
  write("stuck.lib", "old output\n");
  write("stuck.err", "old log\n");
  const Outcome outcome = run_corvane({path("stuck.sp")}, scratch.directory(), [](pid_t pid) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    kill(pid, SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    kill(pid, SIGTERM);
  });
  EXPECT_EQ(outcome.status, 130);
  EXPECT_EQ(read_file(path("stuck.lib")), "old output\n");
  EXPECT_EQ(read_file(path("stuck.err")), "old log\n");
  EXPECT_EQ(files_left(scratch.directory()),
            (std::vector<std::string>{"stuck.err", "stuck.lib", "stuck.sp"}));
}

// A log named by a link is written in place of the link: the file it
// points to, outside the folder, is never touched.
TEST_F(Cli, ALogNamedByALinkReplacesTheLinkNotItsTarget) {
  testing::ScratchDirectory elsewhere;
  const std::string target = elsewhere.file("precious");
  testing::write_file(target, "precious\n");
  fs::create_directory(path("out"));
  write("in.sp", "title\n.op\n");
  fs::create_symlink(target, path("out/in.err"));
  ASSERT_EQ(run({"-q", "-o", path("out/"), path("in.sp")}).status, 0);
  EXPECT_EQ(read_file(target), "precious\n");
  EXPECT_FALSE(fs::is_symlink(path("out/in.err")));
  EXPECT_TRUE(contains(read_file(path("out/in.err")), "STATUS: Translator started"));
}

// The disk fills up while the log is written (a file size limit stands in
// for it): the run says so and ends with status 1; the output, smaller than
// the limit, is written, and the earlier log is kept whole.
TEST_F(Cli, ALogThatCannotBeWrittenIsReportedAndFailsTheRun) {
  std::string input = "title\n";
  for (int i = 0; i < 20; ++i) input += ".probe v(n" + std::to_string(i) + ")\n";
  write("a.sp", input);
  write("a.err", "old log\n");
  const std::string command = "ulimit -f 1; trap '' XFSZ; exec '" + std::string(CORVANE_BINARY) +
                              "' '" + path("a.sp") + "'";
  const testing::ProgramEnd end =
      testing::run_program({"/bin/sh", "-c", command}, {}, path("stdout.txt"), path("stderr.txt"));
  ASSERT_TRUE(end.started);
  EXPECT_EQ(end.status, 1);
  const std::string err = read_file(path("stderr.txt"));
  EXPECT_TRUE(contains(err, "corvane: Unable to write error file " + path("a.err") + "!"));
  EXPECT_TRUE(contains(err, "; log " + path("a.err") + " not written;"));
  EXPECT_LT(fs::file_size(path("a.lib")), 512u);
  EXPECT_EQ(read_file(path("a.err")), "old log\n");
  EXPECT_EQ(files_left(scratch.directory()), (std::vector<std::string>{"a.err", "a.lib", "a.sp"}));
}

// A log whose name the log name rules refuse is not made anywhere else:
// the run says so and goes on.
TEST_F(Cli, ALogThatCannotBeMadeIsLeftOutAndSaid) {
  write("a:b.sp", "title\n.op\n");
  write("c.sp", "title\n.op\n");
  const Outcome outcome = run({path("a:b.sp"), path("c.sp")});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_TRUE(contains(outcome.err, "corvane: Unable to create error file " + path("a:b.err")));
  EXPECT_EQ(read_file(path("a:b.lib")), "* title\n.op\n");
  EXPECT_EQ(read_file(path("c.lib")), "* title\n.op\n");
  EXPECT_TRUE(fs::exists(path("c.err")));
  EXPECT_FALSE(fs::exists(path("a:b.err")));
}

// A library of about `megabytes`, made of resistor lines.
std::string generated_library(std::size_t megabytes) {
  std::string text = "* generated\n";
  const std::size_t size = megabytes << 20;
  for (std::size_t i = 0; text.size() < size; ++i) {
    text +=
        "r" + std::to_string(i) + " n" + std::to_string(i) + " n" + std::to_string(i + 1) + " 1k\n";
  }
  return text;
}

// An input another program cuts short while the run reads or translates it
// ends the run with a message, or is translated as read; it never brings
// the program down (a mapped input once ended with SIGBUS).
TEST_F(Cli, AnInputCutShortDuringTheRunIsNoCrash) {
  write("big.sp", generated_library(24));
  const Outcome outcome = run_corvane({"-q", path("big.sp")}, scratch.directory(), [&](pid_t) {
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    fs::resize_file(path("big.sp"), 0);
  });
  EXPECT_FALSE(outcome.by_signal) << outcome.status;
  if (outcome.status == 1) {
    EXPECT_TRUE(contains(outcome.err, "was cut short while it was read")) << outcome.err;
  } else {
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(fs::exists(path("big.lib")));
  }
}

using testing::kSanitized;

// An input that never ends fills memory until an allocation fails (a
// memory limit makes that come soon): the run ends with a message and
// status 1, not an abort; its log says why.
TEST_F(Cli, MemoryRunningOutEndsTheRunWithAMessage) {
  if (kSanitized) GTEST_SKIP() << "a sanitizer cannot run under a memory limit";
  if (!fs::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
  const std::string command = "ulimit -v 160000; exec '" + std::string(CORVANE_BINARY) +
                              "' -q -o '" + path("zero.lib") + "' /dev/zero";
  const testing::ProgramEnd end =
      testing::run_program({"/bin/sh", "-c", command}, {}, path("stdout.txt"), path("stderr.txt"));
  ASSERT_TRUE(end.started);
  EXPECT_FALSE(end.by_signal);
  EXPECT_EQ(end.status, 1);
  EXPECT_EQ(read_file(path("stderr.txt")), "corvane: out of memory translating /dev/zero\n");
  EXPECT_EQ(files_left(scratch.directory()), std::vector<std::string>{"zero.err"});
  EXPECT_TRUE(contains(read_file(path("zero.err")), "STATUS: corvane: out of memory"));
}

// A library whose many sections each repeat its text outside them: 30 KB
// outside, 200 empty sections, so some 6 MB of section files.
std::string library_with_many_sections() {
  std::string text = "* shared text\n";
  for (int i = 0; text.size() < 30000; ++i) {
    text += "r" + std::to_string(i) + " a" + std::to_string(i) + " b 1k\n";
  }
  for (int i = 0; i < 200; ++i) {
    text += ".lib s" + std::to_string(i) + "\n.endl s" + std::to_string(i) + "\n";
  }
  return text;
}

// Section files past 100 times their input are a warning; past the limit
// (here lowered) the pair stops with a message naming the option, and none
// of its files is written.
TEST_F(Cli, SectionFilesManyTimesTheirInputAreWarnedOfThenStopped) {
  write("many.sp", library_with_many_sections());
  const Outcome warned = run({"-o", path("w.lib"), path("many.sp")});
  EXPECT_EQ(warned.status, 0);
  EXPECT_TRUE(contains(warned.err, "corvane: " + path("many.sp") + ": its 200 output files hold "))
      << warned.err;
  EXPECT_TRUE(contains(warned.err, "; 1 warning; yellow"));
  EXPECT_TRUE(contains(read_file(path("w.err")), "STATUS: WARNING: The 200 output files hold "));
  EXPECT_TRUE(fs::exists(path("w_s199.lib")));

  const Outcome stopped =
      run({"-q", "--max-output-ratio", "150", "-o", path("s.lib"), path("many.sp")});
  EXPECT_EQ(stopped.status, 1);
  EXPECT_TRUE(
      contains(stopped.err, "corvane: " + path("many.sp") + ": its 200 output files would hold "));
  EXPECT_TRUE(contains(stopped.err,
                       "past the limit of 150 times; nothing of it was written\n"
                       "corvane: --max-output-ratio raises the limit (0 for none)\n"));
  EXPECT_FALSE(fs::exists(path("s_s0.lib")));
  EXPECT_EQ(run({"-q", "--max-output-ratio", "0", "-o", path("n.lib"), path("many.sp")}).status, 0);
  EXPECT_TRUE(fs::exists(path("n_s199.lib")));
  EXPECT_EQ(run({"--max-output-ratio", "-1", path("many.sp")}).status, 2);
}

// The log without its time stamps.
std::string log_without_times(const std::string& log) {
  std::string text;
  std::size_t start = 0;
  while (start < log.size()) {
    std::size_t end = log.find('\n', start);
    if (end == std::string::npos) end = log.size();
    std::string line = log.substr(start, end - start);
    const std::size_t at = line.find(" at ");
    if (line.starts_with("STATUS: Translator s") && at != std::string::npos) line.resize(at);
    text += line + '\n';
    start = end + 1;
  }
  return text;
}

constexpr const char* kLibrary =
    "* models\n"
    ".model d1 d (is=1e-14 jtun=1p)\n"
    ".probe v(a)\n";

TEST_F(Cli, ReportIsWrittenAndTheLogStaysAsItWas) {
  write("lib.sp", kLibrary);
  fs::create_directory(path("plain"));
  fs::create_directory(path("reported"));
  ASSERT_EQ(run({"-q", "-o", path("plain/"), path("lib.sp")}).status, 0);
  const Outcome outcome =
      run({"-q", "--report", path("report.json"), "-o", path("reported/"), path("lib.sp")});
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(log_without_times(read_file(path("reported/lib.err"))),
            log_without_times(read_file(path("plain/lib.err"))));
  EXPECT_EQ(read_file(path("reported/lib.lib")), read_file(path("plain/lib.lib")));
  const std::string report = read_file(path("report.json"));
  EXPECT_TRUE(contains(report, "\"input\": \"" + path("lib.sp") + "\""));
  EXPECT_TRUE(contains(report, "\"files_written\": [\"" + path("reported/lib.lib") + "\"]"));
  EXPECT_TRUE(contains(report, "{\"line\": 3, \"kind\": \".probe\", \"severity\": \"warning\""));
  EXPECT_TRUE(contains(report,
                       "\"name\": \"d1\", \"kind\": \"d\", \"written\": true, "
                       "\"dropped\": 1, \"unknown\": [\"jtun\"]"));
  EXPECT_FALSE(fs::exists(path("report.json.tmp")));
}

TEST_F(Cli, ReportIsTheSameForOneAndTwoJobs) {
  std::vector<std::string> inputs;
  for (int i = 0; i < 3; ++i) {
    const std::string name = "in" + std::to_string(i) + ".sp";
    write(name, std::string(kLibrary) + ".model d" + std::to_string(i) +
                    " d nbv=" + std::to_string(i) + "\n");
    inputs.push_back(path(name));
  }
  std::vector<std::string> serial = {"-q", "--report", path("serial.json")};
  std::vector<std::string> parallel = {"-q", "-j", "2", "--report", path("parallel.json")};
  serial.insert(serial.end(), inputs.begin(), inputs.end());
  parallel.insert(parallel.end(), inputs.begin(), inputs.end());
  ASSERT_EQ(run(serial).status, 0);
  ASSERT_EQ(run(parallel).status, 0);
  const std::string report = read_file(path("serial.json"));
  EXPECT_TRUE(contains(report, "\"files\": 3,"));
  EXPECT_TRUE(contains(report, "\"nbv\": 1"));
  EXPECT_EQ(read_file(path("parallel.json")), report);
}

TEST_F(Cli, AReportThatCannotBeWrittenEndsWithStatusOne) {
  write("a.sp", "title\n.op\n");
  // A report that cannot go where it is asked for is known before the run.
  const Outcome early = run({"-q", "--report", path("missing/report.json"), path("a.sp")});
  EXPECT_EQ(early.status, 2);
  EXPECT_TRUE(contains(
      early.err, "corvane: the report " + path("missing/report.json") + " cannot be written"));
  EXPECT_FALSE(fs::exists(path("a.lib")));
  fs::create_directory(path("dir"));
  EXPECT_EQ(run({"-q", "--report", path("dir"), path("a.sp")}).status, 2);
  // One found only when it is written (a FIFO is never replaced) fails the
  // run; the translation itself stands.
  ASSERT_EQ(mkfifo(path("report.json").c_str(), 0600), 0);
  const Outcome late = run({"-q", "--report", path("report.json"), path("a.sp")});
  EXPECT_EQ(late.status, 1);
  EXPECT_TRUE(contains(late.err, "corvane: cannot write the report " + path("report.json")));
  EXPECT_TRUE(fs::exists(path("a.lib")));
}

TEST_F(Cli, AFatalConditionStillWritesTheReport) {
  write("a.sp", kLibrary);
  write("long.sp", "title\n.subckt x 123456789012345678901234\n.ends\n");
  write("never.sp", "title\n.op\n");
  const Outcome outcome =
      run({"-q", "--report", path("report.json"), path("a.sp"), path("long.sp"), path("never.sp")});
  EXPECT_EQ(outcome.status, 1);
  const std::string report = read_file(path("report.json"));
  EXPECT_TRUE(contains(report,
                       "\"fatal\": \"2: [Error]  Number literal greater than 20 "
                       "characters Fatal Error: Too many errors\""));
  EXPECT_TRUE(contains(report, "\"files\": 2,"));
  EXPECT_FALSE(contains(report, "never.sp"));
}

TEST_F(Cli, AnInterruptedRunReportsThePairsDone) {
  ASSERT_EQ(mkfifo(path("slow.sp").c_str(), 0600), 0);
  write("next.sp", "title\n.op\n");
  const Outcome outcome =
      run_corvane({"--report", path("report.json"), path("slow.sp"), path("next.sp")},
                  scratch.directory(), [&](pid_t pid) {
                    std::this_thread::sleep_for(std::chrono::milliseconds(500));
                    kill(pid, SIGINT);
                    std::this_thread::sleep_for(std::chrono::milliseconds(100));
                    std::ofstream(path("slow.sp")) << "title\n.probe v(a)\n";
                  });
  EXPECT_EQ(outcome.status, 130);
  const std::string report = read_file(path("report.json"));
  EXPECT_TRUE(contains(report, "\"cancelled\": true"));
  EXPECT_TRUE(contains(report, "\"input\": \"" + path("slow.sp") + "\""));
  EXPECT_TRUE(contains(report, "Found PROBE statement"));
  EXPECT_FALSE(contains(report, "next.sp"));
}

}  // namespace
}  // namespace corvane
