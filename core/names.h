#pragma once

#include <string>
#include <string_view>

#include "core/name_book.h"
#include "core/translation_context.h"

namespace corvane {

/// After `text` was written to `target` with characters respelled (see
/// `OutputText::append_respelled`, `blank` as given there): records each
/// name of it that holds such characters and reports a name the first time
/// ("INFO: Name bus<1> is written as bus_1_"). Where an earlier translation
/// of the file gave a name another spelling, the piece is written again
/// with it.
void note_respelled(TranslationContext& ctx, int target, std::string_view text, bool blank);

/// The name a node written with a sign touching it (`in+`, `in-`) is
/// written under: `inp`, `inn`, reported once; where the file has a name
/// spelled so already, another, found by the next translation of the file.
/// `name` is the node's name without its sign (`sign` is '+' or '-').
std::string polarity_spelling(TranslationContext& ctx, std::string_view name, char sign);

/// A name the translator makes up for what the source does not name (an
/// inductor's series resistor `rl1`, its inner node `b_l1`): `usual`,
/// unless the file has a name spelled so (then `usual` with a suffix, found
/// by the next translation of the file), so that it never joins a name of
/// the source.
std::string made_up_name(TranslationContext& ctx, const std::string& usual);

/// `node` as written in copied text: a trailing sign (`in+`) as
/// `polarity_spelling` writes it; any other node as it stands.
std::string copied_node_name(TranslationContext& ctx, std::string_view node);

/// The name an element is written under instead of its own name
/// `original`: `written`, unless an earlier translation of the file found
/// that name taken in the element's scope (then another, reported).
std::string renamed_element(TranslationContext& ctx, std::string_view original,
                            std::string written);

/// Records an element name as written in the current scope.
void note_written_element(TranslationContext& ctx, std::string_view written);

/// Records a model name defined by the file.
void note_model(TranslationContext& ctx, std::string_view name);

/// A subcircuit (or a model's wrapper) that declares a parameter m.
void note_declares_m(TranslationContext& ctx, std::string_view subcircuit);
/// True when `subcircuit` declares m, as far as the file is known.
bool declares_m(const TranslationContext& ctx, std::string_view subcircuit);

/// Records a MOSFET wrapper (by the name written) that changes an
/// instance's values (its geometry, or its card's resistances) on their way
/// to the device: a plain `M` line would not see what it does.
void note_shaping_wrapper(TranslationContext& ctx, std::string_view model);
/// Whether instances of `model` need its wrapper, as far as the file is
/// known; an instance that took the plain form for a model not known yet is
/// remembered, so that the file's next translation knows it.
bool needs_wrapper(TranslationContext& ctx, std::string_view model);

/// Records a parameter of the subcircuit being read: one of its header or
/// of a `.param` inside it. The record starts anew with each subcircuit.
void note_local_parameter(TranslationContext& ctx, std::string_view name);
bool is_local_parameter(const TranslationContext& ctx, std::string_view name);

/// Records a `.param` of the top level; whether `name` is one defined so
/// far.
void note_top_parameter(TranslationContext& ctx, std::string_view name);
bool is_top_parameter(const TranslationContext& ctx, std::string_view name);
/// An instance of `subcircuit` whose m was left out.
void note_m_left_out(TranslationContext& ctx, std::string_view subcircuit);

/// The name a model is written under when the element in hand uses it:
/// the name of a local model of the subcircuit in hand, as an earlier
/// translation of the file found it; else `name` without its dots, as its
/// card is written (`model_card_name`).
std::string_view model_reference(TranslationContext& ctx, std::string_view name);

/// The name a `.model` card of `source_name` is written under: the name
/// without its dots, unless another model of the file is written so (then
/// with a suffix, reported once).
std::string model_card_name(TranslationContext& ctx, std::string_view source_name);

/// Records a model of a binned family: `source_name` is the family's name,
/// a dot and the bin's suffix (`nch.1`).
void note_model_bin(TranslationContext& ctx, std::string_view source_name, ModelBin bin);

/// The bins of the family `name`, as far as the file is known; nullptr when
/// `name` names no binned family. An instance that names a model unknown so
/// far is remembered, so that a family defined further on is found by the
/// next translation of the file.
const std::vector<ModelBin>* model_family(TranslationContext& ctx, std::string_view name);

/// Whether `name` is a model of the file (defined so far, or anywhere when
/// an earlier translation of the file found that it matters).
bool is_model_name(const TranslationContext& ctx, std::string_view name);

/// Records a name after an element's nodes taken for a value because no
/// model of that name is known.
void note_taken_as_value(TranslationContext& ctx, std::string_view name);

/// The names this translation wrote as one with another name, with the
/// names to write instead; empty when there are none.
NameAssignments find_name_conflicts(const TranslationContext& ctx);

}  // namespace corvane
