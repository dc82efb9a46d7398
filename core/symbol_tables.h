#pragma once

#include <cstddef>
#include <functional>
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

  struct Entry {
    std::string text;
    int kind;
  };

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
  const Entry& operator[](int index) const;
  int size() const;
  /// The longest probing run of the names index: what a miss may pass.
  std::size_t longest_probe_run() const { return index_.longest_run(); }

 private:
  int find_hashed(std::string_view text, std::uint64_t h) const;

  std::uint64_t hash_start_;
  // The keyword entries are the same for every file, built once and shared;
  // their index depends on the hash start. It is small, so it stays in cache
  // while a large netlist's names index does not.
  TextIndex keywords_;
  std::vector<Entry> names_;  // entries from index 820 on
  TextIndex index_;           // names only, by their number in names_
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
    entries_.clear();
  }
  int enter(std::string_view text, int kind) {
    entries_.push_back({texts_.size(), text.size(), kind});
    texts_.append(text);
    return static_cast<int>(entries_.size()) - 1;
  }
  Entry operator[](int index) const {
    const Stored& stored = entries_.at(static_cast<std::size_t>(index));
    return {std::string_view(texts_).substr(stored.offset, stored.size), stored.kind};
  }
  int size() const { return static_cast<int>(entries_.size()); }

 private:
  // The texts stand one after another in one string: a number costs no
  // allocation of its own.
  struct Stored {
    std::size_t offset;
    std::size_t size;
    int kind;
  };
  std::string texts_;
  std::vector<Stored> entries_;
};

}  // namespace corvane
