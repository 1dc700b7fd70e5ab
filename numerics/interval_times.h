// Checks and stable pieces shared by the interval models that work on the cumulative end
// times T(i) of the intervals (the non-homogeneous Poisson and the S-shaped models).
#pragma once

#include <cmath>
#include <functional>

#include "numerics/conventions.h"

namespace vnk {

// True when counts C(1..NS) and end times T(1..NS) can carry a fit: at least two intervals,
// finite non-negative counts with a positive total, end times that start at or above 0, never
// decrease and end above 0, and no faults counted in an interval of zero length (no model
// with a finite intensity can find a fault in no time). A zero-length interval without
// faults is allowed and contributes nothing.
bool IntervalTimesFit(int NS, ConstRealArray C, ConstRealArray T);

// Start of interval i: T(i - 1), with T(0) = 0.
inline double IntervalStart(ConstRealArray T, int i) { return i > 1 ? T(i - 1) : 0.0; }

// 1 - e^(-x), accurate for small x.
inline double OneMinusExp(double x) { return -std::expm1(-x); }

// 1 - (1 + x) e^(-x), accurate for small x where the two terms nearly cancel.
double OneMinusGamma2(double x);

// The predicted-data routine of a model on end times (name e.g. "SNPIPR"): the expected faults
// of each interval from the estimates' N = STATS(5) and beta = STATS(3), both goodness-of-fit
// results with two estimated parameters, and the routine's trace blocks.
using ExpectedFaultsBetween = double (*)(double N, double beta, double from, double length);
void RunEndTimePredictedData(const char* routine, ExpectedFaultsBetween expected, ConstRealArray C,
                             ConstRealArray T, int NS, const IntervalStats& STATS, int CSCOM,
                             RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF,
                             IntArray RFLAG);

// The accuracy routine of a model on end times (name e.g. "SNPIMA"): refits the first k
// intervals with `fitPrefix` (maximum likelihood, filling `fit`) and scores the count of
// interval k + 1 as Poisson with the expected faults the fit gives it, with the routine's trace
// blocks (tracing suspended during the refits).
void RunEndTimeAccuracy(const char* routine,
                        const std::function<int(int k, IntervalStats& fit)>& fitPrefix,
                        ExpectedFaultsBetween expected, ConstRealArray C, ConstRealArray T, int NS,
                        int NSB, int NSE, int NSR, double& STAT, int& RFLAG, int& INDX,
                        RealArray V);

}  // namespace vnk
