// From the last TBF execution to a model's screen: which description a slot has, what the
// description reads, and whether the result or the error screen opens.
#pragma once

#include <functional>

#include "app/screens/model/model_screen_actions.h"
#include "execution/tbf_results.h"
#include "models/model_description.h"

class QDialog;
class QWidget;

namespace vnk::app {
class Prompter;
}

namespace vnk::screens {

const models::ModelDescription& TbfModelDescription(int slot);
// The error screen opens for a failed model, the result screen otherwise; the prompter runs it.
void OpenTbfModelScreen(const execution::TbfExecutionResults& results, int slot,
                        app::Prompter& prompter, ModelScreenActions actions,
                        QWidget* parent = nullptr);

}  // namespace vnk::screens
