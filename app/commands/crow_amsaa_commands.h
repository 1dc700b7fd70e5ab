// Executions / Crow-AMSAA Tracking: the tracking model over hardware data, beside the model
// execution's own hardware models.
#pragma once

#include "app/shell/command_context.h"

namespace vnk::app {

// The confidence screen, then the fit: a failure in a stop box with its plain reason, a fit
// on the model's result screen (estimates with bounds, fit and trend tests, predictions with
// Run, Print, Plots and Help).
void RunCrowAmsaaTracking(const CommandContext& ctx);

}  // namespace vnk::app
