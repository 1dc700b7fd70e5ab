#include "numerics/vnkdst.h"

#include <algorithm>
#include <cmath>

#include "numerics/trace.h"

namespace vnk {
namespace {

// Ascending and stable, as an exchange sort of neighbours leaves equal values; a value that
// is not a number sorts last so that the order stays well defined.
bool Before(double a, double b) { return a < b || (!std::isnan(a) && std::isnan(b)); }

// Sums of the powers of the deviations from the mean, each deviation divided by `scale`.
struct CentralSums {
    double second = 0.0, third = 0.0, fourth = 0.0;
};
CentralSums SumDeviations(int n, ConstRealArray DAT, double mean, double scale) {
    CentralSums c;
    for (int i = 1; i <= n; ++i) {
        const double d = (DAT(i) - mean) / scale;
        const double d2 = d * d;
        c.second += d2;
        c.third += d2 * d;
        c.fourth += d2 * d2;
    }
    return c;
}

// The mean, then the moments about it in a second pass: sums of raw powers lose every digit
// of the spread when the values sit far from zero (times near 1e9 a few units apart). When
// the squared deviations overflow, they are taken relative to the largest deviation, which
// keeps the standard deviation, skewness and kurtosis whenever they are in range.
void Moments(int n, ConstRealArray DAT, double mean, bool noSpread, RealArray STATS) {
    const double dn = n;
    STATS(dst::kMean) = mean;
    if (noSpread) return;
    double scale = 1.0;
    CentralSums c = SumDeviations(n, DAT, mean, scale);
    if (!std::isfinite(c.fourth)) {
        scale = 0.0;
        for (int i = 1; i <= n; ++i) scale = std::max(scale, std::fabs(DAT(i) - mean));
        if (!(scale > 0.0) || !std::isfinite(scale)) return;
        c = SumDeviations(n, DAT, mean, scale);
    }
    const double G = c.second;
    if (!(G > 0.0)) return;
    STATS(dst::kVariance) = scale * scale * (G / (dn - 1.0));
    STATS(dst::kStandardDeviation) = scale * std::sqrt(G / (dn - 1.0));
    STATS(dst::kSkewness) = std::sqrt(dn) * c.third / (std::sqrt(G) * G);
    STATS(dst::kKurtosis) = dn * c.fourth / (G * G) - 3.0;
}

// The sum over n when it is finite; otherwise a running mean, which stays in range when the
// sum overflows.
double MeanOf(int n, ConstRealArray DAT, double sum) {
    if (std::isfinite(sum)) return sum / n;
    double mean = 0.0;
    for (int i = 1; i <= n; ++i) mean += (DAT(i) - mean) / i;
    return mean;
}

// Half of each, so that two values near the largest double do not overflow their sum.
double Midpoint(double a, double b) { return 0.5 * a + 0.5 * b; }

}  // namespace

void VNKDST(ConstRealArray DAT, int NS, int NST, RealArray STATS, RealArray WRK) {
    const int n = std::max(NS, 0);
    trace::Writer w;
    w.enter("VNKDST");
    w.integer("NS", NS);
    w.integer("NST", NST);
    w.array("DAT", DAT, n);

    for (int k = 1; k <= dst::kCount; ++k) STATS(k) = 0.0;
    const bool all = NST == dst::kAll;

    double S1 = 0.0;
    for (int i = 1; i <= n; ++i) S1 += DAT(i);

    if (n >= 1) {
        for (int i = 1; i <= n; ++i) WRK(i) = DAT(i);
        std::stable_sort(WRK.data(), WRK.data() + n, Before);

        const int m = n / 2;
        const int u = (n + 1) / 2;
        const int v = (n + 1) / 4;
        STATS(dst::kSum) = S1;
        STATS(dst::kMedian) = Midpoint(WRK(m + 1), WRK(n - m));
        STATS(dst::kLowerHinge) = Midpoint(WRK(v + 1), WRK(u - v));
        STATS(dst::kUpperHinge) = Midpoint(WRK(n - u + v + 1), WRK(n - v));
        STATS(dst::kMinimum) = WRK(1);
        STATS(dst::kMaximum) = WRK(n);

        if (all && n >= 2)
            Moments(n, DAT, MeanOf(n, DAT, S1), WRK(1) == WRK(n), STATS);
        else if (all)
            STATS(dst::kMean) = S1;
    }

    // Overflowing sums of powers (or values that are not finite to begin with) leave nothing a
    // screen could show; such a statistic is reported as 0 like any other that cannot be had.
    for (int k = 1; k <= dst::kCount; ++k)
        if (!std::isfinite(STATS(k))) STATS(k) = 0.0;

    w.yields("VNKDST");
    w.array("STATS", STATS, dst::kCount);
    w.array("WRK", WRK, n);
}

}  // namespace vnk
