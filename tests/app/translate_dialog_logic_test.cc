#include "app/translate_dialog_logic.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <functional>

#include "dialog_fakes.h"
#include "support/run_fakes.h"

namespace corvane {
namespace {

constexpr std::uint32_t kText = 0x000000;
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kYellow = 0x00DDDD;
constexpr std::uint32_t kGreen = 0x00DD00;

using Texts = std::vector<std::string>;
using Rows = std::vector<FileRow>;

/// Records each request and answers with scripted results (green when the
/// script runs out); `during_run` lets a test act while a row runs.
class FakeRowTranslator : public RowTranslator {
 public:
  RowResult translate_row(const TranslationRequest& request) override {
    requests.push_back(request);
    if (during_run) during_run();
    if (results.empty()) return RowResult{StatusColour::green, false, {}};
    RowResult result = results.front();
    results.pop_front();
    return result;
  }
  void row_painted(std::size_t row) override { painted.push_back(row); }

  std::vector<TranslationRequest> requests;
  std::deque<RowResult> results;
  std::vector<std::size_t> painted;
  std::function<void()> during_run;
};

Texts texts(const TranslateDialogLogic& logic, ListSide side) {
  Texts result;
  for (const FileRow& row : logic.lists().rows(side)) result.push_back(row.text);
  return result;
}

std::vector<RowOutcome> outcomes(const TranslateDialogLogic& logic) {
  std::vector<RowOutcome> result;
  for (const FileRow& row : logic.lists().rows(ListSide::input)) result.push_back(row.outcome);
  return result;
}

std::vector<std::uint32_t> colours(const TranslateDialogLogic& logic) {
  std::vector<std::uint32_t> result;
  for (const FileRow& row : logic.lists().rows(ListSide::input)) result.push_back(row.colour);
  return result;
}

class TranslateDialogLogicTest : public ::testing::Test {
 protected:
  std::string input(const std::string& name) {
    const std::string path = scratch_.file(name);
    std::ofstream(path) << "* " << name << "\nr1 a b 1k\n";
    return path;
  }
  // Types `text` into the editor of `side` on `row` and presses Enter.
  void type_row(ListSide side, std::size_t row, const std::string& text) {
    logic_.click_row(side, row);
    logic_.click_row(side, row);
    logic_.set_edit_text(text);
    logic_.commit_editor();
  }
  // Types `text` into the empty row.
  void add_row(const std::string& text) {
    type_row(ListSide::input, logic_.lists().empty_row(), text);
  }
  void translate() { logic_.translate(prompts_, file_system_, translator_); }

  testing::ScratchDirectory scratch_;
  testing::FakeFileSystem file_system_;
  testing::FakeDialogPrompts prompts_;
  testing::FakeFileDialogs dialogs_;
  FakeRowTranslator translator_;
  TranslateDialogLogic logic_{kText};
};

TEST_F(TranslateDialogLogicTest, FirstShowEditsTheFirstInputRowOnce) {
  EXPECT_TRUE(logic_.single_subckt());
  EXPECT_FALSE(logic_.editor_side());
  logic_.first_show();
  EXPECT_EQ(logic_.selection(ListSide::input), 0u);
  EXPECT_EQ(logic_.editor_side(), ListSide::input);
  EXPECT_EQ(logic_.edited_row(), 0u);
  logic_.set_edit_text("/m/a.sp");
  logic_.commit_editor();
  logic_.first_show();
  EXPECT_FALSE(logic_.editor_side());
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"/m/a.sp", ""}));
  EXPECT_EQ(texts(logic_, ListSide::output), (Texts{"/m/a.lib", ""}));
}

TEST_F(TranslateDialogLogicTest, ClickSelectsClickAgainEditsAndPartnerSelectionClears) {
  type_row(ListSide::input, 0, "a.sp");
  logic_.navigate(ListSide::input, NavigationKey::home, 10);
  EXPECT_EQ(logic_.selection(ListSide::output), 0u);
  logic_.click_row(ListSide::input, 1);
  EXPECT_EQ(logic_.selection(ListSide::input), 1u);
  EXPECT_FALSE(logic_.selection(ListSide::output));
  EXPECT_FALSE(logic_.editor_side());
  logic_.click_row(ListSide::input, 1);
  EXPECT_EQ(logic_.editor_side(), ListSide::input);
  EXPECT_EQ(logic_.edited_row(), 1u);
  logic_.click_row(ListSide::input, 9);  // below the last row
  EXPECT_EQ(logic_.edited_row(), 1u);
}

