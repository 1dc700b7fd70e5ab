#include "numerics/vnkdst.h"

#include <algorithm>
#include <cmath>

#include "numerics/trace.h"

namespace vnk {
namespace {

// Ascending and stable, as an exchange sort of neighbours leaves equal values; a value that
// is not a number sorts last so that the order stays well defined.
bool Before(double a, double b) { return a < b || (!std::isnan(a) && std::isnan(b)); }

void Moments(int n, double S1, double S2, double S3, double S4, bool noSpread, RealArray STATS) {
    const double dn = n;
    // With every value equal there is no spread; the rounding left in S2 - S1²/n must not be
    // taken for one, nor may it turn negative under the square roots.
    double G = noSpread ? 0.0 : S2 - S1 * S1 / dn;
    if (!(G > 0.0)) G = 0.0;
    STATS(dst::kMean) = S1 / dn;
    STATS(dst::kVariance) = G / (dn - 1.0);
    STATS(dst::kStandardDeviation) = std::sqrt(STATS(dst::kVariance));
    if (G > 0.0) {
        const double third = S3 - 3.0 * S1 * S2 / dn + 2.0 * S1 * S1 * S1 / (dn * dn);
        const double fourth = S4 - 4.0 * S1 * S3 / dn + 6.0 * S1 * S1 * S2 / (dn * dn) -
                              3.0 * S1 * S1 * S1 * S1 / (dn * dn * dn);
        STATS(dst::kSkewness) = std::sqrt(dn) * third / (std::sqrt(G) * G);
        STATS(dst::kKurtosis) = dn * fourth / (G * G) - 3.0;
    }
}

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

    double S1 = 0.0, S2 = 0.0, S3 = 0.0, S4 = 0.0;
    for (int i = 1; i <= n; ++i) {
        const double x = DAT(i);
        S1 += x;
        if (all) {
            S2 += x * x;
            S3 += x * x * x;
            S4 += x * x * x * x;
        }
    }

    if (n >= 1) {
        for (int i = 1; i <= n; ++i) WRK(i) = DAT(i);
        std::stable_sort(WRK.data(), WRK.data() + n, Before);

        const int m = n / 2;
        const int u = (n + 1) / 2;
        const int v = (n + 1) / 4;
        STATS(dst::kSum) = S1;
        STATS(dst::kMedian) = 0.5 * (WRK(m + 1) + WRK(n - m));
        STATS(dst::kLowerHinge) = 0.5 * (WRK(v + 1) + WRK(u - v));
        STATS(dst::kUpperHinge) = 0.5 * (WRK(n - u + v + 1) + WRK(n - v));
        STATS(dst::kMinimum) = WRK(1);
        STATS(dst::kMaximum) = WRK(n);

        if (all && n >= 2)
            Moments(n, S1, S2, S3, S4, WRK(1) == WRK(n), STATS);
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
