// generate_library MEGABYTES OUTPUT: writes a generated HSPICE library.
// generate_library --lone-cr | --colliding-names | --plain-names MEGABYTES OUTPUT:
// writes one of the inputs that must still take linear time.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "bench/hostile_inputs.h"
#include "bench/library_generator.h"

int main(int argc, char** argv) {
  const bool hostile = argc == 4;
  if (argc != 3 && !hostile) {
    std::cerr << "usage: generate_library [--lone-cr | --colliding-names | --plain-names] "
                 "MEGABYTES OUTPUT\n";
    return 2;
  }
  const std::size_t bytes = static_cast<std::size_t>(std::atof(argv[argc - 2]) * 1024 * 1024);
  std::string text;
  const std::string_view kind = hostile ? argv[1] : "";
  if (!hostile) {
    text = corvane::generate_library(bytes);
  } else if (kind == "--lone-cr") {
    text = corvane::generate_lone_cr_netlist(bytes);
  } else if (kind == "--colliding-names" || kind == "--plain-names") {
    text = corvane::generate_node_names_netlist(bytes, kind == "--colliding-names");
  } else {
    std::cerr << "generate_library: unknown kind " << kind << "\n";
    return 2;
  }
  std::ofstream(argv[argc - 1], std::ios::binary) << text;
  return 0;
}
