#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// A statement's text after its first word, as the source gives it: comment
/// lines left out, continuation lines joined without their "+", trailing
/// "$" comments and ";" cut.
std::string statement_text(const std::vector<std::string_view>& lines);

struct ParameterDefinition {
  std::string name;   // lower case
  std::string value;  // the expression as HSPICE text, without quotes or braces
};

/// Adds the NAME = VALUE definitions of `text` (a `.param` statement's
/// text) to `definitions`; false when the text holds anything else (a
/// function definition, a value that does not close).
bool read_parameter_definitions(std::string_view text,
                                std::vector<ParameterDefinition>& definitions);

}  // namespace corvane