TEST_F(TranslateDialogLogicTest, TheOutputListsEmptyRowCannotBeEdited) {
  type_row(ListSide::input, 0, "a.sp");
  logic_.click_row(ListSide::output, 1);
  logic_.click_row(ListSide::output, 1);
  EXPECT_FALSE(logic_.editor_side());
  logic_.double_click(ListSide::output);
  logic_.edit_row(ListSide::output);
  EXPECT_FALSE(logic_.editor_side());
  logic_.double_click(ListSide::input);  // nothing selected there
  EXPECT_FALSE(logic_.editor_side());
  logic_.click_row(ListSide::output, 0);
  logic_.double_click(ListSide::output);
  EXPECT_EQ(logic_.editor_side(), ListSide::output);
  EXPECT_EQ(logic_.edit_text(), "a.lib");
}

TEST_F(TranslateDialogLogicTest, EscapeKeepsTheRowAndFocusOnAListCommits) {
  type_row(ListSide::input, 0, "a.sp");
  logic_.click_row(ListSide::input, 0);
  logic_.set_edit_text("b.sp");
  logic_.cancel_editor();
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"a.sp", ""}));
  logic_.double_click(ListSide::input);
  logic_.set_edit_text("c.sp");
  logic_.list_focused(ListSide::output);
  EXPECT_FALSE(logic_.editor_side());
  EXPECT_FALSE(logic_.selection(ListSide::input));
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"c.sp", ""}));
  EXPECT_EQ(texts(logic_, ListSide::output), (Texts{"c.lib", ""}));
}

TEST_F(TranslateDialogLogicTest, AnEmptiedEditorLeavesTheRowAlone) {
  type_row(ListSide::input, 0, "a.sp");
  type_row(ListSide::input, 0, "");
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"a.sp", ""}));
}

TEST_F(TranslateDialogLogicTest, NewEditsTheEmptyRowAndKeepsWhatWasTyped) {
  logic_.first_show();
  logic_.set_edit_text("a.sp");
  logic_.new_row();
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"a.sp", ""}));
  EXPECT_EQ(logic_.editor_side(), ListSide::input);
  EXPECT_EQ(logic_.edited_row(), 1u);
  EXPECT_EQ(logic_.edit_text(), "");
  EXPECT_FALSE(logic_.selection(ListSide::input));
  EXPECT_FALSE(logic_.selection(ListSide::output));
}

TEST_F(TranslateDialogLogicTest, EditAndDeleteActOnTheListWithTheFocus) {
  type_row(ListSide::input, 0, "b.sp");
  type_row(ListSide::input, 0, "a.sp");  // over row 0: replaces it
  type_row(ListSide::input, 1, "c.sp");
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"a.sp", "c.sp", ""}));
  logic_.click_row(ListSide::output, 1);
  logic_.edit_row(std::nullopt);
  logic_.delete_row(std::nullopt);
  EXPECT_FALSE(logic_.editor_side());
  EXPECT_EQ(logic_.lists().row_count(), 3u);

  logic_.edit_row(ListSide::output);
  EXPECT_EQ(logic_.editor_side(), ListSide::output);
  EXPECT_EQ(logic_.edit_text(), "c.lib");
  logic_.cancel_editor();
  logic_.delete_row(ListSide::output);
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"a.sp", ""}));
  EXPECT_EQ(texts(logic_, ListSide::output), (Texts{"a.lib", ""}));
  EXPECT_EQ(logic_.selection(ListSide::output), 1u);  // the same index, still there
  logic_.delete_row(ListSide::output);                // the empty row comes back
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"a.sp", ""}));
  logic_.click_row(ListSide::input, 0);
  logic_.delete_row(ListSide::input);
  logic_.delete_row(ListSide::input);
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{""}));
  EXPECT_EQ(logic_.selection(ListSide::input), 0u);
}

TEST_F(TranslateDialogLogicTest, ThreeChosenFilesBecomeThreeRowsInReverseOrder) {
  logic_.first_show();
  dialogs_.answers = {{"/m/a.sp", "/m/b.sp", "/m/c.sp"}};
  logic_.choose_files(dialogs_);
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{"/m/c.sp", "/m/b.sp", "/m/a.sp", ""}));
  EXPECT_EQ(texts(logic_, ListSide::output), (Texts{"/m/c.lib", "/m/b.lib", "/m/a.lib", ""}));
  EXPECT_FALSE(logic_.editor_side());
  ASSERT_EQ(dialogs_.requests.size(), 1u);
  EXPECT_FALSE(dialogs_.requests[0].save);
}

