#include "numerics/trust_region.h"

#include <cmath>
#include <limits>

#include "numerics/box_newton.h"
#include "numerics/cholesky.h"

namespace vnk {
namespace {

using Vector3 = std::array<double, 3>;

double euclideanNorm(const Vector3& v, int n) {
    double sum = 0.0;
    for (int i = 0; i < n; ++i) sum += v[i] * v[i];
    return std::sqrt(sum);
}

bool allFinite(const Vector3& v, int n) {
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(v[i])) return false;
    }
    return true;
}

// The larger of the box bound and the trust-region side; a side that is not a number (the
// scales of a Hessian that is not positive definite) leaves the box bound.
double raiseTo(double side, double bound) { return side > bound ? side : bound; }
double lowerTo(double side, double bound) { return side < bound ? side : bound; }

}  // namespace

TrustRegionSettings TrustRegionSettings::LittlewoodVerrall() {
    TrustRegionSettings s;
    s.gradientTolerance = 1e-8;
    return s;
}

TrustRegionSettings TrustRegionSettings::BrooksMotley() { return TrustRegionSettings{}; }

TrustRegionSettings TrustRegionSettings::GeneralizedPoisson() {
    TrustRegionSettings s;
    s.gradientTolerance = 1e-8;
    return s;
}

void TrustRegionMinimise(const TrustRegionProblem& PROBLEM, ConstRealArray XSTART, int MAXIC,
                         const TrustRegionSettings& SETTINGS, TrustRegionResult& RESULT, int& RFLAG,
                         const TrustRegionObserver& OBSERVER) {
    const int n = PROBLEM.N;
    assert(n >= 1 && n <= 3);
    const TrustRegionSettings& s = SETTINGS;
    RESULT = TrustRegionResult{};

    Vector3 lower{};
    Vector3 upper{};
    Vector3 x{};
    for (int j = 0; j < n; ++j) {
        lower[j] = PROBLEM.LOWER[j];
        upper[j] = PROBLEM.UPPER[j];
        x[j] = lowerTo(raiseTo(XSTART(j + 1), lower[j]), upper[j]);
    }
    const ConstRealArray xView(x.data(), n);

    // Start: objective, gradient, Hessian, Newton step and the scales of the whole run.
    double f = PROBLEM.objective(xView);
    int evaluations = 1;
    Vector3 g{};
    PROBLEM.gradient(xView, RealArray(g.data(), n));
    Matrix3 H;
    PROBLEM.hessian(xView, H);

    Matrix3 factor;
    CholeskyFactor(H, n, factor);
    Vector3 newton{};
    CholeskySolve(n, factor, ConstRealArray(g.data(), n), RealArray(newton.data(), n));
    Matrix3 inverse;
    CholeskyInverse(n, factor, inverse);
    Vector3 sigma{};
    double largest = 0.0;
    for (int j = 0; j < n; ++j) {
        sigma[j] = std::sqrt(inverse(j + 1, j + 1));
        const double scaled = std::fabs(newton[j] / sigma[j]);
        // A not-a-number scale makes the radius not a number too (the box is then the bounds).
        if (std::isnan(scaled) || scaled > largest) largest = scaled;
    }
    double radius = s.initialRadiusFactor * largest;

    int k = 1;
    RFLAG = -1;
    Vector3 lo{};
    Vector3 hi{};
    Vector3 trial{};
    Vector3 trialGradient{};
    while (RFLAG == -1) {
        if (k != 1) PROBLEM.hessian(xView, H);

        int rejections = 0;
        bool accepted = false;
        // Whether every rejected trial so far predicted a decrease too small to be seen.
        bool roundingOnly = true;
        double fTrial = 0.0;
        double q = 0.0;
        double trialRadius = radius;
        while (true) {
            for (int j = 0; j < n; ++j) {
                lo[j] = raiseTo(x[j] - radius * sigma[j], lower[j]);
                hi[j] = lowerTo(x[j] + radius * sigma[j], upper[j]);
            }
            trialRadius = radius;
            BoxNewtonStep(ConstRealArray(g.data(), n), H, n, ConstRealArray(hi.data(), n),
                          ConstRealArray(lo.data(), n), xView, RealArray(trial.data(), n));
            q = 0.0;
            for (int j = 0; j < n; ++j) q += (trial[j] - x[j]) * g[j];
            // A step that is not finite is never offered to the objective.
            fTrial = allFinite(trial, n) ? PROBLEM.objective(ConstRealArray(trial.data(), n))
                                         : std::numeric_limits<double>::quiet_NaN();
            ++evaluations;
            // Written so that a not-a-number objective fails the test.
            if (fTrial <= f + s.acceptance * q) {
                accepted = true;
                break;
            }
            ++rejections;
            roundingOnly =
                roundingOnly && std::isfinite(fTrial) && -q <= s.roundingTolerance * std::fabs(f);
            // The first rejection cuts the radius to just inside the step it tried.
            double shortest = radius;
            const double previousRadius = radius;
            if (rejections == 1) {
                for (int j = 0; j < n; ++j) {
                    const double moved = std::fabs(trial[j] - x[j]);
                    if (trial[j] != x[j] && moved < shortest * sigma[j]) {
                        shortest = moved / sigma[j];
                    }
                }
                if (shortest < radius) radius = s.shrinkToStep * shortest;
            }
            if ((rejections >= 2 && rejections < s.maxTrials) ||
                (rejections == 1 && previousRadius <= shortest)) {
                double factorOfRadius = -q / (2.0 * ((fTrial - f) - q));
                if (std::isnan(factorOfRadius)) factorOfRadius = s.minFactor;
                factorOfRadius = std::fmin(std::fmax(factorOfRadius, s.minFactor), s.maxFactor);
                radius *= factorOfRadius;
            }
            if (rejections >= s.maxTrials) break;
        }

        if (!accepted) {
            // Rejected only because the predicted decreases are below what double arithmetic
            // can show: x is the optimum.
            RFLAG = roundingOnly ? status::kOk : status::kTrustRegion;
            break;
        }

        ++k;
        if (OBSERVER) {
            OBSERVER(TrustRegionIteration{k, xView, ConstRealArray(trial.data(), n), f, fTrial,
                                          trialRadius, rejections});
        }
        if (k > MAXIC) {
            RFLAG = status::kMaxIterations;
            break;
        }
        PROBLEM.gradient(ConstRealArray(trial.data(), n), RealArray(trialGradient.data(), n));
        Vector3 step{};
        for (int j = 0; j < n; ++j) step[j] = trial[j] - x[j];
        if (euclideanNorm(step, n) < s.stepTolerance ||
            euclideanNorm(trialGradient, n) < s.gradientTolerance) {
            RFLAG = status::kOk;
            break;
        }

        // How well the quadratic model predicted the change decides the next radius.
        double curvature = 0.0;
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) curvature += step[i] * H(i + 1, j + 1) * step[j];
        }
        const double modelError = std::fabs(q + 0.5 * curvature + f - fTrial);
        if (modelError <= s.expandBelow * std::fabs(fTrial)) radius *= s.expandFactor;
        if (modelError >= s.contractAbove * std::fabs(fTrial)) radius *= s.contractFactor;
        x = trial;
        f = fTrial;
        g = trialGradient;
    }

    RESULT.X = x;
    RESULT.F = f;
    RESULT.G = g;
    RESULT.H = H;
    RESULT.scales = sigma;
    RESULT.radius = radius;
    RESULT.iterations = k;
    RESULT.evaluations = evaluations;
}

}  // namespace vnk
