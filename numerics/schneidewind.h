// Schneidewind's model for interval fault counts: m(t) = (alpha/beta)(1 - e^(-beta t)) faults
// by model time t, every interval one unit of time. Three treatments (TSF) of the first S - 1
// intervals (S = TSS): 1 uses every interval (S is 1), 2 ignores intervals 1..S-1, 3 merges
// them into one cell spanning model time 0..S-1, interval i (i >= S) then spanning i-1..i.
// STATS rows (column 1 only): 1 alpha, 2 beta, 5 N, 6 N - observed total, 7 MSE-R, 8 MSE-F,
// 9 MSE-T (-1.0 when it cannot be computed).
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// Value MSE-T takes when a time to the next failure cannot be computed.
inline constexpr double kMseTimeUnavailable = -1.0;
// Value of every optimum S investigation entry whose S gave no usable fit.
inline constexpr double kNoFit = -10.0;

// Estimation. RFLAG 0 success; 3 not appropriate (no faults from S on, an impossible S or
// treatment, no sign change of the likelihood equation, a non-finite estimate); 4 N below
// the observed total.
void SSDWMD(int NS, ConstRealArray CDAT, int TSF, int TSS, IntervalStats& STATS, int& RFLAG);

// Accuracy analysis with treatment 1 over the prefixes NSB..NSE; V(1..INDX) the scores.
void SSDWMA(ConstRealArray CDAT, int NS, int NSB, int NSE, int NSR, double& STAT, int& RFLAG,
            int& INDX, RealArray V);

// Faults expected in the next LEXP intervals.
void SSDWP1(int NS, double LEXP, const IntervalStats& STATS, int TSF, int TSS, double& PVAL);

// Intervals needed to find DNOF more faults. ERRFLG 1: DNOF above the faults remaining (0.5
// tolerance); 2: the model's total is reached first.
void SSDWP2(ConstRealArray CDAT, int NS, const IntervalStats& STATS, double DNOF, int TSF, int TSS,
            double& PVAL, int& ERRFLG);

// Number of cells the treatment fits: NS, NS - S + 1 or NS - S + 2.
int SchneidewindCells(int NS, int TSF, int TSS);

// Predicted count of each cell into PDAT(1..cells) (the rest of PDAT(1..NS) set to 0.0) and
// the chi-square fit of the treatment's observed cells, with (element 1) and without
// (element 2) the cell combination CSCOM.
void SSDWPR(ConstRealArray CDAT, int NS, const IntervalStats& STATS, int TSF, int TSS, int CSCOM,
            RealArray PDAT, RealArray CHI, IntArray DOF, RealArray LIF, IntArray RFLAG);

// Optimum S search: fits treatment 2 for S = 1..trunc(0.75 NS) and keeps, per criterion, the
// S with the strictly smallest value. The six arrays (at least NS entries) are indexed by S
// and hold kNoFit where S gave no fit (a failed estimate or an MSE-T that cannot be
// computed). The best S are 0 when no S gave a fit.
void SSDWOS(int NS, ConstRealArray CDAT, int& BESTF, int& BESTT, int& BESTR, RealArray SVALUE,
            RealArray MSET, RealArray MSEF, RealArray MSER, RealArray ALPHA, RealArray BETA);

}  // namespace vnk
