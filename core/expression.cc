#include "core/expression.h"

#include <algorithm>
#include <utility>

#include "core/char_class.h"

namespace corvane {
namespace {

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool continues_name(char c) { return is_letter(c) || is_digit(c) || c == '.' || c == '$'; }

struct Token {
  enum class Kind { number, name, call, op, end };
  Kind kind = Kind::end;
  std::string text;
};

// The operators, longest first so that "**" is not read as two "*".
constexpr std::string_view kOperators[] = {"**", "==", "!=", "<=", ">=", "&&", "||", "^",
                                           "*",  "/",  "%",  "\\", "+",  "-",  "<",  ">",
                                           "!",  "?",  ":",  "(",  ")",  ","};

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
    if (is_digit(c) || (c == '.' && pos_ + 1 < text_.size() && is_digit(text_[pos_ + 1]))) {
      token.kind = Token::Kind::number;
      token.text = lower(read_number());
      return true;
    }
    if (is_letter(c)) {
      const std::size_t start = pos_;
      while (pos_ < text_.size() && continues_name(text_[pos_])) ++pos_;
      token.text = lower(text_.substr(start, pos_ - start));
      token.kind = Token::Kind::name;
      if (pos_ < text_.size() && text_[pos_] == '(') {
        ++pos_;
        token.kind = Token::Kind::call;
      }
      return true;
    }
    for (std::string_view op : kOperators) {
      if (text_.substr(pos_, op.size()) == op) {
        pos_ += op.size();
        token.kind = Token::Kind::op;
        token.text = op;
        return true;
      }
    }
    error = std::string("the character \"") + c + "\"";
    return false;
  }

 private:
  static std::string lower(std::string_view text) { return lower_ascii_text(text); }

  // digits [. digits] [e [+-] digits | letters]
  std::string_view read_number() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && is_digit(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      while (pos_ < text_.size() && is_digit(text_[pos_])) ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      std::size_t q = pos_ + 1;
      if (q < text_.size() && (text_[q] == '+' || text_[q] == '-')) ++q;
      if (q < text_.size() && is_digit(text_[q])) {
        pos_ = q;
        while (pos_ < text_.size() && is_digit(text_[pos_])) ++pos_;
        return text_.substr(start, pos_ - start);
      }
    }
    while (pos_ < text_.size() && is_letter(text_[pos_])) ++pos_;  // a scale suffix: k, meg, u
    return text_.substr(start, pos_ - start);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

class Parser {
 public:
  explicit Parser(std::string_view text) : lexer_(text) {}

  Expression parse(std::string& error) {
    advance();
    int root = ternary();
    // Values side by side, with or without commas, are carried as a list.
    std::vector<int> items{root};
    while (ok() && token_.kind != Token::Kind::end) {
      if (at_op(",")) advance();
      items.push_back(ternary());
    }
    if (items.size() > 1) root = add(Kind::list, ",", std::move(items));
    error = error_;
    if (!ok()) return {};
    expression_.root = root;
    return std::move(expression_);
  }

 private:
  using Kind = Expression::Kind;

  bool ok() const { return error_.empty(); }
  void fail(const std::string& what) {
    if (ok()) error_ = what;
  }
  void advance() {
    if (ok() && !lexer_.next(token_, error_)) token_ = Token{};
  }
  bool at_op(std::string_view op) const {
    return token_.kind == Token::Kind::op && token_.text == op;
  }

  // The writer walks the tree by recursion too: a tree deeper than this
  // (a chain of a thousand sums) is refused.
  static constexpr int kMaxTreeDepth = 1000;

  int add(Kind kind, std::string text, std::vector<int> children) {
    int depth = 1;
    for (int child : children) {
      if (child < 0) return -1;
      depth = std::max(depth, depths_[static_cast<std::size_t>(child)] + 1);
    }
    if (depth > kMaxTreeDepth) {
      fail("longer than " + std::to_string(kMaxTreeDepth) + " operations in a row");
      return -1;
    }
    expression_.nodes.push_back({kind, std::move(text), std::move(children)});
    depths_.push_back(depth);
    return static_cast<int>(expression_.nodes.size()) - 1;
  }

