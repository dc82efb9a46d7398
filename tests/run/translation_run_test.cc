#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <thread>

#include "run/log_environment.h"
#include "run/output_files.h"
#include "run/progress_window.h"
#include "run/translation_run.h"
#include "support/run_fakes.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using testing::read_file;
using testing::without_times;
using testing::write_file;

// A progress window whose Cancel is pressed before the given poll.
class ScriptedProgress : public ProgressWindow {
 public:
  ScriptedProgress(UserPrompts& prompts, int cancel_at_poll)
      : ProgressWindow(prompts), cancel_at_poll_(cancel_at_poll) {}
  int polls = 0;

 protected:
  void pump_messages() override {
    if (++polls == cancel_at_poll_) cancel_pressed();
  }

 private:
  int cancel_at_poll_;
};

class TranslationRun : public ::testing::Test {
 protected:
  RunResult run(const std::string& inputs, const std::string& outputs, int jobs = 1,
                int cancel_at_poll = 0) {
    ScriptedProgress progress(prompts, cancel_at_poll);
    RunServices services{environment, progress, nullptr, {}, jobs};
    services.streams = streams;
    TranslationRequest request{inputs, outputs, true, {}, {}};
    RunResult result = translate_libraries(request, services);
    polls = progress.polls;
    return result;
  }
  std::string path(const std::string& name) const { return scratch.file(name); }
  std::string quoted(const std::string& name) const { return '"' + path(name) + '"'; }
  std::size_t file_count() const {
    std::size_t count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(scratch.directory())) {
      count += entry.is_regular_file() ? 1 : 0;
    }
    return count;
  }

  testing::ScratchDirectory scratch;
  testing::FakePrompts prompts;
  RealFileSystem file_system;
  LogEnvironment environment{MessageFilter(), {}, prompts, file_system};
  int polls = 0;
  PairStreams* streams = nullptr;  // lent to the runs when set
};

TEST_F(TranslationRun, CreatesMissingOutputDirectoriesAndWritesOutputAndLog) {
  write_file(path("in.sp"), "title\n.op\n.probe v(a)\n");
  const RunResult result = run(quoted("in.sp"), quoted("new/deeper/out.lib"));
  ASSERT_EQ(result.pairs.size(), 1u);
  EXPECT_EQ(result.colour, StatusColour::yellow);
  EXPECT_EQ(result.pairs[0].files_written, std::vector<std::string>{path("new/deeper/out.lib")});
  EXPECT_EQ(read_file(path("new/deeper/out.lib")), "* title\n.op\n**** .probe v(a)\n");
  EXPECT_EQ(without_times(read_file(path("new/deeper/out.err"))),
            "STATUS: Ondrel library translator (1.0)\n"
            "STATUS: Translator started at TIME\n"
            "STATUS: WARNING: Found PROBE statement that will not be translated ()\n"
            "STATUS: Translator stopped at TIME\n");
  EXPECT_EQ(file_count(), 3u);
  EXPECT_TRUE(prompts.warnings.empty());
}

TEST_F(TranslationRun, MoreOutputsThanInputsTranslatesNothing) {
  write_file(path("in.sp"), "title\n.op\n");
  const RunResult result = run(quoted("in.sp"), quoted("a.lib") + " " + quoted("b.lib"));
  EXPECT_EQ(result.colour, StatusColour::neutral);
  EXPECT_TRUE(result.pairs.empty());
  EXPECT_EQ(file_count(), 1u);
}

TEST_F(TranslationRun, AnInputWithoutOutputIsReported) {
  for (const char* name : {"a.sp", "b.sp", "c.sp"}) write_file(path(name), "title\n.op\n");
  const RunResult result = run(quoted("a.sp") + " " + quoted("b.sp") + " " + quoted("c.sp"),
                               quoted("a.lib") + " " + quoted("b.lib"));
  ASSERT_EQ(result.pairs.size(), 3u);
  EXPECT_EQ(result.pairs[0].colour, StatusColour::green);
  EXPECT_EQ(result.pairs[1].colour, StatusColour::green);
  EXPECT_FALSE(result.pairs[2].translated);
  EXPECT_EQ(result.colour, StatusColour::red);
  EXPECT_EQ(prompts.warnings, std::vector<std::string>{"Output directory  does not exist!"});
}

