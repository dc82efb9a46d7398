#pragma once

#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// A statement translator: called with the statement's first token current,
/// it consumes the whole statement, writes to `target` and returns with the
/// next statement's first token current. `code` is the keyword that selected
/// it (the element letter's code for element lines).
using StatementHandler = void (*)(TranslationContext& ctx, int target, int code);

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
