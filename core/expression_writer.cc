#include "core/expression_writer.h"

#include "core/function_calls.h"

namespace corvane {
namespace {

using Node = Expression::Node;
using Kind = Expression::Kind;

bool is_relation(std::string_view op) {
  return op == "==" || op == "!=" || op == "<" || op == "<=" || op == ">" || op == ">=";
}

int relation_kind(std::string_view op) {
  if (op == "==") return NODE_EQ;
  if (op == "!=") return NODE_NE;
  if (op == "<") return NODE_LT;
  if (op == "<=") return NODE_LE;
  if (op == ">") return NODE_GT;
  return NODE_GE;
}

int arithmetic_kind(std::string_view op) {
  if (op == "+") return TOK_PLUS;
  if (op == "-") return TOK_MINUS;
  if (op == "*") return TOK_STAR;
  if (op == "/") return TOK_SLASH;
  return NODE_POWER;  // ** and ^
}

class Writer {
 public:
  Writer(TranslationContext& ctx, const Expression& expression, TokenList& out)
      : ctx_(ctx), e_(expression), out_(out) {}

  std::string problem;

  void number_of(int index) { numeric(index); }

 private:
  const Node& node(int index) const { return e_[index]; }

  // Whether a node's value is a condition (true or false) rather than a
  // number.
  bool is_condition(int index) const {
    const Node& n = node(index);
    if (n.kind == Kind::group) return is_condition(n.children[0]);
    if (n.kind == Kind::unary) return n.text == "!";
    if (n.kind == Kind::binary) return is_relation(n.text) || n.text == "&&" || n.text == "||";
    return false;
  }

  bool is_atom(int index) const {
    const Kind kind = node(index).kind;
    return kind == Kind::number || kind == Kind::name || kind == Kind::call || kind == Kind::group;
  }

  void put(int kind, int value = 0) { out_.push_back({kind, value}); }

  // `index` as a number.
  void numeric(int index) {
    if (!problem.empty()) return;
    const Node& n = node(index);
    switch (n.kind) {
      case Kind::number:
        put(has_exponent(n.text) ? TOK_NUMBER_EXP : TOK_NUMBER,
            ctx_.constants.enter(n.text, has_exponent(n.text) ? TOK_NUMBER_EXP : TOK_NUMBER));
        return;
      case Kind::name:
        put(TOK_NAME, ctx_.symbols.enter(n.text, TOK_NAME));
        return;
      case Kind::call:
        call(n);
        return;
      case Kind::group:
        put(TOK_LPAREN);
        numeric(n.children[0]);
        put(TOK_RPAREN);
        return;
      case Kind::list:
        for (std::size_t i = 0; i < n.children.size(); ++i) {
          if (i > 0) put(TOK_COMMA);
          numeric(n.children[i]);
        }
        return;
      case Kind::ternary:
        put(NODE_IF);
        condition(n.children[0]);
        put(NODE_IF_COMMA);
        numeric(n.children[1]);
        put(NODE_IF_COMMA);
        numeric(n.children[2]);
        put(TOK_RPAREN);
        return;
      case Kind::unary:
      case Kind::binary:
        if (is_condition(index)) {
          // A condition used as a number: 1 when it holds, else 0.
          put(NODE_IF);
          condition(index);
          put(NODE_IF_COMMA);
          put(NODE_ONE);
          put(NODE_IF_COMMA);
          put(NODE_ZERO);
          put(TOK_RPAREN);
        } else if (n.kind == Kind::unary) {
          put(n.text == "-" ? TOK_MINUS : TOK_PLUS);
          numeric(n.children[0]);
        } else {
          arithmetic(n);
        }
        return;
    }
  }

  void arithmetic(const Node& n) {
    if (n.text == "%" || n.text == "\\") {
      problem = "the operator " + n.text + " has no Ondrel counterpart";
      return;
    }
    const int kind = arithmetic_kind(n.text);
    if (kind == NODE_POWER) {
      // HSPICE binds a sign closer than a power (-a**2 is (-a)**2): a base
      // or exponent that is not a single value is put in parentheses.
      operand_in_parentheses(n.children[0]);
      put(NODE_POWER);
      operand_in_parentheses(n.children[1]);
      return;
    }
    numeric(n.children[0]);
    put(kind);
    numeric(n.children[1]);
  }

  void operand_in_parentheses(int index) {
    if (is_atom(index) && !is_condition(index)) {
      numeric(index);
      return;
    }
    put(TOK_LPAREN);
    numeric(index);
    put(TOK_RPAREN);
  }

  // `index` as a condition.
  void condition(int index) {
    if (!problem.empty()) return;
    const Node& n = node(index);
    if (n.kind == Kind::group && is_condition(index)) {
      put(TOK_LPAREN);
      condition(n.children[0]);
      put(TOK_RPAREN);
    } else if (n.kind == Kind::unary && n.text == "!") {
      put(NODE_NOT);
      condition_in_parentheses(n.children[0]);
    } else if (n.kind == Kind::binary && (n.text == "&&" || n.text == "||")) {
      condition_in_parentheses(n.children[0]);
      put(n.text == "&&" ? NODE_AND : NODE_OR);
      condition_in_parentheses(n.children[1]);
    } else if (n.kind == Kind::binary && is_relation(n.text)) {
      numeric(n.children[0]);
      put(relation_kind(n.text));
      numeric(n.children[1]);
    } else {
      // A number as a condition holds when it is not zero.
      operand_in_parentheses(index);
      put(NODE_NE);
      put(NODE_ZERO);
    }
  }

  // An operand of &, | or ~ in parentheses (unless it has them), so that
  // no reading of the operators' precedence can take it apart.
  void condition_in_parentheses(int index) {
    if (node(index).kind == Kind::group) {
      condition(index);
      return;
    }
    put(TOK_LPAREN);
    condition(index);
    put(TOK_RPAREN);
  }

  void call(const Node& n) {
    const std::string hspice = n.text + "(";
    put(TOK_CALL, ctx_.symbols.enter(ondrel_call(hspice), TOK_CALL));
    for (std::size_t i = 0; i < n.children.size(); ++i) {
      if (i > 0) put(TOK_COMMA);
      numeric(n.children[i]);
    }
    put(TOK_RPAREN);
  }

  TranslationContext& ctx_;
  const Expression& e_;
  TokenList& out_;
};

}  // namespace

bool write_expression(TranslationContext& ctx, const Expression& expression, TokenList& list,
                      std::string& problem) {
  TokenList written;
  Writer writer(ctx, expression, written);
  writer.number_of(expression.root);
  if (!writer.problem.empty()) {
    problem = writer.problem;
    return false;
  }
  list.insert(list.end(), written.begin(), written.end());
  return true;
}

}  // namespace corvane
