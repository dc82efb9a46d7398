#include "run/progress_window.h"

#include <gtest/gtest.h>

#include "support/run_fakes.h"

namespace corvane {
namespace {

class RecordingWindow : public ProgressWindow {
 public:
  using ProgressWindow::ProgressWindow;
  int pumps = 0;
  int ends = 0;

 protected:
  void pump_messages() override { ++pumps; }
  void end_window() override { ++ends; }
};

class FakeOwner : public OwnerWindow {
 public:
  std::string caption() const override { return caption_; }
  void set_caption(const std::string& caption) override { caption_ = caption; }
  std::string caption_ = "  Ondrel Library Translator - a.sp ";
};

TEST(ProgressWindow, CloseRestoresTheCaptionExactlyAndOnlyOnce) {
  testing::FakePrompts prompts;
  RecordingWindow window(prompts);
  FakeOwner owner;
  window.open_window(&owner);
  owner.caption_ = "Translating";
  window.close_window();
  EXPECT_EQ(owner.caption_, "  Ondrel Library Translator - a.sp ");
  EXPECT_EQ(window.ends, 1);
  owner.caption_ = "changed later";
  window.close_window();
  EXPECT_EQ(owner.caption_, "changed later");
  EXPECT_EQ(window.ends, 1);
}

TEST(ProgressWindow, LinesAndBar) {
  testing::FakePrompts prompts;
  RecordingWindow window(prompts);
  window.open_window(nullptr);
  window.set_line("top", 0);
  window.set_line("Translating... Please Wait...", 1);
  window.set_line("two", 2);
  EXPECT_EQ(window.line(2), "two");
  window.set_line("seven", 7);
  EXPECT_EQ(window.line(0), "top");
  EXPECT_EQ(window.line(1), "Translating... Please Wait...");
  EXPECT_EQ(window.line(2), "seven");
  EXPECT_EQ(window.pumps, 4);

  window.set_range(20);
  window.step(15);
  EXPECT_EQ(window.position(), 15);
  window.step(20);
  EXPECT_EQ(window.position(), 20);
  window.step(2147483647);
  EXPECT_EQ(window.position(), 20);
  window.set_range(40);
  EXPECT_EQ(window.position(), 0);
}

TEST(ProgressWindow, CancelAnsweredNoThenYes) {
  testing::FakePrompts prompts;
  prompts.answers = {false, true};
  RecordingWindow window(prompts);
  window.open_window(nullptr);
  window.cancel_pressed();
  EXPECT_EQ(prompts.questions, std::vector<std::string>{"Do you wish to cancel this process?"});
  EXPECT_FALSE(window.poll_cancel());
  EXPECT_EQ(window.ends, 0);

  window.cancel_pressed();
  EXPECT_EQ(window.ends, 1);
  EXPECT_TRUE(window.poll_cancel());
  window.open_window(nullptr);
  EXPECT_FALSE(window.poll_cancel());
  EXPECT_EQ(window.position(), 0);
}

}  // namespace
}  // namespace corvane
