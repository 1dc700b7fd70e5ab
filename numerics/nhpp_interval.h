// Non-homogeneous Poisson model for interval data: m(t) = N (1 - e^(-beta t)) faults found by
// time t, interval i spanning T(i - 1)..T(i) of the cumulative end times (T(0) = 0).
// STATS rows: 3 beta ("Proportionality Constant"), 5 N, 6 N - X (X the observed total);
// limits (columns 2, 3) with maximum likelihood only.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// Estimation by maximum likelihood (ESF 1) or least squares (ESF 2). RFLAG 0 success, 3 no
// root bracketed (also data no fit can use: fewer than two intervals, no faults, faults in an
// interval of zero length; and non-finite estimates), 4 N below the observed total.
void SNPIMD(int ESF, int NS, ConstRealArray C, ConstRealArray T, IntervalStats& STATS, int& RFLAG);

// Accuracy analysis over the prefixes NSB..NSE (maximum likelihood); V(1..INDX) the scores.
void SNPIMA(ConstRealArray C, ConstRealArray T, int NS, int NSB, int NSE, int NSR, double& STAT,
            int& RFLAG, int& INDX, RealArray V);

// Faults expected in the next period of length LEXP, at most STATS(6).
void SNPIP1(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double& PVAL);

// Periods of length LEXP needed to find DNOF more faults. ERRFLG 1: DNOF above the faults
// remaining (0.5 tolerance); 2: not within PMAX periods (also PMAX not finite, LEXP <= 0).
void SNPIP2(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double DNOF,
            double PMAX, double& PVAL, int& ERRFLG);

// Predicted count of each interval into PDAT(1..NS) and the chi-square fit: element 1 of
// CHI, DOF, LIF, RFLAG (two elements each) with the cell combination CSCOM, element 2
// without combination.
void SNPIPR(ConstRealArray C, ConstRealArray T, int NS, const IntervalStats& STATS, int CSCOM,
            RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG);

}  // namespace vnk
