#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/symbol_tables.h"

namespace corvane {

/// The node names declared global, in the order first declared.
class GlobalNames {
 public:
  GlobalNames() = default;
  explicit GlobalNames(const std::vector<std::string>& names) {
    for (const auto& name : names) add(name);
  }
  /// Adds a name; false when it was already there.
  bool add(std::string_view name) {
    if (contains(name)) return false;
    index_.emplace(name);
    names_.emplace_back(name);
    return true;
  }
  /// Most files declare no global: then no name is hashed.
  bool contains(std::string_view name) const {
    return !index_.empty() && index_.find(name) != index_.end();
  }
  const std::vector<std::string>& names() const { return names_; }

 private:
  std::vector<std::string> names_;
  std::unordered_set<std::string, StringHash, std::equal_to<>> index_;
};

}  // namespace corvane
