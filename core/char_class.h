#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// The scanner's sixteen character classes.
enum class CharClass : std::uint8_t {
  skip,    // other control characters, backslash, backquote, DEL: ignored
  blank,   // space, tab, form feed, comma: separators
  extra,   // ! # & : ; < > ? @ [ ] ^ ~ : ignored between tokens, part of a word
  letter,  // letters other than e, % _ { | }
  e,       // e and E: a letter, or the exponent marker after a number
  digit,
  quote,  // ' " and every byte of 128 or more
  lparen,
  rparen,
  star,
  plus,
  minus,
  slash,
  equals,
  dot,
  end,  // newline, vertical tab, carriage return, $
};

constexpr void assign_class(std::array<CharClass, 256>& table, std::string_view characters,
                            CharClass k) {
  for (char c : characters) table[static_cast<unsigned char>(c)] = k;
}

constexpr std::array<CharClass, 256> make_char_classes() {
  std::array<CharClass, 256> table{};  // every byte starts as skip
  for (int c = 128; c < 256; ++c) table[static_cast<std::size_t>(c)] = CharClass::quote;
  assign_class(table, "ABCDFGHIJKLMNOPQRSTUVWXYZabcdfghijklmnopqrstuvwxyz%_{|}", CharClass::letter);
  assign_class(table, "Ee", CharClass::e);
  assign_class(table, "0123456789", CharClass::digit);
  assign_class(table, " \t\f,", CharClass::blank);
  assign_class(table, "!#&:;<>?@[]^~", CharClass::extra);
  assign_class(table, "'\"", CharClass::quote);
  assign_class(table, "(", CharClass::lparen);
  assign_class(table, ")", CharClass::rparen);
  assign_class(table, "*", CharClass::star);
  assign_class(table, "+", CharClass::plus);
  assign_class(table, "-", CharClass::minus);
  assign_class(table, "/", CharClass::slash);
  assign_class(table, "=", CharClass::equals);
  assign_class(table, ".", CharClass::dot);
  assign_class(table, "\n\v\r$", CharClass::end);
  return table;
}

inline constexpr std::array<CharClass, 256> kCharClass = make_char_classes();

inline constexpr CharClass char_class(char c) { return kCharClass[static_cast<unsigned char>(c)]; }

/// ASCII lower case; other bytes unchanged (HSPICE words are ASCII).
inline constexpr char lower_ascii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string lower_ascii_text(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = lower_ascii(c);
  return lower;
}

/// A line that holds no statement text: blank, or a "*" or "$" comment.
inline bool is_comment_line(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos || line[first] == '*' || line[first] == '$';
}

/// Characters that may continue a word or a number's suffix.
inline constexpr bool continues_word(CharClass k) {
  return k == CharClass::letter || k == CharClass::e || k == CharClass::digit ||
         k == CharClass::dot || k == CharClass::extra;
}

}  // namespace corvane
