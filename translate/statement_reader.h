#pragma once

#include "core/translation_context.h"

namespace corvane {

/// A statement translator: called with the statement's first token current,
/// it consumes the whole statement, writes to `target` and returns with the
/// next statement's first token current. `code` is the keyword that selected
/// it (the element letter's code for element lines).
using StatementHandler = void (*)(TranslationContext& ctx, int target, int code);

/// Where a statement stands; each place allows its own statements.
enum class StatementScope {
  top,          // the file's own statements
  subckt_body,  // between `.subckt` and `.ends`
  section,      // between `.lib NAME` and `.endl`
};

/// Makes the statement in hand the one that warnings reject, written to
/// `target`. Every place that hands a statement to a translator calls it.
void begin_statement(TranslationContext& ctx, int target);

/// A dot word read without keyword lookup becomes its statement keyword.
void look_up_statement_keyword(TranslationContext& ctx);

/// Handles one statement, written to `target`, by what `scope` allows.
void dispatch_statement(TranslationContext& ctx, StatementScope scope, int target);

/// Translates a `.subckt` or `.macro` definition with its body.
void translate_subckt(TranslationContext& ctx, int target, int code);

/// A `.subckt` inside a subcircuit's body: HSPICE keeps such a definition
/// local to the one around it, which Ondrel cannot say. The definition,
/// through its own `.ends`, is echoed and reported once with its lines.
void translate_nested_subckt(TranslationContext& ctx, int target, int code);

}  // namespace corvane
