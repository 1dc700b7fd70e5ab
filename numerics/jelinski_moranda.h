// Jelinski/Moranda model for times between failures: the program starts with N faults, each
// contributing the failure rate phi, so the i-th time between failures is exponential with
// rate phi * (N - i + 1).
//
// STATS rows (no confidence limits): 4 phi, 6 initial intensity phi*N, 7 current intensity,
// 9 current MTBNF, 10 total faults N, 11 faults remaining N - n, 12 purification level n/N.
#pragma once

#include "numerics/conventions.h"
#include "numerics/tbf_applicability.h"

namespace vnk {

// Estimation by maximum likelihood (ESF = 1) or least squares (otherwise). RFLAG 0; 3 when no
// root of the estimation equation is bracketed; 4 when the root lies below the number of
// failures (between n - 1 and n; the estimates are filled all the same).
void SJAMMD(int ESF, int NS, ConstRealArray DAT, TbfStats& STATS, int& RFLAG);

// Applicability analysis over the prefixes NSB .. NSE with measure TYP.
void SJAMMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE);
// The model's pieces for the shared scheme (for executions that run several measures).
TbfApplicabilityModel JelinskiMorandaApplicabilityModel();

// Probability of no failure in a further time LOP.
void SJAMP1(const TbfStats& STATS, double LOP, double& PVAL);
// Total MTBNF of the next K failures; ERRFLG = 1 when K exceeds the rounded number of
// remaining faults.
void SJAMP3(const TbfStats& STATS, int NS, double K, double& PVAL, int& ERRFLG);
// Further time (PVAL1) and failures (PVAL2, at most the remaining faults) until the intensity
// falls to DIF; ERRLFG = 1 when DIF is not below the current intensity.
void SJAMP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG);
// Expected failures in a further time LOP (at most the remaining faults).
void SJAMP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// Predicted times between failures, and the Kolmogorov fit of F at the observed times
// (V is returned sorted).
void SJAMPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V);

}  // namespace vnk
