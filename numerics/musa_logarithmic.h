// Musa's logarithmic Poisson execution time model for times between failures: mean value
// function b0 * ln(1 + b1 * t), failure intensity b0 * b1 / (1 + b1 * t).
//
// STATS rows (column 1 only): 2 b0, 3 b1, 6 initial intensity, 7 current intensity at the
// last failure, 9 current MTBNF (0.0 when b0 <= 1, its mean not being finite), 12
// purification level.
#pragma once

#include "numerics/conventions.h"
#include "numerics/tbf_applicability.h"

namespace vnk {

// Estimation by maximum likelihood. XLTM is the failure-free execution time after the last
// failure. RFLAG: 0 success, 3 no root bracketed, b0 <= 0, unusable data or a non-finite
// estimate.
void SMSAMD(int NS, ConstRealArray DAT, double XLTM, TbfStats& STATS, int& RFLAG);

// Applicability analysis (scheme shared by every TBF model); refits with XLTM = 0.0.
void SMSAMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE);
TbfApplicabilityModel MusaLogarithmicApplicabilityModel();

// Reliability over a further operating time LOP.
void SMSAP1(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// Total expected time to the next K failures (0.0 when it is not finite: b0 <= 1).
void SMSAP3(const TbfStats& STATS, ConstRealArray DAT, int NS, double K, double& PVAL);
// Time (PVAL1) and failures (PVAL2) to reach the intensity DIF; ERRLFG 1 when DIF is not
// below the current intensity.
void SMSAP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG);
// Expected failures in a further operating time LOP.
void SMSAP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// Predicted times between failures, distribution function values (returned sorted in V) and
// their Kolmogorov test.
void SMSAPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V);

}  // namespace vnk
