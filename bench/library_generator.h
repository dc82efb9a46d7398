#pragma once

#include <cstddef>
#include <string>

namespace corvane {

/// A realistic HSPICE model library of about `bytes` bytes: `.lib` corner
/// sections with quoted `.param` expressions, binned BSIM3v3 cards of about
/// 200 parameters over "+" lines, and a netlist part with subcircuits and
/// R, C, E, G, X and M lines. The same size always gives the same text.
std::string generate_library(std::size_t bytes);

}  // namespace corvane
