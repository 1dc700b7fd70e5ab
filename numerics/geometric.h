// Geometric model for times between failures: the i-th time between failures is exponential
// with rate D * phi^(i-1), so every fault removal multiplies the failure rate by phi.
//
// STATS rows: 4 phi (with limits), 5 hazard rate D (with limits), 6 initial intensity D/phi,
// 7 current intensity, 9 current MTBNF (with limits), 12 purification level (with limits).
// Limits come only from maximum likelihood.
#pragma once

#include "numerics/conventions.h"
#include "numerics/tbf_applicability.h"

namespace vnk {

// Estimation by maximum likelihood (ESF = 1) or least squares (otherwise). RFLAG 0, or 3 when
// no root is bracketed in [0.0624375, 0.999] or an estimate is not finite.
void SGEOMD(int ESF, int NS, ConstRealArray DAT, TbfStats& STATS, int& RFLAG);

// Applicability analysis over the prefixes NSB .. NSE with measure TYP.
void SGEOMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE);
// The model's pieces for the shared scheme (for executions that run several measures).
TbfApplicabilityModel GeometricApplicabilityModel();

// Total MTBNF of the next K failures (K rounded to the nearest whole number of failures).
void SGEOP3(const TbfStats& STATS, int NS, double K, double& PVAL);
// Further time (PVAL1) and failures (PVAL2) until the intensity falls to DIF; ERRLFG = 1 when
// DIF is not below the current intensity.
void SGEOP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG);
// Expected failures in a further time LOP.
void SGEOP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// Predicted times between failures, and the Kolmogorov fit of F at the observed times
// (V is returned sorted).
void SGEOPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V);

}  // namespace vnk
