#include "numerics/trend_tests.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "numerics/chi_square.h"
#include "numerics/gamma_distribution.h"

namespace vnk {
namespace {

bool allFinite(const std::vector<TrendPoint>& points) {
    return std::all_of(points.begin(), points.end(),
                       [](const TrendPoint& p) { return std::isfinite(p.second); });
}

// The largest value of the first n, or 1.0 when none is positive. Dividing by it keeps every
// running sum far from overflow; the Laplace factor and the MIL-HDBK-189 statistic do not
// depend on the time unit.
double scaleOf(ConstRealArray values, int n) {
    double largest = 0.0;
    for (int i = 1; i <= n; ++i) largest = std::fmax(largest, values(i));
    return largest > 0.0 ? largest : 1.0;
}

// Cumulative times of the scaled data.
std::vector<double> scaledCumulativeTimes(ConstRealArray DAT, int NS) {
    const double scale = scaleOf(DAT, NS);
    std::vector<double> T(static_cast<std::size_t>(NS));
    double sum = 0.0;
    for (int i = 1; i <= NS; ++i) {
        sum += DAT(i) / scale;
        T[static_cast<std::size_t>(i - 1)] = sum;
    }
    return T;
}

int tbfDataStatus(ConstRealArray DAT, int NS, double XLTM) {
    if (NS < kTrendMinimumData) return trend_status::kTooFewData;
    for (int i = 1; i <= NS; ++i) {
        if (!std::isfinite(DAT(i))) return trend_status::kNotANumber;
        if (DAT(i) < 0.0) return trend_status::kNegativeTime;
    }
    if (!std::isfinite(XLTM)) return trend_status::kNotANumber;
    if (XLTM < 0.0) return trend_status::kNegativeTime;
    if (std::all_of(DAT.data(), DAT.data() + NS, [](double t) { return t == 0.0; }))
        return trend_status::kZeroTotalTime;
    return trend_status::kOk;
}

int intervalDataStatus(ConstRealArray COUNTS, ConstRealArray LENGTHS, int NS) {
    if (NS < kTrendMinimumData) return trend_status::kTooFewData;
    double total = 0.0;
    for (int i = 1; i <= NS; ++i) {
        if (!std::isfinite(COUNTS(i)) || !std::isfinite(LENGTHS(i)))
            return trend_status::kNotANumber;
        if (COUNTS(i) < 0.0) return trend_status::kNegativeCount;
        if (LENGTHS(i) <= 0.0) return trend_status::kBadLength;
        total += COUNTS(i);
    }
    return total > 0.0 ? trend_status::kOk : trend_status::kNoFailures;
}

}  // namespace

const char* TrendStatusText(int status) {
    switch (status) {
        case trend_status::kOk:
            return "";
        case trend_status::kTooFewData:
            return "Too few data for a trend test";
        case trend_status::kNegativeTime:
            return "A time between failures is negative";
        case trend_status::kZeroTotalTime:
            return "The total time is zero";
        case trend_status::kNoFailures:
            return "The interval counts are all zero";
        case trend_status::kBadLength:
            return "An interval length is zero or negative";
        case trend_status::kNegativeCount:
            return "An interval count is negative";
        case trend_status::kFailureAtZero:
            return "A failure at time zero leaves the MIL-HDBK-189 test undefined";
        case trend_status::kEndBeforeLastFailure:
            return "The test ended before the last failure";
        case trend_status::kNotApplicable:
            return "The trend tests need times between failures or interval counts";
        default:
            return "A value is not a finite number";
    }
}

TrendVerdict LaplaceVerdict(double u) {
    if (u < -kLaplaceCriticalValue) return TrendVerdict::Growth;
    if (u > kLaplaceCriticalValue) return TrendVerdict::Decay;
    return TrendVerdict::None;
}

const char* TrendVerdictName(TrendVerdict verdict) {
    switch (verdict) {
        case TrendVerdict::Growth:
            return "growth";
        case TrendVerdict::Decay:
            return "decay";
        default:
            return "none";
    }
}

std::vector<TrendPoint> LaplaceFactorsTbf(ConstRealArray DAT, int NS) {
    std::vector<TrendPoint> points;
    if (NS < 2) return points;
    points.reserve(static_cast<std::size_t>(NS - 1));
    const std::vector<double> T = scaledCumulativeTimes(DAT, NS);
    double earlier = 0.0;  // sum of T_j, j < i
    for (int i = 2; i <= NS; ++i) {
        earlier += T[static_cast<std::size_t>(i - 2)];
        const double Ti = T[static_cast<std::size_t>(i - 1)];
        if (Ti <= 0.0) continue;
        const double m = i - 1;
        points.emplace_back(i, (earlier / m - Ti / 2.0) / (Ti * std::sqrt(1.0 / (12.0 * m))));
    }
    return points;
}

double LaplaceTimeTruncated(ConstRealArray DAT, int NS, double XLTM) {
    if (NS < 1) return 0.0;
    const double scale = std::fmax(scaleOf(DAT, NS), XLTM);
    double sum = 0.0, Tj = 0.0;
    for (int j = 1; j <= NS; ++j) {
        Tj += DAT(j) / scale;
        sum += Tj;
    }
    const double T = Tj + XLTM / scale;
    if (!(T > 0.0)) return 0.0;
    return (sum / NS - T / 2.0) / (T * std::sqrt(1.0 / (12.0 * NS)));
}

std::vector<TrendPoint> RunningAverageTbf(ConstRealArray DAT, int NS) {
    std::vector<TrendPoint> points;
    points.reserve(static_cast<std::size_t>(std::max(NS, 0)));
    double mean = 0.0;
    for (int i = 1; i <= NS; ++i) {
        mean += (DAT(i) - mean) / i;  // updated in place: no sum to overflow
        points.emplace_back(i, mean);
    }
    return points;
}

std::vector<TrendPoint> LaplaceFactorsInterval(ConstRealArray COUNTS, ConstRealArray LENGTHS,
                                               int NS) {
    std::vector<TrendPoint> points;
    // u grows with the square root of the counts' scale: scale both, restore at the end.
    const double countScale = scaleOf(COUNTS, NS);
    const double lengthScale = scaleOf(LENGTHS, NS);
    double E = 0.0;       // end of interval k
    double N = 0.0;       // failures up to k
    double moment = 0.0;  // sum n_i m_i
    double cubes = 0.0;   // sum l_i^3
    for (int k = 1; k <= NS; ++k) {
        const double l = LENGTHS(k) / lengthScale;
        const double n = COUNTS(k) / countScale;
        moment += n * (E + l / 2.0);
        E += l;
        N += n;
        cubes += l * l * l;
        if (k < 2 || N <= 0.0) continue;
        // Variance of the midpoint: the uniform E^2/12 less each interval's own l^2/12 share.
        const double variance = E * E / 12.0 - cubes / (12.0 * E);
        if (!(variance > 0.0)) continue;
        const double u = (moment - N * E / 2.0) / std::sqrt(N * variance);
        points.emplace_back(k, u * std::sqrt(countScale));
    }
    return points;
}

std::vector<TrendPoint> RunningRateInterval(ConstRealArray COUNTS, ConstRealArray LENGTHS, int NS) {
    std::vector<TrendPoint> points;
    const double countScale = scaleOf(COUNTS, NS);
    const double lengthScale = scaleOf(LENGTHS, NS);
    double n = 0.0, l = 0.0;
    for (int k = 1; k <= NS; ++k) {
        n += COUNTS(k) / countScale;
        l += LENGTHS(k) / lengthScale;
        points.emplace_back(k, l > 0.0 ? (n / l) * (countScale / lengthScale) : 0.0);
    }
    return points;
}

MilHdbk189Result MilHdbk189Test(ConstRealArray TIMES, double T) {
    MilHdbk189Result r;
    const int n = TIMES.size();
    const auto fail = [&r](int status) {
        r = MilHdbk189Result{};
        r.status = status;
        return r;
    };
    if (n < 2) return fail(trend_status::kTooFewData);
    if (!std::isfinite(T)) return fail(trend_status::kNotANumber);
    for (int i = 1; i <= n; ++i) {
        if (!std::isfinite(TIMES(i))) return fail(trend_status::kNotANumber);
        if (TIMES(i) <= 0.0) return fail(trend_status::kFailureAtZero);
    }
    if (T < TIMES(n)) return fail(trend_status::kEndBeforeLastFailure);
    const bool failureTruncated = T == TIMES(n);  // exact: T was given as the last failure time
    const int terms = failureTruncated ? n - 1 : n;
    double sum = 0.0;
    for (int i = 1; i <= terms; ++i) sum += std::log(T / TIMES(i));
    r.statistic = 2.0 * sum;
    r.dof = 2 * terms;
    const double F = ChiSquareCdf(r.dof, r.statistic);
    r.pValue = std::fmin(1.0, 2.0 * std::fmin(F, 1.0 - F));
    r.deteriorationPValue = ChiSquareProbability(r.dof, r.statistic);
    r.growthPValue = 1.0 - r.deteriorationPValue;
    return r;
}

TrendAnalysis TbfTrendAnalysis(ConstRealArray DAT, int NS, double XLTM, bool hardware) {
    TrendAnalysis a;
    a.hardware = hardware;
    a.count = NS;
    a.status = tbfDataStatus(DAT, NS, XLTM);
    if (!a.ok()) return a;
    a.laplace = LaplaceFactorsTbf(DAT, NS);
    a.runningAverage = RunningAverageTbf(DAT, NS);
    a.laplaceEnd = a.laplace.back().second;  // T_NS > 0, so u(NS) exists
    a.timeTruncated = XLTM > 0.0;
    if (a.timeTruncated) a.laplaceTimeTruncated = LaplaceTimeTruncated(DAT, NS, XLTM);
    if (hardware) {
        const std::vector<double> T = scaledCumulativeTimes(DAT, NS);
        const double end = T.back() + XLTM / scaleOf(DAT, NS);
        a.milHdbk189 = MilHdbk189Test(ConstRealArray(T), a.timeTruncated ? end : T.back());
    }
    if (!allFinite(a.laplace) || !allFinite(a.runningAverage) ||
        !std::isfinite(a.laplaceTimeTruncated)) {
        const TrendAnalysis empty;
        a = empty;
        a.status = trend_status::kNotANumber;
        a.count = NS;
        a.hardware = hardware;
        return a;
    }
    a.verdict = LaplaceVerdict(a.laplaceEnd);
    return a;
}

TrendAnalysis IntervalTrendAnalysis(ConstRealArray COUNTS, ConstRealArray LENGTHS, int NS) {
    TrendAnalysis a;
    a.interval = true;
    a.count = NS;
    a.status = intervalDataStatus(COUNTS, LENGTHS, NS);
    if (!a.ok()) return a;
    for (int i = 2; i <= NS; ++i) a.unequalLengths |= LENGTHS(i) != LENGTHS(1);
    a.laplace = LaplaceFactorsInterval(COUNTS, LENGTHS, NS);
    a.runningAverage = RunningRateInterval(COUNTS, LENGTHS, NS);
    if (a.laplace.empty() || a.laplace.back().first != NS || !allFinite(a.laplace) ||
        !allFinite(a.runningAverage)) {
        a.laplace.clear();
        a.runningAverage.clear();
        a.unequalLengths = false;
        a.status = trend_status::kNotANumber;
        return a;
    }
    a.laplaceEnd = a.laplace.back().second;
    a.verdict = LaplaceVerdict(a.laplaceEnd);
    return a;
}

std::string TrendVerdictSentence(const TrendAnalysis& a) {
    if (!a.ok()) return std::string(TrendStatusText(a.status)) + ".";
    const char* finding = a.verdict == TrendVerdict::Growth  ? "show reliability growth"
                          : a.verdict == TrendVerdict::Decay ? "show reliability decay"
                                                             : "show no significant trend";
    char text[160];
    std::snprintf(text, sizeof text, "The data %s (Laplace factor %.2f at the last %s).", finding,
                  a.laplaceEnd, a.interval ? "interval" : "failure");
    return text;
}

}  // namespace vnk
