#include "numerics/gamma_distribution.h"

#include <cmath>
#include <limits>

namespace vnk {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kRelativeTolerance = 1e-15;
constexpr int kMaxTerms = 100000;

// The power series, accurate for x < a + 1.
double seriesP(double a, double x) {
    double term = 1.0 / a, sum = term;
    for (int k = 1; k < kMaxTerms; ++k) {
        term *= x / (a + k);
        sum += term;
        if (std::fabs(term) < std::fabs(sum) * kRelativeTolerance) break;
    }
    return sum * std::exp(-x + a * std::log(x) - std::lgamma(a));
}

// Q(a, x) by Lentz's continued fraction, accurate for x >= a + 1.
double continuedFractionQ(double a, double x) {
    constexpr double tiny = 1e-300;
    double b = x + 1.0 - a, c = 1.0 / tiny, d = 1.0 / b, h = d;
    for (int i = 1; i < kMaxTerms; ++i) {
        const double an = -i * (i - a);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < tiny) d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny) c = tiny;
        d = 1.0 / d;
        const double delta = d * c;
        h *= delta;
        if (std::fabs(delta - 1.0) < kRelativeTolerance) break;
    }
    return std::exp(-x + a * std::log(x) - std::lgamma(a)) * h;
}

}  // namespace

double RegularizedGammaP(double a, double x) {
    if (!(a > 0.0) || !(x >= 0.0) || std::isinf(a)) return kNaN;
    if (x == 0.0) return 0.0;
    if (std::isinf(x)) return 1.0;
    return x < a + 1.0 ? seriesP(a, x) : 1.0 - continuedFractionQ(a, x);
}

double ChiSquareProbability(double dof, double x) {
    if (!(dof > 0.0)) return kNaN;
    if (x <= 0.0) return 0.0;
    return RegularizedGammaP(0.5 * dof, 0.5 * x);
}

double ChiSquareQuantile(double dof, double p) {
    if (!(dof > 0.0) || !(p > 0.0 && p < 1.0) || std::isinf(dof)) return kNaN;
    // Bracket geometrically from the mean, then bisect in the logarithm: slow but it cannot
    // miss, and a quantile is asked for only a handful of times per fit.
    double lo = dof, hi = dof;
    while (ChiSquareProbability(dof, lo) > p && lo > 1e-300) lo *= 0.5;
    while (ChiSquareProbability(dof, hi) < p && hi < 1e300) hi *= 2.0;
    for (int i = 0; i < 200 && hi - lo > hi * 4e-16; ++i) {
        const double mid = lo > 0.0 ? std::sqrt(lo * hi) : 0.5 * hi;
        (ChiSquareProbability(dof, mid) < p ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

}  // namespace vnk
