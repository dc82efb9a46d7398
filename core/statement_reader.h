#pragma once

#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// A statement translator: called with the statement's first token current,
/// it consumes the whole statement, writes to `target` and returns with the
/// next statement's first token current. `code` is the keyword that selected
/// it (the element letter's code for element lines).
using StatementHandler = void (*)(TranslationContext& ctx, int target, int code);

/// Makes the statement in hand the one that warnings reject, written to
/// `target`. Every place that hands a statement to a translator calls it.
void begin_statement(TranslationContext& ctx, int target);

/// A dot word read without keyword lookup becomes its statement keyword.
void look_up_statement_keyword(TranslationContext& ctx);

/// Whether the current token starts an element line. An element whose whole
/// name is a keyword (a resistor named rs, read with keyword lookup) is an
/// element too; its token becomes a name.
bool is_element_start(TranslationContext& ctx);

/// Handles one top-level statement on MAIN_OUTPUT.
void dispatch_statement(TranslationContext& ctx);

/// Handles an element line (first token a name) on `target`.
void dispatch_element(TranslationContext& ctx, int target);

/// The element keyword for the first character of an element name; 0 (after
/// rejecting the statement) when no element starts with it.
int first_letter(TranslationContext& ctx, std::string_view name);

/// Translates a `.subckt` or `.macro` definition with its body.
void subckt_statement(TranslationContext& ctx, int target);

}  // namespace corvane
