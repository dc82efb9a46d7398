#include "run/session_log.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "run/progress_window.h"
#include "run/string_table.h"
#include "support/run_fakes.h"

namespace corvane {
namespace {

using testing::read_file;
using MC = MessageCategory;

class SessionLogTest : public ::testing::Test {
 protected:
  SessionLogTest() { file_system_.volumes["A:\\"] = VolumeInfo{"FAT", 12}; }
  std::string path(const std::string& name = "out.err") { return scratch_.file(name); }

  testing::ScratchDirectory scratch_;
  testing::FakePrompts prompts_;
  testing::FakeFileSystem file_system_;
  LogEnvironment environment_{MessageFilter(), {}, prompts_, file_system_};
};

TEST_F(SessionLogTest, HeaderThenPostedLineAndStatusTextsWaitForTheNext) {
  SessionLog log(environment_);
  log.set_log_file(path());
  log.begin_status(string_text(IDS_TRANSLATOR_VERSION));
  log.add_argument("1.0");
  log.post(MC::STATUS, "Translator started at Monday");
  log.post_status("WARNING: first");
  EXPECT_EQ(log.counts(), (CategoryCounts{0, 0, 0, 2}));
  log.post_status("WARNING: second");
  EXPECT_EQ(log.counts(), (CategoryCounts{0, 0, 0, 3}));
  log.close();
  EXPECT_EQ(read_file(path()),
            "STATUS: Ondrel library translator (1.0)\nSTATUS: Translator started at Monday\n"
            "STATUS: WARNING: first\nSTATUS: WARNING: second\n");
  EXPECT_TRUE(prompts_.warnings.empty());
}

TEST_F(SessionLogTest, ArgumentsFillConversionsOrAppend) {
  SessionLog log(environment_);
  log.set_log_file(path());
  log.begin_status("no conversion");
  log.add_argument(" here").add_argument("!");
  log.begin_status("100%%s of %s and %s");
  log.add_argument("a").add_argument("b");
  // An argument is never read as a conversion by the next one.
  log.begin_status("%s and %s");
  log.add_argument("50%s").add_argument("x");
  log.post(MC::STATUS, "");  // an empty text is ignored
  log.close();
  EXPECT_EQ(read_file(path()),
            "STATUS: no conversion here!\nSTATUS: 100%s of a and b\nSTATUS: 50%s and x\n");
}

TEST_F(SessionLogTest, NumberedErrorIsHeldAndCloseAddsTheHeadings) {
  SessionLog log(environment_);
  log.set_log_file(path());
  log.post(MC::STATUS, "started");
  log.write_group_headings();  // nothing held yet
  log.post_numbered_error(IDS_USER_CANCEL);
  log.post(MC::STATUS, "stopped");
  log.post_numbered_error(42);
  log.close();
  EXPECT_EQ(read_file(path()),
            "STATUS: started\nSTATUS: stopped\n"
            "STATUS: Design Messages:\nSTATUS: Symbol Library Messages:\n");
  std::vector<HeldMessage> held = environment_.held.snapshot();
  ASSERT_EQ(held.size(), 2u);
  EXPECT_EQ(held[0].text, "[FWK29006] User pressed cancel");
  EXPECT_EQ(held[0].id, 29006);
  EXPECT_EQ(held[0].category, MC::ERROR);
  EXPECT_EQ(held[1].text, "[FWK0042] ");
}

TEST_F(SessionLogTest, FilterSuppressesAndTheFirstCloseClearsStatus) {
  LogEnvironment filtered{MessageFilter("status, FWK0042 ,abc"), {}, prompts_, file_system_};
  SessionLog log(filtered);
  log.set_log_file(path());
  log.post(MC::STATUS, "not written");
  log.post_numbered_error(42);
  log.post(MC::INFO, "held");
  EXPECT_EQ(log.counts(), (CategoryCounts{}));
  ASSERT_EQ(filtered.held.snapshot().size(), 1u);
  EXPECT_EQ(filtered.held.snapshot()[0].text, "held");
  log.close();
  EXPECT_FALSE(std::filesystem::exists(path()));  // no empty log is left behind
  EXPECT_FALSE(filtered.filter.suppresses(MC::STATUS, 0));
}

// A log that cannot be made beside its output is said to be missing, and
// the run goes on without one: no copy lands in a shared directory.
TEST_F(SessionLogTest, AnUncreatableLogIsSaidAndLeftOut) {
  for (const std::string& name :
       {std::string("Q:\\models\\q.err"), std::string("rel.err"),
        std::string("A:\\models\\longfilename.err"), path("missing/out.err")}) {
    // Names the rules refuse are no failure; a folder that is not there is.
    const bool refused_by_the_system = name == path("missing/out.err");
    prompts_.warnings.clear();
    SessionLog log(environment_);
    log.set_log_file(name);
    EXPECT_EQ(prompts_.warnings,
              (std::vector<std::string>{"Unable to create error file " + name + "!",
                                        "No error logging will be done for this translation!"}));
    EXPECT_EQ(log.log_file_name(), "");
    log.post(MC::STATUS, "one");
    log.post(MC::STATUS, "two");
    EXPECT_EQ(prompts_.warnings.size(), 2u);
    EXPECT_EQ(log.counts(), (CategoryCounts{0, 0, 0, 2}));  // counted all the same
    EXPECT_EQ(log.close(), !refused_by_the_system);
    EXPECT_FALSE(std::filesystem::exists("rel.err"));
  }
  EXPECT_TRUE(std::filesystem::is_empty(scratch_.directory()));
  // The next log of the session is written as usual.
  SessionLog log(environment_);
  log.set_log_file(path());
  log.post(MC::STATUS, "line");
  EXPECT_TRUE(log.close());
  EXPECT_EQ(read_file(path()), "STATUS: line\n");
}

// A log whose file cannot be put in place (here a directory holds its name)
// is reported, and the close says so.
TEST_F(SessionLogTest, ALogThatCannotBePutInPlaceIsReported) {
  std::filesystem::create_directory(path());
  SessionLog log(environment_);
  log.set_log_file(path());
  log.post(MC::STATUS, "line");
  EXPECT_FALSE(log.close());
  EXPECT_EQ(prompts_.warnings,
            std::vector<std::string>{"Unable to write error file " + path() + "!"});
  EXPECT_TRUE(std::filesystem::is_directory(path()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch_.directory()),
                          std::filesystem::directory_iterator()),
            1);  // no temporary file left beside it
}

TEST_F(SessionLogTest, LinesGoToTheFileTheyWerePostedFor) {
  {
    SessionLog log(environment_);
    log.set_log_file(path("a.err"));
    log.post_status("for a");
    log.set_log_file(path("b.err"));
    EXPECT_EQ(log.counts(), (CategoryCounts{}));
    log.post(MC::STATUS, "for b");
    EXPECT_TRUE(log.close());
    log.post(MC::STATUS, "after close");  // must not reopen and truncate b.err
    log.flush();
    log.set_log_file(path("c.err"));
    log.post_status("pending when destroyed");
  }
  EXPECT_EQ(read_file(path("a.err")), "STATUS: for a\n");
  EXPECT_EQ(read_file(path("b.err")), "STATUS: for b\n");
  EXPECT_EQ(read_file(path("c.err")), "STATUS: pending when destroyed\n");
}

// A log on a stream takes the lines posted for it, the pending one too
// when the next log starts; once closed, nothing reaches it.
TEST_F(SessionLogTest, LinesGoToTheStreamTheyWerePostedFor) {
  testing::StringStream stream("standard error");
  SessionLog log(environment_);
  log.set_log_stream(stream);
  EXPECT_EQ(log.log_file_name(), "standard error");
  log.post(MC::STATUS, "one");
  log.post_status("two");
  EXPECT_EQ(stream.text, "STATUS: one\n");
  log.set_log_file(path("a.err"));
  log.post(MC::STATUS, "for a");
  EXPECT_TRUE(log.close());
  EXPECT_EQ(stream.text, "STATUS: one\nSTATUS: two\n");
  EXPECT_EQ(read_file(path("a.err")), "STATUS: for a\n");

  log.set_log_stream(stream);
  log.post(MC::STATUS, "three");
  EXPECT_TRUE(log.close());
  log.post(MC::STATUS, "after close");
  log.flush();
  EXPECT_EQ(stream.text, "STATUS: one\nSTATUS: two\nSTATUS: three\n");
  EXPECT_EQ(stream.writes, 3);
}

TEST_F(SessionLogTest, ProgressGoesThroughTheRunsWindow) {
  SessionLog log(environment_);
  log.step(1);  // no window yet: nothing to advance
  ProgressWindow window(prompts_);
  window.open_window(nullptr);
  window.set_range(20);
  log.set_progress_window(&window);
  log.step(1);
  EXPECT_EQ(window.position(), 1);
}

}  // namespace
}  // namespace corvane
