// Data / Plots: the raw or smoothed data plot of the data set, as a plot window for TBF and
// hardware interval data and as the modal "Raw Data Plots" screen for interval software data.
#pragma once

#include "app/shell/command_context.h"

namespace vnk::app {

void ShowDataPlot(const CommandContext& ctx, bool smoothed);

}  // namespace vnk::app
