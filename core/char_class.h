#pragma once

#include <array>
#include <cstdint>

namespace corvane {

// The scanner's sixteen character classes.
enum class CharClass : std::uint8_t {
  skip,    // other control characters, backslash, backquote, DEL: ignored
  blank,   // space, tab, comma: separators
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
  end,  // newline, vertical tab, form feed, carriage return, $
};

constexpr std::array<CharClass, 256> make_char_classes() {
  std::array<CharClass, 256> table{};
  for (int c = 0; c < 256; ++c) {
    CharClass k = CharClass::skip;
    if (c >= 128) {
      k = CharClass::quote;
    } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      k = (c == 'e' || c == 'E') ? CharClass::e : CharClass::letter;
    } else if (c >= '0' && c <= '9') {
      k = CharClass::digit;
    } else {
      switch (c) {
        case ' ': case '\t': case ',': k = CharClass::blank; break;
        case '!': case '#': case '&': case ':': case ';': case '<': case '>': case '?':
        case '@': case '[': case ']': case '^': case '~': k = CharClass::extra; break;
        case '%': case '_': case '{': case '|': case '}': k = CharClass::letter; break;
        case '\'': case '"': k = CharClass::quote; break;
        case '(': k = CharClass::lparen; break;
        case ')': k = CharClass::rparen; break;
        case '*': k = CharClass::star; break;
        case '+': k = CharClass::plus; break;
        case '-': k = CharClass::minus; break;
        case '/': k = CharClass::slash; break;
        case '=': k = CharClass::equals; break;
        case '.': k = CharClass::dot; break;
        case '\n': case '\v': case '\f': case '\r': case '$': k = CharClass::end; break;
        default: k = CharClass::skip; break;
      }
    }
    table[static_cast<std::size_t>(c)] = k;
  }
  return table;
}

inline constexpr std::array<CharClass, 256> kCharClass = make_char_classes();

inline constexpr CharClass char_class(char c) {
  return kCharClass[static_cast<unsigned char>(c)];
}

/// Characters that may continue a word or a number's suffix.
inline constexpr bool continues_word(CharClass k) {
  return k == CharClass::letter || k == CharClass::e || k == CharClass::digit ||
         k == CharClass::dot || k == CharClass::extra;
}

}  // namespace corvane
