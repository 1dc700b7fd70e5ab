// Trend tests run on the data before any model is fitted: the Laplace factor and the running
// arithmetic average for times between failures and for interval counts, and the MIL-HDBK-189
// test for hardware failure times. Every growth model assumes the data show reliability
// growth; these tests say whether they do.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "numerics/conventions.h"

namespace vnk {

// Two-sided 5% level of the Laplace factor, a standard normal variable under no trend.
inline constexpr double kLaplaceCriticalValue = 1.96;
// Fewest failures (TBF data) or intervals a trend test is run on.
inline constexpr int kTrendMinimumData = 3;

// Why a trend analysis has no result; kOk when it has one.
namespace trend_status {
inline constexpr int kOk = 0;
inline constexpr int kTooFewData = 1;            // fewer than kTrendMinimumData failures/intervals
inline constexpr int kNegativeTime = 2;          // a time between failures below zero
inline constexpr int kZeroTotalTime = 3;         // the failures add up to no time at all
inline constexpr int kNoFailures = 4;            // interval counts all zero
inline constexpr int kBadLength = 5;             // an interval length zero or negative
inline constexpr int kNotANumber = 6;            // a value that is not a finite number
inline constexpr int kNegativeCount = 7;         // an interval count below zero
inline constexpr int kFailureAtZero = 8;         // MIL-HDBK-189: a failure at time 0
inline constexpr int kEndBeforeLastFailure = 9;  // MIL-HDBK-189: T before the last failure
inline constexpr int kNotApplicable = 10;        // data without a time axis (one-shot trials)
}  // namespace trend_status

// The sentence naming a status, e.g. "Too few data for a trend test"; "" for kOk.
const char* TrendStatusText(int status);

// growth: Laplace factor below -1.96; decay: above 1.96; none: neither, or no test.
enum class TrendVerdict { None, Growth, Decay };

TrendVerdict LaplaceVerdict(double u);

// "growth", "decay" or "none".
const char* TrendVerdictName(TrendVerdict verdict);

// One point of a chart: failure number or interval number (1-based) and value.
using TrendPoint = std::pair<int, double>;

// Laplace factors of NS times between failures DAT, failure-truncated at each failure i = 2..NS:
// u(i) = [ (1/(i-1)) sum_{j<i} T_j - T_i/2 ] / [ T_i sqrt(1/(12(i-1))) ], T_j the cumulative
// times. A failure at cumulative time 0 (leading zero times) gives no point. Negative u means
// the failures come ever later: reliability growth.
std::vector<TrendPoint> LaplaceFactorsTbf(ConstRealArray DAT, int NS);

// The Laplace factor over the whole observation, time-truncated at T = T_NS + XLTM (XLTM the
// failure-free time after the last failure): [ (1/NS) sum T_j - T/2 ] / [ T sqrt(1/(12 NS)) ].
// 0.0 when T is not positive.
double LaplaceTimeTruncated(ConstRealArray DAT, int NS, double XLTM);

// Running arithmetic average of the times between failures, tau(i) = (1/i) sum_{j<=i} DAT(j).
std::vector<TrendPoint> RunningAverageTbf(ConstRealArray DAT, int NS);

// Laplace factors of NS interval counts COUNTS with lengths LENGTHS, for k = 2..NS. The
// failures of interval i are placed at its midpoint m_i on the cumulative time axis; under no
// trend a failure falls into interval i with probability l_i / E_k (E_k the end of interval
// k), so u(k) = [ sum n_i m_i - N mu ] / sqrt(N sigma^2), N = sum n_i and mu, sigma^2 the mean
// and variance of m under those probabilities. With equal lengths this is exactly
// [ sum (i-1) n_i - ((k-1)/2) N ] / sqrt(((k^2-1)/12) N). Intervals before the first failure
// give no point.
std::vector<TrendPoint> LaplaceFactorsInterval(ConstRealArray COUNTS, ConstRealArray LENGTHS,
                                               int NS);

// Running average of failures per unit length, sum_{i<=k} n_i / sum_{i<=k} l_i.
std::vector<TrendPoint> RunningRateInterval(ConstRealArray COUNTS, ConstRealArray LENGTHS, int NS);

// The MIL-HDBK-189 test for a power-law trend in failure times.
struct MilHdbk189Result {
    double statistic = 0.0;            // 2 sum ln(T / T_i)
    int dof = 0;                       // 2n time-truncated, 2(n - 1) failure-truncated
    double pValue = 0.0;               // two-sided: 2 min(F, 1 - F), F the chi-square distribution
    double growthPValue = 0.0;         // 1 - F, in full double precision: small means growth
    double deteriorationPValue = 0.0;  // F: small means deterioration
    int status = trend_status::kOk;
};

// TIMES: the cumulative failure times T_1 <= ... <= T_n; T: the end of the observation.
// T equal to T_n (the test ended with a failure) gives the failure-truncated form, summing to
// n - 1; T above T_n the time-truncated form. Under no trend the statistic is chi-square; a
// large value means the failures come early, i.e. growth. Fewer than two failures
// (kTooFewData), a failure time not above 0 (kFailureAtZero), T below T_n
// (kEndBeforeLastFailure) or a value that is not finite give a status and every number 0.
MilHdbk189Result MilHdbk189Test(ConstRealArray TIMES, double T);

// Everything the trend screen, report and JSON show about one data set.
struct TrendAnalysis {
    bool interval = false;  // interval data (else times between failures)
    bool hardware = false;  // hardware history: the MIL-HDBK-189 test was run
    bool unequalLengths = false;
    int count = 0;  // failures or intervals
    int status = trend_status::kOk;
    std::vector<TrendPoint> laplace;         // u(i), i = 2..n
    std::vector<TrendPoint> runningAverage;  // tau(i), i = 1..n
    double laplaceEnd = 0.0;                 // u(n), the verdict's factor
    bool timeTruncated = false;              // a failure-free time followed the last failure
    double laplaceTimeTruncated = 0.0;
    MilHdbk189Result milHdbk189;
    TrendVerdict verdict = TrendVerdict::None;
    bool ok() const { return status == trend_status::kOk; }
};

// TBF data: NS times DAT and the failure-free time XLTM after the last failure.
TrendAnalysis TbfTrendAnalysis(ConstRealArray DAT, int NS, double XLTM, bool hardware);

// Interval data: NS counts and lengths.
TrendAnalysis IntervalTrendAnalysis(ConstRealArray COUNTS, ConstRealArray LENGTHS, int NS);

// The plain sentence of the verdict, e.g. "The data show reliability growth (Laplace factor
// -3.12 at the last failure)."; for an analysis without result its status text.
std::string TrendVerdictSentence(const TrendAnalysis& analysis);

}  // namespace vnk
