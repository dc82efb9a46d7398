#include "core/symbol_tables.h"

#include <random>

#include "core/keywords.h"
#include "core/token_kinds.h"

namespace corvane {

namespace {

const std::vector<SymbolTable::Entry>& keyword_entries() {
  static const std::vector<SymbolTable::Entry> entries = [] {
    std::vector<SymbolTable::Entry> built;
    built.reserve(KEYWORD_COUNT);
    for (int i = 0; i < KEYWORD_COUNT; ++i) {
      built.push_back(
          {std::string(kKeywords[static_cast<std::size_t>(i)]), KEYWORD_FIRST_CODE + i});
    }
    return built;
  }();
  return entries;
}

std::string_view keyword_entry_text(int i) {
  return keyword_entries()[static_cast<std::size_t>(i)].text;
}

std::uint64_t drawn_seed() {
  std::random_device device;
  return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

}  // namespace

SymbolTable::SymbolTable() : SymbolTable(drawn_seed()) {}

SymbolTable::SymbolTable(std::uint64_t seed) : hash_start_(TextIndex::kHashStart ^ seed) {
  for (int i = 0; i < KEYWORD_COUNT; ++i) {
    const std::string_view word = keyword_entry_text(i);
    const std::uint64_t h = hash(word);
    // A repeated text keeps its first code.
    if (keywords_.find(word, h, keyword_entry_text) < 0) keywords_.insert(h, i);
  }
}

void SymbolTable::reset() {
  names_.clear();
  index_.clear();
}

int SymbolTable::find_hashed(std::string_view text, std::uint64_t h) const {
  const int keyword = keywords_.find(text, h, keyword_entry_text);
  if (keyword >= 0) return keyword;
  const int name = index_.find(text, h, [this](int i) -> std::string_view {
    return names_[static_cast<std::size_t>(i)].text;
  });
  return name < 0 ? -1 : KEYWORD_COUNT + name;
}

int SymbolTable::enter_hashed(std::string_view text, std::uint64_t h, int kind) {
  const int found = find_hashed(text, h);
  if (found >= 0) return found;
  index_.insert(h, static_cast<int>(names_.size()));
  names_.push_back({std::string(text), kind});
  return KEYWORD_COUNT + static_cast<int>(names_.size()) - 1;
}

int SymbolTable::find(std::string_view text) const { return find_hashed(text, hash(text)); }

const SymbolTable::Entry& SymbolTable::operator[](int index) const {
  if (index < KEYWORD_COUNT) return keyword_entries()[static_cast<std::size_t>(index)];
  return names_[static_cast<std::size_t>(index - KEYWORD_COUNT)];
}

int SymbolTable::size() const { return KEYWORD_COUNT + static_cast<int>(names_.size()); }

}  // namespace corvane
