#include "core/output_text.h"

#include <algorithm>
#include <cstring>

namespace corvane {
namespace {

// Blocks start small, as most texts are (a section of a few lines), and
// double up to a megabyte.
constexpr std::size_t kFirstBlock = 256;
constexpr std::size_t kLargestBlock = std::size_t{1} << 20;

}  // namespace

void OutputText::add_block(std::size_t at_least) {
  std::size_t capacity = kFirstBlock;
  if (!blocks_.empty()) capacity = std::min(2 * blocks_.back().capacity, kLargestBlock);
  capacity = std::max(capacity, at_least);
  // The bytes are written before they are read, so they are left
  // uninitialised: a large text's pages are touched once.
  blocks_.push_back({std::unique_ptr<char[]>(new char[capacity]), 0, capacity});
  // Small blocks share their pages with other allocations; only the large
  // ones of a long text are worth readying.
  if (prepare_ != nullptr && capacity >= kLargestBlock)
    prepare_(blocks_.back().data.get(), capacity);
}

void OutputText::drop_unfinished_line() {
  brace_count_valid_ = false;
  while (!blocks_.empty()) {
    Block& last = blocks_.back();
    const std::string_view text(last.data.get(), last.size);
    const std::size_t newline = text.rfind('\n');
    const std::size_t kept = newline == std::string_view::npos ? 0 : newline + 1;
    size_ -= last.size - kept;
    last.size = kept;
    if (kept > 0 || blocks_.size() == 1) return;
    blocks_.pop_back();
  }
}

void OutputText::truncate(std::size_t size) {
  brace_count_valid_ = false;
  while (!blocks_.empty() && size_ - blocks_.back().size >= size && blocks_.size() > 1) {
    size_ -= blocks_.back().size;
    blocks_.pop_back();
  }
  if (blocks_.empty() || size_ <= size) return;
  blocks_.back().size -= size_ - size;
  size_ = size;
}

int OutputText::open_braces_in_last_line() {
  // Only the bytes written since the last call are read: a line of many
  // values has its braces counted once, not once a value.
  const std::size_t from = brace_count_valid_ ? brace_count_end_ : 0;
  int counted = 0;
  bool line_starts_after_from = false;
  std::size_t block_end = size_;
  for (std::size_t b = blocks_.size(); b-- > 0 && block_end > from;) {
    const char* data = blocks_[b].data.get();
    const std::size_t size = blocks_[b].size;
    const std::size_t block_start = block_end - size;
    const std::size_t first = from > block_start ? from - block_start : 0;
    const void* newline = memrchr(data + first, '\n', size - first);
    const std::size_t start =
        newline == nullptr ? first
                           : static_cast<std::size_t>(static_cast<const char*>(newline) - data) + 1;
    // Most lines hold no brace: one search tells.
    for (const char* p = data + start;
         (p = static_cast<const char*>(
              std::memchr(p, '{', size - static_cast<std::size_t>(p - data)))) != nullptr;
         ++p) {
      ++counted;
    }
    for (const char* p = data + start;
         (p = static_cast<const char*>(
              std::memchr(p, '}', size - static_cast<std::size_t>(p - data)))) != nullptr;
         ++p) {
      --counted;
    }
    if (newline != nullptr) {
      line_starts_after_from = true;
      break;
    }
    block_end = block_start;
  }
  const int open = (brace_count_valid_ && !line_starts_after_from ? brace_count_ : 0) + counted;
  brace_count_valid_ = true;
  brace_count_end_ = size_;
  brace_count_ = open;
  return open;
}

std::string OutputText::text_from(std::size_t offset) const {
  std::string text;
  std::size_t block_end = size_;
  std::size_t first = blocks_.size();
  while (first > 0 && block_end > offset) {
    --first;
    block_end -= blocks_[first].size;
  }
  for (std::size_t i = first; i < blocks_.size(); ++i) {
    const std::string_view block(blocks_[i].data.get(), blocks_[i].size);
    const std::size_t skip = offset > block_end ? offset - block_end : 0;
    if (skip < block.size()) text.append(block.substr(skip));
    block_end += block.size();
  }
  return text;
}

std::string OutputText::str() const {
  std::string whole;
  whole.reserve(size_);
  for_each_block([&whole](std::string_view block) { whole.append(block); });
  return whole;
}

std::string OutputText::take() {
  std::string whole;
  whole.reserve(size_);
  for (Block& block : blocks_) {
    whole.append(block.data.get(), block.size);
    block.data.reset();  // freed once copied
  }
  clear();
  return whole;
}

}  // namespace corvane
