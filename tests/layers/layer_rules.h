#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::layers {

/// One layer: its folder, its library and its rank. A layer may use only
/// layers of lower rank; layers of the same rank (the translators) do not
/// use each other.
struct Layer {
  std::string_view folder;
  std::string_view library;
  int rank;
};

/// The layers, lowest first.
const std::vector<Layer>& all_layers();

/// The layer a path inside the source tree belongs to ("run/x.h" -> run;
/// "app/gui/y.h" -> app/gui), or none outside every layer.
std::optional<Layer> layer_of(std::string_view relative_path);

/// Whether `user` may use `used`.
bool may_use(const Layer& user, const Layer& used);

/// One use that runs the wrong way, for the failure message.
struct Breach {
  std::string file;  // relative to the source tree
  int line = 0;
  std::string used;  // the included path or linked library
};

/// The quoted includes of one source text, with their line numbers.
std::vector<std::pair<int, std::string>> quoted_includes(std::string_view text);

/// The corvane_* libraries a CMakeLists text links, with their line numbers.
std::vector<std::pair<int, std::string>> linked_libraries(std::string_view text);

/// Every include of every source of every layer under `root` that runs
/// upward or sideways.
std::vector<Breach> include_breaches(const std::filesystem::path& root);

/// Every library a layer's CMakeLists links that is not below it.
std::vector<Breach> link_breaches(const std::filesystem::path& root);

}  // namespace corvane::layers
