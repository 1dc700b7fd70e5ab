// Brooks and Motley's discrete model for interval data in which each interval tests a fraction
// of the program: binomial (ESF / BOPFLG = 1) and Poisson (2) variants of one likelihood in the
// total number of faults N and the per-unit detection probability q.
//
// Per interval i: C(i) faults found, L(i) testing length, F(i) fraction of the program tested,
// M(i) faults found earlier in that fraction. STATS (9 x 3, estimates only): row 4 q, row 5 N,
// row 6 N - (M(NS) + C(NS)).
#pragma once

#include <vector>

#include "numerics/conventions.h"

namespace vnk {

namespace bam_variant {
inline constexpr int kBinomial = 1;
inline constexpr int kPoisson = 2;
}  // namespace bam_variant

// Bounds of the estimation.
inline constexpr double kBamMaxFaults = 1e10;
inline constexpr double kBamMinDetection = 1e-10;
inline constexpr double kBamMaxDetection = 0.999;
// PEC set by the initial estimates.
inline constexpr double kBamInitialPec = 0.85;

// Initial estimates: PEC = 0.85, PED the mean per-interval detection rate, TNOF one more than
// the largest (C(i) + M(i)) / F(i); PED and TNOF truncated to four decimals. Traces its running
// PED and TNOF after each interval and the final pair before the truncation.
void SBAMIN(int NS, ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M,
            double& PEC, double& PED, double& TNOF);

// Maximum likelihood estimation by the bounded trust-region Newton method from N = TNOF and
// q = PED (each moved into its bounds). RFLAG: 0 success, 1 MAXIC reached, 2 trust region
// cannot be adjusted, 3 not appropriate (intervals with F(i) <= 0, L(i) <= 0 or values that
// are not finite; a likelihood with no finite maximum; a non-finite estimate), 4 N below
// M(NS) + C(NS).
void SBAMMD(int ESF, int NS, ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M,
            double PEC, double PED, double TNOF, int MAXIC, IntervalStats& STATS, int& RFLAG);

// Accuracy analysis: refits on the first k = NSB..NSE intervals (initial estimates from SBAMIN)
// and scores the count of interval k + 1; V(1..INDX) the scores, STAT their sum.
void SBAMMA(ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M, int NS, int NSB,
            int NSE, int NSR, int BOPFLG, int MAXIC, double& STAT, int& RFLAG, int& INDX,
            RealArray V);

// Expected faults in a next period of length LEXP testing the fraction FEXP with MEXP previous
// faults, capped at the remaining faults STATS(6).
void SBAMP1(double LEXP, double FEXP, double MEXP, const IntervalStats& STATS, double PEC,
            double& PVAL);

// Periods of length LEXP needed to find DNOF more faults. ERRFLG 1: DNOF above the remaining
// faults (0.5 tolerance); 2: no answer below PMAX periods (also for a PMAX that is not finite
// and an LEXP that is not positive). PVAL is 0 after an error.
void SBAMP2(double LEXP, double FEXP, double MEXP, const IntervalStats& STATS, double PEC,
            double DNOF, double PMAX, double& PVAL, int& ERRFLG);

// Predicted counts PDAT(i) and the chi-square fit with (element 1, CNN = CSCOM) and without
// (element 2) cell combination. CHI, LIF: two reals; DOF, RFLAG: two integers.
void SBAMPR(ConstRealArray C, ConstRealArray L, ConstRealArray F, ConstRealArray M, int NS,
            const IntervalStats& STATS, double PEC, int CSCOM, RealArray PDAT, RealArray CHI,
            IntArray DOF, RealArray LIF, IntArray RFLAG);

// The likelihood, exposed for the estimation and its tests.
struct BamData {
    int ESF = bam_variant::kBinomial;
    int NS = 0;
    ConstRealArray C, L, F, M;
    double PEC = kBamInitialPec;
};

// Each interval's p = 1 - (1 - q)^L(i) and its first two derivatives in q at one q. The
// estimation keeps one so that the objective, the gradient and the Hessian at a point (the
// trust region asks for all three at every accepted point) compute them once.
class BamDetectionTerms {
  public:
    struct Term {
        double p, dp, d2p;
    };
    // The terms at q, computed again only when q or the data differ from the last call.
    const std::vector<Term>& at(const BamData& data, double q);

  private:
    const double* lengths_ = nullptr;
    int NS_ = -1;
    double q_ = 0.0;
    std::vector<Term> terms_;
};

// f(N, q) = -log-likelihood (the constant ln C(i)! terms left out).
double BamObjective(const BamData& data, double N, double q);
// G(1) = df/dN, G(2) = df/dq.
void BamGradient(const BamData& data, double N, double q, RealArray G);
// The 2 x 2 Hessian of f as it is (not yet made positive definite).
void BamHessian(const BamData& data, double N, double q, RealMatrix H);
// The same three sharing the detection terms.
double BamObjective(const BamData& data, double N, double q, BamDetectionTerms& terms);
void BamGradient(const BamData& data, double N, double q, RealArray G, BamDetectionTerms& terms);
void BamHessian(const BamData& data, double N, double q, RealMatrix H, BamDetectionTerms& terms);
// The supremum of the log-likelihood as N grows without bound (q shrinking with N q fixed):
// the no-growth Poisson limit. -infinity when the limit falls short of every finite point
// (binomial variant with a fractional count).
double BamLimitLogLikelihood(const BamData& data);

}  // namespace vnk
