#include "numerics/trust_region_restarts.h"

#include <algorithm>
#include <cmath>

#include "numerics/conventions.h"
#include "numerics/robust_root.h"

namespace vnk {
namespace {

// A failed run's objective, or +inf when it is not a number (such a run reached nothing).
double reached(const TrustRegionResult& run) { return std::isnan(run.F) ? INFINITY : run.F; }

// No higher than the lowest objective reached, up to the rounding of a run that stopped a hair
// away from the minimum another run converged to.
bool noHigher(double F, double lowest) {
    if (!std::isfinite(F)) return false;
    return !std::isfinite(lowest) || F <= lowest + 1e-9 * (1.0 + std::fabs(lowest));
}

}  // namespace

void TrustRegionMinimiseWithRestarts(const TrustRegionProblem& PROBLEM, ConstRealArray XSTART,
                                     const TrustRegionRestartPoint& OTHER, int MAXIC,
                                     const TrustRegionSettings& SETTINGS, TrustRegionResult& RESULT,
                                     int& RFLAG) {
    TrustRegionMinimise(PROBLEM, XSTART, MAXIC, SETTINGS, RESULT, RFLAG);
    if (RFLAG == status::kOk || !RobustEstimationOn() || !OTHER) return;

    double lowest = reached(RESULT);
    int budget = kRestartIterations * MAXIC;
    for (int k = 0; k < kTrustRegionRestarts && budget > 0; ++k) {
        const std::array<double, 3> start = OTHER(k);
        TrustRegionResult retry;
        int retryFlag = -1;
        TrustRegionMinimise(PROBLEM, ConstRealArray(start.data(), PROBLEM.N),
                            std::min(MAXIC, budget), SETTINGS, retry, retryFlag);
        budget -= std::max(retry.iterations, 1);
        if (retryFlag == status::kOk && noHigher(retry.F, lowest)) {
            RESULT = retry;
            RFLAG = retryFlag;
            return;
        }
        if (retryFlag != status::kOk) lowest = std::min(lowest, reached(retry));
    }
}

}  // namespace vnk
