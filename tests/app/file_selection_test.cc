#include "app/file_selection.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(FileSelection, InputListOpensSeveralFilesOfAnyName) {
  const FileDialogRequest request = file_dialog_request(ListSide::input, "");
  EXPECT_FALSE(request.save);
  EXPECT_EQ(request.filter, "HSpice Library (*.*)|*.*|All Files (*.*)|*.*||");
  EXPECT_EQ(request.default_extension, "");
  EXPECT_EQ(request.initial_name, "*.*");
  EXPECT_EQ(request.initial_directory, "");
}

TEST(FileSelection, InputListStartsInTheTextsDirectory) {
  const FileDialogRequest request = file_dialog_request(ListSide::input, "/lib/models/n.sp");
  EXPECT_EQ(request.initial_directory, "/lib/models/");
  EXPECT_EQ(request.initial_name, "*.*");
  EXPECT_EQ(
      file_dialog_request(ListSide::input, "\"C:\\my lib\\a.sp\" \"D:\\b.sp\"").initial_directory,
      "C:\\my lib\\");
}

TEST(FileSelection, OutputListSavesOneLibraryNamedAfterTheText) {
  const FileDialogRequest request = file_dialog_request(ListSide::output, "/out/n.lib");
  EXPECT_TRUE(request.save);
  EXPECT_EQ(request.filter, "Ondrel Library (*.lib)|*.lib|All Files (*.*)|*.*||");
  EXPECT_EQ(request.default_extension, "lib");
  EXPECT_EQ(request.initial_directory, "/out/");
  EXPECT_EQ(request.initial_name, "n.lib");
  EXPECT_EQ(file_dialog_request(ListSide::output, "/out/").initial_name, "*.lib");
  EXPECT_EQ(file_dialog_request(ListSide::output, "").initial_name, "*.lib");
}

TEST(FileSelection, FilterPairsAndLabels) {
  const std::vector<NameFilter> filters =
      name_filters("Ondrel Library (*.lib)|*.lib|All Files|*.*||");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0], (NameFilter{"Ondrel Library (*.lib)", "*.lib"}));
  EXPECT_EQ(filters[1], (NameFilter{"All Files", "*.*"}));
  EXPECT_EQ(labelled_pattern(filters[0]), "Ondrel Library (*.lib)");
  EXPECT_EQ(labelled_pattern(filters[1]), "All Files (*.*)");
  EXPECT_EQ(name_filters("Text|*.txt").size(), 1u);
  EXPECT_EQ(name_filters("Lonely label").size(), 0u);
  EXPECT_EQ(name_filters("").size(), 0u);
}

}  // namespace
}  // namespace corvane
