#include "run/run_files.h"

#include <map>
#include <utility>

#include "run/output_files.h"
#include "run/path_names.h"

namespace corvane {

std::string files_in_conflict(const std::vector<std::string>& inputs,
                              const std::vector<std::string>& outputs, const std::string& report) {
  // Each file the run writes or reads, by the file it is, with what it is
  // to the run.
  std::map<std::string, std::string> files;
  const auto claim = [&](const std::string& path, const std::string& role) -> std::string {
    const auto [entry, fresh] = files.emplace(resolved_path(path), role + " " + path);
    if (fresh) return {};
    return entry->second + " and " + role + " " + path + " are the same file";
  };
  for (const std::string& input : inputs) {
    // One input named twice is read twice; it is its outputs that clash.
    files.emplace(resolved_path(input), "the input " + input);
  }
  for (std::size_t i = 0; i < inputs.size() && i < outputs.size(); ++i) {
    if (outputs[i].empty()) continue;
    const std::string output = main_output_file(outputs[i], inputs[i]);
    for (const auto& [path, role] :
         {std::pair{output, std::string("the output")},
          std::pair{change_extension(outputs[i], "err"), std::string("the log")}}) {
      if (std::string clash = claim(path, role); !clash.empty()) return clash;
    }
  }
  if (!report.empty()) return claim(report, "the report");
  return {};
}

}  // namespace corvane
