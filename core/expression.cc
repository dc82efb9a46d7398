#include "core/expression.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "core/function_calls.h"

namespace corvane {
namespace {

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool continues_name(char c) { return is_letter(c) || is_digit(c) || c == '.' || c == '$'; }

enum class Op {
  none,
  power,      // ** ^
  times,      // *
  divide,     // /
  modulo,     // %
  int_divide, /* \ */
  plus,
  minus,
  equal,
  not_equal,
  less_equal,
  greater_equal,
  less,
  greater,
  and_,
  or_,
  not_,
  question,
  colon,
  open,
  close,
  comma,
};

struct OperatorSpelling {
  std::string_view text;
  Op op;
};

// Longest first, so that "**" is not read as two "*".
constexpr OperatorSpelling kOperators[] = {
    {"**", Op::power},         {"==", Op::equal},   {"!=", Op::not_equal}, {"<=", Op::less_equal},
    {">=", Op::greater_equal}, {"&&", Op::and_},    {"||", Op::or_},       {"^", Op::power},
    {"*", Op::times},          {"/", Op::divide},   {"%", Op::modulo},     {"\\", Op::int_divide},
    {"+", Op::plus},           {"-", Op::minus},    {"<", Op::less},       {">", Op::greater},
    {"!", Op::not_},           {"?", Op::question}, {":", Op::colon},      {"(", Op::open},
    {")", Op::close},          {",", Op::comma}};

// The binary operators by precedence level, lowest first; power is above.
int binary_level(Op op) {
  switch (op) {
    case Op::or_:
      return 1;
    case Op::and_:
      return 2;
    case Op::equal:
    case Op::not_equal:
    case Op::less_equal:
    case Op::greater_equal:
    case Op::less:
    case Op::greater:
      return 3;
    case Op::plus:
    case Op::minus:
      return 4;
    case Op::times:
    case Op::divide:
    case Op::modulo:
    case Op::int_divide:
      return 5;
    default:
      return 0;
  }
}
constexpr int kLevels = 5;

struct Token {
  enum class Kind { number, name, call, op, end };
  Kind kind = Kind::end;
  std::string_view text;  // a call's text without its "("
  Op op = Op::none;
};

// The operator that starts with `c` (followed by `next`), or null.
const OperatorSpelling* operator_at(char c, char next) {
  for (const OperatorSpelling& spelling : kOperators) {
    if (spelling.text[0] != c) continue;
    if (spelling.text.size() == 1 || spelling.text[1] == next) return &spelling;
  }
  return nullptr;
}

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  // The next token; false with `error` set for a character no expression
  // holds.
  bool next(Token& token, std::string& error) {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                   text_[pos_] == '\n' || text_[pos_] == '\r')) {
      ++pos_;
    }
    token = Token{};
    if (pos_ >= text_.size()) return true;
    const char c = text_[pos_];
    const std::size_t start = pos_;
    if (is_digit(c) || (c == '.' && pos_ + 1 < text_.size() && is_digit(text_[pos_ + 1]))) {
      skip_number();
      token.kind = Token::Kind::number;
      token.text = text_.substr(start, pos_ - start);
      return true;
    }
    if (is_letter(c)) {
      while (pos_ < text_.size() && continues_name(text_[pos_])) ++pos_;
      token.text = text_.substr(start, pos_ - start);
      token.kind = Token::Kind::name;
      // HSPICE lets blanks stand between a function's name and its "(":
      // "sqrt (a)" is a call, where "w (a)" are two values.
      std::size_t open = pos_;
      if (is_function_name(token.text)) {
        while (open < text_.size() && (text_[open] == ' ' || text_[open] == '\t')) ++open;
      }
      if (open < text_.size() && text_[open] == '(') {
        pos_ = open + 1;
        token.kind = Token::Kind::call;
      }
      return true;
    }
    const char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
    const OperatorSpelling* spelling = operator_at(c, next);
    if (spelling == nullptr) {
      error = std::string("the character \"") + c + "\"";
      return false;
    }
    pos_ += spelling->text.size();
    token.kind = Token::Kind::op;
    token.text = spelling->text;
    token.op = spelling->op;
    return true;
  }

 private:
  void skip_number() { pos_ = number_end_in(text_, pos_); }

  std::string_view text_;
  std::size_t pos_ = 0;
};

class Parser {
 public:
  Parser(std::string_view text, Expression& into) : lexer_(text), expression_(into) {
    expression_.nodes.clear();
    expression_.children.clear();
    expression_.root = -1;
  }

  void parse(std::string& error) {
    advance();
    int root = ternary();
    // Values side by side, with or without commas, are carried as a list.
    if (ok() && token_.kind != Token::Kind::end) {
      std::vector<int> items{root};
      while (ok() && token_.kind != Token::Kind::end) {
        if (at(Op::comma)) advance();
        items.push_back(ternary());
      }
      root = add(Kind::list, ",", items);
    }
    error = error_;
    if (!ok()) {
      expression_.nodes.clear();
      expression_.children.clear();
      return;
    }
    expression_.root = root;
  }

 private:
  using Kind = Expression::Kind;

  // Parentheses, calls and signs nest by recursion, and the writer walks the
  // tree by recursion too: a hostile depth or a chain of a thousand sums is
  // an error, not the end of the stack.
  static constexpr int kMaxNesting = 200;
  static constexpr int kMaxTreeDepth = 1000;

