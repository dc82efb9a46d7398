#include "core/symbol_tables.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <random>
#include <stdexcept>

#include "core/keywords.h"
#include "core/token_kinds.h"

namespace corvane {

namespace {

const std::vector<SymbolTable::Entry>& keyword_entries() {
  static const std::vector<SymbolTable::Entry> entries = [] {
    std::vector<SymbolTable::Entry> built;
    built.reserve(KEYWORD_COUNT);
    for (int i = 0; i < KEYWORD_COUNT; ++i) {
      built.push_back({kKeywords[static_cast<std::size_t>(i)], KEYWORD_FIRST_CODE + i});
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

SymbolTable::~SymbolTable() = default;

void SymbolTable::reset() {
  name_chunks_.clear();
  name_count_ = 0;
  index_.clear();
  text_blocks_.clear();
  block_free_ = nullptr;
  block_left_ = 0;
}

std::string_view SymbolTable::keep_text(std::string_view text) {
  constexpr std::size_t kBlockSize = 64 * 1024;
  if (text.size() > block_left_) {
    // A name longer than a block gets a block of its own; the space left
    // in the current one is not worth keeping track of.
    const std::size_t size = std::max(kBlockSize, text.size());
    text_blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    block_free_ = text_blocks_.back().get();
    block_left_ = size;
  }
  char* kept = block_free_;
  if (!text.empty()) std::memcpy(kept, text.data(), text.size());
  block_free_ += text.size();
  block_left_ -= text.size();
  return std::string_view(kept, text.size());
}

int SymbolTable::find_hashed(std::string_view text, std::uint64_t h) const {
  const int keyword = keywords_.find(text, h, keyword_entry_text);
  if (keyword >= 0) return keyword;
  const int name = index_.find(text, h, [this](int i) -> std::string_view {
    const Stored& entry = stored(i);
    return std::string_view(entry.data, entry.size);
  });
  return name < 0 ? -1 : KEYWORD_COUNT + name;
}

int SymbolTable::enter_hashed(std::string_view text, std::uint64_t h, int kind) {
  const int found = find_hashed(text, h);
  if (found >= 0) return found;
  if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("name past 4 GB");
  }
  constexpr int kChunkSize = 1 << kChunkBits;
  if (name_count_ % kChunkSize == 0) {
    name_chunks_.push_back(std::make_unique_for_overwrite<Stored[]>(kChunkSize));
  }
  const std::string_view kept = keep_text(text);
  name_chunks_.back()[static_cast<std::size_t>(name_count_ % kChunkSize)] = {
      kept.data(), static_cast<std::uint32_t>(kept.size()), kind};
  index_.insert(h, name_count_);
  return KEYWORD_COUNT + name_count_++;
}

int SymbolTable::find(std::string_view text) const { return find_hashed(text, hash(text)); }

SymbolTable::Entry SymbolTable::operator[](int index) const {
  if (index < KEYWORD_COUNT) return keyword_entries()[static_cast<std::size_t>(index)];
  const Stored& entry = stored(index - KEYWORD_COUNT);
  return {std::string_view(entry.data, entry.size), entry.kind};
}

int ConstantTable::enter(std::string_view text, int kind) {
  if (texts_.size() + text.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("statement's numbers past 4 GB");
  }
  constexpr int kChunkSize = 1 << kChunkBits;
  const auto chunk = static_cast<std::size_t>(count_ >> kChunkBits);
  if (chunk == chunks_.size())
    chunks_.push_back(std::make_unique_for_overwrite<Stored[]>(kChunkSize));
  chunks_[chunk][static_cast<std::size_t>(count_ % kChunkSize)] = {
      static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size()), kind};
  texts_.append(text);
  return count_++;
}

int SymbolTable::size() const { return KEYWORD_COUNT + name_count_; }

}  // namespace corvane
