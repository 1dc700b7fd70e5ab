#include "app/screens/model/interval_model_screens.h"

#include "app/kit/prompter.h"
#include "app/screens/model/model_error_screen.h"
#include "app/screens/model/model_result_screen.h"
#include "execution/model_reports.h"

namespace vnk::screens {

void OpenIntervalModelScreen(const execution::IntervalExecutionResults& results, int slot,
                             double PMAX, app::Prompter& prompter, ModelScreenActions actions,
                             QWidget* parent) {
    const models::ModelDescription* description = execution::IntervalSlotDescription(slot);
    // A slot the execution never reached keeps status 1 without an estimation behind it: its
    // error screen would claim an iteration limit that was never hit.
    if (!description || slot < 0 || slot >= execution::kIntervalSlotCount ||
        !results.ran[static_cast<std::size_t>(slot)])
        return;
    models::ModelContext ctx = execution::IntervalModelContext(results, slot, PMAX);
    if (execution::IntervalSlotFailed(results, slot)) {
        ModelErrorScreen screen(*description, std::move(ctx), prompter, std::move(actions), parent);
        prompter.exec(screen);
        return;
    }
    ModelResultScreen screen(*description, std::move(ctx), prompter, std::move(actions), parent);
    prompter.exec(screen);
}

}  // namespace vnk::screens
