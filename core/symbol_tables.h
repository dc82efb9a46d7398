#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/text_index.h"

namespace corvane {

struct StringHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view text) const noexcept {
    return std::hash<std::string_view>{}(text);
  }
};

template <typename Value>
using StringMap = std::unordered_map<std::string, Value, StringHash, std::equal_to<>>;

/// Names, calls and keywords met in a file. Entries 0 to 819 are the keywords
/// in code order; names are appended after them and never removed. Its hash
/// starts from a value drawn for each table, so no input file can be made
/// whose names all fall on one probing chain.
class SymbolTable {
 public:
  SymbolTable();
  explicit SymbolTable(std::uint64_t seed);

  /// `text` stays valid until the table is reset or goes.
  struct Entry {
    std::string_view text;
    int kind;
  };

  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;
  SymbolTable(SymbolTable&&) = default;
  SymbolTable& operator=(SymbolTable&&) = default;
  ~SymbolTable();

  /// Empties the table down to the keywords.
  void reset();
  /// The index of the first entry with this text, appending one when none.
  int enter(std::string_view text, int kind) { return enter_hashed(text, hash(text), kind); }
  /// The hash `enter_hashed` takes: `TextIndex::hash` from `hash_start()`.
  std::uint64_t hash(std::string_view text) const { return TextIndex::hash(text, hash_start_); }
  std::uint64_t hash_start() const { return hash_start_; }
  /// `enter` with the text's `hash` already made.
  int enter_hashed(std::string_view text, std::uint64_t h, int kind);
  /// The index of the first entry with this text, or -1.
  int find(std::string_view text) const;
  Entry operator[](int index) const;
  int size() const;
  /// The longest probing run of the names index: what a miss may pass.
  std::size_t longest_probe_run() const { return index_.longest_run(); }

 private:
  int find_hashed(std::string_view text, std::uint64_t h) const;
  // Keeps `text` in the arena of name texts; the view stays valid.
  std::string_view keep_text(std::string_view text);

  // A name's entry: sixteen bytes, in chunks that never move, so a netlist
  // of a million names costs its characters and little more (a vector
  // would hold its old and new arrays at once each time it grew).
  struct Stored {
    const char* data;
    std::uint32_t size;
    std::int32_t kind;
  };
  static constexpr int kChunkBits = 12;
  const Stored& stored(int name) const {
    return name_chunks_[static_cast<std::size_t>(name >> kChunkBits)]
                       [static_cast<std::size_t>(name & ((1 << kChunkBits) - 1))];
  }

  std::uint64_t hash_start_;
  // The keyword entries are the same for every file, built once and shared;
  // their index depends on the hash start. It is small, so it stays in cache
  // while a large netlist's names index does not.
  TextIndex keywords_;
  std::vector<std::unique_ptr<Stored[]>> name_chunks_;  // entries from index 820 on
  int name_count_ = 0;
  TextIndex index_;  // names only, by their number among the names
  // Name texts side by side in large blocks that never move: a name costs
  // no allocation of its own.
  std::vector<std::unique_ptr<char[]>> text_blocks_;
  char* block_free_ = nullptr;
  std::size_t block_left_ = 0;
};

/// Number texts of the statement in hand. Numbers are nearly all distinct
/// and no statement refers to another's, so the table is emptied at each
/// statement start (see `keep_current_constant`) and never searched: a large
/// model library then costs neither a hash per number nor memory per number.
class ConstantTable {
 public:
  /// `text` stays valid until the next `enter` or `reset`.
  struct Entry {
    std::string_view text;
    int kind;
  };

  void reset() {
    texts_.clear();
    count_ = 0;  // the chunks stay for the next statement
  }
  int enter(std::string_view text, int kind);
  Entry operator[](int index) const {
    if (index < 0 || index >= count_) throw std::out_of_range("no such number");
    const Stored& stored = chunks_[static_cast<std::size_t>(index >> kChunkBits)]
                                  [static_cast<std::size_t>(index & ((1 << kChunkBits) - 1))];
    return {std::string_view(texts_).substr(stored.offset, stored.size), stored.kind};
  }
  int size() const { return count_; }

 private:
  // The texts stand one after another in one string: a number costs no
  // allocation of its own, and twelve bytes besides its characters (a
  // statement's numbers stay far below 4 GB of text). The entries are in
  // chunks that never move, so a statement of a million numbers does not
  // hold two arrays of them at once while it grows.
  struct Stored {
    std::uint32_t offset;
    std::uint32_t size;
    int kind;
  };
  static constexpr int kChunkBits = 12;
  std::string texts_;
  std::vector<std::unique_ptr<Stored[]>> chunks_;
  int count_ = 0;
};

}  // namespace corvane