TEST_F(TranslateDialogLogicTest, CancelledFileDialogKeepsTheEditorOpen) {
  type_row(ListSide::input, 0, "/m/a.sp");
  logic_.click_row(ListSide::output, 0);
  logic_.click_row(ListSide::output, 0);
  logic_.choose_files(dialogs_);
  EXPECT_EQ(logic_.editor_side(), ListSide::output);
  EXPECT_EQ(dialogs_.requests.back(), file_dialog_request(ListSide::output, "/m/a.lib"));
  dialogs_.answers = {{"/o/x.lib"}};
  logic_.choose_files(dialogs_);
  EXPECT_EQ(texts(logic_, ListSide::output), (Texts{"/o/x.lib", ""}));
  EXPECT_EQ(logic_.edit_text(), "/o/x.lib");
  logic_.choose_files(dialogs_);  // no editor open: no dialog
  EXPECT_EQ(dialogs_.requests.size(), 2u);
}

TEST_F(TranslateDialogLogicTest, NavigationMovesBothSelections) {
  EXPECT_EQ(navigation_target(NavigationKey::page_down, 0u, 30, 10), 8u);
  EXPECT_EQ(navigation_target(NavigationKey::page_down, 25u, 30, 10), 29u);
  EXPECT_EQ(navigation_target(NavigationKey::page_up, 20u, 30, 10), 12u);
  EXPECT_EQ(navigation_target(NavigationKey::page_up, 5u, 30, 10), 0u);
  EXPECT_EQ(navigation_target(NavigationKey::home, 5u, 30, 10), 0u);
  EXPECT_EQ(navigation_target(NavigationKey::end, 5u, 30, 10), 29u);
  EXPECT_EQ(navigation_target(NavigationKey::left, 5u, 30, 10), 4u);
  EXPECT_EQ(navigation_target(NavigationKey::up, 0u, 30, 10), 0u);
  EXPECT_EQ(navigation_target(NavigationKey::right, 5u, 30, 10), 6u);
  EXPECT_EQ(navigation_target(NavigationKey::down, 29u, 30, 10), 29u);
  EXPECT_EQ(navigation_target(NavigationKey::down, std::nullopt, 30, 10), 0u);
  EXPECT_EQ(navigation_target(NavigationKey::end, std::nullopt, 30, 10), 29u);
  // A view of one or two rows still pages, and in the right direction.
  EXPECT_EQ(navigation_target(NavigationKey::page_up, 5u, 30, 1), 4u);
  EXPECT_EQ(navigation_target(NavigationKey::page_down, 5u, 30, 2), 6u);

  logic_.first_show();
  dialogs_.answers = {{"a", "b", "c"}};
  logic_.choose_files(dialogs_);
  logic_.click_row(ListSide::output, 0);
  logic_.navigate(ListSide::output, NavigationKey::end, 5);
  EXPECT_EQ(logic_.selection(ListSide::input), 3u);
  EXPECT_EQ(logic_.selection(ListSide::output), 3u);
  logic_.navigate(ListSide::input, NavigationKey::up, 5);
  EXPECT_EQ(logic_.selection(ListSide::output), 2u);
}

