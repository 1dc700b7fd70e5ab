// The "number of periods" prediction shared by the interval models: how many further periods
// of length LEXP pass before the expected number of faults reaches DNOF.
#pragma once

#include <functional>

namespace vnk {

// Answers like the loop "T = 0, n = 0; repeat T += LEXP, n += 1 until EXPECTED(T) >= DNOF or
// n > PMAX; an n >= PMAX is an error", but in bounded time whatever PMAX is: EXPECTED is
// evaluated at the last admissible period count first (the error is returned at once when
// even that falls short) and the first sufficient count is then found by bisection.
// EXPECTED must not decrease as T grows (every model's capped expected count qualifies).
// PVAL: the number of periods; ERRFLG: 0, or 2 (PVAL = 0) when no count below PMAX suffices.
// A PMAX that is not finite, or an LEXP that is not a positive finite number, gives ERRFLG 2.
void PeriodsToReach(const std::function<double(double T)>& EXPECTED, double DNOF, double LEXP,
                    double PMAX, double& PVAL, int& ERRFLG);

// ERRFLG of the "number of periods" predictions.
namespace period_status {
inline constexpr int kOk = 0;
inline constexpr int kAboveRemaining = 1;  // "Input Greater than TNOFR."
inline constexpr int kPmaxExceeded = 2;    // "PMAX exceeded."
}  // namespace period_status

}  // namespace vnk
