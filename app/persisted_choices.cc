#include "app/persisted_choices.h"

namespace corvane {

void PersistedChoices::save_choices(const TranslationRequest& request) {
  // Each write is tried on its own: the record is a courtesy to other
  // programs and a failure of one value must not hold back the others.
  store_.write_text("hspFile", request.input_files);
  store_.write_text("odlFile", request.output_files);
  store_.write_text("subckt", request.mos_family_single_subckt ? "y" : "n");
}

std::optional<bool> PersistedChoices::saved_single_subckt() const {
  const std::optional<std::string> value = store_.read_text("subckt");
  // Anything else was not written by a run: the option keeps its default.
  if (value == "y") return true;
  if (value == "n") return false;
  return std::nullopt;
}

}  // namespace corvane
