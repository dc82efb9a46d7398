#pragma once

#include <string>
#include <vector>

namespace corvane::simulation {

/// What a translation's "$G_" global node prefix becomes for ngspice.
inline constexpr const char* kGlobalPrefix = "ondrel_global_";

/// One textual edit of a translation, for a limit of ngspice that Ondrel
/// does not have.
struct LimitEdit {
  const char* limit;  // the ngspice limit it works around
  std::string (*apply)(const std::string& text);
};

/// Every edit, each used only for what ngspice cannot read or computes
/// otherwise; none may hide a difference in meaning.
const std::vector<LimitEdit>& ngspice_limit_edits();

/// The translation with every edit applied, in order.
std::string for_ngspice(std::string text);

}  // namespace corvane::simulation
