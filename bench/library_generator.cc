#include "bench/library_generator.h"

#include <array>
#include <random>
#include <string_view>

#include "core/keywords.h"

namespace corvane {
namespace {

// Parameter names of a binned BSIM3v3 card, taken from the keyword lists.
std::string_view parameter_name(std::size_t i) {
  const std::size_t first = static_cast<std::size_t>(kKeywordListStart[1]);
  const std::size_t count = static_cast<std::size_t>(kKeywordListStart[2]) - first;
  return kKeywords[first + i % count];
}

void append_card(std::string& out, std::mt19937& random, const char* type, int bin) {
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  out += ".model ";
  out += type[0] == 'n' ? "nch." : "pch.";
  out += std::to_string(bin);
  out += ' ';
  out += type;
  out += " level=49 version=3.1 binunit=1\n";
  out += "+ lmin=" + std::to_string(bin) + "e-7 lmax=" + std::to_string(bin + 1) +
         "e-7 wmin=2.2e-7 wmax=1e-5\n";
  out += "+ tox='toxn*1.0' vth0='0.37+dvthn'\n";
  for (std::size_t i = 0; i < 200; i += 5) {
    out += '+';
    for (std::size_t j = i; j < i + 5; ++j) {
      out += ' ';
      out += parameter_name(j);
      out += '=';
      out += std::to_string(value(random));
      out += "e-";
      out += std::to_string(j % 12);
    }
    out += '\n';
  }
}

void append_netlist(std::string& out, int index) {
  const std::string n = std::to_string(index);
  out += ".subckt cell" + n + " in out vdd vss w=1u l=0.18u\n";
  out += "* cell " + n + ": an inverter with its load\n";
  out += "mn out in vss vss nch w='w' l='l' ad='w*0.5u' as='w*0.5u'\n";
  out += "mp out in vdd vdd pch w='2*w' l='l'\n";
  out += "r1 out mid 1.5k tc1=1e-3\n";
  out += "c1 mid vss 10f\n";
  out += "e1 sense 0 out vss 2.0\n";
  out += "g1 vdd mid sense 0 1m\n";
  out += ".ends cell" + n + "\n";
  out += "x" + n + " a" + n + " b" + n + " vdd 0 cell" + n + " w=2u\n";
}

}  // namespace

std::string generate_library(std::size_t bytes) {
  std::mt19937 random(20261208);
  std::string out = "* Generated HSPICE corner library for benchmarks\n";
  out.reserve(bytes + 8192);
  static constexpr std::array<const char*, 3> kCorners = {"tt", "ff", "ss"};
  for (const char* corner : kCorners) {
    out += ".lib ";
    out += corner;
    out += "\n.param toxn='4.1e-9*1.0' dvthn=0.01 dvthp=-0.01\n.lib 'lib.l' mos\n.endl ";
    out += corner;
    out += '\n';
  }
  out += ".lib mos\n";
  int bin = 1;
  while (out.size() < bytes * 3 / 4) {
    append_card(out, random, bin % 2 ? "nmos" : "pmos", bin);
    ++bin;
  }
  out += ".endl mos\n";
  int cell = 0;
  while (out.size() < bytes) append_netlist(out, cell++);
  out += ".end\n";
  return out;
}

}  // namespace corvane
