#include "numerics/period_search.h"

#include <cmath>

namespace vnk {

void PeriodsToReach(const std::function<double(double T)>& EXPECTED, double DNOF, double LEXP,
                    double PMAX, double& PVAL, int& ERRFLG) {
    PVAL = 0.0;
    ERRFLG = period_status::kPmaxExceeded;
    if (!std::isfinite(PMAX) || !std::isfinite(LEXP) || !(LEXP > 0.0)) return;

    // The loop's answer n is accepted only when n < PMAX; beyond 2^53 period counts are no
    // longer distinct doubles, so the search stops there.
    constexpr double kLargestCount = 9007199254740992.0;
    const double largest = std::fmin(std::ceil(PMAX) - 1.0, kLargestCount);
    if (largest < 1.0) return;

    auto reached = [&](double n) { return EXPECTED(n * LEXP) >= DNOF; };
    if (!reached(largest)) return;

    // Smallest n in [1, largest] that reaches DNOF: reached(high) holds, reached(low) not.
    double high = largest;
    if (reached(1.0)) {
        high = 1.0;
    } else {
        double low = 1.0;
        while (high - low > 1.0) {
            const double mid = std::floor(low + (high - low) / 2.0);
            if (reached(mid)) {
                high = mid;
            } else {
                low = mid;
            }
        }
    }
    PVAL = high;
    ERRFLG = period_status::kOk;
}

}  // namespace vnk
