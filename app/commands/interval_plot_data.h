// What the plots of the interval execution draw, taken from the last execution's record: the
// summary's raw and predicted data, and one model's predictions.
#pragma once

#include "execution/interval_results.h"
#include "plot/data_plots.h"

namespace vnk::interval_screens {

// The observed counts and the predicted counts of every model whose status is 0.
plot::IntervalSummaryPlotData SummaryPlotData(const execution::IntervalExecutionResults& results);

// The slot's predicted counts against the intervals they belong to: Schneidewind treatment 2
// predicts from interval S on; treatment 3's first cell pools intervals 1 to S - 1, which no
// single observed count matches, so its line starts at interval S as well.
plot::IntervalModelPlotData ModelPlotData(const execution::IntervalExecutionResults& results,
                                          int slot);

}  // namespace vnk::interval_screens
