#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane {

/// An HSPICE expression read into a tree, with HSPICE's precedence:
///   c ? x : y          (lowest, right to left)
///   ||
///   &&
///   == != < <= > >=
///   + -
///   * / % \  (\ is integer division)
///   ** ^               (power, right to left)
///   - + !              (unary, highest)
/// Parentheses the source wrote are kept as groups, so the expression can be
/// written back as it was written.
struct Expression {
  enum class Kind {
    number,   // text: as written, lower case
    name,     // text: lower case
    call,     // text: the function name, lower case; children: the arguments
    group,    // ( child )
    unary,    // text: "-", "+" or "!"; one child
    binary,   // text: the operator as written ("**", "^", "&&", ...); two children
    ternary,  // children: condition, value if true, value if false
    list,     // values side by side ('a,b'), carried as a comma-separated list
  };
  struct Node {
    Kind kind;
    std::string text;
    std::vector<int> children;
  };
  std::vector<Node> nodes;
  int root = -1;

  const Node& operator[](int index) const { return nodes[static_cast<std::size_t>(index)]; }
};

/// `text` read as one expression; `error` says what could not be read (the
/// expression is then empty).
Expression parse_expression(std::string_view text, std::string& error);

/// Whether a number's text has an exponent (1e-3), as the scanner tells
/// TOK_NUMBER_EXP from TOK_NUMBER.
bool has_exponent(std::string_view number);

}  // namespace corvane
