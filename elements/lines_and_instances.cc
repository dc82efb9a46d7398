// Lossless transmission lines and subcircuit instances.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/char_class.h"
#include "core/diagnostics.h"
#include "core/keywords.h"
#include "core/names.h"
#include "core/numeric_value.h"
#include "core/output_writer.h"
#include "core/scanner.h"
#include "core/token_stream.h"
#include "elements/element_reading.h"
#include "elements/element_translators.h"

namespace corvane {
namespace {

constexpr std::string_view kBadLine = "Unrecognized syntax when parsing T statement";
constexpr std::string_view kBadInstance = "Unrecognized syntax when parsing X statement";

struct LineValues {
  OptionalList l, f, td, z0, nl;
  std::vector<TokenList> ic;  // port 1 voltage and current, port 2 voltage and current
};

constexpr std::array<KeywordField<LineValues>, 5> kLineKeywords = {{
    {kw("l"), &LineValues::l},
    {kw("f"), &LineValues::f},
    {kw("td"), &LineValues::td},
    {kw("z0"), &LineValues::z0},
    {kw("nl"), &LineValues::nl},
}};

// The electrical length at frequency f when "nl" is not given: a quarter
// wave.
constexpr std::string_view kQuarterWave = "0.25";

// .ic v(signal[,reference]) =V: the port voltage is across the port.
void write_port_voltage(TranslationContext& ctx, int target, const std::string& signal,
                        const std::string& reference, const TokenList& voltage) {
  std::string text = ".ic v(" + global_node_name(ctx, signal);
  if (reference != "0") text += "," + global_node_name(ctx, reference);
  text += ") =";
  write_joined(ctx, target, text, voltage);
  write_line(ctx, target, "");
}

// Clears `instance_mode` however an instance line ends.
class InstanceModeScope {
 public:
  explicit InstanceModeScope(TranslationContext& ctx) : ctx_(ctx) { ctx_.instance_mode = true; }
  ~InstanceModeScope() { ctx_.instance_mode = false; }
  InstanceModeScope(const InstanceModeScope&) = delete;
  InstanceModeScope& operator=(const InstanceModeScope&) = delete;

 private:
  TranslationContext& ctx_;
};

struct InstanceParameter {
  std::string name;
  TokenList value;
};

// "=" and the value of the parameter just named; false when the statement
// was rejected.
bool read_instance_value(TranslationContext& ctx, int target, const std::string& element,
                         std::vector<InstanceParameter>& parameters, std::string name) {
  next_element_token(ctx, MODE_NO_KEYWORDS);
  if (!starts_value(ctx)) return reject(ctx, target, kBadInstance, element);
  TokenList value;
  read_value(ctx, value);
  if (value.empty()) return reject(ctx, target, kBadInstance, element);
  parameters.push_back({std::move(name), std::move(value)});
  return true;
}

// Reads the parameters after the first "="; false when the statement was
// rejected.
bool read_instance_parameters(TranslationContext& ctx, int target, const std::string& element,
                              std::string first, std::vector<InstanceParameter>& parameters) {
  if (!read_instance_value(ctx, target, element, parameters, std::move(first))) return false;
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    if (ctx.token_kind != TOK_NAME && !is_number_kind(ctx.token_kind)) {
      return reject(ctx, target, kBadInstance, element);
    }
    std::string name(token_text(ctx));
    next_element_token(ctx, MODE_NO_KEYWORDS);
    if (ctx.statement_ended || ctx.token_kind != TOK_EQUALS) {
      return reject(ctx, target, "Unrecognized syntax when parsing statement", "");
    }
    if (!read_instance_value(ctx, target, element, parameters, std::move(name))) return false;
  }
  return true;
}

}  // namespace

