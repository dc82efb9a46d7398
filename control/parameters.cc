#include "control/parameters.h"

#include "control/statement_text.h"

#include <string>
#include <vector>

#include "control/expressions.h"
#include "core/diagnostics.h"
#include "core/names.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_list.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

constexpr std::string_view kBadSyntax = "Unrecognized syntax when parsing statement";
constexpr int kDefinitionsPerLine = 2;

// The output lines of one statement: plain definitions share ".param" lines,
// two to a line, continued with "+"; a function takes a ".func" line of its
// own. A line is begun only when a definition is ready for it, so no line is
// left empty.
class ParamLines {
 public:
  ParamLines(TranslationContext& ctx, int target) : ctx_(ctx), target_(target) {}

  // The next definition stood on a new input line.
  void note_new_input_line() { new_input_line_ = true; }

  void begin_plain_definition() {
    if (!open_) {
      write_text(ctx_, target_, ".param", true);
      open_ = true;
      count_ = 0;
    } else if (count_ >= kDefinitionsPerLine || (new_input_line_ && count_ > 0)) {
      write_line(ctx_, target_, "");
      write_text(ctx_, target_, "+", true);
      count_ = 0;
    }
    new_input_line_ = false;
    ++count_;
  }

  void begin_function() {
    close();
    new_input_line_ = false;
  }

  void close() {
    if (open_) write_line(ctx_, target_, "");
    open_ = false;
  }

 private:
  TranslationContext& ctx_;
  int target_;
  bool open_ = false;  // a ".param" line is being written
  int count_ = 0;      // definitions on it
  bool new_input_line_ = false;
};

// Why a definition could not be read, when its value is an expression that
// Ondrel cannot express.
struct ValueProblem {
  std::string problem;
  std::string text;
};

bool read_equals_and_value(TranslationContext& ctx, TokenList& value, ValueProblem& problem) {
  if (ctx.statement_ended || ctx.token_kind != TOK_EQUALS) return false;
  next_token(ctx, MODE_NO_KEYWORDS);
  if (read_parameter_value(ctx, value, problem.problem, problem.text) != ValueRead::ok)
    return false;
  // A word or number touching the value is part of it that no value form
  // reads (1e-3u): the definition is not written cut short.
  return ctx.statement_ended || !ctx.scan.token_touches_previous ||
         !(ctx.token_kind == TOK_NAME || is_number_kind(ctx.token_kind) ||
           is_keyword_code(ctx.token_kind));
}

// NAME = VALUE
bool plain_definition(TranslationContext& ctx, int target, ParamLines& lines,
                      ValueProblem& problem) {
  if (ctx.token_kind != TOK_NAME) return false;
  const std::string name(token_text(ctx));
  next_token(ctx, MODE_NO_KEYWORDS);
  TokenList value;
  if (!read_equals_and_value(ctx, value, problem)) return false;
  lines.begin_plain_definition();
  if (ctx.names.scope.empty()) {
    note_top_parameter(ctx, name);
  } else {
    note_local_parameter(ctx, name);
  }
  write_text(ctx, target, name, true);
  write_text(ctx, target, "=", true);
  token_list_write(ctx, target, value);
  // The value is written: its numbers are needed no more, so a line of a
  // million definitions holds the numbers of one at a time.
  keep_current_constant(ctx);
  return true;
}

// F(A, B) = VALUE  ->  .func F( A , B ) = VALUE
bool function_definition(TranslationContext& ctx, int target, ParamLines& lines,
                         ValueProblem& problem) {
  std::string call(token_text(ctx));
  // The scanner gives device calls (c(, d(, r( ...) as their device keyword.
  if (ctx.token_kind != TOK_CALL) call += '(';
  std::vector<std::string> arguments;
  next_token(ctx, MODE_NO_KEYWORDS);
  while (!ctx.statement_ended && ctx.token_kind == TOK_NAME) {
    arguments.emplace_back(token_text(ctx));
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (ctx.statement_ended || ctx.token_kind != TOK_RPAREN) return false;
  next_token(ctx, MODE_NO_KEYWORDS);
  TokenList value;
  if (!read_equals_and_value(ctx, value, problem)) return false;

  lines.begin_function();
  write_text(ctx, target, ".func", true);
  write_text(ctx, target, call, true);
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i > 0) write_text(ctx, target, ",", true);
    write_text(ctx, target, arguments[i], true);
  }
  write_text(ctx, target, ")", true);
  write_text(ctx, target, "=", true);
  token_list_write(ctx, target, value);
  write_line(ctx, target, "");
  return true;
}

}  // namespace

// .param NAME=VALUE ... F(A,B)=VALUE ...
//   -> .param NAME = VALUE NAME = VALUE
//      + NAME = VALUE
//      .func F( A , B ) = VALUE
void translate_param(TranslationContext& ctx, int target, int /*code*/) {
  ParamLines lines(ctx, target);
  ValueProblem problem;
  next_token(ctx, MODE_NO_KEYWORDS);
  LineNumber input_line = ctx.scan.token_line;
  bool ok = !ctx.statement_ended;
  while (ok && !ctx.statement_ended) {
    if (ctx.scan.token_line != input_line) {
      lines.note_new_input_line();
      input_line = ctx.scan.token_line;
    }
    // Read without keyword lookup, a word is a keyword only as a device call.
    const bool function = ctx.token_kind == TOK_CALL || is_keyword_code(ctx.token_kind);
    ok = function ? function_definition(ctx, target, lines, problem)
                  : plain_definition(ctx, target, lines, problem);
  }
  // Definitions already complete stay in the output.
  lines.close();
  if (ok && ctx.keep_parameter_values) {
    std::vector<ParameterDefinition> definitions;
    read_parameter_definitions(statement_text(ctx.previous_statement_lines), definitions);
    for (ParameterDefinition& d : definitions)
      note_parameter_value(ctx, d.name, std::move(d.value));
  }
  if (ok) return;
  if (problem.problem.empty()) {
    warn_and_skip(ctx, target, kBadSyntax, "");
  } else {
    reject_expression(ctx, problem.text, problem.problem);
  }
}

namespace {

std::string parameter_key(const TranslationContext& ctx, const std::string& name) {
  std::string key = ctx.names.scope;
  key += '\n';
  key += name;
  return key;
}

}  // namespace

const std::string* earlier_parameter_value(TranslationContext& ctx, const std::string& name) {
  if (!ctx.keep_parameter_values) {
    ctx.parameter_values_wanted = true;
    return nullptr;
  }
  const auto found = ctx.parameter_values.find(parameter_key(ctx, name));
  return found == ctx.parameter_values.end() ? nullptr : &found->second;
}

void note_parameter_value(TranslationContext& ctx, const std::string& name, std::string value) {
  if (!ctx.keep_parameter_values) return;
  ctx.parameter_values[parameter_key(ctx, name)] = std::move(value);
}

}  // namespace corvane
