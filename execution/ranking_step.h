// The last step of an execution: the selection matrix, the applicability statistics and their
// return flags go to the ranking routine, which fills the ranks and zeroes the statistics of
// analyses that did not count.
#pragma once

#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// A statistic that is not finite counts as a failed analysis: it is stored as 0.0 and ranked
// as one, so no infinity or NaN reaches a summary or a report.
void RankTbfExecution(TbfExecutionResults& results);
void RankIntervalExecution(IntervalExecutionResults& results);

}  // namespace vnk::execution
