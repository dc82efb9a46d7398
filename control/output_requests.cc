#include "control/output_requests.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "control/control_tokens.h"
#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/names.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

constexpr std::string_view kInvalidRequest = "Invalid syntax found in .print statement";
constexpr std::string_view kDistoRequest = ".DISTO not supported on.print statement";
constexpr std::string_view kBadSyntax = "Unrecognized syntax when parsing statement";

struct AnalysisName {
  std::string_view hspice;
  std::string_view ondrel;
};

// The analyses an output request may name, with or without the dot.
constexpr AnalysisName kAnalysisNames[] = {
    {".ac", "ac"},     {"ac", "ac"},     {".dc", "dc"},       {"dc", "dc"},
    {".tran", "tran"}, {"tran", "tran"}, {".noise", "noise"}, {"noise", "noise"},
};

std::string_view analysis_name(std::string_view word) {
  for (const AnalysisName& name : kAnalysisNames) {
    if (name.hspice == word) return name.ondrel;
  }
  return {};
}

// Requests Ondrel can print: voltages (v(, vdb(, vp( ...), currents (i( ...)
// and noise (n( ...). A call that only begins with v is no voltage: vth(m1)
// is a MOSFET's threshold, which Ondrel cannot print.
bool is_carried_request(std::string_view call) {
  if (call.empty()) return false;
  if (call[0] != 'v') return call[0] == 'i' || call[0] == 'n';
  static constexpr std::string_view kVoltages[] = {"v(", "vr(", "vi(", "vm(", "vp(", "vdb("};
  return std::find(std::begin(kVoltages), std::end(kVoltages), call) != std::end(kVoltages);
}

// A current request of an element written under another name or as a
// subcircuit (M, D and J lines become wrapper instances, F and H become
// G and E sources): the request would name nothing Ondrel has.
bool names_rewritten_element(std::string_view request) {
  if (request.empty() || request[0] != 'i') return false;
  const std::size_t open = request.find('(');
  const std::size_t close = request.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close <= open + 1) {
    return false;
  }
  std::string_view element = request.substr(open + 1, close - open - 1);
  const std::size_t dot = element.rfind('.');
  if (dot != std::string_view::npos) element.remove_prefix(dot + 1);
  return !element.empty() &&
         std::string_view("mdjfh").find(lower_ascii(element[0])) != std::string_view::npos;
}

// Passes over a call or parenthesis with everything up to the one that
// closes it, adding its source text to `passed`.
void skip_group(TranslationContext& ctx, std::string& passed) {
  int depth = 0;
  do {
    if (ctx.token_kind == TOK_CALL || ctx.token_kind == TOK_LPAREN) ++depth;
    if (ctx.token_kind == TOK_RPAREN) --depth;
    passed += source_token_text(ctx);
    next_token(ctx, MODE_NO_KEYWORDS);
  } while (depth > 0 && !ctx.statement_ended);
  passed += ' ';
}

// .print ANALYSIS REQUEST...  ->  .print ANALYSIS REQUEST ...
// (.plot alike). REQUEST: v(NODE), v(NODE,NODE), vdb(NODE), i(ELEMENT) ...;
// requests Ondrel has no counterpart for are passed over and reported.
void translate_output_request(TranslationContext& ctx, int target, std::string_view keyword) {
  write_text(ctx, target, keyword, true);
  next_token(ctx, MODE_ALL_KEYWORDS);
  const std::string_view word = current_word(ctx);
  if (word == ".disto" || word == "disto") {
    warn_and_skip(ctx, target, kDistoRequest, "");
    return;
  }
  const std::string_view analysis = analysis_name(word);
  if (analysis.empty()) {
    warn_and_skip(ctx, target, kInvalidRequest, "");
    return;
  }
  write_text(ctx, target, analysis, true);

  int requests = 0;
  std::string passed;  // what is not written, as the source has it
  next_token(ctx, MODE_NO_KEYWORDS);
  while (!ctx.statement_ended) {
    if (ctx.token_kind == TOK_CALL && is_carried_request(token_text(ctx))) {
      std::string request;
      const bool voltage = token_text(ctx)[0] == 'v';
      if (!read_call_group(ctx, request, MODE_NO_KEYWORDS, voltage)) {
        warn_and_skip(ctx, target, kBadSyntax, "");
        return;
      }
      if (names_rewritten_element(request)) {
        passed += request;
        passed += ' ';
        continue;
      }
      write_text(ctx, target, request, true);
      ++requests;
    } else if (ctx.token_kind == TOK_CALL || ctx.token_kind == TOK_LPAREN) {
      skip_group(ctx, passed);
    } else {
      passed += source_token_text(ctx);
      passed += ' ';
      next_token(ctx, MODE_NO_KEYWORDS);
    }
  }
  if (requests == 0) {
    warn_and_skip(ctx, target, kInvalidRequest, "");
    return;
  }
  write_line(ctx, target, "");
  if (!passed.empty()) {
    passed.pop_back();
    post_warning(ctx, "Output requests not translated:", passed);
  }
}

}  // namespace