TEST_F(TranslationRun, AnOutputOntoItsInputGoesBesideIt) {
  fs::create_directory(path("lib.v2"));
  write_file(path("lib.v2/models.typ.lib"), "title\n.op\n");
  const RunResult result = run(quoted("lib.v2/models.typ.lib"), quoted("lib.v2/models.typ.lib"));
  EXPECT_EQ(result.pairs[0].files_written, std::vector<std::string>{path("lib.v2/modelsodl.lib")});
  EXPECT_EQ(read_file(path("lib.v2/models.typ.lib")), "title\n.op\n");
  EXPECT_EQ(read_file(path("lib.v2/modelsodl.lib")), "* title\n.op\n");
}

// A run from the window whose files would overwrite one another is refused
// whole: here the first pair's log is the second pair's input, and two
// outputs are one file.
TEST_F(TranslationRun, ARunWhoseFilesClashIsRefusedBeforeAnythingIsWritten) {
  write_file(path("x.sp"), "title\n.op\n");
  write_file(path("x.err"), "an old log, read as an input\n");
  const RunResult result =
      run(quoted("x.sp") + " " + quoted("x.err"), quoted("x.lib") + " " + quoted("y.lib"));
  EXPECT_TRUE(result.pairs.empty());
  EXPECT_EQ(result.colour, StatusColour::red);
  EXPECT_EQ(prompts.warnings,
            std::vector<std::string>{"the input " + path("x.err") + " and the log " +
                                     path("x.err") + " are the same file; nothing was translated"});
  EXPECT_EQ(read_file(path("x.err")), "an old log, read as an input\n");
  EXPECT_FALSE(fs::exists(path("x.lib")));

  prompts.warnings.clear();
  write_file(path("y.sp"), "title\n.op\n");
  const RunResult both = run(quoted("x.sp") + " " + quoted("y.sp"),
                             quoted("out/one.lib") + " " + quoted("out/../out/one.lib"));
  EXPECT_TRUE(both.pairs.empty());
  ASSERT_EQ(prompts.warnings.size(), 1u);
  EXPECT_FALSE(fs::exists(path("out")));
}

TEST_F(TranslationRun, CancelStopsAfterThePairInHand) {
  for (const char* name : {"a.sp", "b.sp"}) write_file(path(name), "title\n.op\n");
  const RunResult result =
      run(quoted("a.sp") + " " + quoted("b.sp"), quoted("a.lib") + " " + quoted("b.lib"), 1, 1);
  EXPECT_TRUE(result.cancelled);
  EXPECT_EQ(result.colour, StatusColour::neutral);
  ASSERT_EQ(result.pairs.size(), 1u);
  EXPECT_EQ(read_file(path("a.lib")), "* title\n.op\n");
  EXPECT_FALSE(fs::exists(path("b.lib")));
  // The cancel message is held, not written; the log ends with the headings.
  EXPECT_EQ(without_times(read_file(path("a.err"))),
            "STATUS: Ondrel library translator (1.0)\n"
            "STATUS: Translator started at TIME\n"
            "STATUS: Translator stopped at TIME\n"
            "STATUS: Design Messages:\n"
            "STATUS: Symbol Library Messages:\n");
  ASSERT_FALSE(environment.held.empty());
  EXPECT_EQ(environment.held.snapshot()[0].text, "[FWK29006] User pressed cancel");
  EXPECT_EQ(prompts.questions, std::vector<std::string>{"Do you wish to cancel this process?"});
}

