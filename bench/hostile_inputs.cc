#include "bench/hostile_inputs.h"

#include <cstdint>
#include <string_view>

#include "core/text_index.h"

namespace corvane {
namespace {

constexpr std::string_view kNameCharacters = "abcdefghijklmnopqrstuvwxyz0123456789";

// The inverse of FNV's prime modulo 2^16, so the last character of a name
// can be solved for instead of searched.
constexpr std::uint64_t inverse_mod_2_16(std::uint64_t odd) {
  std::uint64_t inverse = 1;
  for (int i = 0; i < 16; ++i) inverse = (inverse * (2 - odd * inverse)) & 0xffff;
  return inverse;
}

constexpr std::uint64_t kPrimeInverse = inverse_mod_2_16(1099511628211ull & 0xffff);
constexpr std::uint64_t kTarget = 0x5a5a;

// A name "n<counter in base 36><three characters>" whose hash has kTarget
// in its low 16 bits: two characters are tried, the third is solved.
std::string colliding_name(std::uint64_t counter) {
  std::string prefix = "n";
  do {
    prefix += kNameCharacters[counter % 36];
    counter /= 36;
  } while (counter != 0);
  for (std::uint64_t tries = 0;; ++tries) {
    std::string name = prefix;
    for (std::uint64_t t = tries; t != 0; t /= 36) name += kNameCharacters[t % 36];
    const std::uint64_t h0 = TextIndex::hash(name);
    for (char first : kNameCharacters) {
      for (char second : kNameCharacters) {
        const std::uint64_t h = TextIndex::hash_step(TextIndex::hash_step(h0, first), second);
        // (h ^ last) * prime must end in kTarget.
        const std::uint64_t last = ((kTarget * kPrimeInverse) ^ h) & 0xffff;
        if (last < 256 && kNameCharacters.find(static_cast<char>(last)) != std::string_view::npos) {
          return name + first + second + static_cast<char>(last);
        }
      }
    }
  }
}

std::string plain_name(std::uint64_t counter) { return "n" + std::to_string(counter) + "xyz"; }

}  // namespace

std::string generate_lone_cr_netlist(std::size_t bytes) {
  std::string text = "* lone carriage returns end these lines\r";
  for (std::uint64_t i = 0; text.size() < bytes; ++i) {
    const std::string n = std::to_string(i);
    text += "r" + n + " a" + n + " b" + n + " 1k\r";
  }
  text += ".end\r";
  return text;
}

std::string generate_node_names_netlist(std::size_t bytes, bool colliding) {
  std::string text = "* node names\n";
  for (std::uint64_t i = 0; text.size() < bytes; i += 2) {
    const std::string a = colliding ? colliding_name(i) : plain_name(i);
    const std::string b = colliding ? colliding_name(i + 1) : plain_name(i + 1);
    text += "r" + std::to_string(i) + " " + a + " " + b + " 1k\n";
  }
  text += ".end\n";
  return text;
}

}  // namespace corvane
