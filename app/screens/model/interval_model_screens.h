// From the last interval execution to a model's screen: the result screen of a slot that
// succeeded, its error screen otherwise.
#pragma once

#include <functional>

#include "app/screens/model/model_screen_actions.h"
#include "execution/interval_results.h"

class QDialog;
class QWidget;

namespace vnk::app {
class Prompter;
}

namespace vnk::screens {

// Opens the slot's screen through the prompter. PMAX is the period limit of the predictions. A slot
// whose model is not part of this build, or that the execution did not run, opens nothing.
void OpenIntervalModelScreen(const execution::IntervalExecutionResults& results, int slot,
                             double PMAX, app::Prompter& prompter, ModelScreenActions actions,
                             QWidget* parent = nullptr);

}  // namespace vnk::screens
