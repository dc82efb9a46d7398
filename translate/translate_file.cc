#include "translate/translate_file.h"

#include <optional>

#include "core/diagnostics.h"
#include "core/names.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "core/translation_report.h"
#include "translate/statement_reader.h"
#include "translate/statement_table.h"

namespace corvane {
namespace {

void flush_comments(TranslationContext& ctx) {
  if (ctx.comment_buffer.empty()) return;
  write_comment(ctx, MAIN_OUTPUT, ctx.comment_buffer);
  ctx.comment_buffer.clear();
}

// The first line of a file is its title, unless it is a statement: one
// that begins with a dot word the statement table knows (a library may
// begin with .model, .lib, .param, .include ...).
bool starts_title(TranslationContext& ctx) {
  if (ctx.scan.input_ended || ctx.scan.token_line != 1) return false;
  look_up_statement_keyword(ctx);
  const std::string_view text = token_text(ctx);
  return !(is_keyword_code(ctx.token_kind) && !text.empty() && text[0] == '.' &&
           find_statement_row(ctx.token_kind) != nullptr);
}

void write_title(TranslationContext& ctx) {
  do {
    write_text(ctx, MAIN_OUTPUT, "* ", false);
    write_verbatim_line(ctx, MAIN_OUTPUT, current_line(ctx));
    skip_line(ctx);
    next_token(ctx, MODE_DOT_KEYWORDS);
  } while (!ctx.statement_ended);
}

}  // namespace

void translate_file(TranslationContext& ctx) {
  ctx.outputs.clear();
  ctx.outputs.emplace_back(ctx.prepare_output_block);
  ctx.section_names.assign(1, std::string());
  next_token(ctx, MODE_DOT_KEYWORDS);
  if (starts_title(ctx)) write_title(ctx);
  while (!ctx.scan.input_ended) {
    flush_comments(ctx);
    dispatch_statement(ctx, StatementScope::top, MAIN_OUTPUT);
  }
  // Comments after the last statement are kept too.
  flush_comments(ctx);
  if (ctx.sweeps_as_step > 0 && ctx.analyses > 1) {
    post_warning(ctx, "A SWEEP clause is written as .step, which sweeps every analysis:",
                 std::to_string(ctx.analyses) + " analyses");
  }
}

namespace {

// A second reading of a file knows from its start what the first found
// later on: the global names, the geometry scales and the MOSFET defaults.
void know_settings_from_start(TranslationContext& ctx) {
  const NameAssignments& assigned = ctx.names.assigned;
  if (!assigned.settings_came_late) return;
  for (const std::string& name : assigned.global_names) ctx.global_names.add(name);
  ctx.geometry_scales.scale = assigned.scale;
  ctx.geometry_scales.scalm = assigned.scalm;
  ctx.element_defaults = assigned.element_defaults;
}

// One translation of `input`; the names it wrote as one with another are
// left in `conflicts`. `assigned` are the names an earlier translation of
// the same input found in conflict.
TranslatedBlocks translate_pass(std::string_view input, const TranslationOptions& options,
                                MessageSink& log, NameAssignments assigned,
                                NameAssignments& conflicts, TranslationReport& cards) {
  TranslationContext ctx;
  ctx.mos_family_single_subckt = options.mos_family_single_subckt;
  ctx.quick_number_assignments = options.quick_number_assignments;
  ctx.prepare_output_block = options.prepare_output_block;
  ctx.keep_parameter_values = assigned.keep_parameter_values;
  ctx.names.assigned = std::move(assigned);
  ctx.observer = options.observer;
  if (ctx.observer != nullptr) ctx.observer->translation_begins();
  ctx.log = &log;
  // The cards' dropped parameters are always counted; a report, when asked
  // for, also records every message on its way to `log`.
  ctx.report = &cards;
  std::optional<ReportingSink> reporting;
  if (options.report != nullptr) ctx.log = &reporting.emplace(ctx, log, cards);
  ctx.global_names = GlobalNames(options.global_names);
  scanner_open(ctx, input);
  scanner_reset_tables(ctx);
  know_settings_from_start(ctx);
  translate_file(ctx);
  cards.finish();
  conflicts = find_name_conflicts(ctx);
  conflicts.keep_parameter_values = ctx.parameter_values_wanted;
  if (ctx.settings_came_late) {
    conflicts.settings_came_late = true;
    conflicts.global_names = ctx.global_names.names();
    conflicts.scale = ctx.geometry_scales.scale;
    conflicts.scalm = ctx.geometry_scales.scalm;
    conflicts.element_defaults = ctx.element_defaults;
  }

  TranslatedBlocks result;
  result.main_text = std::move(ctx.outputs[MAIN_OUTPUT]);
  result.sections_at = ctx.main_end_at;
  for (std::size_t i = 1; i < ctx.outputs.size(); ++i) {
    result.sections.push_back({std::move(ctx.section_names[i]), std::move(ctx.outputs[i])});
  }
  result.console = std::move(ctx.console);
  result.global_names = ctx.global_names.names();
  result.options_dropped = ctx.options_dropped;
  result.parameters_dropped = cards.parameters_dropped();
  result.cards_with_dropped_parameters = cards.cards_with_drops();
  return result;
}

// One line after the translator's own sums up the model parameters that
// no card wrote; the report lists them card by card.
void post_dropped_parameters(const TranslationReport& cards, MessageSink& log) {
  const int dropped = cards.parameters_dropped();
  if (dropped > 0) log.post_status(dropped_parameters_line(cards));
}

void replay(const RecordingSink& messages, MessageSink& log) {
  for (const std::string& message : messages.messages) log.post_status(message);
  if (messages.steps > 0) log.step(messages.steps);
}

}  // namespace

TranslatedBlocks translate_to_blocks(std::string_view input, const TranslationOptions& options,
                                     MessageSink& log) {
  // Whether two names came out as one is known at the end of the file. Then
  // the file is translated once more, those names written otherwise; the
  // first translation's messages are kept back until that is settled.
  RecordingSink first_messages;
  NameAssignments conflicts;
  TranslatedBlocks first;
  TranslationReport own_cards;
  TranslationReport& cards = options.report != nullptr ? *options.report : own_cards;
  try {
    first = translate_pass(input, options, first_messages, {}, conflicts, cards);
  } catch (...) {
    replay(first_messages, log);
    throw;
  }
  if (conflicts.empty()) {
    replay(first_messages, log);
    post_dropped_parameters(cards, log);
    return first;
  }
  cards = TranslationReport();
  NameAssignments unused;
  TranslatedBlocks second =
      translate_pass(input, options, log, std::move(conflicts), unused, cards);
  post_dropped_parameters(cards, log);
  return second;
}

TranslationOutput translate_text(std::string_view input, const TranslationOptions& options,
                                 MessageSink& log) {
  TranslatedBlocks blocks = translate_to_blocks(input, options, log);
  TranslationOutput result;
  result.main_text = blocks.main_text.take();
  result.sections_at = blocks.sections_at;
  for (TranslatedBlocks::Section& section : blocks.sections) {
    result.sections.push_back({std::move(section.name), section.text.take()});
  }
  result.console = std::move(blocks.console);
  result.global_names = std::move(blocks.global_names);
  result.options_dropped = blocks.options_dropped;
  result.parameters_dropped = blocks.parameters_dropped;
  result.cards_with_dropped_parameters = blocks.cards_with_dropped_parameters;
  return result;
}

}  // namespace corvane
