#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/token_list.h"
#include "core/translation_context.h"

namespace corvane {

/// One value of an element line: absent until its keyword or position has
/// been read.
using OptionalList = std::optional<TokenList>;

/// The word after an element's nodes: a model name, or a value given by a
/// parameter name when it is the last item of its line.
struct ModelSlot {
  std::string name;
  bool is_value = false;
  /// A value only because no model of the name is known.
  bool unknown_model = false;
};

/// A keyword of an element line's keyword loop and the value it fills.
template <typename Values>
struct KeywordField {
  int keyword;
  OptionalList Values::*field;
};

/// The field for the current token's keyword, or null.
template <typename Values>
OptionalList* find_keyword_field(const TranslationContext& ctx,
                                 std::span<const KeywordField<Values>> table, Values& values) {
  for (const KeywordField<Values>& row : table) {
    if (row.keyword == ctx.token_kind) return &(values.*row.field);
  }
  return nullptr;
}

/// `next_token`, passing over the line end that a "+" line with nothing
/// after the "+" yields inside a statement.
int next_element_token(TranslationContext& ctx, int mode);

/// True when the current token, still in this statement, can begin a value:
/// a number, a name, a quote or a sign.
bool starts_plain_value(const TranslationContext& ctx);
/// As `starts_plain_value`, and also a word that was looked up as a keyword.
bool starts_value(const TranslationContext& ctx);
/// True when the current token is a further item of a value list: a number,
/// or anything that starts a value right after a comma.
bool continues_value_list(const TranslationContext& ctx);

/// Reports the statement with `message` and `element_name` and skips it;
/// always false, so a reader can `return reject(...)`.
bool reject(TranslationContext& ctx, int target, std::string_view message,
            std::string_view element_name);

/// Reads "=" and a value after the current keyword into `into` (replacing
/// what it held). False when the statement was rejected: a missing "=" is
/// reported as unrecognized syntax, a missing value with `message`.
bool read_keyword_value(TranslationContext& ctx, int target, OptionalList& into,
                        std::string_view message, std::string_view element_name);

/// Reads one value at the current token into `into`. False (nothing read)
/// when the token cannot begin a value.
bool read_positional_value(TranslationContext& ctx, OptionalList& into);

/// Reads a value and every further item of its list (ic=0.5,0,0.2,0: the
/// scanner drops the commas, so each following number is the next value).
std::vector<TokenList> read_value_sequence(TranslationContext& ctx);

/// Reads "=" and a value list after the current keyword (ic=0.5,0). False
/// when the statement was rejected, as for `read_keyword_value`.
bool read_keyword_sequence(TranslationContext& ctx, int target, std::vector<TokenList>& values,
                           std::string_view message, std::string_view element_name);

/// Reads the name after the nodes into a model slot when the current token
/// is a name, and moves on to the next token (keywords looked up).
ModelSlot read_model_slot(TranslationContext& ctx);

/// Reads `count` output nodes into `ctx.output_nodes`, then turns a
/// following source-kind word (r, vcvs, trans, z0, ...) into its keyword.
/// A node is never taken from the next statement. False, after reporting
/// "Incorrect number of output nodes:", when a node is missing.
bool read_element_nodes(TranslationContext& ctx, int target, int count,
                        std::string_view element_name);

/// Reads the element name at the current token, joined as `read_name` joins
/// a node name (mxi1/mm8), and moves on to the token after it.
std::string read_element_name(TranslationContext& ctx);

/// Reads one node name at the current token into `name`: a name takes "p"
/// or "n" for a sign that touches it; the token after the node is read with
/// `mode_after`. False when the token cannot be a node.
bool read_node(TranslationContext& ctx, std::string& name, int mode_after);

/// Writes `text` and a blank.
void write_piece(TranslationContext& ctx, int target, std::string_view text);
/// Writes a node name as `write_piece` does, with "$G_" in front of a
/// global node's name (see `global_node_name`).
void write_node(TranslationContext& ctx, int target, std::string_view node);
/// Writes the element name and its nodes, each node as declared global.
void write_element_start(TranslationContext& ctx, int target, std::string_view element_name,
                         std::span<const std::string> nodes);
/// Writes the model slot: the model name, or "{ name }" for a value.
void write_model_slot(TranslationContext& ctx, int target, const ModelSlot& slot);
/// Writes `prefix` joined with the list (the list ends with a blank).
void write_joined(TranslationContext& ctx, int target, std::string_view prefix,
                  const TokenList& list);
/// Writes `prefix` joined with the list when the value is present.
void write_joined_if(TranslationContext& ctx, int target, std::string_view prefix,
                     const OptionalList& value);

/// value := (value OP factor), with braces when `braces`; an absent value
/// becomes the factor alone.
void fold_factor(OptionalList& value, const TokenList& factor, int operator_kind, bool braces);
/// As `fold_factor` when the factor is present.
void fold_factor_if(OptionalList& value, const OptionalList& factor, int operator_kind,
                    bool braces);

/// Multiplies each present value by the file's `.option scale` once per
/// `power` (1 for lengths and perimeters, 2 for areas): HSPICE gives element
/// geometry in units of that factor. Nothing without the option.
void apply_geometry_scale(TranslationContext& ctx, std::initializer_list<OptionalList*> values,
                          int power = 1);

/// True when the current token's text is `lower_word` in any case.
bool is_word(const TranslationContext& ctx, std::string_view lower_word);

/// An instance value by the keyword it was given with.
struct NamedValue {
  std::string_view keyword;
  const OptionalList* value;
};

/// Reports, in one warning naming the element, the values given that the
/// written line has no place for ("Instance values not translated: dtemp,
/// ic"); nothing when none was given.
void report_unplaced_values(TranslationContext& ctx, std::initializer_list<NamedValue> values,
                            std::string_view element_name);

/// A list holding the constant 1.
TokenList one_list();

/// A list holding `text` as one name (entered in the name table whole).
TokenList text_list(TranslationContext& ctx, std::string_view text, int kind);

}  // namespace corvane
