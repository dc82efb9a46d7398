#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/message_sink.h"
#include "core/translation_context.h"

namespace corvane {

/// What a translation is told besides the input text.
struct TranslationOptions {
  /// Place a family of MOSFET models with dotted suffixes in one subcircuit.
  bool mos_family_single_subckt = true;
  /// Node names declared global by the files translated before this one.
  std::vector<std::string> global_names;
  /// Where to record messages and dropped model parameters; none when null.
  TranslationReport* report = nullptr;
  /// Read model cards' "name = number" pairs the short way (the same text
  /// as token by token; off only to check that).
  bool quick_number_assignments = true;
  /// Readies each large block of output text before it is written; none
  /// when null.
  BlockPreparer prepare_output_block = nullptr;
  /// Told where each statement's output begins; none when null.
  StatementObserver* observer = nullptr;
};

struct OutputSection {
  std::string name;
  std::string text;
};

/// The translated text of one input.
struct TranslationOutput {
  std::string main_text;
  /// One per `.lib` section, in the order met; each file written for a
  /// section holds the main text with the section's text at `sections_at`.
  std::vector<OutputSection> sections;
  /// Where a section's text goes in the main text: before its `.end`, or
  /// at its end (npos).
  std::size_t sections_at = std::string::npos;
  /// Scanner diagnostics, for the standard output stream.
  std::string console;
  /// The global node names after this input, for the next file of the run.
  std::vector<std::string> global_names;
  /// Options given that Ondrel has no counterpart for.
  int options_dropped = 0;
  /// Model parameters given on cards that no card wrote, and the cards.
  int parameters_dropped = 0;
  int cards_with_dropped_parameters = 0;
};

/// A translation's texts as it built them, in blocks: the run writes them to
/// their files as they stand, without joining a large text into one string.
struct TranslatedBlocks {
  struct Section {
    std::string name;
    OutputText text;
  };
  OutputText main_text;
  std::vector<Section> sections;
  /// Where a section's text goes in the main text: before its `.end`, or
  /// at its end (npos).
  std::size_t sections_at = std::string::npos;
  std::string console;
  std::vector<std::string> global_names;
  int options_dropped = 0;
  int parameters_dropped = 0;
  int cards_with_dropped_parameters = 0;
};

/// Translates HSPICE text into Ondrel text in memory; messages go to `log`.
/// Throws FatalError for a number literal longer than 20 characters.
TranslationOutput translate_text(std::string_view input, const TranslationOptions& options,
                                 MessageSink& log);

/// `translate_text` with the texts left in blocks.
TranslatedBlocks translate_to_blocks(std::string_view input, const TranslationOptions& options,
                                     MessageSink& log);

/// Translates the opened input of `ctx` into its output texts.
void translate_file(TranslationContext& ctx);

/// A message sink that keeps what it is given; for in-memory translation.
class RecordingSink : public MessageSink {
 public:
  void post_status(std::string_view text) override { messages.emplace_back(text); }
  void step(int n) override { steps += n; }

  std::vector<std::string> messages;
  int steps = 0;
};

}  // namespace corvane
