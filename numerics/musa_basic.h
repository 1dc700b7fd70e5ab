// Musa's basic execution time model for times between failures: mean value function
// b0 * (1 - exp(-b1 * t)), b0 the total number of faults and b1 the per-fault hazard.
//
// STATS rows: 2 b0, 3 b1, 6 initial intensity b0*b1, 7 current intensity at the last failure,
// 8 initial MTBNF (with limits), 9 current MTBNF, 10 total faults (with limits), 11 faults
// remaining (with limits), 12 purification level.
#pragma once

#include "numerics/conventions.h"
#include "numerics/tbf_applicability.h"

namespace vnk {

// Estimation by maximum likelihood. XLTM is the failure-free execution time after the last
// failure (0.0 when none). RFLAG: 0 success, 3 no root bracketed (or unusable data, or a
// non-finite estimate), 4 total faults below the number observed.
void SMUSMD(int NS, ConstRealArray DAT, double XLTM, TbfStats& STATS, int& RFLAG);

// Applicability analysis (scheme shared by every TBF model); refits with XLTM = 0.0.
void SMUSMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE);
// The model's pieces for the shared scheme (for executions that run several measures).
TbfApplicabilityModel MusaBasicApplicabilityModel();

// Reliability over a further operating time LOP.
void SMUSP1(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// Total expected time to the next K failures; ERRFLG 1 when K exceeds the remaining faults.
void SMUSP3(const TbfStats& STATS, ConstRealArray DAT, int NS, double K, double& PVAL, int& ERRFLG);
// Time (PVAL1) and failures (PVAL2) to reach the intensity DIF; ERRLFG 1 when DIF is not
// below the current intensity.
void SMUSP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG);
// Time (PVAL1) and failures (PVAL2) to reach the MTBNF DMTBNF; ERRLFG 1 when DMTBNF is not
// above the current MTBNF.
void SMUSP5(const TbfStats& STATS, double DMTBNF, int NS, double& PVAL1, double& PVAL2,
            int& ERRLFG);
// Expected failures in a further operating time LOP (at most the faults remaining).
void SMUSP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// Predicted time to each failure, the model's distribution function at each observed time
// (returned sorted in V) and the Kolmogorov test of those values.
void SMUSPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V);

// The predicted median of the next time between failures under an exponential mean value
// law with R expected remaining failures and per-fault hazard b (shared with the TBF
// non-homogeneous Poisson model): it does not exist when 1 - ln 2 / R is below 1e-10.
TbfMedian ExponentialLawMedian(double R, double b);

}  // namespace vnk
