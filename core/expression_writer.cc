#include "core/expression_writer.h"

#include <string>

#include "core/char_class.h"
#include "core/function_calls.h"
#include "core/number_spelling.h"
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

  // `index` as a number; `operand` when it is an operand of *, / or a power,
  // where what is written as a product must stay one value.
  void numeric(int index, bool operand = false) {
    if (!problem.empty()) return;
    if (out_.size() > kMaxWrittenPieces) {
      // pow( writes its arguments more than once: nested, they would grow
      // without bound.
      problem = "longer than " + std::to_string(kMaxWrittenPieces) + " pieces once written";
      return;
    }
    const Node& n = node(index);
    switch (n.kind) {
      case Kind::number: {
        const int kind = has_exponent(n.text) ? TOK_NUMBER_EXP : TOK_NUMBER;
        put(kind, ctx_.constants.enter(ondrel_number_text(lower(n.text), ctx_.scan.number_spelling),
                                       kind));
        return;
      }
      case Kind::name:
        put(TOK_NAME, ctx_.symbols.enter(lower(n.text), TOK_NAME));
        return;
      case Kind::call:
        call(index, operand);
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
          numeric(child(index, 0), operand);
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
    // Beside + and - a product needs no parentheses.
    const bool tight = kind == TOK_STAR || kind == TOK_SLASH;
    numeric(child(index, 0), tight);
    put(kind);
    numeric(child(index, 1), tight);
  }

  void operand_in_parentheses(int index) {
    if (is_atom(index) && !is_condition(index)) {
      numeric(index, true);
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

  void call(int index, bool operand) {
    std::string hspice(lower(node(index).text));
    hspice += '(';
    const std::span<const int> arguments = e_.children_of(index);
    if (arguments.size() == 2 && hspice == "sign(") {
      signed_magnitude(arguments[0], arguments[1], operand);
      return;
    }
    if (arguments.size() == 2 && hspice == "pow(") {
      integer_power(arguments[0], arguments[1], operand);
      return;
    }
    // db(x) is written 20*log10(x), a product: whole where it is an operand.
    const bool product = operand && hspice == "db(";
    if (product) put(TOK_LPAREN);
    put(TOK_CALL, ctx_.symbols.enter(ondrel_call(hspice), TOK_CALL));
    // v(a, b): the arguments are nodes, written as declared global.
    const bool nodes = hspice == "v(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (i > 0) put(TOK_COMMA);
      const Node& argument = node(arguments[i]);
      if (nodes && argument.kind == Kind::name) {
        put(TOK_NAME, ctx_.symbols.enter(global_node_name(ctx_, lower(argument.text)), TOK_NAME));
      } else if (nodes && argument.kind == Kind::number) {
        // A node named like a number (1a, 2x) keeps its name: no scale
        // factor is respelled in it.
        const int kind = has_exponent(argument.text) ? TOK_NUMBER_EXP : TOK_NUMBER;
        put(kind, ctx_.constants.enter(lower(argument.text), kind));
      } else {
        numeric(arguments[i]);
      }
    }
    put(TOK_RPAREN);
    if (product) put(TOK_RPAREN);
  }

  void put_call(std::string_view ondrel) { put(TOK_CALL, ctx_.symbols.enter(ondrel, TOK_CALL)); }

  // HSPICE's sign(x, y) is |x| with the sign of y, +|x| when y is 0 (Ondrel's
  // sgn( takes one value): abs(x)*IF(y<0, -1, 1).
  void signed_magnitude(int x, int y, bool operand) {
    if (operand) put(TOK_LPAREN);
    put_call("abs(");
    numeric(x);
    put(TOK_RPAREN);
    put(TOK_STAR);
    put(NODE_IF);
    numeric(y);
    put(NODE_LT);
    put(NODE_ZERO);
    close_sign_choice(operand);
  }

  // ", -1, 1)" after the condition of IF(..., -1, 1), then the parenthesis
  // around a product that is an operand.
  void close_sign_choice(bool operand) {
    put(NODE_IF_COMMA);
    put(NODE_MINUS_ONE);
    put(NODE_IF_COMMA);
    put(NODE_ONE);
    put(TOK_RPAREN);
    if (operand) put(TOK_RPAREN);
  }

  // Whether the exponent `index` is a number as written (3, 2.5, -3, but
  // not 2e0 or 1k), and then whether its integer part is odd and whether
  // it has a fraction.
  bool literal_exponent(int index, bool& odd, bool& fraction) const {
    int number = index;
    if (node(index).kind == Kind::unary && node(index).text != "!") number = child(index, 0);
    if (node(number).kind != Kind::number) return false;
    const std::string_view text = node(number).text;
    const std::size_t point = text.find('.');
    if (text.find_first_not_of("0123456789.") != std::string_view::npos) return false;
    odd = point != 0 &&
          (text[(point == std::string_view::npos ? text.size() : point) - 1] - '0') % 2 != 0;
    fraction = point != std::string_view::npos;
    return true;
  }

  // HSPICE's pow(x, y) is x to the integer part of y, sign and all; Ondrel's
  // pwr( is |x|**y and pwrs( sgn(x)*|x|**y. An exponent written as a number
  // chooses between them (pow(x,3) is pwrs(x,3), pow(x,2.5) pwr(x,int(2.5)));
  // any other is pwr(x,int(y)) times -1 when x<0 and int(y) is odd.
  void integer_power(int x, int y, bool operand) {
    bool odd = false;
    bool fraction = false;
    if (literal_exponent(y, odd, fraction)) {
      put_call(odd ? "pwrs(" : "pwr(");
      numeric(x);
      put(TOK_COMMA);
      if (fraction) put_call("int(");
      numeric(y);
      if (fraction) put(TOK_RPAREN);
      put(TOK_RPAREN);
      return;
    }
    const auto whole_exponent = [&] {
      put_call("int(");
      numeric(y);
      put(TOK_RPAREN);
    };
    const auto magnitude = [&] {
      put_call("pwr(");
      numeric(x);
      put(TOK_COMMA);
      whole_exponent();
      put(TOK_RPAREN);
    };
    if (node(x).kind == Kind::number) {
      magnitude();  // a number as written is never below zero
      return;
    }
    if (operand) put(TOK_LPAREN);
    magnitude();
    put(TOK_STAR);
    put(NODE_IF);
    put(TOK_LPAREN);
    numeric(x);
    put(NODE_LT);
    put(NODE_ZERO);
    put(TOK_RPAREN);
    put(NODE_AND);
    put(TOK_LPAREN);
    // int(y) is odd when it is not twice int(y/2).
    whole_exponent();
    put(NODE_NE);
    put(NODE_TWO);
    put(TOK_STAR);
    put_call("int(");
    operand_in_parentheses(y);
    put(TOK_SLASH);
    put(NODE_TWO);
    put(TOK_RPAREN);
    put(TOK_RPAREN);
    close_sign_choice(operand);
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
