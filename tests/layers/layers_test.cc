// The folders are layers, and each layer's library links only the ones below
// it: this test reads every source's includes and every layer's build file.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "layer_rules.h"

namespace corvane::layers {
namespace {

namespace fs = std::filesystem;

fs::path source_root() {
  const char* root = std::getenv("CORVANE_SOURCE_DIR");
  return root != nullptr ? fs::path(root) : fs::path(".");
}

// One line per breach, sorted by file and line.
std::string listed(std::vector<Breach> breaches) {
  std::sort(breaches.begin(), breaches.end(), [](const Breach& a, const Breach& b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  std::string text;
  for (const Breach& breach : breaches) {
    text += breach.file + ":" + std::to_string(breach.line) + " uses " + breach.used + "\n";
  }
  return text;
}

void write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

TEST(Layers, EveryLayerIsAFolderThatBuildsItsLibrary) {
  const fs::path root = source_root();
  for (const Layer& layer : all_layers()) {
    std::ifstream build(root / layer.folder / "CMakeLists.txt");
    ASSERT_TRUE(build) << layer.folder;
    const std::string text{std::istreambuf_iterator<char>(build), {}};
    EXPECT_NE(text.find("add_library(" + std::string(layer.library)), std::string::npos)
        << layer.folder;
  }
}

TEST(Layers, NoIncludeRunsUpwardOrSideways) {
  const std::vector<Breach> breaches = include_breaches(source_root());
  EXPECT_TRUE(breaches.empty()) << listed(breaches);
}

TEST(Layers, NoLayerLinksALayerAboveOrBesideIt) {
  const std::vector<Breach> breaches = link_breaches(source_root());
  EXPECT_TRUE(breaches.empty()) << listed(breaches);
}

// The check itself, on a small tree of its own: an include upward, one
// between two translators, and a link upward are found; includes downward,
// within a folder and of the standard library are not.
TEST(Layers, TheCheckFindsEachKindOfBreach) {
  const fs::path root =
      fs::temp_directory_path() / ("corvane_layers_" + std::to_string(::getpid()));
  fs::remove_all(root);
  write(root / "core/scanner.cc",
        "#include \"core/scanner.h\"\n#include <string>\n#include \"run/session_log.h\"\n");
  write(root / "elements/passive.cc",
        "#include \"core/token_stream.h\"\n  #  include \"control/expressions.h\"\n");
  write(root / "app/gui/view.h", "#include \"app/dialog.h\"\n#include \"run/run.h\"\n");
  write(root / "cli/main.cc", "#include \"app/gui/view.h\"\n");
  write(root / "translate/CMakeLists.txt",
        "target_link_libraries(corvane_translate\n  PUBLIC corvane_core corvane_run # up\n"
        "  PRIVATE corvane_warnings)\n");
  write(root / "run/CMakeLists.txt",
        "target_link_libraries(corvane_run PUBLIC corvane_translate)\n");

  EXPECT_EQ(listed(include_breaches(root)),
            "cli/main.cc:1 uses app/gui/view.h\n"
            "core/scanner.cc:3 uses run/session_log.h\n"
            "elements/passive.cc:2 uses control/expressions.h\n");
  EXPECT_EQ(listed(link_breaches(root)), "translate/CMakeLists.txt:2 uses corvane_run\n");
  fs::remove_all(root);
}

}  // namespace
}  // namespace corvane::layers
