#include "core/symbol_tables.h"

#include "core/keywords.h"
#include "core/token_kinds.h"

namespace corvane {

void SymbolTable::reset() {
  entries_.clear();
  index_.clear();
  entries_.reserve(KEYWORD_COUNT + 1024);
  index_.reserve(KEYWORD_COUNT + 1024);
  for (int i = 0; i < KEYWORD_COUNT; ++i) {
    std::string_view word = kKeywords[static_cast<std::size_t>(i)];
    entries_.push_back({std::string(word), KEYWORD_FIRST_CODE + i});
    index_.try_emplace(std::string(word), i);  // a repeated text keeps its first code
  }
}

int SymbolTable::enter(std::string_view text, int kind) {
  if (auto found = index_.find(text); found != index_.end()) return found->second;
  int index = size();
  entries_.push_back({std::string(text), kind});
  index_.emplace(std::string(text), index);
  return index;
}

int SymbolTable::find(std::string_view text) const {
  auto found = index_.find(text);
  return found == index_.end() ? -1 : found->second;
}

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
