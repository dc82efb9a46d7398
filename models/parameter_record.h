#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/token_list.h"
#include "core/translation_context.h"
#include "models/parameter_table.h"

namespace corvane {

/// The parameters of one `.model` card, by keyword code: whether each was
/// given, the name it is written under and its value. Every code starts
/// named from the output-name table and not given; the kind translators
/// rename, drop and rewrite them.
class ParameterRecord {
 public:
  ParameterRecord() = default;

  bool given(int code) const {
    const Slot* s = find(code);
    return s != nullptr && s->given;
  }
  /// Marks a parameter given (a derived value) or not given (dropped).
  void set_given(int code, bool given) { slot(code).given = given; }

  std::string_view name(int code) const {
    const Slot* s = find(code);
    return s != nullptr ? s->name : parameter_output_name(code);
  }
  /// Writes the parameter under `name` (static text); an empty name drops it.
  void rename(int code, std::string_view name) { slot(code).name = name; }

  /// The value as Ondrel expression pieces; empty when the parameter was not
  /// given and no translator made one. The reference stays valid while the
  /// record lives.
  const TokenList& value(int code) const {
    const Slot* s = find(code);
    if (s == nullptr) return kNoValue;
    s->used = true;
    return s->value;
  }
  void set_value(int code, TokenList value) { assign(code, std::move(value)); }

  /// The value as the card wrote it, sign included ("-1", "49", "rsh0"), for
  /// comparisons such as the level; empty when not given. Cards keep it only
  /// for the parameters of `keeps_text`.
  std::string_view text(int code) const {
    const Slot* s = find(code);
    if (s == nullptr) return {};
    s->used = true;
    const int kept = kept_text_index(code);
    return kept < 0 ? std::string_view() : kept_texts_[static_cast<std::size_t>(kept)];
  }
  /// True when the parameter was given with exactly this text.
  bool text_is(int code, std::string_view text) const {
    return given(code) && this->text(code) == text;
  }

  /// The parameters whose text chooses a form of the output (level, acm,
  /// update, geo, hdif, rsh, subs): only these need their text, so a card's
  /// hundreds of other values are not spelled out again.
  static bool keeps_text(int code) { return kept_text_index(code) >= 0; }

  /// Records a parameter read from the card; a repeated one keeps its last
  /// value.
  void read(int code, TokenList value, std::string text);
  /// Replaces the value and the text (the level after renumbering). Only the
  /// parameters of `keeps_text` keep a text.
  void replace(int code, TokenList value, std::string text);

  /// Calls `visit(code, name, value)` for every given parameter with a name
  /// from code FIRST_WRITTEN_CODE on, in code order: those that are written.
  template <typename Visit>
  void for_each_written(Visit visit) const {
    for_each_slot(FIRST_WRITTEN_CODE, [&](int code, const Slot& s) {
      if (s.given && !s.name.empty()) visit(code, s.name, s.value);
    });
  }

  /// `for_each_written` over the values that are more than one number, in
  /// no set order: the few a translator made or the card gave as an
  /// expression, without a walk over every parameter.
  template <typename Visit>
  void for_each_compound_written(Visit visit) const {
    for (int code : compound_codes_) {
      const Slot& s = *find(code);
      if (s.given && !s.name.empty() && !is_single_number(s.value)) visit(code, s.name, s.value);
    }
  }

  /// Whether a token of a value `for_each_compound_written` visits passes
  /// `test`.
  template <typename Test>
  bool any_compound_token(Test test) const {
    bool found = false;
    for_each_compound_written([&](int, std::string_view, const TokenList& value) {
      if (!found) found = std::any_of(value.begin(), value.end(), test);
    });
    return found;
  }

  /// Calls `visit(code)` for every given standard name that is no keyword.
  template <typename Visit>
  void for_each_given_extra(Visit visit) const {
    for_each_slot(EXTRA_PARAMETER_FIRST_CODE, [&](int code, const Slot& s) {
      if (s.given) visit(code);
    });
  }

  /// Calls `visit(code)` for every parameter whose value or text a
  /// translator consulted: one that shaped the output (a wrapper's scalm, a
  /// diode's area, the subs that chose lpnp) even when no line carries it.
  template <typename Visit>
  void for_each_used(Visit visit) const {
    // Dropped after use counts too: rsh, once folded into rd and rs.
    for_each_slot(0, [&](int code, const Slot& s) {
      if (s.used) visit(code);
    });
  }

  /// How many parameters the record holds slots for: those read, derived,
  /// renamed or dropped.
  int slot_count() const { return slot_count_; }

 private:
  struct Slot {
    bool given = false;
    mutable bool used = false;     // value or text consulted (see for_each_used)
    bool compound_listed = false;  // in compound_codes_
    std::string_view name;
    TokenList value;
  };

