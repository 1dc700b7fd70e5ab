#include "numerics/mil_hdbk_189.h"

#include <cmath>

#include "numerics/gamma_distribution.h"

namespace vnk {

void MilHdbk189TrendTest(int N, ConstRealArray TIMES, double T, TrendTestResult& RESULT,
                         int& STATUS) {
    RESULT = {};
    STATUS = 1;
    if (N < 1 || !std::isfinite(T)) return;
    for (int i = 1; i <= N; ++i)
        if (!(TIMES(i) > 0.0) || !std::isfinite(TIMES(i)) || TIMES(i) > T) return;
    const bool failureTruncated = T == TIMES(N);
    const int terms = failureTruncated ? N - 1 : N;
    if (terms < 1) return;
    double sum = 0.0;
    for (int i = 1; i <= terms; ++i) sum += std::log(T / TIMES(i));
    RESULT.statistic = 2.0 * sum;
    RESULT.dof = 2 * terms;
    RESULT.deteriorationPValue = ChiSquareProbability(RESULT.dof, RESULT.statistic);
    RESULT.growthPValue = 1.0 - RESULT.deteriorationPValue;
    STATUS = 0;
}

}  // namespace vnk