TEST_F(TranslationRun, ParallelRunsWriteTheSameFilesAndLogs) {
  std::string inputs;
  std::string serial_outputs;
  std::string parallel_outputs;
  for (int i = 0; i < 5; ++i) {
    const std::string name = "in" + std::to_string(i) + ".sp";
    write_file(path(name), "Title " + std::to_string(i) + "\n.op\n.probe v(" + std::to_string(i) +
                               ")\n" + std::string(i * 3000, '\n') + ".end\n");
    inputs += quoted(name) + " ";
    serial_outputs += quoted("serial/o" + std::to_string(i) + ".lib") + " ";
    parallel_outputs += quoted("parallel/o" + std::to_string(i) + ".lib") + " ";
  }
  const RunResult serial = run(inputs, serial_outputs, 1);
  const RunResult parallel = run(inputs, parallel_outputs, 3);
  ASSERT_EQ(parallel.pairs.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    for (const char* extension : {".lib", ".err"}) {
      const std::string name = "o" + std::to_string(i) + extension;
      EXPECT_EQ(without_times(read_file(path("serial/" + name))),
                without_times(read_file(path("parallel/" + name))))
          << name;
    }
    EXPECT_EQ(serial.pairs[static_cast<std::size_t>(i)].warnings,
              parallel.pairs[static_cast<std::size_t>(i)].warnings);
  }
}

// A translated pair holds its whole output until it is written: while the
// first pair's commit is slow, two workers start no more than the two pairs
// after it, so a run of many large files holds three outputs at most.
TEST_F(TranslationRun, WorkersRunNoFurtherAheadThanOnePairEach) {
  std::string inputs;
  std::string outputs;
  for (int i = 0; i < 8; ++i) {
    write_file(path("in" + std::to_string(i) + ".sp"), "Title\n.op\n.end\n");
    inputs += quoted("in" + std::to_string(i) + ".sp") + " ";
    outputs += quoted("o" + std::to_string(i) + ".lib") + " ";
  }
  std::atomic<int> started = 0;
  std::atomic<int> committed = 0;
  std::atomic<int> most_ahead = 0;
  ScriptedProgress progress(prompts, 0);
  RunServices services{environment, progress, nullptr, {}, 2};
  services.read_input = [&](const std::string& input) {
    const int ahead = ++started - committed;
    int seen = most_ahead;
    while (ahead > seen && !most_ahead.compare_exchange_weak(seen, ahead)) {
    }
    return read_input(input);
  };
  services.pair_done = [&](const PairReport&) {
    if (committed == 0) std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ++committed;
  };
  TranslationRequest request{inputs, outputs, true, {}, {}};
  const RunResult result = translate_libraries(request, services);
  EXPECT_EQ(result.pairs.size(), 8u);
  EXPECT_EQ(started, 8);
  EXPECT_LE(most_ahead, 3);
}

// A pair whose input is an earlier pair's log would destroy that input (the
// user's file) before it is read: the run is refused whole, with any number
// of workers, and the file is left as it was.
TEST_F(TranslationRun, APairReadingAnEarlierPairsLogIsRefusedWithAnyNumberOfWorkers) {
  write_file(path("big.sp"), "title\n.probe v(a)\n" + std::string(400000, '\n') + ".end\n");
  write_file(path("big.err"), "old log\nr1 a b 1\n");
  for (const int jobs : {1, 2}) {
    const RunResult result = run(quoted("big.sp") + " " + quoted("big.err"),
                                 quoted("big.lib") + " " + quoted("log.lib"), jobs);
    EXPECT_TRUE(result.pairs.empty()) << jobs;
    EXPECT_EQ(read_file(path("big.err")), "old log\nr1 a b 1\n") << jobs;
    EXPECT_FALSE(fs::exists(path("log.lib"))) << jobs;
  }
  EXPECT_EQ(prompts.warnings.size(), 2u);
}

