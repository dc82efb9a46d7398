#include "elements/element_reading.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"

namespace corvane {
namespace {

constexpr std::string_view kUnrecognizedSyntax = "Unrecognized syntax when parsing statement";

bool is_sign(int kind) { return kind == TOK_PLUS || kind == TOK_MINUS; }

struct SourceKindWord {
  std::string_view word;
  int keyword;
};

// Words right after an element's nodes that name the kind of the element,
// read without keyword lookup and recoded here.
constexpr std::array<SourceKindWord, 22> kSourceKindWords = {{
    {"r", kw("r")},
    {"c", kw("c")},
    {"l", kw("l")},
    {"vcvs", kw("vcvs")},
    {"vccs", kw("vccs")},
    {"ccvs", kw("ccvs")},
    {"cccs", kw("cccs")},
    {"cur", kw("cur")},
    {"vcr", kw("vcr")},
    {"opamp", kw("opamp")},
    {"trans", kw("transformer")},
    {"delay", kw("delay")},
    {"vccap", kw("vccap")},
    {"laplace", kw("laplace")},
    {"freq", kw("freq")},
    {"poly", kw("poly")},
    {"transformer", kw("transformer")},
    {"z0", kw("z0")},
    {"zo", kw("z0")},
    {"td", kw("td")},
    {"f", kw("f")},
    {"nl", kw("nl")},
}};

}  // namespace

int next_element_token(TranslationContext& ctx, int mode) {
  next_token(ctx, mode);
  while (!ctx.statement_ended && ctx.token_kind == TOK_EOL) next_token(ctx, mode);
  return ctx.token_kind;
}

bool starts_plain_value(const TranslationContext& ctx) {
  if (ctx.statement_ended) return false;
  const int kind = ctx.token_kind;
  return kind == TOK_NAME || is_number_kind(kind) || kind == TOK_QUOTE || is_sign(kind);
}

bool starts_value(const TranslationContext& ctx) {
  return starts_plain_value(ctx) || (!ctx.statement_ended && is_keyword_code(ctx.token_kind));
}

bool continues_value_list(const TranslationContext& ctx) {
  if (ctx.statement_ended) return false;
  return is_number_kind(ctx.token_kind) || (ctx.scan.comma_before && starts_plain_value(ctx));
}

bool reject(TranslationContext& ctx, int target, std::string_view message,
            std::string_view element_name) {
  warn_and_skip(ctx, target, message, element_name);
  return false;
}

bool read_keyword_value(TranslationContext& ctx, int target, OptionalList& into,
                        std::string_view message, std::string_view element_name) {
  next_element_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind != TOK_EQUALS) {
    return reject(ctx, target, kUnrecognizedSyntax, "");
  }
  next_element_token(ctx, MODE_NO_KEYWORDS);
  if (!starts_value(ctx)) return reject(ctx, target, message, element_name);
  TokenList value;
  read_value(ctx, value);
  if (value.empty()) return reject(ctx, target, message, element_name);
  into = std::move(value);
  return true;
}

bool read_positional_value(TranslationContext& ctx, OptionalList& into) {
  if (!starts_value(ctx)) return false;
  TokenList value;
  read_value(ctx, value);
  if (value.empty()) return false;
  into = std::move(value);
  return true;
}

std::vector<TokenList> read_value_sequence(TranslationContext& ctx) {
  std::vector<TokenList> values;
  if (!starts_plain_value(ctx)) return values;
  do {
    TokenList value;
    read_value(ctx, value);
    if (value.empty()) break;
    values.push_back(std::move(value));
  } while (continues_value_list(ctx));
  return values;
}

bool read_keyword_sequence(TranslationContext& ctx, int target, std::vector<TokenList>& values,
                           std::string_view message, std::string_view element_name) {
  next_element_token(ctx, MODE_NO_KEYWORDS);
  if (ctx.statement_ended || ctx.token_kind != TOK_EQUALS) {
    return reject(ctx, target, kUnrecognizedSyntax, "");
  }
  next_element_token(ctx, MODE_NO_KEYWORDS);
  values = read_value_sequence(ctx);
  if (values.empty()) return reject(ctx, target, message, element_name);
  return true;
}

ModelSlot read_model_slot(TranslationContext& ctx) {
  ModelSlot slot;
  // A value in braces is no model name: the value readers take it.
  if (ctx.statement_ended || ctx.token_kind != TOK_NAME || at_braced_value(ctx)) return slot;
  slot.name.assign(token_text(ctx));
  // A name is a model name when the file has a model of that name and no
  // parameter of it stands in scope, even as the last item of its line (the
  // element then takes its value from the model). Otherwise it is a value,
  // noted as such so that a model of that name further on is found by the
  // second reading.
  const bool parameter = is_top_parameter(ctx, slot.name) || is_local_parameter(ctx, slot.name);
  const bool model = !parameter && is_model_name(ctx, slot.name);
  slot.is_value = !model;
  slot.unknown_model = !model && !parameter;
  // Keywords are looked up in both cases: a value at the end of a line may
  // still be followed by a "+" line of keywords.
  next_element_token(ctx, MODE_ALL_KEYWORDS);
  return slot;
}

