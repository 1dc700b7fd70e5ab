// The non-homogeneous Poisson process model for time-between-failure data: mean value
// function a * (1 - exp(-b * t)), a the total number of faults and b the proportionality
// constant. Every routine takes cumulative failure times t(1) <= ... <= t(NS) (the running
// sum of the times between failures), not the times between failures themselves.
//
// STATS rows (column 1 only): 4 b, 6 initial intensity a*b, 7 current intensity at t(NS),
// 10 total faults a, 11 faults remaining, 12 purification level.
#pragma once

#include "numerics/conventions.h"
#include "numerics/tbf_applicability.h"

namespace vnk {

// Estimation by maximum likelihood. RFLAG: 0 success, 3 no root bracketed (or unusable
// data, or a non-finite estimate), 4 total faults below the number observed.
void SNPTMD(int NS, ConstRealArray DAT, TbfStats& STATS, int& RFLAG);

// Applicability analysis (scheme shared by every TBF model) on cumulative failure times.
void SNPTMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, double& STAT,
            int& RFLAG, int& INDX, RealArray V, RealArray VPRE);
TbfApplicabilityModel NhppTbfApplicabilityModel();

// Reliability over a further operating time LOP.
void SNPTP1(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// The test time at which the reliability over an operational time SOT reaches SR. Only
// 0 < SR < 1 can be reached; for any other SR the time is not finite and PVAL is 0.0.
void SNPTP2(const TbfStats& STATS, double SOT, double SR, double& PVAL);
// Further test time to reach the intensity DIF; ERRLFG 1 when DIF is not below the current
// intensity.
void SNPTP4(const TbfStats& STATS, double DIF, double& PVAL, int& ERRLFG);
// Expected failures in a further operating time LOP (at most the faults remaining).
void SNPTP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, double& PVAL);
// Predicted times between failures, distribution function values (returned sorted in V) and
// their Kolmogorov test.
void SNPTPR(const TbfStats& STATS, int NS, ConstRealArray DAT, RealArray PDAT, double& DVAL,
            int& DFLG, RealArray V);

}  // namespace vnk
