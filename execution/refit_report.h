// With failed refits skipped, what each applicability analysis skipped: "k of m refits failed".
#pragma once

#include <string>

#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// "3 of 13 refits failed" for one analysis; "" when none failed or refits were not skipped.
std::string SkippedRefitsText(const TbfExecutionResults& results, int slot, int measure);
// The same for the interval accuracy analysis `entry` (order of kAccuracySlots).
std::string SkippedRefitsText(const IntervalExecutionResults& results, int entry);

// The "SKIPPED REFITS" block for the report: one line per analysis that skipped a refit, or ""
// when refits were not skipped.
std::string SkippedRefitsBlock(const TbfExecutionResults& results);
// The same for the accuracy analyses of an interval execution.
std::string SkippedRefitsBlock(const IntervalExecutionResults& results);

}  // namespace vnk::execution
