#pragma once

#include <string>
#include <vector>

#include "core/token_list.h"
#include "core/translation_context.h"
#include "elements/element_reading.h"

namespace corvane {

/// The controlling function of an E, F, G or H line.
enum class SourceForm {
  linear,
  poly,
  and_gate,
  nand_gate,
  nor_gate,
  or_gate,
  opamp,
  delay,
  vccap,
  laplace,
  freq,
  cur,
  transformer,
  vcr,
};

/// Everything an E, F, G or H line says, as read.
struct ControlledSource {
  std::string name;
  bool current_controlled = false;  // f and h
  bool current_output = false;      // f and g
  SourceForm form = SourceForm::linear;

  std::vector<std::string> controlling_nodes;  // in pairs
  std::vector<std::string> source_names;       // controlling sources of f and h
  std::string dimension;                       // of a polynomial, as written
  std::vector<TokenList> coefficients;         // of a polynomial

  OptionalList gain, scale, m, max, min, abs, td;
  // Read to be reported: Ondrel's sources take no delay point count or
  // initial conditions of their inputs.
  OptionalList npdelay, ic;
  /// Table entries (pwl and gates), each a value; written comma-separated.
  std::vector<TokenList> table;
  /// Transfer function of laplace (numerator "/" denominator) and the
  /// frequency points of freq (frequency, magnitude, phase in turn).
  std::vector<TokenList> numerator, denominator;
  bool denominator_started = false;
  std::vector<TokenList> points;
};

/// True for the forms whose data (table or transfer function) follows the
/// controlling nodes without a keyword.
bool takes_data(SourceForm form);

/// Writes the Ondrel line(s) for a source read whole; reports instead the
/// forms it cannot carry.
void write_controlled_source(TranslationContext& ctx, int target, ControlledSource& source);

}  // namespace corvane
