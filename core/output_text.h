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

/// What a character of a name becomes: itself, or "_" for a character that
/// Ondrel names cannot hold; a newline is dropped.
struct Respelling {
  char out;
  bool keep;
  bool respelled;
};
constexpr std::array<Respelling, 256> make_respelling_table() {
  std::array<Respelling, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[static_cast<std::size_t>(c)] = {static_cast<char>(c), true, false};
  for (char c : std::string_view("#&;<>?[]^~@")) {
    table[static_cast<unsigned char>(c)] = {'_', true, true};
  }
  table[static_cast<unsigned char>('\n')] = {'\n', false, false};
  return table;
}
inline constexpr std::array<Respelling, 256> kRespelling = make_respelling_table();
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
  /// `text`, then a blank when asked, in one piece.
  void append_piece(std::string_view text, bool blank) {
    char* const start = tail(text.size() + 1);
    std::memcpy(start, text.data(), text.size());
    start[text.size()] = ' ';
    advance(text.size() + (blank ? 1 : 0));
  }
  void push_back(char c) {
    *tail(1) = c;
    advance(1);
  }

  /// Appends `text` with each character that Ondrel names cannot hold
  /// (# & ; < > ? [ ] ^ ~ @) written as "_" and newlines left out, then a
  /// blank when asked. One pass straight into the free end: this runs for
  /// nearly every piece written. True when a character was respelled.
  bool append_respelled(std::string_view text, bool blank) {
    char* const start = tail(text.size() + 1);
    bool respelled = false;
    char* end = copy_respelled(start, text, respelled);
    *end = ' ';
    end += blank ? 1 : 0;
    advance(static_cast<std::size_t>(end - start));
    return respelled;
  }

  /// Copies `text` respelled so to `to`; returns the end.
  static char* copy_respelled(char* to, std::string_view text, bool& respelled) {
    bool any = false;
    for (char c : text) {
      const output_detail::Respelling& r =
          output_detail::kRespelling[static_cast<unsigned char>(c)];
      *to = r.out;
      to += r.keep ? 1 : 0;
      any |= r.respelled;
    }
    respelled = any;
    return to;
  }

  /// Copies `text` less the characters of a name Ondrel cannot hold, and
  /// newlines, to `to`; returns the end. For numbers, whose text is no name.
  static char* copy_stripped(char* to, std::string_view text) {
    for (char c : text) {
      *to = c;
      to += output_detail::kSpecial[static_cast<unsigned char>(c)] ? 0 : 1;
    }
    return to;
  }

  /// Appends a number's text less those characters.
  void append_stripped(std::string_view text) {
    char* const start = tail(text.size());
    advance(static_cast<std::size_t>(copy_stripped(start, text) - start));
  }

  /// Takes back the last `n` bytes appended.
  void unappend(std::size_t n) {
    brace_count_valid_ = false;
    blocks_.back().size -= n;
    size_ -= n;
  }

  /// Cuts the text back to its first `size` bytes.
  void truncate(std::size_t size);
  /// How many "{" the unfinished last line opens and does not close.
  int open_braces_in_last_line();
  /// The text from byte `offset` to the end (a copy of that part only).
  std::string text_from(std::size_t offset) const;

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  /// Cuts the text back to the end of its last complete line.
  void drop_unfinished_line();

  /// The whole text; the object is left empty.
  std::string take();
  /// A copy of the whole text.
  std::string str() const;
  void clear() {
    brace_count_valid_ = false;
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
  // What `open_braces_in_last_line` counted up to byte `brace_count_end_`;
  // invalid once the text was cut back.
  bool brace_count_valid_ = false;
  std::size_t brace_count_end_ = 0;
  int brace_count_ = 0;
};

}  // namespace corvane
