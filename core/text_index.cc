#include "core/text_index.h"

#include <algorithm>
#include <bit>

namespace corvane {

void TextIndex::insert(std::uint64_t h, int value) {
  // At most three quarters full: a miss still ends after a few slots, and a
  // table of a million names holds half the slots it would at half full
  // (while it grows, the old slots and the new are held at once).
  if (4 * (count_ + 1) > 3 * slots_.size()) grow();
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = place(h);
  while (slots_[i].value >= 0) i = (i + 1) & mask;
  slots_[i] = {static_cast<std::uint32_t>(h), value};
  ++count_;
}

void TextIndex::clear() {
  slots_.clear();
  count_ = 0;
  shift_ = 64;
}

std::size_t TextIndex::longest_run() const {
  std::size_t longest = 0;
  std::size_t run = 0;
  // Runs wrap around the end, so go round twice.
  for (std::size_t i = 0; i < 2 * slots_.size(); ++i) {
    run = slots_[i % slots_.size()].value >= 0 ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return std::min(longest, count_);
}

void TextIndex::grow() {
  std::vector<Slot> old = std::move(slots_);
  slots_.assign(old.empty() ? 64 : 2 * old.size(), Slot{0, -1});
  shift_ = 64 - static_cast<unsigned>(std::countr_zero(slots_.size()));
  count_ = 0;
  for (const Slot& slot : old) {
    if (slot.value >= 0) insert(slot.hash, slot.value);
  }
}

}  // namespace corvane
