#include "app/file_list_pair.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

constexpr std::uint32_t kText = 0x102030;
constexpr std::uint32_t kGreen = 0x00DD00;

std::vector<std::string> texts(const FileListPair& lists, ListSide side) {
  std::vector<std::string> result;
  for (const FileRow& row : lists.rows(side)) result.push_back(row.text);
  return result;
}

using Texts = std::vector<std::string>;

TEST(FileListPair, StartsWithOnlyTheEmptyRow) {
  FileListPair lists(kText);
  EXPECT_EQ(lists.row_count(), 1u);
  EXPECT_TRUE(lists.is_empty_row(0));
  EXPECT_EQ(lists.row(ListSide::input, 0), (FileRow{"", kText}));
  EXPECT_EQ(lists.row(ListSide::output, 0), (FileRow{"", kText}));
}

TEST(FileListPair, SeveralNamesOverTheEmptyRowGoAboveItInReverseOrder) {
  FileListPair lists(kText);
  EXPECT_TRUE(lists.commit(ListSide::input, 0, {"/m/a.sp", "/m/b.l", "/m/c"}));
  EXPECT_EQ(texts(lists, ListSide::input), (Texts{"/m/c", "/m/b.l", "/m/a.sp", ""}));
  EXPECT_EQ(texts(lists, ListSide::output), (Texts{"/m/c.lib", "/m/b.lib", "/m/a.lib", ""}));
  EXPECT_TRUE(lists.is_empty_row(3));
}

TEST(FileListPair, TheSameNameInAnotherCaseChangesNothing) {
  FileListPair lists(kText);
  lists.commit(ListSide::input, 0, {"/m/A.sp"});
  lists.paint_row(0, kGreen);
  EXPECT_FALSE(lists.commit(ListSide::input, 0, {"/M/a.SP"}));
  EXPECT_EQ(lists.row(ListSide::input, 0), (FileRow{"/m/A.sp", kGreen}));
  EXPECT_EQ(lists.row(ListSide::output, 0), (FileRow{"/m/A.lib", kGreen}));
  EXPECT_FALSE(lists.commit(ListSide::output, 0, {"/M/A.LIB"}));
  EXPECT_EQ(lists.row(ListSide::input, 0).colour, kGreen);
}

TEST(FileListPair, EditingAnInputRowReplacesItsOutputRowToo) {
  FileListPair lists(kText);
  lists.commit(ListSide::input, 0, {"b.sp", "a.sp"});
  lists.commit(ListSide::output, 1, {"custom/b_out.lib"});
  lists.paint_row(1, kGreen);
  EXPECT_TRUE(lists.commit(ListSide::input, 1, {"z.cir"}));
  EXPECT_EQ(texts(lists, ListSide::input), (Texts{"a.sp", "z.cir", ""}));
  EXPECT_EQ(texts(lists, ListSide::output), (Texts{"a.lib", "z.lib", ""}));
  EXPECT_EQ(lists.row(ListSide::input, 1).colour, kText);
  EXPECT_EQ(lists.row(ListSide::output, 1).colour, kText);
}

TEST(FileListPair, APaintedRowKeepsItsOutcomeUntilItsOutputIsEdited) {
  FileListPair lists(kText);
  lists.commit(ListSide::input, 0, {"a.sp"});
  lists.paint_row(0, kGreen, RowOutcome::warnings);
  EXPECT_EQ(lists.row(ListSide::input, 0).outcome, RowOutcome::warnings);
  EXPECT_EQ(lists.row(ListSide::output, 0).outcome, RowOutcome::warnings);
  lists.commit(ListSide::output, 0, {"b.lib"});
  EXPECT_EQ(lists.row(ListSide::input, 0), (FileRow{"a.sp", kText, RowOutcome::none}));
  EXPECT_EQ(lists.row(ListSide::output, 0), (FileRow{"b.lib", kText, RowOutcome::none}));
  EXPECT_EQ(lists.row(ListSide::input, 1).outcome, RowOutcome::none);
}

TEST(FileListPair, EditingAnOutputRowKeepsTheInputAndResetsItsColour) {
  FileListPair lists(kText);
  lists.commit(ListSide::input, 0, {"a.sp"});
  lists.paint_row(0, kGreen);
  EXPECT_TRUE(lists.commit(ListSide::output, 0, {"out/a_odl.lib"}));
  EXPECT_EQ(lists.row(ListSide::input, 0), (FileRow{"a.sp", kText}));
  EXPECT_EQ(lists.row(ListSide::output, 0), (FileRow{"out/a_odl.lib", kText}));
  EXPECT_EQ(lists.row_count(), 2u);
}

TEST(FileListPair, OutputRowsNeverOutnumberInputRows) {
  FileListPair lists(kText);
  lists.commit(ListSide::input, 0, {"a.sp"});
  // The new-entry row of the output list cannot be written.
  EXPECT_FALSE(lists.commit(ListSide::output, 1, {"x.lib"}));
  // Several names on an output row: only one text fits.
  EXPECT_TRUE(lists.commit(ListSide::output, 0, {"x.lib", "y.lib"}));
  EXPECT_EQ(texts(lists, ListSide::output), (Texts{"x.lib", ""}));
  EXPECT_EQ(texts(lists, ListSide::input), (Texts{"a.sp", ""}));
}

TEST(FileListPair, EmptyNamesAndRowsPastTheEndChangeNothing) {
  FileListPair lists(kText);
  EXPECT_FALSE(lists.commit(ListSide::input, 0, {}));
  EXPECT_FALSE(lists.commit(ListSide::input, 0, {""}));
  EXPECT_FALSE(lists.commit(ListSide::input, 5, {"a.sp"}));
  EXPECT_EQ(lists.row_count(), 1u);
}

TEST(FileListPair, DeletingTheEmptyRowAppendsANewOne) {
  FileListPair lists(kText);
  lists.commit(ListSide::input, 0, {"a.sp"});
  lists.paint_row(1, kGreen);
  EXPECT_TRUE(lists.delete_row(1));
  EXPECT_EQ(texts(lists, ListSide::input), (Texts{"a.sp", ""}));
  EXPECT_EQ(texts(lists, ListSide::output), (Texts{"a.lib", ""}));
  EXPECT_EQ(lists.row(ListSide::input, 1).colour, kText);

  EXPECT_TRUE(lists.delete_row(0));
  EXPECT_EQ(texts(lists, ListSide::input), (Texts{""}));
  EXPECT_TRUE(lists.delete_row(0));
  EXPECT_EQ(lists.row_count(), 1u);
  EXPECT_FALSE(lists.delete_row(1));
}

TEST(FileListPair, PaintingColoursBothRows) {
  FileListPair lists(kText);
  lists.commit(ListSide::input, 0, {"a.sp", "b.sp"});
  lists.paint_row(1, kGreen);
  lists.paint_row(7, kGreen);
  EXPECT_EQ(lists.row(ListSide::input, 1).colour, kGreen);
  EXPECT_EQ(lists.row(ListSide::output, 1).colour, kGreen);
  EXPECT_EQ(lists.row(ListSide::input, 0).colour, kText);
}

TEST(FileListPair, NamesCompareIgnoringAsciiCaseOnly) {
  EXPECT_TRUE(same_name_ignoring_case("C:\\Models\\A.SP", "c:\\models\\a.sp"));
  EXPECT_FALSE(same_name_ignoring_case("a.sp", "a.sp "));
  EXPECT_FALSE(same_name_ignoring_case("a[sp", "a{sp"));  // '[' + 32 is '{'
}

}  // namespace
}  // namespace corvane
