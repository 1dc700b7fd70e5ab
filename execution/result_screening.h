// The last word on whether a fit succeeded: a routine may report success with values no fit
// can have (a negative time, rate or count, a probability outside [0, 1], a predicted value
// that is not a number). Every model's result passes through here before anything shows it,
// and such a result becomes a failure with the "not appropriate" reason every model gives.
#pragma once

#include <vector>

#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// Whether the estimate column of a TBF table is in its domain: rows 5 to 11 (rate, intensities,
// times, faults) finite and not negative, the purification level within [0, 1].
bool TbfEstimatesInDomain(const TbfStats& STATS);

// Whether a TBF slot's predicted data and Kolmogorov distance are possible: every predicted
// time finite and not negative, the distance (when computed, DFLG 1 or 2) within [0, 1].
bool TbfPredictionsInDomain(const std::vector<double>& PDAT, double DVAL, int DFLG);

// Whether an interval slot's estimates are in their domain: the fault totals (rows 5 and 6)
// finite and not negative; for the Brooks and Motley slots the detection probability (row 4)
// within [0, 1]; for the Schneidewind slots the mean square errors (rows 7 and 8) not negative.
bool IntervalEstimatesInDomain(int slot, const IntervalStats& STATS);

// Whether an interval slot's predicted counts are finite and not negative.
bool IntervalPredictionsInDomain(const std::vector<double>& PDAT);

// Turns a TBF slot's success with impossible values into a "not appropriate" failure and
// clears what it predicted. Called once per slot after the predicted data.
void ScreenTbfSlot(TbfExecutionResults& r, int slot);

// The same for an interval slot; the goodness-of-fit results go with the predictions.
void ScreenIntervalSlot(IntervalExecutionResults& r, int slot);

}  // namespace vnk::execution
