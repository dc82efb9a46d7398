#pragma once

#include <string_view>

#include "core/translation_context.h"

namespace corvane {

/// How an option Ondrel knows is carried over.
enum class OptionForm {
  flag,        // the word alone
  valued,      // NAME=NUMBER
  acct,        // "acct" directly followed by a count when one follows
  list_count,  // "list", then a count when one follows
};

struct OptionRow {
  int keyword;
  OptionForm form;
  std::string_view written;  // the Ondrel name
};

/// The row of an HSPICE option by its keyword code; null for the options
/// that are dropped.
const OptionRow* find_option(int keyword);

/// Translates an `.options` or `.option` statement on `target`.
void translate_options(TranslationContext& ctx, int target, int code);

}  // namespace corvane
