#include "core/token_node_list.h"

#include <functional>
#include <limits>
#include <stdexcept>
#include <vector>

namespace corvane {

void TokenList::grow(size_type wanted) {
  const size_type capacity = std::max(wanted, size_type{2} * capacity_);
  if (capacity > std::numeric_limits<std::uint32_t>::max()) {
    throw std::length_error("expression too long");
  }
  std::unique_ptr<TokenNode[]> bigger(new TokenNode[capacity]);
  std::copy(begin(), end(), bigger.get());
  heap_ = std::move(bigger);
  capacity_ = static_cast<std::uint32_t>(capacity);
}

TokenList::iterator TokenList::insert(const_iterator position, const_iterator first,
                                      const_iterator last) {
  const auto at = static_cast<size_type>(position - begin());
  const auto count = static_cast<size_type>(last - first);
  if (count == 0) return begin() + at;
  // A range from this very list would move while the list makes room.
  const std::less<const TokenNode*> before;
  if (!before(first, begin()) && before(first, end())) {
    const std::vector<TokenNode> copy(first, last);
    return insert(position, copy.data(), copy.data() + copy.size());
  }
  if (size_ + count > capacity_) grow(size_ + count);
  TokenNode* const base = data();
  std::copy_backward(base + at, base + size_, base + size_ + count);
  std::copy(first, last, base + at);
  size_ += static_cast<std::uint32_t>(count);
  return base + at;
}

TokenList::iterator TokenList::erase(const_iterator first, const_iterator last) {
  TokenNode* const base = data();
  const auto from = static_cast<size_type>(first - base);
  const auto to = static_cast<size_type>(last - base);
  std::copy(base + to, base + size_, base + from);
  size_ -= static_cast<std::uint32_t>(to - from);
  return base + from;
}

}  // namespace corvane
