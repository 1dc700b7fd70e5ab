#include <array>
#include <cmath>

#include "numerics/crow_amsaa.h"

namespace vnk {
namespace {

// 10% critical values of the Cramer-von Mises statistic for the power-law process, by M.
struct CriticalRow {
    int M;
    double value;
};
constexpr std::array<CriticalRow, 22> kCritical10{{
    {2, 0.162},  {3, 0.154},  {4, 0.155},  {5, 0.160},   {6, 0.162},  {7, 0.165},
    {8, 0.165},  {9, 0.167},  {10, 0.167}, {11, 0.169},  {12, 0.169}, {13, 0.169},
    {14, 0.169}, {15, 0.169}, {16, 0.171}, {17, 0.171},  {18, 0.171}, {19, 0.171},
    {20, 0.172}, {30, 0.172}, {60, 0.173}, {100, 0.173},
}};

}  // namespace

double CramerVonMisesCritical10(int M) {
    if (M < 2) return 0.0;
    if (M >= kCritical10.back().M) return kCritical10.back().value;
    for (std::size_t i = 1; i < kCritical10.size(); ++i) {
        const CriticalRow lo = kCritical10[i - 1], hi = kCritical10[i];
        if (M <= hi.M)
            return lo.value + (hi.value - lo.value) * (M - lo.M) / static_cast<double>(hi.M - lo.M);
    }
    return kCritical10.back().value;
}

void CramerVonMisesFit(const CrowAmsaaFit& fit, ConstRealArray TIMES, int& M, double& C2,
                       double& CRITICAL) {
    // The failure that ends a failure-truncated test is not random and is left out.
    M = fit.timeTruncated ? fit.n : fit.n - 1;
    C2 = 1.0 / (12.0 * M);
    for (int i = 1; i <= M; ++i) {
        const double z = std::pow(TIMES(i) / fit.T, fit.unbiasedBeta);
        const double d = z - (2.0 * i - 1.0) / (2.0 * M);
        C2 += d * d;
    }
    CRITICAL = CramerVonMisesCritical10(M);
}

}  // namespace vnk
