#include "app/screens/model/tbf_model_screens.h"

#include "app/kit/prompter.h"
#include "app/screens/model/model_error_screen.h"
#include "app/screens/model/model_result_screen.h"
#include "execution/model_reports.h"

namespace vnk::screens {

using namespace execution;

const models::ModelDescription& TbfModelDescription(int slot) { return *TbfSlotDescription(slot); }

void OpenTbfModelScreen(const TbfExecutionResults& results, int slot, app::Prompter& prompter,
                        ModelScreenActions actions, QWidget* parent) {
    const models::ModelDescription& description = TbfModelDescription(slot);
    models::ModelContext ctx = TbfModelContext(results, slot);
    if (results.status[static_cast<std::size_t>(slot)] == model_status::kFailed) {
        ModelErrorScreen screen(description, std::move(ctx), prompter, std::move(actions), parent);
        prompter.exec(screen);
        return;
    }
    ModelResultScreen screen(description, std::move(ctx), prompter, std::move(actions), parent);
    prompter.exec(screen);
}

}  // namespace vnk::screens
