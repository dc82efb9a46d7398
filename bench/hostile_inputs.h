#pragma once

#include <cstddef>
#include <string>

namespace corvane {

/// A netlist of about `bytes` bytes whose lines end in a lone "\r" (old Mac
/// text): the line search must not look ahead for a "\n" on every line.
std::string generate_lone_cr_netlist(std::size_t bytes);

/// A netlist of about `bytes` bytes of resistors between node names made to
/// share the low 16 bits of the name hash started from its fixed value, as
/// a file made to flood a hash table would be. With `colliding` false the
/// names are plain counters of the same length, for comparison.
std::string generate_node_names_netlist(std::size_t bytes, bool colliding);

}  // namespace corvane
