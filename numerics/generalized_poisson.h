// The generalized Poisson model for interval data: interval i is expected to show
// mu(i) = phi (N - M(i)) w(L(i)) faults, with the weighting w of WFSF:
//   1: L^2 / 2 (Schick-Wolverton); 2: L^alpha, alpha given; 3: L^alpha, alpha estimated.
// C(i) faults found in interval i of length L(i); M(i) faults found before it.
// STATS (9 x 3): row 1 alpha, row 3 phi, row 5 N, row 6 N - M(NS); limits for maximum
// likelihood with weightings 1 and 2 only.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

namespace gpo_weighting {
inline constexpr int kSchickWolverton = 1;
inline constexpr int kAlphaInput = 2;
inline constexpr int kAlphaEstimated = 3;
}  // namespace gpo_weighting

inline constexpr double kGpoMaxFaults = 1e10;
inline constexpr double kGpoMaxAlpha = 1e10;
// The normal multiplier of the confidence limits.
inline constexpr double kGpoZ = 1.95;

// Initial estimates: ALPHA = 0, AN = M(NS) + C(NS) + 1; EQLEN = 1 when every interval has the
// same length, else 0. No trace.
void SGPOIN(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double& ALPHA, double& AN,
            int& EQLEN);

// Estimation. Weightings 1 and 2 solve the maximum likelihood (ESF 1) or least squares (ESF 2)
// equation in N by bracket and Brent; weighting 3 minimises the negative log-likelihood in
// (N, alpha) by the bounded trust-region method from AN and ALPHA (maximum likelihood only).
// RFLAG: 0 success; 1 MAXIC reached and 2 trust region cannot be adjusted (weighting 3);
// 3 not appropriate (no bracket, no faults at all, unusable intervals, a non-finite estimate);
// 4 N below the faults observed.
void SGPOMD(int ESF, int WFSF, double ALPHA, double AN, int MAXIC, ConstRealArray C,
            ConstRealArray L, ConstRealArray M, int NS, IntervalStats& STATS, int& RFLAG);

// Accuracy analysis with weighting 2 and the given ALPHA by maximum likelihood: refits on the
// first k = NSB..NSE intervals and scores the count of interval k + 1. V(1..INDX) the scores,
// STAT their sum; S receives the weights L(i)^ALPHA of the last refit (i = 1..k, as far as S
// reaches); the trace shows V and S side by side.
void SGPOMA(ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS, int NSB, int NSE, int NSR,
            double ALPHA, double& STAT, int& RFLAG, int& INDX, RealArray V, RealArray S);

// Expected faults in a next period of length LEXP, capped at the remaining faults, with 95%
// limits for maximum likelihood and weightings 1 and 2: PVALS(1..3) = value, lower, upper.
// LCOR: corrections made after the final interval.
void SGPOP1(double LEXP, ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS, double LCOR,
            const IntervalStats& STATS, int ESF, int WFSF, RealArray PVALS);

// Periods of length LEXP needed to find DNOF more faults. ERRFLG 1: DNOF above the remaining
// faults (0.5 tolerance); 2: no answer below PMAX periods (also for a PMAX that is not finite
// and an LEXP that is not positive). PVAL is 0 after an error.
void SGPOP2(double LEXP, ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS, double LCOR,
            const IntervalStats& STATS, int ESF, int WFSF, double DNOF, double PMAX, double& PVAL,
            int& ERRFLG);

// Predicted counts and the chi-square fit with (element 1) and without (element 2) cell
// combination. CHI, LIF: two reals; DOF, RFLAG: two integers.
void SGPOPR(ConstRealArray C, ConstRealArray L, ConstRealArray M, int NS,
            const IntervalStats& STATS, int WFSF, int CSCOM, RealArray PDAT, RealArray CHI,
            IntArray DOF, RealArray LIF, IntArray RFLAG);

// The weighting w(L) with alpha (ignored by weighting 1).
double GpoWeight(int WFSF, double alpha, double length);

// The weighting-3 objective f(N, alpha) = sum [mu(i) - C(i) ln mu(i)] with phi profiled out
// (phi = sum C / sum (N - M(i)) L(i)^alpha), its gradient and its Hessian as it is.
double GpoObjective(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double N,
                    double alpha);
void GpoGradient(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double N,
                 double alpha, RealArray G);
void GpoHessian(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray M, double N,
                double alpha, RealMatrix H);

}  // namespace vnk
