#include "app/persisted_choices.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace corvane {
namespace {

class RecordingStore : public ChoiceStore {
 public:
  bool write_text(std::string_view name, std::string_view value) override {
    writes.emplace_back(std::string(name), std::string(value));
    return !failing;
  }
  std::optional<std::string> read_text(std::string_view name) const override {
    const auto stored = stored_values.find(std::string(name));
    if (stored == stored_values.end()) return std::nullopt;
    return stored->second;
  }
  std::map<std::string, std::string> stored_values;
  std::vector<std::pair<std::string, std::string>> writes;
  bool failing = false;
};

using Writes = std::vector<std::pair<std::string, std::string>>;

TEST(PersistedChoices, WritesTheRowsTextsAndTheOption) {
  RecordingStore store;
  PersistedChoices choices(store);
  choices.save_choices(
      TranslationRequest{"\"/m/a.sp\" \"/m/b.sp\"", "\"/o/a.lib\" \"/o/b.lib\"", true, {}, {}});
  choices.save_choices(TranslationRequest{"\"x.sp\"", "\"x.lib\"", false, {}, {}});
  EXPECT_EQ(store.writes, (Writes{{"hspFile", "\"/m/a.sp\" \"/m/b.sp\""},
                                  {"odlFile", "\"/o/a.lib\" \"/o/b.lib\""},
                                  {"subckt", "y"},
                                  {"hspFile", "\"x.sp\""},
                                  {"odlFile", "\"x.lib\""},
                                  {"subckt", "n"}}));
}

TEST(PersistedChoices, AFailingStoreIsNotReportedAndEveryValueIsTried) {
  RecordingStore store;
  store.failing = true;
  PersistedChoices choices(store);
  choices.save_choices(TranslationRequest{"\"a.sp\"", "\"a.lib\"", true, {}, {}});
  EXPECT_EQ(store.writes.size(), 3u);
}

TEST(PersistedChoices, TheLastRunsOptionIsReadBack) {
  RecordingStore store;
  const PersistedChoices choices(store);
  EXPECT_EQ(choices.saved_single_subckt(), std::nullopt);
  store.stored_values["subckt"] = "n";
  EXPECT_EQ(choices.saved_single_subckt(), std::optional<bool>(false));
  store.stored_values["subckt"] = "y";
  EXPECT_EQ(choices.saved_single_subckt(), std::optional<bool>(true));
  // A value no run wrote leaves the option at its default.
  store.stored_values["subckt"] = "yes";
  EXPECT_EQ(choices.saved_single_subckt(), std::nullopt);
}

}  // namespace
}  // namespace corvane
