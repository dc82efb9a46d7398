#pragma once

#include <string>
#include <vector>

namespace corvane {

/// Two files of a run that are one file, compared as files (links and ".."
/// resolved): an output or a log on an input, on another pair's output or
/// log, or on the report. Says which, or is empty when there are none.
/// `outputs[i]` is the output path of `inputs[i]`; an input without one
/// writes nothing. An empty `report` is none.
std::string files_in_conflict(const std::vector<std::string>& inputs,
                              const std::vector<std::string>& outputs, const std::string& report);

}  // namespace corvane
