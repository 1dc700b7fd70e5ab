// Data / Trend Analysis, and the trend check Executions / Model Execution makes first.
#pragma once

#include "app/shell/command_context.h"

namespace vnk::app {

// The trend analysis of the data set on the Trend Analysis screen.
void ShowTrendAnalysis(const CommandContext& ctx);

// When the Laplace factor at the end shows decay at the 5% level, asks whether to go on with
// the execution. True to go on (always, when the data show no decay).
bool ConfirmExecutionDespiteDecay(const CommandContext& ctx);

}  // namespace vnk::app
