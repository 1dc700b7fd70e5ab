// Littlewood and Verrall models, linear (PHIIND = 1) and quadratic (PHIIND = 2). The i-th
// time between failures has F(x) = 1 - (psi(i) / (psi(i) + x))^alpha with
// psi(i) = beta0 + beta1 * i^PHIIND; the parameter vector is x = (alpha, beta0, beta1).
#pragma once

#include "numerics/conventions.h"
#include "numerics/tbf_applicability.h"

namespace vnk {

inline constexpr int kLavParameters = 3;
inline constexpr int kLavLinear = 1;
inline constexpr int kLavQuadratic = 2;
// Box every estimate is kept in.
inline constexpr double kLavLowerBound = 1e-10;
inline constexpr double kLavUpperBound = 1e10;

// F(x): with ESF = 1 the negative log-likelihood, otherwise the sum of squared differences
// between the data and the fitted means psi(i) / (alpha - 1).
void LavObjective(ConstRealArray DAT, int ESF, int NP, int NS, int PHIIND, ConstRealArray X,
                  double& F);
// Gradient of the negative log-likelihood.
void LavGradient(ConstRealArray DAT, int NP, int NS, int PHIIND, ConstRealArray X, RealArray G);
// Hessian of the negative log-likelihood (3 x 3 storage), shifted on its diagonal to be
// positive definite where it is not.
void LavHessian(ConstRealArray DAT, int NP, int NS, int PHIIND, ConstRealArray X, RealMatrix H);

// Estimation. ESF = 1 maximum likelihood from the starting values BETA = (beta0, beta1);
// ESF = 2 least squares (regression line, alpha = 2); ESF = 3 only the initial estimates
// for maximum likelihood (rows 2 and 3). RFLAG 0, 1 (MAXIC reached), 2 (trust region could
// not be adjusted) or 3 (model not applicable); Z the objective at the estimates.
void SLAVMD(int ESF, int NS, ConstRealArray DAT, int PHIIND, ConstRealArray BETA, int MAXIC,
            TbfStats& STATS, int& RFLAG, double& Z);

// The starting values offered for a maximum likelihood fit ("Beta0 ", "Beta1 "): rows 2 and 3
// of an ESF = 3 estimation.
struct LavStartingValues {
    double beta0 = 0.0;
    double beta1 = 0.0;
    int RFLAG = 0;
};
LavStartingValues LavInitialEstimates(int NS, ConstRealArray DAT, int PHIIND);

// Applicability analysis over the prefixes NSB .. NSE with measure TYP (1 accuracy, 2 bias,
// 3 noise, 4 trend).
void SLAVMA(ConstRealArray DAT, int NS, int NSB, int NSE, int NSR, int TYP, int MAXIC, int PHIIND,
            double& STAT, int& RFLAG, int& INDX, RealArray V, RealArray VPRE);
// The model's pieces for the shared scheme (for executions that run several measures).
TbfApplicabilityModel LittlewoodVerrallApplicabilityModel(int MAXIC, int PHIIND);

// Total mean time between failures over the next K failures.
void SLAVP3(const TbfStats& STATS, int NS, double K, int PHIIND, double& PVAL);
// Further time (PVAL1) and failures (PVAL2) until the intensity falls to DIF; ERRLFG = 1 when
// DIF is not below the current intensity. Linear model only.
void SLAVP4(const TbfStats& STATS, double DIF, double& PVAL1, double& PVAL2, int& ERRLFG);
// Expected failures in a further time LOP.
void SLAVP6(const TbfStats& STATS, ConstRealArray DAT, int NS, double LOP, int PHIIND,
            double& PVAL);
// Predicted times between failures, and the Kolmogorov fit of F at the observed times.
void SLAVPR(const TbfStats& STATS, int NS, ConstRealArray DAT, int PHIIND, RealArray PDAT,
            double& DVAL, int& DFLG, RealArray V);

}  // namespace vnk