// The paths that only several workers take: a pair translated ahead with
// the global names known then is translated again when an earlier pair
// declares more; a cancel stops the pairs not yet started; a fatal pair ends
// the run while workers are still busy. ThreadSanitizer runs these.
TEST_F(TranslationRun, ParallelRunsRetranslateForNewGlobalsAndStopCleanly) {
  write_file(path("g.sp"), "title\n.global vdd\n");
  std::string inputs = quoted("g.sp") + " ";
  std::string outputs = quoted("p/g.lib") + " ";
  for (int i = 0; i < 6; ++i) {
    const std::string name = "n" + std::to_string(i);
    write_file(path(name + ".sp"), "title\nr1 vdd a 1k\n" + std::string(i * 2000, '\n'));
    inputs += quoted(name + ".sp") + " ";
    outputs += quoted("p/" + name + ".lib") + " ";
  }
  const RunResult parallel = run(inputs, outputs, 3);
  ASSERT_EQ(parallel.pairs.size(), 7u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(read_file(path("p/n" + std::to_string(i) + ".lib")), "* title\nr1 $G_vdd a 1k \n");
  }

  // Which pairs were started when Cancel came depends on the workers; the
  // pairs reported are written and the others are not.
  std::string cancel_outputs;
  for (const char* name : {"g", "n0", "n1", "n2", "n3", "n4", "n5"}) {
    cancel_outputs += quoted("c/" + std::string(name) + ".lib") + " ";
  }
  const RunResult cancelled = run(inputs, cancel_outputs, 3, 2);
  EXPECT_TRUE(cancelled.cancelled);
  std::size_t written = 0;
  for (const auto& entry : fs::directory_iterator(path("c"))) {
    written += entry.path().extension() == ".lib" ? 1 : 0;
  }
  EXPECT_EQ(written, cancelled.pairs.size());

  write_file(path("long.sp"), "title\nr1 a b 123456789012345678901\n");
  const RunResult fatal = run(quoted("n0.sp") + " " + quoted("long.sp") + " " + inputs,
                              quoted("f/n0.lib") + " " + quoted("f/long.lib") + " " + outputs, 3);
  ASSERT_TRUE(fatal.fatal.has_value());
  EXPECT_EQ(fatal.pairs.size(), 2u);
  EXPECT_TRUE(fs::exists(path("f/n0.lib")));
}

TEST_F(TranslationRun, AnUnreadableInputEndsTheRunWithItsMessage) {
  write_file(path("a.sp"), "title\n.op\n");
  fs::create_directory(path("dir.sp"));
  write_file(path("c.sp"), "title\n.op\n");
  const RunResult result = run(quoted("a.sp") + " " + quoted("dir.sp") + " " + quoted("c.sp"),
                               quoted("a.lib") + " " + quoted("b.lib") + " " + quoted("c.lib"));
  ASSERT_TRUE(result.fatal.has_value());
  EXPECT_EQ(result.fatal->stream, StandardStream::error);
  EXPECT_EQ(result.fatal->text,
            "\nADA-91: \nSession: Can't open input file " + path("dir.sp") + "(Is a directory)\n");
  EXPECT_EQ(result.pairs.size(), 2u);
  EXPECT_EQ(result.pairs[1].colour, StatusColour::red);
  EXPECT_TRUE(fs::exists(path("a.lib")));
  EXPECT_FALSE(fs::exists(path("b.lib")));
  EXPECT_FALSE(fs::exists(path("c.lib")));
  EXPECT_NE(read_file(path("b.err")).find("STATUS: ADA-91: Session: Can't open input file"),
            std::string::npos);
}

TEST_F(TranslationRun, AnOutputThatCannotBeCreatedLeavesNothingBehind) {
  write_file(path("a.sp"), "title\n.op\n");
  fs::create_directory(path("taken.lib"));
  const RunResult result = run(quoted("a.sp"), quoted("taken.lib"));
  ASSERT_TRUE(result.fatal.has_value());
  EXPECT_EQ(result.fatal->text, "Fatal Error: Unable to open output file\n");
  EXPECT_TRUE(fs::is_directory(path("taken.lib")));
  EXPECT_EQ(file_count(), 2u);  // the input and the log
}

