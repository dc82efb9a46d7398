#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// A growing output text kept in blocks. A block is never reallocated, so a
/// text of many megabytes grows without the copy and the doubled capacity
/// that one string would need, and writers copy straight into the free end
/// of the last block.
namespace output_detail {
constexpr std::array<bool, 256> make_special_table() {
  std::array<bool, 256> table{};
  for (char c : std::string_view("\n#&;<>?[]^~@")) table[static_cast<unsigned char>(c)] = true;
  return table;
}
inline constexpr std::array<bool, 256> kSpecial = make_special_table();
}  // namespace output_detail

/// Readies the memory of a fresh block before it is written. A host may map
/// all of its pages in one go, which costs less than the fault the first
/// write to each page would take.
using BlockPreparer = void (*)(char* block, std::size_t size);

class OutputText {
 public:
  OutputText() = default;
  /// Blocks of the largest size are handed to `prepare` as they are made.
  explicit OutputText(BlockPreparer prepare) : prepare_(prepare) {}

  /// Room for `n` more bytes at the end: where to write them. Follow with
  /// `advance` by the number actually written (at most `n`).
  char* tail(std::size_t n) {
    if (blocks_.empty() || blocks_.back().capacity - blocks_.back().size < n) add_block(n);
    return blocks_.back().data.get() + blocks_.back().size;
  }
  void advance(std::size_t written) {
    blocks_.back().size += written;
    size_ += written;
  }

  void append(std::string_view text) {
    if (text.empty()) return;
    std::memcpy(tail(text.size()), text.data(), text.size());
    advance(text.size());
  }
  void push_back(char c) {
    *tail(1) = c;
    advance(1);
  }

  /// Appends `text` less the characters Ondrel text must not hold (newlines
  /// and # & ; < > ? [ ] ^ ~ @), then a blank when asked. One pass straight
  /// into the free end: this runs for nearly every piece written.
  void append_stripped(std::string_view text, bool blank) {
    char* const start = tail(text.size() + 1);
    char* end = copy_stripped(start, text);
    *end = ' ';
    end += blank ? 1 : 0;
    advance(static_cast<std::size_t>(end - start));
  }

  /// Copies `text` less those characters to `to`; returns the end.
  static char* copy_stripped(char* to, std::string_view text) {
    for (char c : text) {
      *to = c;
      to += output_detail::kSpecial[static_cast<unsigned char>(c)] ? 0 : 1;
    }
    return to;
  }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  /// Cuts the text back to the end of its last complete line.
  void drop_unfinished_line();

  /// The whole text; the object is left empty.
  std::string take();
  /// A copy of the whole text.
  std::string str() const;
  void clear() {
    blocks_.clear();
    size_ = 0;
  }

  /// Calls `visit(std::string_view)` for each block's text, in order.
  template <typename Visit>
  void for_each_block(Visit visit) const {
    for (const Block& block : blocks_) visit(std::string_view(block.data.get(), block.size));
  }

 private:
  struct Block {
    std::unique_ptr<char[]> data;
    std::size_t size = 0;
    std::size_t capacity = 0;
  };
  void add_block(std::size_t at_least);

  std::vector<Block> blocks_;
  std::size_t size_ = 0;
  BlockPreparer prepare_ = nullptr;
};

}  // namespace corvane
