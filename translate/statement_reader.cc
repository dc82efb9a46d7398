#include "translate/statement_reader.h"

#include <algorithm>
#include <string>

#include "control/blocks.h"
#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/names.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_list.h"
#include "core/token_stream.h"
#include "translate/statement_table.h"

namespace corvane {
namespace {

// .subckt NAME node... [param=value...]
//   -> .subckt NAME node... [params: param = value ...]
// Returns false when the header was rejected.
bool subckt_header(TranslationContext& ctx, int target, const std::string& name) {
  constexpr std::string_view kBadHeader = "Unrecognized syntax when parsing .subckt statement";
  std::string first_parameter;
  while (!ctx.statement_ended && ctx.token_kind != TOK_EQUALS) {
    if (ctx.token_kind == TOK_NAME) {
      std::string candidate = with_polarity_suffix(ctx, read_name(ctx), MODE_NO_KEYWORDS);
      // "params:" alone: the parameters follow.
      if (strip_params_keyword(candidate) && candidate.empty()) continue;
      if (ctx.token_kind == TOK_EQUALS && !ctx.statement_ended) {
        first_parameter = std::move(candidate);
        break;
      }
      write_text(ctx, target, global_node_name(ctx, candidate), true);
    } else if (is_number_kind(ctx.token_kind)) {
      write_text(ctx, target, global_node_name(ctx, read_name(ctx)), true);
    } else {
      warn_and_skip(ctx, target, kBadHeader, name);
      return false;
    }
  }
  if (first_parameter.empty()) return true;

  write_text(ctx, target, "params:", true);
  write_text(ctx, target, first_parameter, true);
  note_local_parameter(ctx, first_parameter);
  if (lower_ascii_text(first_parameter) == "m") note_declares_m(ctx, name);
  bool value_position = false;
  while (!ctx.statement_ended) {
    if (value_position) {
      // name -> { name }, 'expr' -> { expr }, -1 stays -1
      TokenList value;
      const bool instance_mode = ctx.instance_mode;
      ctx.instance_mode = true;  // parameter names after a value are not keywords
      read_value(ctx, value);
      ctx.instance_mode = instance_mode;
      if (value.empty()) {
        warn_and_skip(ctx, target, kBadHeader, name);
        return false;
      }
      token_list_write(ctx, target, value);
      value_position = false;
    } else if (ctx.token_kind == TOK_EQUALS) {
      write_text(ctx, target, "=", true);
      value_position = true;
      next_token(ctx, MODE_NO_KEYWORDS);
    } else if (ctx.token_kind == TOK_NAME || is_number_kind(ctx.token_kind)) {
      if (lower_ascii_text(token_text(ctx)) == "m") note_declares_m(ctx, name);
      note_local_parameter(ctx, token_text(ctx));
      write_text(ctx, target, token_text(ctx), true);
      next_token(ctx, MODE_NO_KEYWORDS);
    } else {
      warn_and_skip(ctx, target, kBadHeader, name);
      return false;
    }
  }
  return true;
}

// A subcircuit whose header could not be read cannot be used: its body is
// echoed, through its ".ends", as comment lines.
void echo_rejected_body(TranslationContext& ctx, int target) {
  while (!ctx.scan.input_ended) {
    look_up_statement_keyword(ctx);
    const bool last = ctx.token_kind == kw(".ends") || ctx.token_kind == kw(".eom");
    ctx.dispatched_serial = ctx.statement_serial;
    finish_statement(ctx, MODE_DOT_KEYWORDS);
    echo_lines(ctx, target, ctx.previous_statement_lines);
    ctx.previous_statement_lines.clear();
    if (last) return;
  }
}

// The statements up to ".ends" or ".eom", which is left current.
void subckt_body(TranslationContext& ctx, int target) {
  while (!ctx.scan.input_ended) {
    look_up_statement_keyword(ctx);
    if (ctx.token_kind == kw(".ends") || ctx.token_kind == kw(".eom")) return;
    dispatch_statement(ctx, StatementScope::subckt_body, target);
  }
}

// Where a statement with no use in a scope is reported; the same message
// reports a continuation line with no statement to continue.
std::string_view unrecognized_in(StatementScope scope) {
  switch (scope) {
    case StatementScope::top:
      return "Unrecognized statement type found in circuit file";
    case StatementScope::subckt_body:
      return "Unrecognized statement type found in subckt_statement";
    case StatementScope::section:
      break;
  }
  return "Unrecognized syntax when parsing .lib statement";
}

// Lines copied at the top level look the next statement's first word up in
// every keyword list; inside a subcircuit or section, only dot words.
int copy_mode(StatementScope scope) {
  return scope == StatementScope::top ? MODE_ALL_KEYWORDS : MODE_DOT_KEYWORDS;
}

void apply(TranslationContext& ctx, const StatementUse& use, int target, int code, int mode) {
  switch (use.action) {
    case StatementAction::translate: {
      const long serial = ctx.dispatched_serial;
      use.handler(ctx, target, code);
      take_back_output_after_rejection(ctx, serial);
      break;
    }
    case StatementAction::copy:
      copy_statement(ctx, target, mode);
      break;
    case StatementAction::reject:
      warn_and_skip(ctx, target, use.message, "");
      break;
    case StatementAction::not_here:
      break;
  }
}

// An element line (first token a name): by the first letter of its name.
void dispatch_element(TranslationContext& ctx, int target) {
  const std::string name(token_text(ctx));
  const ElementRow* row = find_element_row(name.empty() ? '\0' : name[0]);
  if (row == nullptr) {
    warn_and_skip(ctx, target, "Unrecognized statement type found in first_letter", name);
    return;
  }
  apply(ctx, row->use, target, row->code, MODE_DOT_KEYWORDS);
}

// Whether the current token starts an element line. An element whose whole
// name is a keyword (a resistor named rs, read with keyword lookup) is an
// element too; its token becomes a name.
bool is_element_start(TranslationContext& ctx) {
  if (ctx.token_kind == TOK_NAME) return true;
  if (!is_keyword_code(ctx.token_kind)) return false;
  const std::string_view text = token_text(ctx);
  if (text.empty() || text[0] == '.') return false;
  ctx.token_kind = TOK_NAME;
  return true;
}

}  // namespace

void begin_statement(TranslationContext& ctx, int target) {
  ctx.dispatched_serial = ctx.statement_serial;
  ctx.statement_target = target;
  ctx.statement_output_start = output_of(ctx, target).size();
  if (ctx.observer != nullptr) {
    ctx.observer->statement_begins(ctx.statement_start.line, target, output_of(ctx, target).size());
  }
  // The statement before has been written; its numbers are not needed.
  keep_current_constant(ctx);
}

void look_up_statement_keyword(TranslationContext& ctx) {
  if (ctx.token_kind != TOK_NAME) return;
  const std::string_view text = token_text(ctx);
  if (!text.empty() && text[0] == '.' && ctx.token_index < KEYWORD_COUNT) {
    ctx.token_kind = KEYWORD_FIRST_CODE + ctx.token_index;
  } else if (text == ".opt") {
    ctx.token_kind = kw(".options");  // HSPICE's short form
  }
}

void dispatch_statement(TranslationContext& ctx, StatementScope scope, int target) {
  begin_statement(ctx, target);
  look_up_statement_keyword(ctx);
  const int kind = ctx.token_kind;
  if (!ctx.statement_ended) {
    // A continuation line with no statement to continue.
    warn_and_skip(ctx, target, unrecognized_in(scope), "");
  } else if (kind == TOK_NAME) {
    dispatch_element(ctx, target);
  } else if (kind == TOK_EOL) {
    // A line with nothing to scan becomes a comment.
    write_text(ctx, target, "*", false);
    copy_statement(ctx, target, copy_mode(scope));
  } else if (const StatementRow* row = find_statement_row(kind);
             row != nullptr && row->in(scope).action != StatementAction::not_here) {
    apply(ctx, row->in(scope), target, kind, copy_mode(scope));
  } else if (is_element_start(ctx)) {
    dispatch_element(ctx, target);
  } else {
    warn_and_skip(ctx, target, unrecognized_in(scope), "");
  }
}

namespace {

// The subcircuit written from `start` on has its local models' text
// (`local_model_spans`) moved before it.
void move_local_models_before(TranslationContext& ctx, int target, std::size_t start) {
  if (ctx.local_model_spans.empty()) return;
  OutputText& out = output_of(ctx, target);
  const std::string text = out.text_from(start);
  std::string models;
  std::string rest;
  std::size_t at = 0;
  for (const auto& [begin, end] : ctx.local_model_spans) {
    if (ctx.observer != nullptr) {
      ctx.observer->text_moved(target, begin, end - begin, start + models.size());
    }
    rest.append(text, at, begin - start - at);
    models.append(text, begin - start, end - begin);
    at = end - start;
  }
  rest.append(text, at);
  out.truncate(start);
  out.append(models);
  out.append(rest);
  ctx.local_model_spans.clear();
}

}  // namespace

void translate_nested_subckt(TranslationContext& ctx, int target, int /*code*/) {
  const LineNumber first = ctx.statement_start.line;
  int depth = 0;
  while (!ctx.scan.input_ended) {
    look_up_statement_keyword(ctx);
    const int kind = ctx.token_kind;
    if (kind == kw(".subckt") || kind == kw(".macro")) ++depth;
    if (kind == kw(".ends") || kind == kw(".eom")) --depth;
    ctx.dispatched_serial = ctx.statement_serial;
    finish_statement(ctx, MODE_DOT_KEYWORDS);
    echo_lines(ctx, target, ctx.previous_statement_lines);
    ctx.previous_statement_lines.clear();
    if (depth == 0) break;
  }
  post_warning(ctx, "Found subcircuit definition inside a subcircuit that will not be translated",
               "lines " + std::to_string(first) + "-" + std::to_string(block_last_line(ctx)));
}

// .subckt NAME node... [param=value...] body .ends
//   -> .subckt NAME node... [params: param = value ...] body .ends
void translate_subckt(TranslationContext& ctx, int target, int /*code*/) {
  ctx.statement_target = target;
  next_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind == TOK_EOL) {
    warn_and_skip(ctx, target, "Unrecognized syntax when parsing .subckt statement", "");
    return;
  }
  // The name is joined as instance lines join it (ada4077-2).
  std::string name(token_text(ctx));
  if (ctx.token_kind == TOK_NAME || is_number_kind(ctx.token_kind)) {
    name = read_name(ctx);
  } else {
    next_token(ctx, MODE_NO_KEYWORDS);
  }
  const std::size_t start = output_of(ctx, target).size();
  ctx.local_model_spans.clear();
  ctx.names.local_parameters.clear();
  write_text(ctx, target, ".subckt", true);
  write_text(ctx, target, name, true);
  if (!subckt_header(ctx, target, name)) {
    allow_output_after_rejection(ctx);
    echo_rejected_body(ctx, target);
    return;
  }
  write_line(ctx, target, "");
  // Element names are told apart within their subcircuit.
  ctx.names.scope = name;
  subckt_body(ctx, target);
  ctx.names.scope.clear();
  write_line(ctx, target, ".ends");
  move_local_models_before(ctx, target, start);
  if (!ctx.scan.input_ended) finish_statement(ctx, MODE_DOT_KEYWORDS);
}

}  // namespace corvane