  // c ? x : y, right to left
  int ternary() {
    const int condition = logical_or();
    if (!ok() || !at_op("?")) return condition;
    advance();
    const int if_true = ternary();
    if (!ok()) return -1;
    if (!at_op(":")) {
      fail("\"?\" without its \":\"");
      return -1;
    }
    advance();
    const int if_false = ternary();
    return add(Kind::ternary, "?", {condition, if_true, if_false});
  }

  // One level of left-to-right binary operators.
  template <typename Next>
  int binary_level(std::initializer_list<std::string_view> ops, Next next) {
    int left = (this->*next)();
    for (;;) {
      if (!ok()) return -1;
      std::string_view matched;
      for (std::string_view op : ops) {
        if (at_op(op)) matched = op;
      }
      if (matched.empty()) return left;
      std::string op(matched);
      advance();
      const int right = (this->*next)();
      left = add(Kind::binary, std::move(op), {left, right});
    }
  }

  int logical_or() { return binary_level({"||"}, &Parser::logical_and); }
  int logical_and() { return binary_level({"&&"}, &Parser::relation); }
  int relation() { return binary_level({"==", "!=", "<", "<=", ">", ">="}, &Parser::sum); }
  int sum() { return binary_level({"+", "-"}, &Parser::product); }
  int product() { return binary_level({"*", "/", "%", "\\"}, &Parser::power); }

  // a ** b and a ^ b, right to left
  int power() {
    const int base = unary();
    if (!ok() || !(at_op("**") || at_op("^"))) return base;
    std::string op = token_.text;
    advance();
    const int exponent = power();
    return add(Kind::binary, std::move(op), {base, exponent});
  }

  // Parentheses, calls and signs nest by recursion: a hostile depth is an
  // error, not the end of the stack.
  static constexpr int kMaxDepth = 200;

  int unary() {
    if (++depth_ > kMaxDepth) {
      fail("nested more than " + std::to_string(kMaxDepth) + " deep");
      return -1;
    }
    int node = -1;
    if (at_op("-") || at_op("+") || at_op("!")) {
      std::string op = token_.text;
      advance();
      const int operand = unary();
      node = add(Kind::unary, std::move(op), {operand});
    } else {
      node = primary();
    }
    --depth_;
    return node;
  }

  int primary() {
    if (!ok()) return -1;
    switch (token_.kind) {
      case Token::Kind::number:
      case Token::Kind::name: {
        const Kind kind = token_.kind == Token::Kind::number ? Kind::number : Kind::name;
        const int node = add(kind, std::move(token_.text), {});
        advance();
        return node;
      }
      case Token::Kind::call:
        return call();
      case Token::Kind::op:
        if (at_op("(")) {
          advance();
          const int inner = ternary();
          if (ok() && !at_op(")")) fail("\"(\" without its \")\"");
          advance();
          return add(Kind::group, "(", {inner});
        }
        fail("\"" + token_.text + "\" where a value is due");
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
    std::string name = std::move(token_.text);
    advance();
    std::vector<int> arguments;
    while (ok() && !at_op(")")) {
      if (token_.kind == Token::Kind::end) {
        fail(name + "( without its \")\"");
        return -1;
      }
      arguments.push_back(ternary());
      if (ok() && at_op(",")) advance();
    }
    advance();
    return add(Kind::call, std::move(name), std::move(arguments));
  }

  Lexer lexer_;
  int depth_ = 0;
  std::vector<int> depths_;  // by node: the depth of the tree below it
  Token token_;
  std::string error_;
  Expression expression_;
};

}  // namespace

Expression parse_expression(std::string_view text, std::string& error) {
  error.clear();
  return Parser(text).parse(error);
}

bool has_exponent(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  return e != std::string_view::npos && e + 1 < number.size() &&
         (is_digit(number[e + 1]) || ((number[e + 1] == '+' || number[e + 1] == '-') &&
                                      e + 2 < number.size() && is_digit(number[e + 2])));
}

}  // namespace corvane
