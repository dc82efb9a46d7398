#pragma once

#include <string>

#include "core/token_list.h"
#include "core/translation_context.h"

namespace corvane {

/// How reading a parameter value went.
enum class ValueRead {
  ok,
  missing,         // no value where one was due
  unclosed,        // a quoted expression ran to the statement's end without its quote
  untranslatable,  // an expression Ondrel cannot express
};

/// Reads the value of a parameter definition into `list`, reading every
/// token without keyword lookup: a number stays as written (a "-" before it
/// kept, a "+" dropped), a name becomes "{ name }", a quoted expression, a
/// call or an unquoted expression (operands joined by * / + -) becomes
/// "{ expression }". Returns with the token after the value current.
/// For an untranslatable one, `problem` says why and `problem_text` holds
/// the expression.
ValueRead read_parameter_value(TranslationContext& ctx, TokenList& list, std::string& problem,
                               std::string& problem_text);

}  // namespace corvane
