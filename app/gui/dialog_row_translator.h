#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "app/dialog_services.h"
#include "run/translation_run.h"

namespace corvane {

struct LogEnvironment;
class UserPrompts;

/// Runs a row of the translate dialog with a progress window over the
/// dialog, recording the row's choices after each file.
class DialogRowTranslator : public RowTranslator {
 public:
  DialogRowTranslator(LogEnvironment& environment, UserPrompts& prompts, ChoiceRecorder& choices,
                      QWidget* dialog, std::function<void()> row_painted);
  RowResult translate_row(const TranslationRequest& request) override;
  void row_painted(std::size_t row) override;

 private:
  LogEnvironment& environment_;
  UserPrompts& prompts_;
  ChoiceRecorder& choices_;
  QPointer<QWidget> dialog_;
  std::function<void()> on_row_painted_;
};

}  // namespace corvane
