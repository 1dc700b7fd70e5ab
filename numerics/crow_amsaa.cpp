#include "numerics/crow_amsaa.h"

#include <cmath>

namespace vnk {
namespace st = crow_amsaa_status;

namespace {

int checkTimes(int N, ConstRealArray TIMES, double T) {
    if (N < 3) return st::kTooFewFailures;
    if (!std::isfinite(T)) return st::kBadValue;
    for (int i = 1; i <= N; ++i) {
        if (!std::isfinite(TIMES(i))) return st::kBadValue;
        if (TIMES(i) <= 0.0) return st::kFailureAtZero;
        if (i > 1 && TIMES(i) < TIMES(i - 1)) return st::kBadValue;
    }
    if (TIMES(1) == TIMES(N)) return st::kAllAtOneTime;
    if (T < TIMES(N)) return st::kEndBeforeLastFailure;
    return st::kOk;
}

}  // namespace

void CrowAmsaaTbf(int N, ConstRealArray TIMES, double T, CrowAmsaaFit& FIT, int& STATUS) {
    FIT = CrowAmsaaFit{};
    STATUS = checkTimes(N, TIMES, T);
    if (STATUS != st::kOk) return;
    const bool timeTruncated = T > TIMES(N);
    // The failure at T of a failure-truncated test adds ln 1 = 0; summing the logarithm of
    // each ratio keeps huge and tiny times alike exact.
    double logSum = 0.0;
    for (int i = 1; i <= N; ++i) logSum += std::log(T / TIMES(i));
    const double n = N;
    FIT.n = N;
    FIT.T = T;
    FIT.timeTruncated = timeTruncated;
    FIT.logSum = logSum;
    FIT.beta = n / logSum;
    // lambda = n / T^beta by logarithms, so that T^beta may overflow while lambda is finite.
    FIT.lambda = std::exp(std::log(n) - FIT.beta * std::log(T));
    FIT.unbiasedBeta = (timeTruncated ? (n - 1.0) : (n - 2.0)) / n * FIT.beta;
    // lambda beta T^(beta - 1) = n beta / T because lambda T^beta = n.
    FIT.intensity = n * FIT.beta / T;
    FIT.instantaneousMtbf = T / (n * FIT.beta);
    FIT.cumulativeMtbf = T / n;
}

double CrowAmsaaInstantaneousMtbf(const CrowAmsaaFit& fit, double t) {
    // M(t) = M(T) (t / T)^(1 - beta)
    return fit.instantaneousMtbf * std::pow(t / fit.T, 1.0 - fit.beta);
}

double CrowAmsaaExpectedFailures(const CrowAmsaaFit& fit, double t) {
    return fit.n * std::pow(t / fit.T, fit.beta);
}

void CrowAmsaaFailuresInFurtherTime(const CrowAmsaaFit& fit, double extraTime, double& FAILURES,
                                    int& STATUS) {
    FAILURES = 0.0;
    if (!(extraTime >= 0.0) || !std::isfinite(extraTime)) {
        STATUS = st::kBadValue;
        return;
    }
    // n ((T + d)^beta / T^beta - 1), with expm1/log1p so that a short extension keeps its digits.
    FAILURES = fit.n * std::expm1(fit.beta * std::log1p(extraTime / fit.T));
    STATUS = std::isfinite(FAILURES) ? st::kOk : st::kBadValue;
    if (STATUS != st::kOk) FAILURES = 0.0;
}

void CrowAmsaaTimeToGoalMtbf(const CrowAmsaaFit& fit, double goalMtbf, double& TIME, int& STATUS) {
    TIME = 0.0;
    if (!(goalMtbf > 0.0) || !std::isfinite(goalMtbf)) {
        STATUS = st::kBadValue;
        return;
    }
    if (goalMtbf <= fit.instantaneousMtbf) {
        // Reached already: the instantaneous MTBF passed the goal at or before T.
        TIME = fit.T;
        STATUS = st::kOk;
        return;
    }
    if (fit.beta >= 1.0) {
        STATUS = st::kNoGrowthToGoal;
        return;
    }
    // Solve M(T) (t / T)^(1 - beta) = goal for t.
    TIME = fit.T * std::exp(std::log(goalMtbf / fit.instantaneousMtbf) / (1.0 - fit.beta));
    STATUS = std::isfinite(TIME) ? st::kOk : st::kBadValue;
    if (STATUS != st::kOk) TIME = 0.0;
}

}  // namespace vnk
