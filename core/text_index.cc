#include "core/text_index.h"

namespace corvane {

void TextIndex::insert(std::uint64_t h, int value) {
  // At most half full, so a miss ends after a few slots.
  if (2 * (count_ + 1) > slots_.size()) grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = h & mask;
  while (slots_[i].value >= 0) i = (i + 1) & mask;
  slots_[i] = {static_cast<std::uint32_t>(h), value};
  ++count_;
}

void TextIndex::clear() {
  slots_.clear();
  count_ = 0;
}

void TextIndex::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{0, -1});
  count_ = 0;
  for (const Slot& slot : old) {
    if (slot.value >= 0) insert(slot.hash, slot.value);
  }
}

}  // namespace corvane