// Streams lent to the run take each pair's translation and log, byte for
// byte what its files would hold, and no file is made beside its output.
TEST_F(TranslationRun, StreamsTakeTheTranslationAndTheLogInPlaceOfFiles) {
  write_file(path("in.sp"), "title\n.op\n.probe v(a)\n.model d1 d (is=1e-14 jtun=1p)\n");
  const RunResult to_files = run(quoted("in.sp"), quoted("files/in.lib"));
  testing::StringStream translation("the translation");
  testing::StringStream log("the log");
  PairStreams pair_streams{translation, log};
  streams = &pair_streams;
  const RunResult result = run(quoted("in.sp"), quoted("streamed/in.lib"));
  EXPECT_FALSE(fs::exists(path("streamed")));
  ASSERT_EQ(result.pairs.size(), 1u);
  const PairReport& pair = result.pairs[0];
  EXPECT_EQ(translation.text, read_file(path("files/in.lib")));
  EXPECT_EQ(without_times(log.text), without_times(read_file(path("files/in.err"))));
  EXPECT_NE(log.text.find("STATUS: WARNING: Found PROBE statement"), std::string::npos);
  EXPECT_EQ(pair.files_written, std::vector<std::string>{"the translation"});
  EXPECT_EQ(pair.output_path, "the translation");
  EXPECT_EQ(pair.log_path, "the log");
  EXPECT_FALSE(pair.log_failed);
  EXPECT_EQ(pair.warnings, to_files.pairs[0].warnings);
  EXPECT_EQ(pair.parameters_dropped, 1);
  EXPECT_EQ(result.colour, to_files.colour);
  EXPECT_FALSE(result.fatal.has_value());
}

// A stream that takes nothing fails the pair as a file that cannot be
// written does: the translation's as a fatal condition, the log's as a log
// not written.
TEST_F(TranslationRun, AStreamThatFailsIsReported) {
  write_file(path("a.sp"), "title\n.op\n");
  testing::StringStream translation("standard output");
  testing::StringStream log("standard error");
  PairStreams pair_streams{translation, log};
  streams = &pair_streams;
  translation.full = true;
  const RunResult lost = run(quoted("a.sp"), "");
  ASSERT_TRUE(lost.fatal.has_value());
  EXPECT_FALSE(lost.fatal->sections_to_stream);
  EXPECT_EQ(lost.fatal->text,
            "corvane: cannot write the translation to standard output: the stream is full\n");
  EXPECT_EQ(lost.pairs[0].colour, StatusColour::red);
  EXPECT_FALSE(lost.pairs[0].log_failed);

  translation.full = false;
  log.full = true;
  const RunResult no_log = run(quoted("a.sp"), "");
  EXPECT_FALSE(no_log.fatal.has_value());
  EXPECT_TRUE(no_log.pairs[0].log_failed);
  EXPECT_EQ(no_log.colour, StatusColour::red);
  EXPECT_EQ(translation.text, "* title\n.op\n");
  EXPECT_EQ(prompts.warnings,
            std::vector<std::string>{"Unable to write error file standard error!"});
}

TEST(OutputFiles, NamesFollowTheOutputPath) {
  EXPECT_EQ(main_output_file("/d.x/models.v1.lib", "/d.x/models.v1.lib"), "/d.x/modelsodl.lib");
  EXPECT_EQ(main_output_file("/d/models", "/d/models"), "/d/modelsodl.lib");
  EXPECT_EQ(main_output_file("/d/out.lib", "/d/in.lib"), "/d/out.lib");
  EXPECT_EQ(section_output_file("/d.x/out.library", "tt"), "/d.x/out_tt.lib");
  EXPECT_EQ(section_output_file("/d/out", "ff"), "/d/out_ff.lib");
  EXPECT_EQ(section_output_file("/d/out.lib", "../x\\y"), "/d/out_.._x_y.lib");
}

