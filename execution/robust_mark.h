// Which results the robust search found, and the words that say so under them.
#pragma once

#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

inline constexpr const char* kRobustSearchMark = "estimated with the robust search";

// Whether the slot's estimate came from the robust search: the execution ran in robust mode and
// the slot is a one-root model, or a Littlewood and Verrall maximum likelihood fit, whose trust
// region restarts from other points in robust mode.
bool EstimatedWithRobustSearch(const TbfExecutionResults& results, int slot);

// The same for an interval slot: the root-search models, the Brooks and Motley fits and
// generalized Poisson weighting 3, whose trust regions restart in robust mode.
bool EstimatedWithRobustSearch(const IntervalExecutionResults& results, int slot);

}  // namespace vnk::execution
