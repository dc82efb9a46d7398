#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "run/translation_run.h"

namespace corvane {

/// Where the choices of the last translated row are kept: the registry key
/// SOFTWARE\Tarno\Corvane on Windows, the platform's settings store
/// elsewhere.
class ChoiceStore {
 public:
  virtual ~ChoiceStore() = default;
  /// Stores `value` as the string value `name`; false when that failed.
  virtual bool write_text(std::string_view name, std::string_view value) = 0;
  /// The string value `name`; none when it was never stored.
  virtual std::optional<std::string> read_text(std::string_view name) const = 0;
};

/// Writes the row being translated after each file: "hspFile" (the input
/// files text), "odlFile" (the output files text) and "subckt" ("y" when
/// the single-subckt option is on, else "n"). A failed write is not
/// reported and does not keep the other values from being written.
class PersistedChoices : public ChoiceRecorder {
 public:
  explicit PersistedChoices(ChoiceStore& store) : store_(store) {}
  void save_choices(const TranslationRequest& request) override;
  /// The single-subckt option the last run used, read back from "subckt";
  /// none when no run stored one ("y" and "n" are the only answers).
  std::optional<bool> saved_single_subckt() const;

 private:
  ChoiceStore& store_;
};

}  // namespace corvane
