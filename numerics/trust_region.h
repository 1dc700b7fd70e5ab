// The bounded trust-region Newton minimiser shared by the Littlewood and Verrall, Brooks and
// Motley and generalized Poisson (weighting 3) estimations: one implementation, its tolerances
// given by the caller.
//
// How the models call it
// ----------------------
// 1. Describe the problem: N parameters (1 to 3), the objective, its gradient and its Hessian
//    as callbacks, and the box LOWER/UPPER. The Hessian callback writes the leading N x N part
//    of a 3 x 3 matrix and must make it positive definite itself, as the models' Hessian
//    routines do: compute it, then call RegulariseHessian(N, H) (numerics/eigen.h).
// 2. Choose the settings: TrustRegionSettings::LittlewoodVerrall(), ::BrooksMotley() or
//    ::GeneralizedPoisson(). They differ only in the gradient tolerance of the stopping test
//    (1e-8, 1e-4, 1e-8); the step tolerance is 1e-4 for all three.
// 3. Call TrustRegionMinimise with the start point (already clamped into the box by the model's
//    own start rule) and MAXIC. RFLAG comes back 0 (converged), 1 (MAXIC reached) or 2 (eleven
//    consecutive rejected trials: the trust region cannot be adjusted). RESULT.X is in every
//    case the point from which the last accepted step was taken (the reported estimates);
//    RESULT.F, RESULT.G and RESULT.H are the objective, gradient and (regularised) Hessian
//    there, so standard errors follow from CholeskyFactor + CholeskyInverse of RESULT.H.
//
//   Littlewood and Verrall (x = alpha, beta0, beta1; bounds 1e-10 .. 1e10):
//     TrustRegionProblem p;
//     p.N = 3;
//     p.objective = [&](ConstRealArray x) { double F; LavObjective(DAT, 1, 3, NS, PHIIND, x, F);
//                                           return F; };
//     p.gradient  = [&](ConstRealArray x, RealArray G) { LavGradient(DAT, 3, NS, PHIIND, x, G); };
//     p.hessian   = [&](ConstRealArray x, RealMatrix H) { LavHessian(DAT, 3, NS, PHIIND, x, H); };
//     p.LOWER = {1e-10, 1e-10, 1e-10};
//     p.UPPER = {1e10, 1e10, 1e10};
//     TrustRegionResult r;
//     TrustRegionMinimise(p, start, MAXIC, TrustRegionSettings::LittlewoodVerrall(), r, RFLAG);
//
//   Brooks and Motley (x = N, q; N in [Nmin, 1e10], q in [1e-10, 0.999]): the same with
//     p.N = 2 and TrustRegionSettings::BrooksMotley(); generalized Poisson weighting 3
//     (x = N, alpha) with TrustRegionSettings::GeneralizedPoisson().
//
// The procedure
// -------------
// At the start point: F, G, H; the Newton step d = H^-1 G (CholeskyFactor/CholeskySolve);
// scales s_j = sqrt((H^-1)_jj), kept for the whole run; radius r = 0.5 * max_j |d_j| / s_j;
// iteration counter k = 1. Each iteration (H recomputed at x when k != 1) tries steps:
//   box lo_j = max(x_j - r*s_j, LOWER_j), hi_j = min(x_j + r*s_j, UPPER_j);
//   x+ = BoxNewtonStep(G, H, N, hi, lo, x); f+ = f(x+); q = G . (x+ - x);
//   accepted when f+ <= F + 0.0001*q. On a rejection (counter t): at t = 1, rho = the smallest
//   |x+_j - x_j| / s_j over the moved components (starting from r), r0 = r, r = 0.9*rho when
//   rho < r; at 2 <= t <= 10, or t = 1 with r0 <= rho, r *= clamp(-q / (2((f+ - F) - q)),
//   0.1, 0.5). Eleven rejections: RFLAG 2.
// After an acceptance: k += 1; k > MAXIC gives RFLAG 1. Otherwise G+ = gradient at x+;
// |x+ - x| < stepTolerance or |G+| < gradientTolerance gives RFLAG 0. Otherwise
// e = |q + 0.5 (x+ - x)^T H (x+ - x) + F - f+|; e <= 0.1|f+| doubles r, e >= 0.75|f+| halves it;
// x = x+ and the next iteration begins.
//
// Two points where this minimiser is deliberately sounder than a literal reading:
// - A trial whose objective is not a number is rejected (the comparison is written so that
//   NaN fails it), and a not-a-number radius factor counts as 0.1.
// - Eleven rejections caused only by rounding are a converged optimum, not a failure: when
//   every rejected trial had a finite objective and predicted a decrease -q no larger than
//   roundingTolerance * |F|, no decrease can be seen in double arithmetic and RFLAG is 0.
#pragma once

