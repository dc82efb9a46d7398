#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::simulation {

/// One analysis of an ngspice raw file in ASCII: its vectors by name, each
/// with one real value per point (the real part of a complex one).
struct Plot {
  std::string name;  // "Operating Point", "Transient Analysis", ...
  std::vector<std::string> names;
  std::vector<std::vector<double>> values;  // values[vector][point]

  /// The vector's index, or -1.
  int find(std::string_view vector) const;
};

/// The plots of an ASCII raw file, in order; empty when the text is not
/// one. `error` says what could not be read.
std::vector<Plot> read_raw_file(std::string_view text, std::string& error);

}  // namespace corvane::simulation