// T name in+ in- out+ out- [z0=|zo= td= l= f= nl= ic=v1,i1,v2,i2]
//   -> name in+ in- out+ out- z0= td=
//      [.ic v(in+[,in-]) =v1] [.ic v(out+[,out-]) =v2]
// Currents i1 and i2 other than 0 are reported.
void translate_t(TranslationContext& ctx, int target, int /*code*/) {
  const std::string name = read_element_name(ctx);
  if (!read_element_nodes(ctx, target, 4, name)) return;
  LineValues v;
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF) {
    if (ctx.token_kind == kw("ic")) {
      if (!read_keyword_sequence(ctx, target, v.ic, kBadLine, name)) return;
      if (v.ic.size() > 4) {
        reject(ctx, target, kBadLine, name);
        return;
      }
      continue;
    }
    OptionalList* field = find_keyword_field<LineValues>(ctx, kLineKeywords, v);
    if (field == nullptr) {
      reject(ctx, target, kBadLine, name);
      return;
    }
    if (!read_keyword_value(ctx, target, *field, kBadLine, name)) return;
  }

  if (v.l && v.td) {
    fold_factor(v.td, *v.l, TOK_STAR, false);
  } else if (!v.td && v.f) {
    // nl is the line's length in wavelengths at f: the delay is nl/f.
    v.td = v.nl ? *v.nl : TokenList{{TOK_NUMBER, ctx.constants.enter(kQuarterWave, TOK_NUMBER)}};
    fold_factor(v.td, *v.f, TOK_SLASH, false);
  }

  // The port currents of ic= have no place: only the voltages are written,
  // so a current other than the default 0 is reported.
  const auto nonzero = [&ctx](const TokenList& value) {
    const std::optional<double> number = numeric_value(ctx, value);
    return !number || *number != 0;
  };
  if ((v.ic.size() > 1 && nonzero(v.ic[1])) || (v.ic.size() > 3 && nonzero(v.ic[3]))) {
    post_warning(ctx, "Instance values not translated: ic currents", name);
  }
  write_element_start(ctx, target, name, ctx.output_nodes);
  write_joined_if(ctx, target, "z0=", v.z0);
  write_joined_if(ctx, target, "td=", v.td);
  write_line(ctx, target, "");
  if (!v.ic.empty()) {
    write_port_voltage(ctx, target, ctx.output_nodes[0], ctx.output_nodes[1], v.ic[0]);
  }
  if (v.ic.size() > 2) {
    write_port_voltage(ctx, target, ctx.output_nodes[2], ctx.output_nodes[3], v.ic[2]);
  }
}

// X name node... subckt [param=value ...]
//   -> xname node... subckt [params: param=value ...]
// m= stays only where the subcircuit declares m; otherwise it is reported.
void translate_x(TranslationContext& ctx, int target, int /*code*/) {
  // Parameter names are never keywords on an instance line.
  InstanceModeScope scope(ctx);
  const std::string name = read_element_name(ctx);
  std::vector<std::string> words;
  std::vector<InstanceParameter> parameters;
  while (!ctx.statement_ended && ctx.token_kind != TOK_EOF && ctx.token_kind != TOK_EQUALS) {
    if (ctx.token_kind == TOK_NAME) {
      std::string word = with_polarity_suffix(ctx, read_element_name(ctx), MODE_NO_KEYWORDS);
      // "params:" alone: the parameters follow.
      if (strip_params_keyword(word) && word.empty()) continue;
      words.push_back(std::move(word));
    } else if (is_number_kind(ctx.token_kind)) {
      words.push_back(read_element_name(ctx));
    } else {
      reject(ctx, target, kBadInstance, name);
      return;
    }
  }
  const bool has_parameters = !ctx.statement_ended && ctx.token_kind == TOK_EQUALS;
  // Before the first "=" stand the nodes, the subcircuit name and, with
  // parameters, the first parameter's name.
  if (words.size() < (has_parameters ? 2U : 1U)) {
    reject(ctx, target, kBadInstance, name);
    return;
  }
  if (has_parameters) {
    std::string first = std::move(words.back());
    words.pop_back();
    if (!read_instance_parameters(ctx, target, name, std::move(first), parameters)) return;
  }

  const std::string subcircuit = std::move(words.back());
  words.pop_back();
  // HSPICE's m multiplies the instance; Ondrel knows it only as a
  // parameter the subcircuit declares.
  const auto multiplier =
      std::find_if(parameters.begin(), parameters.end(),
                   [](const InstanceParameter& p) { return lower_ascii_text(p.name) == "m"; });
  if (multiplier != parameters.end() && !declares_m(ctx, subcircuit)) {
    note_m_left_out(ctx, subcircuit);
    const OptionalList m = multiplier->value;
    report_unplaced_values(ctx, {{"m", &m}}, name);
    parameters.erase(multiplier);
  }
  write_element_start(ctx, target, name, words);
  write_piece(ctx, target, subcircuit);
  if (!parameters.empty()) {
    write_piece(ctx, target, "params:");
    for (const InstanceParameter& parameter : parameters) {
      write_joined(ctx, target, parameter.name + "=", parameter.value);
    }
  }
  write_line(ctx, target, "");
}

}  // namespace corvane