std::string read_element_name(TranslationContext& ctx) {
  std::string name = read_name(ctx);
  while (!ctx.statement_ended && ctx.token_kind == TOK_EOL)
    next_element_token(ctx, MODE_NO_KEYWORDS);
  return name;
}

bool read_node(TranslationContext& ctx, std::string& name, int mode_after) {
  if (ctx.statement_ended) return false;
  if (ctx.token_kind == TOK_NAME) {
    name = read_element_name(ctx);
    name = with_polarity_suffix(ctx, std::move(name), mode_after);
    while (!ctx.statement_ended && ctx.token_kind == TOK_EOL) next_element_token(ctx, mode_after);
    return true;
  }
  if (is_number_kind(ctx.token_kind)) {
    name = read_name(ctx);
    while (!ctx.statement_ended && ctx.token_kind == TOK_EOL) next_element_token(ctx, mode_after);
    look_up_word(ctx, mode_after);
    return true;
  }
  return false;
}

bool read_element_nodes(TranslationContext& ctx, int target, int count,
                        std::string_view element_name) {
  ctx.output_nodes.assign(static_cast<std::size_t>(count), std::string());
  for (std::string& node : ctx.output_nodes) {
    if (!read_node(ctx, node, MODE_NO_KEYWORDS)) {
      return reject(ctx, target, "Incorrect number of output nodes:", element_name);
    }
  }
  if (ctx.token_kind == TOK_NAME && !ctx.statement_ended) {
    const std::string_view word = token_text(ctx);
    for (const SourceKindWord& entry : kSourceKindWords) {
      if (word == entry.word) {
        ctx.token_kind = entry.keyword;
        break;
      }
    }
  }
  return true;
}

void write_piece(TranslationContext& ctx, int target, std::string_view text) {
  write_text(ctx, target, text, true);
}

void write_node(TranslationContext& ctx, int target, std::string_view node) {
  if (ctx.global_names.contains(node)) {
    write_piece(ctx, target, global_node_name(ctx, node));
    return;
  }
  // Most nodes are no global: written as they are, without a copy.
  ctx.nodes_written = true;
  write_piece(ctx, target, node);
}

void apply_geometry_scale(TranslationContext& ctx, std::initializer_list<OptionalList*> values,
                          int power) {
  if (ctx.geometry_scales.scale.empty()) return;
  const TokenList scale = setting_value(ctx, ctx.geometry_scales.scale);
  if (scale.empty()) return;
  for (OptionalList* value : values) {
    if (!*value) continue;
    for (int i = 0; i < power; ++i) fold_factor(*value, scale, TOK_STAR, false);
  }
}

void write_element_start(TranslationContext& ctx, int target, std::string_view element_name,
                         std::span<const std::string> nodes) {
  write_piece(ctx, target, element_name);
  note_written_element(ctx, element_name);
  for (const std::string& node : nodes) write_node(ctx, target, node);
}

void write_model_slot(TranslationContext& ctx, int target, const ModelSlot& slot) {
  if (slot.name.empty()) return;
  if (slot.is_value) {
    write_piece(ctx, target, "{");
    write_piece(ctx, target, slot.name);
    write_piece(ctx, target, "}");
  } else {
    write_piece(ctx, target, slot.name);
  }
}

void write_joined(TranslationContext& ctx, int target, std::string_view prefix,
                  const TokenList& list) {
  write_text(ctx, target, prefix, false);
  token_list_write(ctx, target, list);
}

void write_joined_if(TranslationContext& ctx, int target, std::string_view prefix,
                     const OptionalList& value) {
  if (value) write_joined(ctx, target, prefix, *value);
}

namespace {

bool has_braces(const TokenList& list) {
  return std::any_of(list.begin(), list.end(),
                     [](const TokenNode& node) { return node.kind == TOK_LBRACE; });
}

}  // namespace

void fold_factor(OptionalList& value, const TokenList& factor, int operator_kind, bool braces) {
  if (!value) value.emplace();
  // A parameter name or expression on either side makes the whole an
  // expression, which stands in braces wherever it is written.
  const bool braced = braces || has_braces(*value) || has_braces(factor);
  token_list_combine(true, *value, factor, braced, braced, operator_kind);
}

void fold_factor_if(OptionalList& value, const OptionalList& factor, int operator_kind,
                    bool braces) {
  if (factor) fold_factor(value, *factor, operator_kind, braces);
}

TokenList one_list() { return TokenList{{NODE_ONE, 0}}; }

TokenList text_list(TranslationContext& ctx, std::string_view text, int kind) {
  return TokenList{{kind, ctx.symbols.enter(text, kind)}};
}

bool is_word(const TranslationContext& ctx, std::string_view lower_word) {
  const std::string_view text = token_text(ctx);
  return text.size() == lower_word.size() &&
         std::equal(text.begin(), text.end(), lower_word.begin(),
                    [](char a, char b) { return lower_ascii(a) == b; });
}

void report_unplaced_values(TranslationContext& ctx, std::initializer_list<NamedValue> values,
                            std::string_view element_name) {
  std::string listed;
  for (const NamedValue& named : values) {
    if (!named.value->has_value()) continue;
    if (!listed.empty()) listed += ", ";
    listed += named.keyword;
  }
  if (listed.empty()) return;
  post_warning(ctx, "Instance values not translated: " + listed, element_name);
}

}  // namespace corvane
