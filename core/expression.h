#pragma once

#include <span>
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
/// written back as it was written. The texts of the nodes point into the
/// text that was read, which must outlive the expression.
struct Expression {
  enum class Kind {
    number,   // text: as written
    name,     // text: as written (names compare in lower case)
    call,     // text: the function name; children: the arguments
    group,    // ( child )
    unary,    // text: "-", "+" or "!"; one child
    binary,   // text: the operator as written ("**", "^", "&&", ...); two children
    ternary,  // children: condition, value if true, value if false
    list,     // values side by side ('a,b'), carried as a comma-separated list
  };
  struct Node {
    Kind kind;
    std::string_view text;
    int first_child = 0;  // in `children`
    int child_count = 0;
    int depth = 1;  // of the tree below the node, the node included
  };
  std::vector<Node> nodes;
  std::vector<int> children;
  int root = -1;

  const Node& operator[](int index) const { return nodes[static_cast<std::size_t>(index)]; }
  std::span<const int> children_of(int index) const {
    const Node& n = (*this)[index];
    return std::span<const int>(children).subspan(static_cast<std::size_t>(n.first_child),
                                                  static_cast<std::size_t>(n.child_count));
  }
  int child(int index, int which) const {
    return children_of(index)[static_cast<std::size_t>(which)];
  }
};

/// `text` read as one expression; `error` says what could not be read (the
/// expression is then empty).
Expression parse_expression(std::string_view text, std::string& error);
/// The same into `into`, whose room is used again.
void parse_expression(std::string_view text, Expression& into, std::string& error);

/// Where the number that starts at `p` of `text` ends: digits [. digits]
/// then an exponent (e-3) or a scale suffix (k, meg, u).
std::size_t number_end_in(std::string_view text, std::size_t p);
/// `number_end_in`, telling also whether the number has an exponent (as
/// `has_exponent` would of its text).
std::size_t number_end_in(std::string_view text, std::size_t p, bool& exponent);

/// Whether a number's text has an exponent (1e-3), as the scanner tells
/// TOK_NUMBER_EXP from TOK_NUMBER.
bool has_exponent(std::string_view number);

}  // namespace corvane