TEST_F(TranslateDialogLogicTest, OnlyTheEmptyRowTranslatesNothing) {
  translate();
  EXPECT_TRUE(translator_.requests.empty());
  EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(TranslateDialogLogicTest, RowsBecomeRequestsAndArePaintedWithTheirResults) {
  const std::string a = input("a.sp");
  const std::string b = input("b b.sp");
  add_row(a);
  add_row(b);
  logic_.set_single_subckt(false);
  translator_.results = {RowResult{StatusColour::yellow, false, {}},
                         RowResult{StatusColour::green, false, {}}};
  translate();
  ASSERT_EQ(translator_.requests.size(), 2u);
  const TranslationRequest& first = translator_.requests[0];
  EXPECT_EQ(first.input_files, "\"" + a + "\"");
  EXPECT_EQ(first.output_files, "\"" + scratch_.file("a.lib") + "\"");
  EXPECT_FALSE(first.mos_family_single_subckt);
  EXPECT_EQ(translator_.requests[1].input_files, "\"" + b + "\"");
  EXPECT_EQ(translator_.requests[1].output_files, "\"" + scratch_.file("b b.lib") + "\"");
  EXPECT_EQ(colours(logic_), (std::vector<std::uint32_t>{kYellow, kGreen, kText}));
  EXPECT_EQ(outcomes(logic_), (std::vector<RowOutcome>{RowOutcome::warnings, RowOutcome::translated,
                                                       RowOutcome::none}));
  EXPECT_EQ(translator_.painted, (std::vector<std::size_t>{0, 1}));
  EXPECT_TRUE(prompts_.messages.empty());
  EXPECT_FALSE(logic_.running());
}

TEST_F(TranslateDialogLogicTest, TranslateCommitsTheOpenEditorFirst) {
  const std::string a = input("a.sp");
  logic_.first_show();
  logic_.set_edit_text(a);
  translate();
  ASSERT_EQ(translator_.requests.size(), 1u);
  EXPECT_EQ(translator_.requests[0].input_files, "\"" + a + "\"");
  EXPECT_FALSE(logic_.editor_side());
}

TEST_F(TranslateDialogLogicTest, TwoQuotedInputsWithoutOutputDefaultToTheirDirectory) {
  const std::string a = input("a.sp");
  const std::string b = input("b.sp");
  type_row(ListSide::input, 0, "x.sp");
  type_row(ListSide::output, 0, "");  // an emptied output text is kept
  // Written straight over the row, as a pasted row of two names.
  type_row(ListSide::input, 0, "\"" + a + "\" \"" + b + "\"  ");
  EXPECT_EQ(texts(logic_, ListSide::output)[0],
            "\"" + scratch_.file("a.lib") + "\" \"" + scratch_.file("b.lib") + "\"");
  translate();
  ASSERT_EQ(translator_.requests.size(), 1u);
  EXPECT_EQ(translator_.requests[0].input_files, "\"" + a + "\" \"" + b + "\"");
  EXPECT_EQ(translator_.requests[0].output_files,
            "\"" + scratch_.file("a.lib") + "\" \"" + scratch_.file("b.lib") + "\"");
  EXPECT_TRUE(prompts_.messages.empty());
}

TEST_F(TranslateDialogLogicTest, ADirectoryOutputTakesTheInputsName) {
  const std::string a = input("a.sp");
  type_row(ListSide::input, 0, a);
  type_row(ListSide::output, 0, "/tmp/odl/");
  translate();
  ASSERT_EQ(translator_.requests.size(), 1u);
  EXPECT_EQ(translator_.requests[0].output_files, "\"/tmp/odl/a.lib\"");
}

TEST_F(TranslateDialogLogicTest, AnEmptyQuotedNameIsAMissingInput) {
  const std::string a = input("a.sp");
  type_row(ListSide::input, 0, a);
  // An input row can only lose its text through a pasted pair of quotes.
  type_row(ListSide::input, 0, "\"\"");
  translate();
  EXPECT_EQ(prompts_.messages, (Texts{"Input file  does not exist!"}));
  EXPECT_TRUE(translator_.requests.empty());
}

TEST_F(TranslateDialogLogicTest, MissingInputStopsItsRowAndTheRest) {
  const std::string a = input("a.sp");
  const std::string missing = scratch_.file("missing.sp");
  add_row(a);
  add_row(missing);
  add_row(a);
  translator_.results = {RowResult{StatusColour::green, false, {}}};
  translate();
  EXPECT_EQ(prompts_.messages, (Texts{"Input file " + missing + " does not exist!"}));
  EXPECT_EQ(translator_.requests.size(), 1u);
  EXPECT_EQ(colours(logic_), (std::vector<std::uint32_t>{kGreen, kText, kText, kText}));

  // A directory is not an input file either.
  prompts_.messages.clear();
  type_row(ListSide::input, 1, scratch_.directory());
  translate();
  EXPECT_EQ(prompts_.messages.size(), 1u);
  EXPECT_EQ(translator_.requests.size(), 2u);
}

TEST_F(TranslateDialogLogicTest, AFatalRowIsRedAndTheOthersStillRun) {
  const std::string a = input("a.sp");
  const std::string b = input("b.sp");
  add_row(a);
  add_row(b);
  translator_.results = {
      RowResult{StatusColour::red, false, "\nFatal Error: Unable to open output file\n"},
      RowResult{StatusColour::yellow, false, {}}};
  translate();
  EXPECT_EQ(prompts_.errors, (Texts{"Fatal Error: Unable to open output file"}));
  EXPECT_EQ(translator_.requests.size(), 2u);
  EXPECT_EQ(colours(logic_), (std::vector<std::uint32_t>{kRed, kYellow, kText}));
  EXPECT_EQ(outcomes(logic_).front(), RowOutcome::not_translated);
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{a, b, ""}));
}

