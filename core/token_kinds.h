#pragma once

#include "core/keywords.h"

namespace corvane {

// Token kinds the scanner forms. Keyword tokens carry their keyword code
// (21 to 840) as their kind instead.
inline constexpr int TOK_EOF = -1;
inline constexpr int TOK_NAME = 1;
inline constexpr int TOK_NUMBER = 4;
inline constexpr int TOK_NUMBER_EXP = 5;
inline constexpr int TOK_QUOTE = 6;
inline constexpr int TOK_LPAREN = 7;
inline constexpr int TOK_RPAREN = 8;
inline constexpr int TOK_STAR = 9;
inline constexpr int TOK_PLUS = 10;
inline constexpr int TOK_COMMA = 11;  // token lists only
inline constexpr int TOK_MINUS = 12;
inline constexpr int TOK_SLASH = 14;
inline constexpr int TOK_EQUALS = 15;
inline constexpr int TOK_EOL = 16;
inline constexpr int TOK_LBRACE = 17;  // token lists only
inline constexpr int TOK_RBRACE = 18;  // token lists only
inline constexpr int TOK_CALL = 19;

// Fixed pieces of expressions that translators put into token lists. Node
// kind 0 prints "0"; the others lie above the keyword codes.
inline constexpr int NODE_ZERO = 0;
inline constexpr int NODE_ONE = 900;
inline constexpr int NODE_TWO = 901;
inline constexpr int NODE_MINUS_ONE = 902;
inline constexpr int NODE_EPS_OX = 903;
inline constexpr int NODE_1E_10 = 904;
inline constexpr int NODE_1E_6 = 905;
inline constexpr int NODE_VT = 906;
inline constexpr int NODE_HALF = 907;
inline constexpr int NODE_SQRT_ONE = 908;
inline constexpr int NODE_NRB = 909;
inline constexpr int NODE_NRG = 910;
inline constexpr int NODE_PWR = 911;
// Operators of expressions (the relational and logical ones only inside
// IF(condition, value, value), as Ondrel has them).
inline constexpr int NODE_POWER = 912;     // **
inline constexpr int NODE_IF = 913;        // IF(
inline constexpr int NODE_IF_COMMA = 914;  // ", " between IF's arguments
inline constexpr int NODE_AND = 915;       // &
inline constexpr int NODE_OR = 916;        // |
inline constexpr int NODE_NOT = 917;       // ~
inline constexpr int NODE_EQ = 918;        // ==
inline constexpr int NODE_NE = 919;        // !=
inline constexpr int NODE_LT = 920;        // <
inline constexpr int NODE_LE = 921;        // <=
inline constexpr int NODE_GT = 922;        // >
inline constexpr int NODE_GE = 923;        // >=
inline constexpr int NODE_1E_4 = 924;      // cm2 to m2

inline constexpr bool is_number_kind(int kind) {
  return kind == TOK_NUMBER || kind == TOK_NUMBER_EXP;
}

// Lookup modes of the scanner: which words are looked up as keywords.
inline constexpr int MODE_NO_KEYWORDS = 0;
inline constexpr int MODE_ALL_KEYWORDS = 1;
inline constexpr int MODE_DOT_KEYWORDS = 2;

}  // namespace corvane