// Which pair's files a pair reads: its output, its log, a possible section
// file, also through a link or "..", and only of an earlier pair.
TEST(OutputFiles, EarlierWritersAreFoundByTheFilesTheyWrite) {
  testing::ScratchDirectory scratch;
  fs::create_directory(scratch.file("out"));
  fs::create_symlink(scratch.file("out"), scratch.file("linked"));
  testing::write_file(scratch.file("out/shared.sp"), "x");
  fs::create_symlink(scratch.file("out/shared.sp"), scratch.file("alias.sp"));
  const auto at = [&](const std::string& name) { return scratch.file(name); };
  const std::vector<std::string> inputs = {
      at("a.sp"),                 // 0
      at("linked/a.err"),         // 1: pair 0's log, through a linked folder
      at("out/../out/a_tt.lib"),  // 2: may be a section file of pair 0
      at("b.sp"),                 // 3
      at("out/b.lib"),            // 4: pair 3's output
      at("out/a_tt.sp"),          // 5: no section file ends so
      at("alias.sp"),             // 6: pair 5's output through a link
      at("out/c.lib"),            // 7: written only by a later pair
      at("c.sp"),                 // 8
  };
  const std::vector<std::string> outputs = {at("out/a.lib"), at("o1.lib"), at("o2.lib"),
                                            at("out/b.lib"), at("o4.lib"), at("out/shared.sp"),
                                            at("o6.lib"),    at("o7.lib"), at("out/c.lib")};
  EXPECT_EQ(earlier_writers(inputs, outputs),
            (std::vector<std::size_t>{kNoPair, 0, 0, kNoPair, 3, kNoPair, 5, kNoPair, kNoPair}));
  // A pair's own files are no reason to wait.
  EXPECT_EQ(earlier_writers({at("x.lib")}, {at("x.lib")}), std::vector<std::size_t>{kNoPair});
}

// The main text counts once without sections, once per section file with
// them.
TEST(OutputFiles, OutputSizeCountsTheMainTextInEverySectionFile) {
  TranslatedBlocks output;
  output.main_text.append(std::string(1000, 'm'));
  EXPECT_EQ(output_size(output), 1000u);
  output.sections.resize(3);
  output.sections[1].text.append("twelve bytes");
  EXPECT_EQ(output_size(output), 3012u);
}

// The portable reader stops a stream that never ends at its limit.
TEST(OutputFiles, ReadingAStreamStopsAtItsLimit) {
  if (!fs::exists("/dev/zero")) GTEST_SKIP() << "no /dev/zero";
  std::string message;
  try {
    read_input_file("/dev/zero", 1 << 20);
  } catch (const FatalError& error) {
    message = error.what();
  }
  EXPECT_EQ(message,
            "corvane: /dev/zero: gave more than 1048576 bytes; an input that large must be a "
            "regular file\n");
}

TEST(OutputFiles, ASectionedOutputHoldsTheMainTextBeforeEachSection) {
  testing::ScratchDirectory scratch;
  TranslationOutput output;
  output.main_text = "* shared\n";
  output.sections = {{"tt", ".param a=1\n"}, {"ff", ".param a=2\n"}};
  const std::vector<std::string> files =
      write_output_files(output, scratch.file("out.lib"), scratch.file("in.sp"));
  EXPECT_EQ(files,
            (std::vector<std::string>{scratch.file("out_tt.lib"), scratch.file("out_ff.lib")}));
  EXPECT_EQ(read_file(scratch.file("out_tt.lib")), "* shared\n.param a=1\n");
  EXPECT_EQ(read_file(scratch.file("out_ff.lib")), "* shared\n.param a=2\n");
  EXPECT_FALSE(fs::exists(scratch.file("out.lib")));
}

}  // namespace
}  // namespace corvane
