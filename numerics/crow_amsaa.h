// The Crow-AMSAA tracking model: the power-law non-homogeneous Poisson process with
// intensity lambda * beta * t^(beta - 1), fitted to the cumulative failure times of one
// system in one test phase, or to failure counts per interval of test time. Routines return a
// status (crow_amsaa_status) and leave every output at 0.0 unless it is kOk.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

namespace crow_amsaa_status {
inline constexpr int kOk = 0;
inline constexpr int kTooFewFailures = 1;        // fewer than 3 failures
inline constexpr int kFailureAtZero = 2;         // a failure time not above 0
inline constexpr int kAllAtOneTime = 3;          // every failure at the same time
inline constexpr int kEndBeforeLastFailure = 4;  // T below the last failure time
inline constexpr int kBadValue = 5;              // not a finite number, or times out of order
inline constexpr int kZeroLengthInterval = 6;    // grouped: an interval end not past the last
inline constexpr int kNoFailures = 7;            // grouped: no failure in any interval
inline constexpr int kNoEstimate = 8;            // grouped: the likelihood has no interior
                                                 // maximum (all failures in the first or
                                                 // the last interval, or fewer than 2)
inline constexpr int kBadConfidence = 9;         // a confidence level outside (0, 1)
inline constexpr int kNoGrowthToGoal = 10;       // goal MTBF unreachable: beta >= 1
}  // namespace crow_amsaa_status

// The fit to individual failure times.
struct CrowAmsaaFit {
    int n = 0;                       // failures
    double T = 0.0;                  // end of test
    bool timeTruncated = false;      // T past the last failure; else the test ended on it
    double logSum = 0.0;             // sum of ln(T / t_i), over i < n when failure-truncated
    double beta = 0.0;               // maximum likelihood shape
    double lambda = 0.0;             // maximum likelihood scale, n / T^beta
    double unbiasedBeta = 0.0;       // (n - 2)/n beta failure-, (n - 1)/n beta time-truncated
    double intensity = 0.0;          // instantaneous failure intensity at T
    double instantaneousMtbf = 0.0;  // its reciprocal
    double cumulativeMtbf = 0.0;     // T / n
};

// TIMES(1..N): cumulative failure times in order (ties allowed); T: the end of test, T = t_N
// for a failure-truncated test, T > t_N for a time-truncated one.
void CrowAmsaaTbf(int N, ConstRealArray TIMES, double T, CrowAmsaaFit& FIT, int& STATUS);

// The instantaneous MTBF of the fitted model at time t > 0.
double CrowAmsaaInstantaneousMtbf(const CrowAmsaaFit& fit, double t);
// The expected cumulative failures lambda t^beta of the fitted model.
double CrowAmsaaExpectedFailures(const CrowAmsaaFit& fit, double t);

// Predictions: the expected failures in a further `extraTime` of test past T, and the total
// test time at which the instantaneous MTBF reaches `goalMtbf` (T or less: reached already).
void CrowAmsaaFailuresInFurtherTime(const CrowAmsaaFit& fit, double extraTime, double& FAILURES,
                                    int& STATUS);
void CrowAmsaaTimeToGoalMtbf(const CrowAmsaaFit& fit, double goalMtbf, double& TIME, int& STATUS);

// Confidence bounds: two-sided at `confidence` (each tail (1 - confidence)/2), or one-sided,
// each end then a one-sided bound at `confidence`.
enum class BoundSides { TwoSided, OneSided };
struct ConfidenceBounds {
    double lower = 0.0;
    double upper = 0.0;
};

// On beta, from 2 n beta / beta-hat being chi-square with 2n (time-truncated) or 2(n - 1)
// (failure-truncated) degrees of freedom.
void CrowAmsaaBetaBounds(const CrowAmsaaFit& fit, double confidence, BoundSides sides,
                         ConfidenceBounds& BOUNDS, int& STATUS);

// On the instantaneous MTBF at T, by Crow's exact method: failure-truncated, the ratio of the
// true to the estimated MTBF is n^2 / (G1 G2) with G1, G2 independent gamma variables of
// shapes n - 1 and n; time-truncated, the bounds follow from the distribution of n given the
// log sum S, P(n = k) proportional to (psi S)^k / (k! (k - 1)!) with psi = T / MTBF, which
// does not depend on the other parameter (the interval is conservative for the discrete n).
void CrowAmsaaMtbfBounds(const CrowAmsaaFit& fit, double confidence, BoundSides sides,
                         ConfidenceBounds& BOUNDS, int& STATUS);

// On the cumulative MTBF at a time t with k failures by then: 2t / chi-square quantiles with
// 2k degrees of freedom (2k + 2 for the lower bound when the count was taken at a fixed time).
ConfidenceBounds CumulativeMtbfBounds(double t, int k, bool fixedTime, double confidence,
                                      BoundSides sides);

// Cramer-von Mises goodness of fit: with M = n (time-truncated) or n - 1 (failure-truncated)
// and Z_i = (t_i / T)^unbiasedBeta, C2 = 1/(12 M) + sum over i <= M of (Z_i - (2i - 1)/(2M))^2.
// CRITICAL is the 10% critical value for M; the fit is rejected when C2 exceeds it.
void CramerVonMisesFit(const CrowAmsaaFit& fit, ConstRealArray TIMES, int& M, double& C2,
                       double& CRITICAL);
// The 10% critical value of C2 for M >= 2 (table interpolated linearly in M, its last row
// beyond 100); 0.0 for M < 2.
double CramerVonMisesCritical10(int M);

// Grouped data: K intervals ending at the cumulative test times ENDS(1..K), FAILURES(k) in
// interval k. Maximum likelihood beta and lambda (the grouped likelihood equation solved for
// beta), the expected failures per interval, and the chi-square fit test with K - 2 degrees
// of freedom (only when K >= 3; DOF = 0 and PVALUE = 0 otherwise).
struct CrowAmsaaGroupedFit {
    int K = 0;
    double n = 0.0;  // total failures
    double T = 0.0;  // ENDS(K)
    double beta = 0.0;
    double lambda = 0.0;
    double intensity = 0.0;          // at T
    double instantaneousMtbf = 0.0;  // at T
    double cumulativeMtbf = 0.0;     // T / n
    double chiSquare = 0.0;
    int dof = 0;
    double pValue = 0.0;  // P(chi-square >= the statistic)
};
void CrowAmsaaGrouped(int K, ConstRealArray ENDS, ConstRealArray FAILURES, CrowAmsaaGroupedFit& FIT,
                      RealArray EXPECTED, int& STATUS);
// The grouped log-likelihood at (lambda, beta), up to a constant: for a check by direct
// maximisation.
double CrowAmsaaGroupedLogLikelihood(int K, ConstRealArray ENDS, ConstRealArray FAILURES,
                                     double lambda, double beta);

}  // namespace vnk
