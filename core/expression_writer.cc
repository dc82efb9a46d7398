#include "core/expression_writer.h"

#include "core/char_class.h"
#include "core/function_calls.h"
#include "core/token_stream.h"

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
  int child(int index, int which) const { return e_.child(index, which); }

  // A name's or number's text in lower case, as the tables hold them.
  std::string_view lower(std::string_view text) {
    lowered_.assign(text);
    for (char& c : lowered_) c = lower_ascii(c);
    return lowered_;
  }

  // Whether a node's value is a condition (true or false) rather than a
  // number.
  bool is_condition(int index) const {
    const Node& n = node(index);
    if (n.kind == Kind::group) return is_condition(child(index, 0));
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
      case Kind::number: {
        const int kind = has_exponent(n.text) ? TOK_NUMBER_EXP : TOK_NUMBER;
        put(kind, ctx_.constants.enter(lower(n.text), kind));
        return;
      }
      case Kind::name:
        put(TOK_NAME, ctx_.symbols.enter(lower(n.text), TOK_NAME));
        return;
      case Kind::call:
        call(index);
        return;
      case Kind::group:
        put(TOK_LPAREN);
        numeric(child(index, 0));
        put(TOK_RPAREN);
        return;
      case Kind::list:
        for (std::size_t i = 0; i < e_.children_of(index).size(); ++i) {
          if (i > 0) put(TOK_COMMA);
          numeric(e_.children_of(index)[i]);
        }
        return;
      case Kind::ternary:
        put(NODE_IF);
        condition(child(index, 0));
        put(NODE_IF_COMMA);
        numeric(child(index, 1));
        put(NODE_IF_COMMA);
        numeric(child(index, 2));
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
          numeric(child(index, 0));
        } else {
          arithmetic(index);
        }
        return;
    }
  }

  void arithmetic(int index) {
    const Node& n = node(index);
    if (n.text == "%" || n.text == "\\") {
      problem = "the operator " + std::string(n.text) + " has no Ondrel counterpart";
      return;
    }
    const int kind = arithmetic_kind(n.text);
    if (kind == NODE_POWER) {
      // HSPICE binds a sign closer than a power (-a**2 is (-a)**2): a base
      // or exponent that is not a single value is put in parentheses.
      operand_in_parentheses(child(index, 0));
      put(NODE_POWER);
      operand_in_parentheses(child(index, 1));
      return;
    }
    numeric(child(index, 0));
    put(kind);
    numeric(child(index, 1));
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
      condition(child(index, 0));
      put(TOK_RPAREN);
    } else if (n.kind == Kind::unary && n.text == "!") {
      put(NODE_NOT);
      condition_in_parentheses(child(index, 0));
    } else if (n.kind == Kind::binary && (n.text == "&&" || n.text == "||")) {
      condition_in_parentheses(child(index, 0));
      put(n.text == "&&" ? NODE_AND : NODE_OR);
      condition_in_parentheses(child(index, 1));
    } else if (n.kind == Kind::binary && is_relation(n.text)) {
      numeric(child(index, 0));
      put(relation_kind(n.text));
      numeric(child(index, 1));
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

  void call(int index) {
    std::string hspice(lower(node(index).text));
    hspice += '(';
    put(TOK_CALL, ctx_.symbols.enter(ondrel_call(hspice), TOK_CALL));
    const std::span<const int> arguments = e_.children_of(index);
    // v(a, b): the arguments are nodes, written as declared global.
    const bool nodes = hspice == "v(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (i > 0) put(TOK_COMMA);
      const Node& argument = node(arguments[i]);
      if (nodes && argument.kind == Kind::name) {
        put(TOK_NAME, ctx_.symbols.enter(global_node_name(ctx_, lower(argument.text)), TOK_NAME));
      } else {
        numeric(arguments[i]);
      }
    }
    put(TOK_RPAREN);
  }

  TranslationContext& ctx_;
  const Expression& e_;
  TokenList& out_;
  std::string lowered_;
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
