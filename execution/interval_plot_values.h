// What the plots of an interval execution take from its record, for the screens and the batch
// program's chart files alike.
#pragma once

#include <utility>
#include <vector>

#include "execution/interval_results.h"

namespace vnk::execution {

// The slot's predicted counts that belong to single intervals, and the interval of the first:
// Schneidewind treatment 2 predicts from interval S on; treatment 3's first cell pools
// intervals 1 to S - 1, which no single observed count matches, so its line starts at S too.
std::pair<std::vector<double>, int> IntervalPredictedByInterval(const IntervalExecutionResults& r,
                                                                int slot);

// Whether the accuracy analysis of entry `entry` of kAccuracySlots was run.
bool IntervalAccuracyRan(const IntervalExecutionResults& r, int entry);

}  // namespace vnk::execution