bool read_call_group(TranslationContext& ctx, std::string& text, int mode_after,
                     bool global_nodes) {
  text.assign(token_text(ctx));
  bool first = true;
  next_token(ctx, MODE_NO_KEYWORDS);
  while (!ctx.statement_ended && ctx.token_kind != TOK_RPAREN) {
    const bool name = ctx.token_kind == TOK_NAME;
    if (!name && !is_number_kind(ctx.token_kind)) return false;
    if (!first) text += ',';
    text += global_nodes ? global_node_name(ctx, token_text(ctx)) : std::string(token_text(ctx));
    first = false;
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  if (ctx.statement_ended) return false;
  text += ')';
  next_token(ctx, mode_after);
  return true;
}

namespace {

bool is_node_character(char c) {
  return c != '(' && c != ')' && c != ',' && c != '=' && c != ' ' && c != '\t';
}

// `line` with every node inside "v(" ")" written as elements write it: a
// node declared global with its prefix, a sign touching a node as its
// letter (in+ as inp); the rest stands as it is.
std::string with_written_nodes(TranslationContext& ctx, std::string_view line) {
  std::string result;
  std::size_t at = 0;
  bool in_group = false;
  while (at < line.size()) {
    const char c = line[at];
    if (!in_group) {
      result += c;
      ++at;
      const bool opens = c == '(' && at >= 2 && lower_ascii(line[at - 2]) == 'v' &&
                         (at == 2 || !is_node_character(line[at - 3]) || line[at - 3] == '+');
      in_group = opens;
      continue;
    }
    if (c == ')') in_group = false;
    if (!is_node_character(c)) {
      result += c;
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < line.size() && is_node_character(line[end])) ++end;
    const std::string node = copied_node_name(ctx, line.substr(at, end - at));
    if (ctx.global_names.contains(lower_ascii_text(node))) result += "$G_";
    result += node;
    at = end;
  }
  return result;
}

// The next statement's first word is looked up as copied lines look it up:
// in every keyword list at the top level, else among dot words.
void copy_initial_conditions(TranslationContext& ctx, int target, int mode) {
  ctx.nodes_written = true;
  do {
    if (ctx.token_kind == TOK_EOF) return;
    write_line(ctx, target, with_written_nodes(ctx, current_line(ctx)));
    skip_line(ctx);
    next_token(ctx, mode);
  } while (!ctx.statement_ended);
}

}  // namespace

void translate_initial_conditions(TranslationContext& ctx, int target, int /*code*/) {
  const bool top_level = ctx.names.scope.empty();
  copy_initial_conditions(ctx, target, top_level ? MODE_ALL_KEYWORDS : MODE_DOT_KEYWORDS);
}

void translate_initial_conditions_to_main(TranslationContext& ctx, int /*target*/, int /*code*/) {
  // The statement is written, and its problems reported, in the main text.
  ctx.statement_target = MAIN_OUTPUT;
  if (ctx.observer != nullptr) {
    ctx.observer->statement_begins(ctx.statement_start.line, MAIN_OUTPUT,
                                   output_of(ctx, MAIN_OUTPUT).size());
  }
  copy_initial_conditions(ctx, MAIN_OUTPUT, MODE_DOT_KEYWORDS);
}

void translate_node_requests(TranslationContext& ctx, int target, int /*code*/) {
  copy_initial_conditions(ctx, target, MODE_ALL_KEYWORDS);
}

// .print ANALYSIS REQUEST...  ->  .print ANALYSIS REQUEST ...
void translate_print(TranslationContext& ctx, int target, int /*code*/) {
  translate_output_request(ctx, target, ".print");
}

// .plot ANALYSIS REQUEST...  ->  .plot ANALYSIS REQUEST ...
void translate_plot(TranslationContext& ctx, int target, int /*code*/) {
  translate_output_request(ctx, target, ".plot");
}

}  // namespace corvane
