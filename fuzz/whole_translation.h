#pragma once

#include <string>
#include <string_view>

#include "core/fatal_error.h"
#include "translate/translate_file.h"

namespace corvane {

/// Everything one in-memory translation gives, as one text: the main text,
/// each section, the messages and the console, or the fatal condition. Two
/// ways of translating agree when their texts are equal.
inline std::string whole_translation(std::string_view input, const TranslationOptions& options) {
  RecordingSink sink;
  try {
    const TranslationOutput output = translate_text(input, options, sink);
    std::string text = output.main_text;
    for (const OutputSection& section : output.sections) {
      text += "\n=== " + section.name + "\n" + section.text;
    }
    for (const std::string& message : sink.messages) text += "\n--- " + message;
    return text + "\n>>> " + output.console;
  } catch (const FatalError& error) {
    return std::string("fatal: ") + error.what();
  }
}

}  // namespace corvane
