#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "control/blocks.h"
#include "control/parameters.h"
#include "control/statement_text.h"
#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/output_writer.h"
#include "core/symbol_tables.h"
#include "core/token_list.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

// One branch: its condition (empty for .else) and the parameters it
// defines, the last definition of a name winning.
struct Branch {
  std::string condition;
  std::vector<ParameterDefinition> definitions;
  StringMap<std::string> values;

  const std::string* value_of(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? nullptr : &found->second;
  }
};

// What an .if construct holds, read statement by statement.
struct Construct {
  std::vector<Branch> branches;
  std::vector<std::string_view> lines;  // every line, for the echo
  bool parameters_only = true;
  int depth = 0;  // of nested .if constructs
  bool ended = false;
};

// Takes in the statement whose first word is `kind` and whose lines are
// `lines`.
void take_statement(Construct& c, int kind, const std::vector<std::string_view>& lines) {
  c.lines.insert(c.lines.end(), lines.begin(), lines.end());
  const bool own_level = c.depth == 0;
  if (kind == kw(".if")) {
    if (c.branches.empty()) {
      c.branches.push_back({statement_text(lines), {}, {}});
      if (c.branches.back().condition.empty()) c.parameters_only = false;
    } else {
      ++c.depth;
      c.parameters_only = false;
    }
  } else if (kind == kw(".endif")) {
    if (own_level) {
      c.ended = true;
    } else {
      --c.depth;
    }
  } else if (own_level && (kind == kw(".elseif") || kind == kw(".else"))) {
    // A branch after .else, or an .elseif without its condition, is no
    // construct Corvane can write as values.
    if (c.branches.back().condition.empty()) c.parameters_only = false;
    std::string condition = kind == kw(".else") ? std::string() : statement_text(lines);
    if (kind == kw(".elseif") && condition.empty()) c.parameters_only = false;
    c.branches.push_back({std::move(condition), {}, {}});
  } else if (own_level && (kind == kw(".param") || kind == kw(".parameter"))) {
    Branch& branch = c.branches.back();
    const std::size_t before = branch.definitions.size();
    if (!read_parameter_definitions(statement_text(lines), branch.definitions))
      c.parameters_only = false;
    for (std::size_t i = before; i < branch.definitions.size(); ++i) {
      branch.values[branch.definitions[i].name] = branch.definitions[i].value;
    }
  } else if (kind != TOK_EOL) {
    c.parameters_only = false;
  }
}

bool is_word_character(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '.';
}

// A name, or a number with its exponent and scale (5.5e-001, 1k).
bool is_plain_operand(std::string_view text) {
  if (text.empty()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool exponent_sign = (c == '-' || c == '+') && i >= 2 &&
                               (text[i - 1] == 'e' || text[i - 1] == 'E') &&
                               std::isdigit(static_cast<unsigned char>(text[0])) != 0;
    if (!is_word_character(c) && !exponent_sign) return false;
  }
  return true;
}

// `text` as an operand: as it stands when it is one name or number, or one
// parenthesised group; else in parentheses.
std::string operand(const std::string& text) {
  const bool plain = is_plain_operand(text);
  if (plain) return text;
  if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
    int depth = 0;
    bool one_group = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
      depth += text[i] == '(' ? 1 : text[i] == ')' ? -1 : 0;
      if (depth == 0 && i + 1 < text.size()) one_group = false;
    }
    if (one_group) return text;
  }
  return "(" + text + ")";
}

// "c1 ? v1 : c2 ? v2 : v3" for `name` (HSPICE text). Where a branch does
// not define it, the value it had before the construct; where it had none,
// the last value a branch gives it, and `without_value` is set.
std::string conditional_value(const Construct& c, const std::string& name,
                              const std::string* earlier, bool& without_value) {
  const std::string* last = nullptr;
  for (const Branch& branch : c.branches) {
    if (const std::string* v = branch.value_of(name)) last = v;
  }
  const auto value_in = [&](const Branch& branch) -> const std::string& {
    if (const std::string* v = branch.value_of(name)) return *v;
    if (earlier != nullptr) return *earlier;
    without_value = true;
    return *last;
  };
  const Branch& final_branch = c.branches.back();
  const bool has_else = final_branch.condition.empty();
  std::string text = operand(has_else ? value_in(final_branch) : value_in(Branch{}));
  const std::size_t conditional = has_else ? c.branches.size() - 1 : c.branches.size();
  for (std::size_t i = conditional; i-- > 0;) {
    const Branch& branch = c.branches[i];
    text = operand(branch.condition) + " ? " + operand(value_in(branch)) + " : " + text;
  }
  return text;
}

std::string line_range(LineNumber first, LineNumber last) {
  return "lines " + std::to_string(first) + "-" + std::to_string(last);
}

void echo_construct(TranslationContext& ctx, int target, const Construct& c,
                    std::string_view message, const std::string& where) {
  echo_lines(ctx, target, c.lines);
  post_warning(ctx, message, where);
}

}  // namespace

// .if (C1) .param ... [.elseif (C2) .param ...] [.else .param ...] .endif
//   -> .param NAME = { IF(C1, V1, IF(C2, V2, V3)) } for each NAME defined;
//      any other content: the whole construct echoed and reported
void translate_if(TranslationContext& ctx, int target, int code) {
  const LineNumber first = ctx.statement_start.line;
  Construct c;
  int kind = code;
  do {
    take_statement(c, kind, read_block_statement(ctx));
    kind = ctx.token_kind;
  } while (!c.ended && !ctx.scan.input_ended);
  const LineNumber last = block_last_line(ctx);
  const std::string where = line_range(first, last);
  if (!c.parameters_only || !c.ended) {
    echo_construct(ctx, target, c, "Found IF block that will not be translated", where);
    return;
  }

  // Each parameter in the order first defined, its conditional value read
  // whole before anything is written.
  struct Written {
    std::string name;
    std::string text;  // the conditional value as an HSPICE expression
    TokenList value;
  };
  std::vector<Written> written;
  StringMap<bool> seen;
  std::string without_value;
  for (const Branch& branch : c.branches) {
    for (const ParameterDefinition& d : branch.definitions) {
      if (!seen.emplace(d.name, true).second) continue;
      bool missing = false;
      std::string text =
          conditional_value(c, d.name, earlier_parameter_value(ctx, d.name), missing);
      if (missing) without_value += (without_value.empty() ? "" : " ") + d.name;
      TokenList value;
      std::string problem;
      if (!add_expression(ctx, text, false, value, problem)) {
        echo_construct(ctx, target, c, "Found IF block that will not be translated, " + problem,
                       where);
        return;
      }
      written.push_back({d.name, std::move(text), std::move(value)});
    }
  }
  for (const Written& w : written) {
    write_text(ctx, target, ".param", true);
    write_text(ctx, target, w.name, true);
    write_text(ctx, target, "=", true);
    token_list_write(ctx, target, w.value);
    write_line(ctx, target, "");
    note_parameter_value(ctx, w.name, w.text);
  }
  if (!without_value.empty()) {
    post_warning(ctx,
                 "Parameters left without a value by a branch of an IF block, given their last "
                 "branch's value there:",
                 without_value + "; " + where);
  }
}

// .elseif, .else or .endif with no .if before it
void translate_stray_branch(TranslationContext& ctx, int target, int /*code*/) {
  warn_and_skip(ctx, target, "Found IF block statement without its .if", "");
}

}  // namespace corvane
