#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "numerics/crow_amsaa.h"
#include "numerics/gamma_distribution.h"

namespace vnk {
namespace st = crow_amsaa_status;

namespace {

// The probability in each tail.
double tailProbability(double confidence, BoundSides sides) {
    return sides == BoundSides::TwoSided ? 0.5 * (1.0 - confidence) : 1.0 - confidence;
}

// The x > 0 with f(x) = target for f decreasing in x, found by bisection in ln x after
// bracketing outward from `start`.
double solveDecreasing(const std::function<double(double)>& f, double target, double start) {
    double lo = start, hi = start;
    for (int i = 0; i < 2000 && f(lo) < target; ++i) lo *= 0.5;
    for (int i = 0; i < 2000 && f(hi) > target; ++i) hi *= 2.0;
    for (int i = 0; i < 200 && hi - lo > hi * 1e-14; ++i) {
        const double mid = std::sqrt(lo * hi);
        (f(mid) > target ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

// P(G1 G2 <= c) for independent gamma variables of shapes a1 and a2, by Simpson's rule over
// the bulk of G2's density (the tails beyond 12 standard deviations hold nothing a double
// can show).
double gammaProductCdf(double a1, double a2, double c) {
    const double spread = 12.0 * std::sqrt(a2) + 30.0;
    const double from = std::max(0.0, a2 - spread), to = a2 + spread;
    constexpr int kIntervals = 4000;
    const double h = (to - from) / kIntervals;
    const double logNorm = std::lgamma(a2);
    auto integrand = [&](double y) {
        if (y <= 0.0) return 0.0;
        const double density = std::exp((a2 - 1.0) * std::log(y) - y - logNorm);
        return density * RegularizedGammaP(a1, c / y);
    };
    double sum = integrand(from) + integrand(to);
    for (int i = 1; i < kIntervals; ++i) sum += (i % 2 ? 4.0 : 2.0) * integrand(from + i * h);
    return std::min(1.0, sum * h / 3.0);
}

// P(N <= k) when P(N = j) is proportional to x^j / (j! (j - 1)!), j >= 1: the count of a
// time-truncated power-law process given its log sum, x = psi S.
double besselPoissonCdf(int k, double x) {
    // Terms peak near j = sqrt(x); sum far enough past both the peak and k.
    const int last = static_cast<int>(std::max<double>(k, std::sqrt(x)) +
                                      40.0 * std::sqrt(std::max<double>(k, std::sqrt(x))) + 60.0);
    std::vector<double> logTerms;
    logTerms.reserve(static_cast<std::size_t>(last));
    const double logX = std::log(x);
    for (int j = 1; j <= last; ++j)
        logTerms.push_back(j * logX - std::lgamma(j + 1.0) - std::lgamma(static_cast<double>(j)));
    const double peak = *std::max_element(logTerms.begin(), logTerms.end());
    double below = 0.0, total = 0.0;
    for (int j = 1; j <= last; ++j) {
        const double w = std::exp(logTerms[static_cast<std::size_t>(j - 1)] - peak);
        total += w;
        if (j <= k) below += w;
    }
    return below / total;
}

bool validConfidence(double confidence) { return confidence > 0.0 && confidence < 1.0; }

}  // namespace

void CrowAmsaaBetaBounds(const CrowAmsaaFit& fit, double confidence, BoundSides sides,
                         ConfidenceBounds& BOUNDS, int& STATUS) {
    BOUNDS = {};
    if (!validConfidence(confidence)) {
        STATUS = st::kBadConfidence;
        return;
    }
    const double a = tailProbability(confidence, sides);
    const double dof = fit.timeTruncated ? 2.0 * fit.n : 2.0 * (fit.n - 1);
    const double scale = fit.beta / (2.0 * fit.n);
    BOUNDS.lower = scale * ChiSquareQuantile(dof, a);
    BOUNDS.upper = scale * ChiSquareQuantile(dof, 1.0 - a);
    STATUS = st::kOk;
}

void CrowAmsaaMtbfBounds(const CrowAmsaaFit& fit, double confidence, BoundSides sides,
                         ConfidenceBounds& BOUNDS, int& STATUS) {
    BOUNDS = {};
    if (!validConfidence(confidence)) {
        STATUS = st::kBadConfidence;
        return;
    }
    const double a = tailProbability(confidence, sides);
    const int n = fit.n;
    const double n2 = static_cast<double>(n) * n;
    double lowFactor = 0.0, highFactor = 0.0;  // bounds over the estimate
    if (fit.timeTruncated) {
        // P(N <= n | x) falls as x = psi S grows; the upper psi bounds the MTBF from below.
        const double xUpper =
            solveDecreasing([&](double x) { return besselPoissonCdf(n, x); }, a, n2);
        const double xLower =
            solveDecreasing([&](double x) { return besselPoissonCdf(n - 1, x); }, 1.0 - a, n2);
        lowFactor = n2 / xUpper;
        highFactor = n2 / xLower;
    } else {
        auto cdf = [&](double c) { return gammaProductCdf(n - 1.0, n, c); };
        // The ratio is n^2 / (G1 G2): the upper quantile of the product gives the lower bound.
        auto survival = [&](double c) { return 1.0 - cdf(c); };
        const double cHigh = solveDecreasing(survival, a, n2);
        const double cLow = solveDecreasing(survival, 1.0 - a, n2);
        lowFactor = n2 / cHigh;
        highFactor = n2 / cLow;
    }
    BOUNDS.lower = fit.instantaneousMtbf * lowFactor;
    BOUNDS.upper = fit.instantaneousMtbf * highFactor;
    STATUS = st::kOk;
}

ConfidenceBounds CumulativeMtbfBounds(double t, int k, bool fixedTime, double confidence,
                                      BoundSides sides) {
    if (k < 1 || !validConfidence(confidence)) return {};
    const double a = tailProbability(confidence, sides);
    const double upperDof = fixedTime ? 2.0 * k + 2.0 : 2.0 * k;
    return {2.0 * t / ChiSquareQuantile(upperDof, 1.0 - a),
            2.0 * t / ChiSquareQuantile(2.0 * k, a)};
}

}  // namespace vnk