TEST_F(TranslateDialogLogicTest, CancelStopsTheRemainingRows) {
  const std::string a = input("a.sp");
  const std::string b = input("b.sp");
  add_row(a);
  add_row(b);
  translate();
  EXPECT_EQ(colours(logic_), (std::vector<std::uint32_t>{kGreen, kGreen, kText}));
  translator_.results = {RowResult{StatusColour::neutral, true, {}}};
  translate();
  EXPECT_EQ(translator_.requests.size(), 3u);
  EXPECT_EQ(colours(logic_), (std::vector<std::uint32_t>{kText, kGreen, kText}));
  // A cancelled row tells no outcome, as it shows no colour.
  EXPECT_EQ(outcomes(logic_).front(), RowOutcome::none);
}

TEST(RowOutcomeOfAResult, FollowsTheColourAndTellsARedRowsCause) {
  EXPECT_EQ(row_outcome(RowResult{StatusColour::green, false, {}}), RowOutcome::translated);
  EXPECT_EQ(row_outcome(RowResult{StatusColour::yellow, false, {}}), RowOutcome::warnings);
  EXPECT_EQ(row_outcome(RowResult{StatusColour::red, false, {}}), RowOutcome::errors);
  EXPECT_EQ(row_outcome(RowResult{StatusColour::red, false, "Fatal Error"}),
            RowOutcome::not_translated);
  EXPECT_EQ(row_outcome(RowResult{StatusColour::red, false, {}, true}), RowOutcome::not_translated);
  EXPECT_EQ(row_outcome(RowResult{StatusColour::neutral, true, {}}), RowOutcome::none);
  EXPECT_EQ(row_outcome_words(RowOutcome::warnings), "Translated with warnings");
  EXPECT_EQ(row_outcome_words(RowOutcome::not_translated), "Not translated");
  EXPECT_TRUE(row_outcome_words(RowOutcome::none).empty());
}

TEST_F(TranslateDialogLogicTest, DroppedFilesBecomeRowsAsChosenFilesDo) {
  add_row("/m/first.sp");
  logic_.click_row(ListSide::input, 0);
  // An editor left open on the empty row keeps what was typed into it.
  logic_.new_row();
  logic_.set_edit_text("/m/typed.sp");
  logic_.drop_files({"/d/a.sp", "/d/b.l"});
  EXPECT_FALSE(logic_.editor_side());
  EXPECT_EQ(texts(logic_, ListSide::input),
            (Texts{"/m/first.sp", "/m/typed.sp", "/d/b.l", "/d/a.sp", ""}));
  EXPECT_EQ(texts(logic_, ListSide::output),
            (Texts{"/m/first.lib", "/m/typed.lib", "/d/b.lib", "/d/a.lib", ""}));
  logic_.drop_files({});
  EXPECT_EQ(logic_.lists().row_count(), 5u);
}

TEST_F(TranslateDialogLogicTest, NothingIsDroppedWhileARowRuns) {
  const std::string a = input("a.sp");
  add_row(a);
  translator_.during_run = [this] { logic_.drop_files({"/d/late.sp"}); };
  translate();
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{a, ""}));
}

TEST_F(TranslateDialogLogicTest, TheListsStayAsTheyAreWhileARowRuns) {
  const std::string a = input("a.sp");
  const std::string b = input("b.sp");
  add_row(a);
  add_row(b);
  translator_.during_run = [this] {
    EXPECT_TRUE(logic_.running());
    logic_.click_row(ListSide::input, 0);
    logic_.delete_row(ListSide::input);
    logic_.new_row();
    logic_.double_click(ListSide::input);
    translate();  // not again while running
  };
  translate();
  EXPECT_EQ(translator_.requests.size(), 2u);
  EXPECT_EQ(texts(logic_, ListSide::input), (Texts{a, b, ""}));
  EXPECT_FALSE(logic_.editor_side());
  EXPECT_FALSE(logic_.running());
}

}  // namespace
}  // namespace corvane
