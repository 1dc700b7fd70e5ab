// Yamada's S-shaped model for interval data: m(t) = N (1 - g(t)) faults found by time t, with
// g(t) = (1 + beta t) e^(-beta t); interval i spans T(i - 1)..T(i) (T(0) = 0).
// STATS rows: 3 beta ("Proportionality Constant"), 5 N, 6 N - X; 95% limits in columns 2, 3.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// Maximum likelihood estimation. RFLAG 0 success, 3 no root bracketed (also data no fit can
// use: fewer than two intervals, no faults, faults in an interval of zero length; and
// non-finite estimates), 4 N below the observed total.
void SESHMD(int NS, ConstRealArray C, ConstRealArray T, IntervalStats& STATS, int& RFLAG);

// Accuracy analysis over the prefixes NSB..NSE; V(1..INDX) the scores.
void SESHMA(ConstRealArray C, ConstRealArray T, int NS, int NSB, int NSE, int NSR, double& STAT,
            int& RFLAG, int& INDX, RealArray V);

// Faults expected in the next period of length LEXP, at most STATS(6).
void SESHP1(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double& PVAL);

// Periods of length LEXP needed to find DNOF more faults. ERRFLG 1: DNOF above the faults
// remaining (0.5 tolerance); 2: not within PMAX periods (also PMAX not finite, LEXP <= 0).
void SESHP2(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double DNOF,
            double PMAX, double& PVAL, int& ERRFLG);

// Probability of no failure in the next period of length LEXP (expected count not capped).
void SESHP3(ConstRealArray T, int NS, double LEXP, const IntervalStats& STATS, double& PVAL);

// Predicted counts PDAT(1..NS) and the chi-square fit with (element 1) and without
// (element 2) the cell combination CSCOM.
void SESHPR(ConstRealArray C, ConstRealArray T, int NS, const IntervalStats& STATS, int CSCOM,
            RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG);

}  // namespace vnk
