#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

/// An open-addressing index from a text to the number of the entry that
/// holds it. The texts live in the caller's entries; the index keeps only
/// their hashes, so one lookup hashes the text once and touches one array.
class TextIndex {
 public:
  // FNV-1a: names are short, and the scanner folds it into its word loop.
  static constexpr std::uint64_t kHashStart = 14695981039346656037ull;
  static constexpr std::uint64_t hash_step(std::uint64_t h, char c) {
    return (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  /// The hash of `text` from a start value: a table seeds its start per
  /// run (see `SymbolTable`), so no input can be made to collide.
  static std::uint64_t hash(std::string_view text, std::uint64_t start = kHashStart) {
    std::uint64_t h = start;
    for (char c : text) h = hash_step(h, c);
    return h;
  }

  /// Byte equality without a library call: the texts compared are a few
  /// characters long, and their hashes already matched.
  static bool same_text(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }

  /// The entry number whose text (as `text_of(number)` gives it) equals
  /// `text`, or -1.
  template <typename TextOf>
  int find(std::string_view text, std::uint64_t h, const TextOf& text_of) const {
    if (slots_.empty()) return -1;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = place(h);; i = (i + 1) & mask) {
      const Slot& slot = slots_[i];
      if (slot.value < 0) return -1;
      if (slot.hash == static_cast<std::uint32_t>(h) && same_text(text_of(slot.value), text)) {
        return slot.value;
      }
    }
  }

  /// Adds an entry number under a hash; the text must not be present yet.
  void insert(std::uint64_t h, int value);
  void clear();

  /// The longest run of filled slots: what a miss may have to pass.
  std::size_t longest_run() const;

 private:
  // Eight bytes a slot, so a large index takes fewer cache lines. The low
  // half of the hash places the slot (tables stay far below 2^32 slots) and
  // screens out most unequal texts before their bytes are compared.
  struct Slot {
    std::uint32_t hash;
    std::int32_t value;  // -1: empty
  };
  void grow();
  // The first slot to try: the top bits of the hash's low half times an odd
  // constant, which depend on every bit of that half (FNV-1a's low bits
  // depend on the low bits of the text's bytes alone). The low half is what
  // a slot keeps, so growing needs no text.
  std::size_t place(std::uint64_t h) const {
    return static_cast<std::size_t>(((h & 0xffffffffull) * 0x9E3779B97F4A7C15ull) >> shift_);
  }

  std::vector<Slot> slots_;
  std::size_t count_ = 0;
  unsigned shift_ = 64;  // 64 - log2 of the slot count
};

}  // namespace corvane
