#pragma once

#include <string>

#include "core/translation_context.h"
#include "models/parameter_record.h"

namespace corvane {

/// Translates one kind of model card. Called with the kind word current; it
/// reads the parameters (to the end of the statement) into `record` and
/// writes the Ondrel form of the card to `target`. `name` is the model name
/// without its dots.
using ModelTranslator = void (*)(TranslationContext& ctx, int target, int kind,
                                 const std::string& name, ParameterRecord& record);

/// The `.model` statement: reads the name and the kind word and hands the
/// card to the translator of its kind. Its signature is that of a statement
/// handler; `code` is the keyword `.model`.
void translate_model(TranslationContext& ctx, int target, int code);

/// The translator of a kind word's keyword code; null for a kind that is
/// not translated.
ModelTranslator find_model_translator(int kind);

}  // namespace corvane
