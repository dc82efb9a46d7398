#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "core/token_kinds.h"

namespace corvane {

/// One piece of a value or expression: a token kind, keyword code or NODE_
/// kind, with its table index where it has one.
struct TokenNode {
  int kind = NODE_ZERO;
  int value = 0;

  friend bool operator==(const TokenNode&, const TokenNode&) = default;
};

/// Pieces in the order they were added, with the operations of a vector.
/// Nearly every value is one to three pieces (a number; "{ name }"), so the
/// first four live in the list itself: a model card's hundreds of values
/// then cost no allocation each.
class TokenList {
 public:
  using value_type = TokenNode;
  using iterator = TokenNode*;
  using const_iterator = const TokenNode*;
  using size_type = std::size_t;

  TokenList() = default;
  TokenList(std::initializer_list<TokenNode> nodes) { insert(end(), nodes.begin(), nodes.end()); }
  TokenList(const_iterator first, const_iterator last) { insert(end(), first, last); }
  TokenList(const TokenList& other) { insert(end(), other.begin(), other.end()); }
  TokenList(TokenList&& other) noexcept { take_from(other); }
  TokenList& operator=(const TokenList& other) {
    if (this != &other) {
      clear();
      insert(end(), other.begin(), other.end());
    }
    return *this;
  }
  TokenList& operator=(TokenList&& other) noexcept {
    if (this != &other) {
      heap_.reset();
      take_from(other);
    }
    return *this;
  }
  ~TokenList() = default;

  iterator begin() { return data(); }
  iterator end() { return data() + size_; }
  const_iterator begin() const { return data(); }
  const_iterator end() const { return data() + size_; }
  TokenNode* data() { return heap_ ? heap_.get() : inline_; }
  const TokenNode* data() const { return heap_ ? heap_.get() : inline_; }

  size_type size() const { return size_; }
  bool empty() const { return size_ == 0; }
  void clear() { size_ = 0; }
  void reserve(size_type wanted) {
    if (wanted > capacity_) grow(wanted);
  }

  TokenNode& operator[](size_type i) { return data()[i]; }
  const TokenNode& operator[](size_type i) const { return data()[i]; }
  TokenNode& front() { return data()[0]; }
  const TokenNode& front() const { return data()[0]; }
  TokenNode& back() { return data()[size_ - 1]; }
  const TokenNode& back() const { return data()[size_ - 1]; }

  void push_back(const TokenNode& node) {
    const TokenNode copy = node;  // `node` may be one of this list's pieces
    if (size_ == capacity_) grow(2 * capacity_);
    data()[size_++] = copy;
  }
  void pop_back() { --size_; }

  iterator insert(const_iterator position, const TokenNode& node) {
    const TokenNode copy = node;  // `node` may be one of this list's pieces
    return insert(position, &copy, &copy + 1);
  }
  iterator insert(const_iterator position, const_iterator first, const_iterator last);
  iterator insert(const_iterator position, std::initializer_list<TokenNode> nodes) {
    return insert(position, nodes.begin(), nodes.end());
  }
  iterator insert(const_iterator position, size_type count, const TokenNode& node) {
    const std::vector<TokenNode> copies(count, node);
    return insert(position, copies.data(), copies.data() + copies.size());
  }
  iterator erase(const_iterator position) { return erase(position, position + 1); }
  iterator erase(const_iterator first, const_iterator last);

  friend bool operator==(const TokenList& a, const TokenList& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
  }

 private:
  static constexpr size_type kInline = 4;

  void grow(size_type wanted);
  // Inline: every value read into a model record is moved this way.
  void take_from(TokenList& other) noexcept {
    size_ = other.size_;
    if (other.heap_) {
      heap_ = std::move(other.heap_);
      capacity_ = other.capacity_;
    } else {
      // All of the inline pieces, used or not: a copy of fixed size is a
      // few moves, where one of the used ones only is a library call.
      std::memcpy(inline_, other.inline_, sizeof inline_);
      capacity_ = kInline;
    }
    other.size_ = 0;
    other.capacity_ = kInline;
  }

  // Counts of 32 bits keep the list at 48 bytes: a model record holds
  // hundreds of them. No value comes near four billion pieces.
  std::unique_ptr<TokenNode[]> heap_;  // null while the pieces fit inline
  std::uint32_t size_ = 0;
  std::uint32_t capacity_ = kInline;
  TokenNode inline_[kInline];
};

}  // namespace corvane
