#include <cmath>

#include "numerics/brent.h"
#include "numerics/crow_amsaa.h"
#include "numerics/gamma_distribution.h"

namespace vnk {
namespace st = crow_amsaa_status;

namespace {

// r^beta ln r, whose limit at r = 0 is 0.
double powLog(double r, double beta) { return r > 0.0 ? std::pow(r, beta) * std::log(r) : 0.0; }

// The grouped likelihood equation in beta after lambda = n / T^beta, with the ends scaled by
// T so that no power overflows: sum of n_k (r_k^b ln r_k - r_{k-1}^b ln r_{k-1}) /
// (r_k^b - r_{k-1}^b), r_k = ENDS(k) / T.
double betaEquation(int K, ConstRealArray ENDS, ConstRealArray FAILURES, double beta) {
    const double T = ENDS(K);
    double sum = 0.0, previous = 0.0;
    for (int k = 1; k <= K; ++k) {
        const double r = ENDS(k) / T;
        if (FAILURES(k) > 0.0) {
            const double width = std::pow(r, beta) - std::pow(previous, beta);
            sum += FAILURES(k) * (powLog(r, beta) - powLog(previous, beta)) / width;
        }
        previous = r;
    }
    return sum;
}

int checkGrouped(int K, ConstRealArray ENDS, ConstRealArray FAILURES, double& total) {
    total = 0.0;
    if (K < 1) return st::kNoFailures;
    double previous = 0.0;
    for (int k = 1; k <= K; ++k) {
        if (!std::isfinite(ENDS(k)) || !std::isfinite(FAILURES(k)) || FAILURES(k) < 0.0)
            return st::kBadValue;
        if (ENDS(k) <= previous) return st::kZeroLengthInterval;
        previous = ENDS(k);
        total += FAILURES(k);
    }
    if (total == 0.0) return st::kNoFailures;
    if (total < 3.0) return st::kTooFewFailures;
    // All failures in the first interval drive beta to 0, all in the last to infinity.
    if (FAILURES(1) == total || FAILURES(K) == total) return st::kNoEstimate;
    return st::kOk;
}

}  // namespace

double CrowAmsaaGroupedLogLikelihood(int K, ConstRealArray ENDS, ConstRealArray FAILURES,
                                     double lambda, double beta) {
    double sum = 0.0, previous = 0.0;
    for (int k = 1; k <= K; ++k) {
        const double width = std::pow(ENDS(k), beta) - std::pow(previous, beta);
        if (FAILURES(k) > 0.0) sum += FAILURES(k) * std::log(lambda * width);
        previous = ENDS(k);
    }
    return sum - lambda * std::pow(ENDS(K), beta);
}

void CrowAmsaaGrouped(int K, ConstRealArray ENDS, ConstRealArray FAILURES, CrowAmsaaGroupedFit& FIT,
                      RealArray EXPECTED, int& STATUS) {
    FIT = CrowAmsaaGroupedFit{};
    for (int k = 1; k <= EXPECTED.size(); ++k) EXPECTED(k) = 0.0;
    double n = 0.0;
    STATUS = checkGrouped(K, ENDS, FAILURES, n);
    if (STATUS != st::kOk) return;
    // The equation falls from +infinity near beta = 0 to sum n_k ln r_k < 0 for large beta:
    // step through growing shapes to the first sign change, then solve inside it.
    auto g = [&](double beta) { return betaEquation(K, ENDS, FAILURES, beta); };
    double lo = 1e-6, flo = g(lo), beta = 0.0;
    bool found = false;
    for (double b : {1e-3, 0.01, 0.1, 0.5, 1.0, 2.0, 5.0, 10.0, 30.0, 100.0, 300.0}) {
        const double fb = g(b);
        if (!std::isfinite(fb) || !std::isfinite(flo)) break;
        if (flo * fb <= 0.0) {
            beta = SolveBracketedRoot(g, lo, flo, b, fb);
            found = true;
            break;
        }
        lo = b;
        flo = fb;
    }
    if (!found || !(beta > 0.0)) {
        STATUS = st::kNoEstimate;
        return;
    }
    const double T = ENDS(K);
    FIT.K = K;
    FIT.n = n;
    FIT.T = T;
    FIT.beta = beta;
    FIT.lambda = std::exp(std::log(n) - beta * std::log(T));
    FIT.intensity = n * beta / T;
    FIT.instantaneousMtbf = T / (n * beta);
    FIT.cumulativeMtbf = T / n;
    double previous = 0.0, chi = 0.0;
    for (int k = 1; k <= K; ++k) {
        const double r = ENDS(k) / T;
        const double expected = n * (std::pow(r, beta) - std::pow(previous, beta));
        if (k <= EXPECTED.size()) EXPECTED(k) = expected;
        const double d = FAILURES(k) - expected;
        chi += d * d / expected;
        previous = r;
    }
    if (K >= 3) {
        FIT.chiSquare = chi;
        FIT.dof = K - 2;
        FIT.pValue = 1.0 - ChiSquareProbability(FIT.dof, chi);
    }
}

}  // namespace vnk
