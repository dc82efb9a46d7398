#include "core/symbol_tables.h"

#include "core/keywords.h"
#include "core/token_kinds.h"

namespace corvane {

namespace {

struct KeywordTable {
  std::vector<SymbolTable::Entry> entries;
  TextIndex index;  // a repeated text keeps its first code

  int find(std::string_view text, std::uint64_t h) const {
    return index.find(text, h, [this](int i) -> std::string_view {
      return entries[static_cast<std::size_t>(i)].text;
    });
  }
};

const KeywordTable& keyword_table() {
  static const KeywordTable table = [] {
    KeywordTable built;
    built.entries.reserve(KEYWORD_COUNT);
    for (int i = 0; i < KEYWORD_COUNT; ++i) {
      const std::string_view word = kKeywords[static_cast<std::size_t>(i)];
      built.entries.push_back({std::string(word), KEYWORD_FIRST_CODE + i});
      const std::uint64_t h = TextIndex::hash(word);
      if (built.find(word, h) < 0) built.index.insert(h, i);
    }
    return built;
  }();
  return table;
}

}  // namespace

void SymbolTable::reset() {
  names_.clear();
  index_.clear();
}

int SymbolTable::find_hashed(std::string_view text, std::uint64_t h) const {
  // Keywords first: their index is small and shared, so it stays in cache
  // while a large netlist's names index does not.
  const int keyword = keyword_table().find(text, h);
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

int SymbolTable::find(std::string_view text) const {
  return find_hashed(text, TextIndex::hash(text));
}

const SymbolTable::Entry& SymbolTable::operator[](int index) const {
  if (index < KEYWORD_COUNT) return keyword_table().entries[static_cast<std::size_t>(index)];
  return names_[static_cast<std::size_t>(index - KEYWORD_COUNT)];
}

int SymbolTable::size() const { return KEYWORD_COUNT + static_cast<int>(names_.size()); }

}  // namespace corvane