  bool ok() const { return error_.empty(); }
  void fail(const std::string& what) {
    if (ok()) error_ = what;
  }
  void advance() {
    if (ok() && !lexer_.next(token_, error_)) token_ = Token{};
  }
  bool at(Op op) const { return token_.kind == Token::Kind::op && token_.op == op; }

  int add(Kind kind, std::string_view text, std::initializer_list<int> children) {
    return add(kind, text, std::span<const int>(children.begin(), children.size()));
  }
  int add(Kind kind, std::string_view text, std::span<const int> children) {
    if (!ok()) return -1;
    int depth = 1;
    for (int child : children) {
      if (child < 0) return -1;
      depth = std::max(depth, expression_[child].depth + 1);
    }
    if (depth > kMaxTreeDepth) {
      fail("longer than " + std::to_string(kMaxTreeDepth) + " operations in a row");
      return -1;
    }
    Expression::Node node{kind, text, static_cast<int>(expression_.children.size()),
                          static_cast<int>(children.size()), depth};
    expression_.children.insert(expression_.children.end(), children.begin(), children.end());
    expression_.nodes.push_back(node);
    return static_cast<int>(expression_.nodes.size()) - 1;
  }

  // c ? x : y, right to left
  int ternary() {
    const int condition = binary(1);
    if (!ok() || !at(Op::question)) return condition;
    advance();
    const int if_true = ternary();
    if (!ok()) return -1;
    if (!at(Op::colon)) {
      fail("\"?\" without its \":\"");
      return -1;
    }
    advance();
    const int if_false = ternary();
    return add(Kind::ternary, "?", {condition, if_true, if_false});
  }

  // The binary operators of `level` and above, left to right.
  int binary(int level) {
    if (level > kLevels) return power();
    int left = binary(level + 1);
    while (ok() && token_.kind == Token::Kind::op && binary_level(token_.op) == level) {
      const std::string_view op = token_.text;
      advance();
      const int right = binary(level + 1);
      left = add(Kind::binary, op, {left, right});
    }
    return left;
  }

  // a ** b and a ^ b, right to left
  int power() {
    const int base = unary();
    if (!ok() || !at(Op::power)) return base;
    const std::string_view op = token_.text;
    advance();
    const int exponent = power();
    return add(Kind::binary, op, {base, exponent});
  }

  int unary() {
    if (++nesting_ > kMaxNesting) {
      fail("nested more than " + std::to_string(kMaxNesting) + " deep");
      return -1;
    }
    int node = -1;
    if (at(Op::minus) || at(Op::plus) || at(Op::not_)) {
      const std::string_view op = token_.text;
      advance();
      const int operand = unary();
      node = add(Kind::unary, op, {operand});
    } else {
      node = primary();
    }
    --nesting_;
    return node;
  }

  int primary() {
    if (!ok()) return -1;
    switch (token_.kind) {
      case Token::Kind::number:
      case Token::Kind::name: {
        const Kind kind = token_.kind == Token::Kind::number ? Kind::number : Kind::name;
        const int node = add(kind, token_.text, {});
        advance();
        return node;
      }
      case Token::Kind::call:
        return call();
      case Token::Kind::op:
        if (at(Op::open)) {
          advance();
          const int inner = ternary();
          if (ok() && !at(Op::close)) fail("\"(\" without its \")\"");
          advance();
          return add(Kind::group, "(", {inner});
        }
        fail("\"" + std::string(token_.text) + "\" where a value is due");
        return -1;
      case Token::Kind::end:
        fail("a value missing at the end");
        return -1;
    }
    return -1;
  }

  // name( arguments ): separated by commas, or by blanks alone as some
  // sources write them.
  int call() {
    const std::string_view name = token_.text;
    advance();
    std::vector<int> arguments;
    while (ok() && !at(Op::close)) {
      if (token_.kind == Token::Kind::end) {
        fail(std::string(name) + "( without its \")\"");
        return -1;
      }
      arguments.push_back(ternary());
      if (ok() && at(Op::comma)) advance();
    }
    advance();
    return add(Kind::call, name, arguments);
  }

  Lexer lexer_;
  Token token_;
  std::string error_;
  int nesting_ = 0;
  Expression& expression_;
};

}  // namespace

std::size_t number_end_in(std::string_view text, std::size_t p) {
  bool exponent = false;
  return number_end_in(text, p, exponent);
}

std::size_t number_end_in(std::string_view text, std::size_t p, bool& exponent) {
  exponent = false;
  while (p < text.size() && is_digit(text[p])) ++p;
  if (p < text.size() && text[p] == '.') {
    ++p;
    while (p < text.size() && is_digit(text[p])) ++p;
  }
  if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
    std::size_t q = p + 1;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
    if (q < text.size() && is_digit(text[q])) {
      p = q;
      while (p < text.size() && is_digit(text[p])) ++p;
      exponent = true;
    }
  }
  while (p < text.size() && is_letter(text[p])) ++p;  // a scale suffix: k, meg, u
  return p;
}

Expression parse_expression(std::string_view text, std::string& error) {
  Expression expression;
  parse_expression(text, expression, error);
  return expression;
}

void parse_expression(std::string_view text, Expression& into, std::string& error) {
  error.clear();
  Parser(text, into).parse(error);
}

bool has_exponent(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  return e != std::string_view::npos && e + 1 < number.size() &&
         (is_digit(number[e + 1]) || ((number[e + 1] == '+' || number[e + 1] == '-') &&
                                      e + 2 < number.size() && is_digit(number[e + 2])));
}

}  // namespace corvane
