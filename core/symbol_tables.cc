#include "core/symbol_tables.h"

#include "core/keywords.h"
#include "core/token_kinds.h"

namespace corvane {

namespace {

struct KeywordTable {
  std::vector<SymbolTable::Entry> entries;
  StringMap<int> index;  // a repeated text keeps its first code
};

const KeywordTable& keyword_table() {
  static const KeywordTable table = [] {
    KeywordTable built;
    built.entries.reserve(KEYWORD_COUNT);
    for (int i = 0; i < KEYWORD_COUNT; ++i) {
      const std::string_view word = kKeywords[static_cast<std::size_t>(i)];
      built.entries.push_back({std::string(word), KEYWORD_FIRST_CODE + i});
      built.index.try_emplace(std::string(word), i);
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

int SymbolTable::enter(std::string_view text, int kind) {
  const int found = find(text);
  if (found >= 0) return found;
  const int index = size();
  names_.push_back({std::string(text), kind});
  index_.emplace(std::string(text), index);
  return index;
}

int SymbolTable::find(std::string_view text) const {
  const StringMap<int>& keywords = keyword_table().index;
  if (auto keyword = keywords.find(text); keyword != keywords.end()) return keyword->second;
  auto found = index_.find(text);
  return found == index_.end() ? -1 : found->second;
}

const SymbolTable::Entry& SymbolTable::operator[](int index) const {
  if (index < KEYWORD_COUNT) return keyword_table().entries[static_cast<std::size_t>(index)];
  return names_[static_cast<std::size_t>(index - KEYWORD_COUNT)];
}

int SymbolTable::size() const { return KEYWORD_COUNT + static_cast<int>(names_.size()); }

void ConstantTable::reset() {
  entries_.clear();
  plain_index_.clear();
  exponent_index_.clear();
}

int ConstantTable::enter(std::string_view text, int kind) {
  StringMap<int>& index = kind == TOK_NUMBER_EXP ? exponent_index_ : plain_index_;
  if (auto found = index.find(text); found != index.end()) return found->second;
  int position = size();
  entries_.push_back({std::string(text), kind});
  index.emplace(std::string(text), position);
  return position;
}

}  // namespace corvane
