#pragma once

#include <string_view>

#include "core/output_writer.h"
#include "core/token_list.h"
#include "core/translation_context.h"
#include "models/parameter_record.h"

namespace corvane {

/// Writes the lines of a translated model card and its wrapper subcircuit to
/// one target, with the values of one parameter record. Every value is
/// followed by one blank, as token lists are written.
class CardWriter {
 public:
  CardWriter(TranslationContext& ctx, int target, const ParameterRecord& record)
      : ctx_(ctx), target_(target), record_(record) {}

  void text(std::string_view text) { write_text(ctx_, target_, text, false); }
  void line(std::string_view text) { write_line(ctx_, target_, text); }
  void end_line() { write_line(ctx_, target_, ""); }
  bool given(int code) const { return record_.given(code); }

  /// The value as the card holds it: a name or an expression keeps its
  /// braces, also inside an expression of a template.
  void value(const TokenList& value) { token_list_write(ctx_, target_, value); }
  void value(int code) { value(record_.value(code)); }
  /// The value, or `fallback` when the parameter is not given.
  void value_or(int code, std::string_view fallback) {
    if (given(code)) {
      value(code);
    } else {
      text(fallback);
    }
  }
  /// `prefix`, the value and `suffix`, only when the parameter is given.
  void term(std::string_view prefix, int code, std::string_view suffix) {
    if (!given(code)) return;
    text(prefix);
    value(code);
    text(suffix);
  }

  /// "+ name = value " lines of every parameter written, the last ended.
  void parameters() { write_model_parameters(ctx_, target_, record_); }

 private:
  TranslationContext& ctx_;
  int target_;
  const ParameterRecord& record_;
};

}  // namespace corvane
