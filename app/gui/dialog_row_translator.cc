#include "app/gui/dialog_row_translator.h"

#include <algorithm>
#include <exception>

#include "app/gui/desktop_services.h"
#include "app/gui/qt_progress_window.h"

namespace corvane {

DialogRowTranslator::DialogRowTranslator(LogEnvironment& environment, UserPrompts& prompts,
                                         ChoiceRecorder& choices, QWidget* dialog,
                                         std::function<void()> row_painted)
    : environment_(environment),
      prompts_(prompts),
      choices_(choices),
      dialog_(dialog),
      on_row_painted_(std::move(row_painted)) {}

RowResult DialogRowTranslator::translate_row(const TranslationRequest& request) {
  QtProgressWindow window(prompts_, dialog_);
  // The dialog is the main window: its caption is kept while the progress
  // window is open and restored when it closes.
  WidgetCaption owner(dialog_);
  RunServices services{environment_, window, &choices_, {}, 1};
  services.owner = &owner;
  RowResult row;
  try {
    const RunResult result = translate_libraries(request, services);
    row.colour = result.colour;
    row.cancelled = result.cancelled;
    if (result.fatal) row.fatal_message = result.fatal->text;
    row.untranslated =
        std::ranges::any_of(result.pairs, [](const PairReport& pair) { return !pair.translated; });
  } catch (const std::exception& error) {
    // Whatever stops a run stops its row only; the dialog and its lists stay.
    window.close_window();
    row.colour = StatusColour::red;
    row.fatal_message = error.what();
  }
  return row;
}

void DialogRowTranslator::row_painted(std::size_t /*row*/) {
  if (on_row_painted_) on_row_painted_();
}

}  // namespace corvane