  // The texts of the few parameters that keep one stand apart from the
  // slots: a slot stays small, and a card's hundreds of values move no
  // string each.
  static constexpr std::size_t kKeptTextCount = 7;
  /// The place of `code` among the kept texts, or -1.
  static int kept_text_index(int code) {
    switch (code) {
      case kw("level"):
        return 0;
      case kw("acm"):
        return 1;
      case kw("update"):
        return 2;
      case kw("geo"):
        return 3;
      case kw("hdif"):
        return 4;
      case kw("rsh"):
        return 5;
      case kw("subs"):
        return 6;
      default:
        return -1;
    }
  }
  void keep_text(int code, std::string text) {
    const int kept = kept_text_index(code);
    if (kept >= 0) kept_texts_[static_cast<std::size_t>(kept)] = std::move(text);
  }

  inline static const TokenList kNoValue;

  // Slots are kept in chunks whose storage is reserved once and never moves,
  // so references to values stay valid as slots are added. A binned card's
  // two hundred parameters take a few chunks.
  static constexpr std::size_t kChunkSize = 64;
  using Chunk = std::vector<Slot>;

  const Slot* find(int code) const {
    const std::size_t position = positions_[static_cast<std::size_t>(code)];
    if (position == 0) return nullptr;
    return &chunks_[(position - 1) / kChunkSize][(position - 1) % kChunkSize];
  }
  Slot* find(int code) {
    return const_cast<Slot*>(static_cast<const ParameterRecord&>(*this).find(code));
  }
  /// The slot of `code`, made (named from the table, not given) on first use.
  Slot& slot(int code);
  /// Sets a slot's value, listing the code when the value is compound.
  Slot& assign(int code, TokenList value);
  static bool is_single_number(const TokenList& value) {
    return value.size() == 1 && is_number_kind(value[0].kind);
  }

  /// Calls `visit(code, slot)` for each code from `first` that has a slot, in
  /// code order: a walk over the set bits of `has_slot_`, not over every code.
  template <typename Visit>
  void for_each_slot(int first, Visit visit) const {
    for (std::size_t word = static_cast<std::size_t>(first) / 64; word < has_slot_.size(); ++word) {
      std::uint64_t bits = has_slot_[word];
      if (word == static_cast<std::size_t>(first) / 64) bits &= ~std::uint64_t{0} << (first % 64);
      while (bits != 0) {
        const int code = static_cast<int>(word * 64) + std::countr_zero(bits);
        bits &= bits - 1;
        visit(code, *find(code));
      }
    }
  }

  // A card sets a few hundred of the 841 codes at most, so only those get a
  // slot: a record costs in proportion to its card. positions_ holds each
  // code's slot number from 1, or 0 when the code has none.
  std::array<std::uint16_t, PARAMETER_CODE_COUNT> positions_{};
  std::array<std::uint64_t, (PARAMETER_CODE_COUNT + 63) / 64> has_slot_{};
  std::vector<Chunk> chunks_;
  std::vector<int> compound_codes_;  // codes ever given a compound value
  std::array<std::string, kKeptTextCount> kept_texts_;
  int slot_count_ = 0;
};

/// `text` as a whole number without fraction or exponent when it is a plain
/// number of whole value ("4.9000E+01" -> "49", "-1.0" -> "-1"); otherwise
/// unchanged. Cards write the level, acm, update, geo, hdif, rsh and subs in
/// either form, and those are compared as text.
std::string whole_number_text(std::string text);

/// `token_list_combine` for model values: "{ " and " }" when asked, and
/// "(" left operator right ")" when parenthesised and both sides have
/// pieces. A side without pieces drops out, and two such sides give none.
TokenList combine_values(bool parenthesise, TokenList left, const TokenList& right, bool open_brace,
                         bool close_brace, int operator_kind);

/// (left op right), or the side that has pieces.
inline TokenList operate(TokenList left, int operator_kind, const TokenList& right) {
  return combine_values(true, std::move(left), right, false, false, operator_kind);
}

/// { value }, or nothing for an empty value.
inline TokenList braced(TokenList value) {
  return combine_values(false, std::move(value), {}, true, true, TOK_EOF);
}

/// A list of one fixed piece: a NODE_ kind or a keyword printed as itself.
inline TokenList piece(int kind) { return TokenList{{kind, 0}}; }

/// The pieces of a value as plain text, braces left out.
std::string value_text(const TranslationContext& ctx, const TokenList& value);

/// Reads `param=value` pairs up to the end of the statement into `record`,
/// from the token after the kind word. Parentheses around the list, "+"
/// continuation lines and repeated parameters are accepted; words that are
/// no model parameter are read and passed over. False when the card was
/// rejected (a missing "=" or value), which has then been reported and
/// skipped.
bool read_model_parameters(TranslationContext& ctx, int target, ParameterRecord& record);

/// Writes every given parameter with a name, in code order, one per
/// "+ name = value " line; ends the last line.
void write_model_parameters(TranslationContext& ctx, int target, const ParameterRecord& record);

}  // namespace corvane
