// The military handbook trend test for a power-law process: under a constant failure
// intensity, 2 sum ln(T / t_i) is chi-square with 2n degrees of freedom when the test ends at
// a fixed time T, and 2 sum over i < n of ln(t_n / t_i) with 2(n - 1) when it ends at the n-th
// failure. Large values point to reliability growth, small ones to deterioration.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

struct TrendTestResult {
    double statistic = 0.0;
    int dof = 0;
    double growthPValue = 0.0;         // P(chi-square >= statistic): small means growth
    double deteriorationPValue = 0.0;  // P(chi-square <= statistic): small means deterioration
};

// TIMES(1..N) cumulative failure times in order, all above 0; T >= TIMES(N) (T = TIMES(N):
// failure-truncated). STATUS 0, or 1 when N < 2 (1 for failure-truncated data), a time is not
// above 0 or not finite, or T is below the last failure; the result is then all 0.
void MilHdbk189TrendTest(int N, ConstRealArray TIMES, double T, TrendTestResult& RESULT,
                         int& STATUS);

}  // namespace vnk
