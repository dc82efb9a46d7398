#pragma once

#include <memory>
#include <string>

#include "run/input_text.h"

namespace corvane {

/// An input reader that maps a regular file into memory rather than copying
/// it: a large library is then neither copied nor faulted in page by page.
/// Pipes, empty files and hosts without mapping are read as usual, and a file
/// that cannot be opened is reported as usual.
std::unique_ptr<InputText> map_input(const std::string& path);

}  // namespace corvane
