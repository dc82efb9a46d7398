#pragma once

#include <string_view>

#include "core/statement_reader.h"

namespace corvane {

/// What the statement reader does with a statement, by its first keyword.
enum class StatementAction {
  translate,  // its translator (not yet available when `handler` is null)
  subckt,     // a subcircuit definition, translated in place
  copy,       // copied unchanged
  end,        // ".end"
  op,         // ".op"
  reject,     // reported with `message` and dropped
};

struct StatementRow {
  int code = 0;
  StatementAction action = StatementAction::reject;
  StatementHandler handler = nullptr;
  std::string_view message;
};

/// The row for a statement's first keyword, or null for an unknown statement.
const StatementRow* find_statement_row(int code);

/// The translator for an element letter's keyword, or null when elements of
/// that letter have no translator.
StatementHandler find_element_handler(int letter_code);

}  // namespace corvane
