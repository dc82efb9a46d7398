// generate_library MEGABYTES OUTPUT: writes a generated HSPICE library.

#include <cstdlib>
#include <fstream>
#include <iostream>

#include "bench/library_generator.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: generate_library MEGABYTES OUTPUT\n";
    return 2;
  }
  const double megabytes = std::atof(argv[1]);
  const std::string text =
      corvane::generate_library(static_cast<std::size_t>(megabytes * 1024 * 1024));
  std::ofstream(argv[2], std::ios::binary) << text;
  return 0;
}