#include <array>
#include <functional>

#include "numerics/conventions.h"
#include "numerics/matrix3.h"

namespace vnk {

// The function to minimise over N = 1..3 parameters inside LOWER <= x <= UPPER. Every
// callback receives x as a view of N elements.
struct TrustRegionProblem {
    int N = 0;
    std::function<double(ConstRealArray X)> objective;
    // Writes G(1..N).
    std::function<void(ConstRealArray X, RealArray G)> gradient;
    // Writes the leading N x N part of H (3 x 3 storage) and leaves it positive definite
    // (RegulariseHessian).
    std::function<void(ConstRealArray X, RealMatrix H)> hessian;
    std::array<double, 3> LOWER{};
    std::array<double, 3> UPPER{};
};

// Constants of the procedure. The defaults are the Brooks and Motley values.
struct TrustRegionSettings {
    // Stop (RFLAG 0) when the accepted step is shorter than this (Euclidean norm) ...
    double stepTolerance = 1e-4;
    // ... or the gradient at its end point is smaller than this.
    double gradientTolerance = 1e-4;
    // A trial is accepted when f+ <= f + acceptance * q, q = G . (x+ - x).
    double acceptance = 1e-4;
    // Consecutive rejected trials before RFLAG 2.
    int maxTrials = 11;
    // Initial radius = initialRadiusFactor * max_j |d_j| / s_j.
    double initialRadiusFactor = 0.5;
    // First rejection: the radius becomes shrinkToStep times the scaled length of the step.
    double shrinkToStep = 0.9;
    // Later rejections multiply the radius by the model-based factor clamped into this range.
    double minFactor = 0.1;
    double maxFactor = 0.5;
    // After an acceptance, with e the quadratic model's error: e <= expandBelow * |f+| multiplies
    // the radius by expandFactor, e >= contractAbove * |f+| by contractFactor.
    double expandBelow = 0.1;
    double contractAbove = 0.75;
    double expandFactor = 2.0;
    double contractFactor = 0.5;
    // Rejections whose predicted decrease is at most this fraction of |F| are rounding only.
    // 0.0 restores the literal reading (such a run ends with RFLAG 2).
    double roundingTolerance = 1e-12;

    static TrustRegionSettings LittlewoodVerrall();
    static TrustRegionSettings BrooksMotley();
    static TrustRegionSettings GeneralizedPoisson();
};

// What one accepted step looked like, for a caller that wants to follow the iteration.
struct TrustRegionIteration {
    int iteration = 0;    // the counter after the acceptance (2 for the first accepted step)
    ConstRealArray XOLD;  // the point the step started from
    ConstRealArray XNEW;  // the accepted point
    double FOLD = 0.0;
    double FNEW = 0.0;
    double radius = 0.0;  // the radius the accepted trial used
    int rejections = 0;   // rejected trials before this one in the same iteration
};
using TrustRegionObserver = std::function<void(const TrustRegionIteration&)>;

struct TrustRegionResult {
    // The reported point: where the last accepted step started (the start point when no step
    // was accepted), and the objective, gradient and Hessian (as the callback returned it) there.
    std::array<double, 3> X{};
    double F = 0.0;
    std::array<double, 3> G{};
    Matrix3 H;
    // The scales s_j from the inverse Hessian at the start point.
    std::array<double, 3> scales{};
    // The trust radius when the run ended.
    double radius = 0.0;
    // The iteration counter when the run ended (1 + accepted steps).
    int iterations = 0;
    // Objective evaluations, start point included.
    int evaluations = 0;
};

// Minimises PROBLEM from XSTART (N elements; each clamped into [LOWER, UPPER]) with at most
// MAXIC iterations. RFLAG: 0 converged, 1 iteration maximum, 2 trust region cannot be adjusted.
void TrustRegionMinimise(const TrustRegionProblem& PROBLEM, ConstRealArray XSTART, int MAXIC,
                         const TrustRegionSettings& SETTINGS, TrustRegionResult& RESULT, int& RFLAG,
                         const TrustRegionObserver& OBSERVER = {});

}  // namespace vnk
