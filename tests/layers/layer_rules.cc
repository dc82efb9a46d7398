#include "layer_rules.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace corvane::layers {
namespace {

namespace fs = std::filesystem;

std::string read_text(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::optional<Layer> layer_of_library(std::string_view library) {
  for (const Layer& layer : all_layers()) {
    if (layer.library == library) return layer;
  }
  return std::nullopt;
}

bool is_source(const fs::path& path) {
  const std::string extension = path.extension().string();
  return extension == ".cc" || extension == ".h";
}

// The files directly in a layer's folder (app/gui is a layer of its own).
std::vector<fs::path> files_of(const fs::path& root, const Layer& layer) {
  std::vector<fs::path> files;
  const fs::path folder = root / layer.folder;
  if (!fs::is_directory(folder)) return files;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  return files;
}

}  // namespace

const std::vector<Layer>& all_layers() {
  static const std::vector<Layer> kLayers = {
      {"core", "corvane_core", 0},
      {"elements", "corvane_elements", 1},
      {"control", "corvane_control", 1},
      {"models", "corvane_models", 1},
      {"translate", "corvane_translate", 2},
      {"run", "corvane_run", 3},
      {"app", "corvane_app", 4},
      {"app/gui", "corvane_gui_widgets", 5},
      {"cli", "corvane_mapped_input", 5},
  };
  return kLayers;
}

std::optional<Layer> layer_of(std::string_view relative_path) {
  std::optional<Layer> found;
  for (const Layer& layer : all_layers()) {
    const std::string prefix = std::string(layer.folder) + "/";
    // The longest folder wins: app/gui/x.h is in app/gui, not app.
    if (relative_path.starts_with(prefix) &&
        (!found || layer.folder.size() > found->folder.size())) {
      found = layer;
    }
  }
  return found;
}

bool may_use(const Layer& user, const Layer& used) {
  return used.folder == user.folder || used.rank < user.rank;
}

std::vector<std::pair<int, std::string>> quoted_includes(std::string_view text) {
  std::vector<std::pair<int, std::string>> includes;
  std::istringstream lines{std::string(text)};
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::size_t hash = line.find_first_not_of(" \t");
    if (hash == std::string::npos || line[hash] != '#') continue;
    const std::size_t word = line.find_first_not_of(" \t", hash + 1);
    if (word == std::string::npos || line.compare(word, 7, "include") != 0) continue;
    const std::size_t open = line.find('"', word + 7);
    if (open == std::string::npos) continue;
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string::npos) continue;
    includes.emplace_back(number, line.substr(open + 1, close - open - 1));
  }
  return includes;
}

std::vector<std::pair<int, std::string>> linked_libraries(std::string_view text) {
  std::vector<std::pair<int, std::string>> libraries;
  std::istringstream lines{std::string(text)};
  std::string line;
  bool in_link = false;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::size_t comment = line.find('#');
    if (comment != std::string::npos) line.erase(comment);
    std::size_t from = 0;
    if (const std::size_t link = line.find("target_link_libraries("); link != std::string::npos) {
      in_link = true;
      from = line.find('(', link) + 1;
      // The first word is the target that links, not a library it links.
      const std::size_t target = line.find_first_not_of(" \t", from);
      from = target == std::string::npos ? line.size() : line.find_first_of(" \t)", target);
      if (from == std::string::npos) from = line.size();
    }
    if (!in_link) continue;
    std::istringstream words(line.substr(from));
    std::string word;
    while (words >> word) {
      const bool closes = word.find(')') != std::string::npos;
      word = word.substr(0, word.find(')'));
      if (word.starts_with("corvane_")) libraries.emplace_back(number, word);
      if (closes) {
        in_link = false;
        break;
      }
    }
  }
  return libraries;
}

std::vector<Breach> include_breaches(const fs::path& root) {
  std::vector<Breach> breaches;
  for (const Layer& layer : all_layers()) {
    for (const fs::path& file : files_of(root, layer)) {
      if (!is_source(file)) continue;
      const std::string relative = fs::relative(file, root).generic_string();
      for (const auto& [line, included] : quoted_includes(read_text(file))) {
        const std::optional<Layer> used = layer_of(included);
        if (used && !may_use(layer, *used)) breaches.push_back({relative, line, included});
      }
    }
  }
  return breaches;
}

std::vector<Breach> link_breaches(const fs::path& root) {
  std::vector<Breach> breaches;
  for (const Layer& layer : all_layers()) {
    const fs::path build_file = root / layer.folder / "CMakeLists.txt";
    if (!fs::exists(build_file)) continue;
    const std::string relative = fs::relative(build_file, root).generic_string();
    for (const auto& [line, library] : linked_libraries(read_text(build_file))) {
      const std::optional<Layer> used = layer_of_library(library);
      if (used && !may_use(layer, *used)) breaches.push_back({relative, line, library});
    }
  }
  return breaches;
}

}  // namespace corvane::layers
