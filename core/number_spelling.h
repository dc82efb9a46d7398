#pragma once

#include <string>
#include <string_view>

namespace corvane {

/// A number's text as Ondrel reads it to the same value. HSPICE's scale
/// suffixes x (mega) and a (atto) are no scale factors to Ondrel, which
/// would read 1x and 1a as 1: x is written "meg" (1x as 1meg), a is folded
/// into the exponent (3a as 3e-18, 1.5e-3a as 1.5e-21; units after it are
/// left out, since a letter after an exponent would be read as a scale
/// factor). Any other text is returned as it is; a changed one is kept in
/// `scratch`.
std::string_view ondrel_number_text(std::string_view text, std::string& scratch);

}  // namespace corvane
