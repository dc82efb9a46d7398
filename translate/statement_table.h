#pragma once

#include <string_view>

#include "translate/statement_reader.h"

namespace corvane {

/// What the statement reader does with a statement in one scope.
enum class StatementAction {
  not_here,   // not allowed in this scope: reported with the scope's message
  translate,  // its `handler` translates it
  copy,       // copied unchanged
  reject,     // reported with `message` and dropped
};

struct StatementUse {
  StatementAction action = StatementAction::not_here;
  StatementHandler handler = nullptr;
  std::string_view message;
};

/// A statement keyword and what each scope does with it.
struct StatementRow {
  int code = 0;
  StatementUse top;
  StatementUse subckt_body;
  StatementUse section;

  constexpr const StatementUse& in(StatementScope scope) const {
    return scope == StatementScope::top           ? top
           : scope == StatementScope::subckt_body ? subckt_body
                                                  : section;
  }
};

/// The row for a statement's first keyword, or null for an unknown statement.
const StatementRow* find_statement_row(int code);

/// An element letter: its keyword and what becomes of its lines.
struct ElementRow {
  char letter = '\0';
  int code = 0;
  StatementUse use;
};

/// The row for the first character of an element name, or null when no
/// element starts with it.
const ElementRow* find_element_row(char letter);

}  // namespace corvane
