#include "numerics/chi_square.h"

#include <array>
#include <cassert>
#include <cmath>
#include <limits>

namespace vnk {
namespace {

// Beyond this many degrees of freedom the normal approximation is used.
constexpr int kExactDofLimit = 50;
// The standard normal density underflows to zero well before this; integrating further only
// costs subdivisions.
constexpr double kNormalIntegrationLimit = 40.0;
// Splits one integral may make. The stack limit bounds the depth, not the work: an integrand
// that never settles would otherwise be split about 2^200 times. The chi-square integrals
// need a few dozen.
constexpr int kSimpsonMaxSplits = 20000;

double simpson(double fa, double fm, double fb, double halfWidth) {
    return (fa + 4.0 * fm + fb) * halfWidth / 3.0;
}

}  // namespace

double NormalDensity(double T) { return std::exp(-T * T / 2.0) / std::sqrt(2.0 * kChiSquarePi); }

double NormalCdf(double Z) {
    if (std::isnan(Z)) return Z;
    const double upper = std::fmin(std::fabs(Z), kNormalIntegrationLimit);
    const double integral = AdaptiveSimpson(NormalDensity, 0.0, upper, kChiSquareTolerance);
    // The integral's tolerance must not carry the result outside [0, 1].
    const double p = Z >= 0.0 ? 0.5 + integral : 0.5 - integral;
    return std::fmin(std::fmax(p, 0.0), 1.0);
}

double GammaHalf(int N) {
    assert(N >= 1);
    if (N % 2 == 0) {
        // Gamma(k) = (k - 1)! for the whole number k = N / 2.
        double product = 1.0;
        for (int k = 2; k < N / 2; ++k) product *= k;
        return product;
    }
    // Gamma(k + 1/2) = sqrt(pi) * (1/2) (3/2) ... (k - 1/2).
    double product = std::sqrt(kChiSquarePi);
    for (int k = 1; 2 * k < N; ++k) product *= (2 * k - 1) / 2.0;
    return product;
}

double ChiSquareDensity(int DOF, double X) {
    if (DOF <= 0 || std::isnan(X)) return std::numeric_limits<double>::quiet_NaN();
    if (X <= 0.0) {
        // The density is 1/2 at 0 for two degrees of freedom, unbounded for one.
        if (X == 0.0 && DOF == 2) return 0.5;
        if (X == 0.0 && DOF == 1) return std::numeric_limits<double>::infinity();
        return 0.0;
    }
    if (std::isinf(X)) return 0.0;
    // In logarithms, so that large X neither overflows the power nor underflows the product.
    const double half = DOF / 2.0;
    const double logDensity =
        (half - 1.0) * std::log(X) - X / 2.0 - half * std::log(2.0) - std::log(GammaHalf(DOF));
    return std::exp(logDensity);
}

double AdaptiveSimpson(const std::function<double(double)>& F, double A, double B, double TOL) {
    struct Piece {
        double a, b, fa, fm, fb, whole, tol;
    };
    std::array<Piece, kSimpsonStackSize> stack;
    int size = 0;

    const double fa = F(A);
    const double fb = F(B);
    const double fm = F(0.5 * (A + B));
    stack[size++] = {A, B, fa, fm, fb, simpson(fa, fm, fb, 0.5 * (B - A)), TOL};

    double total = 0.0;
    int splits = 0;
    while (size > 0) {
        const Piece p = stack[--size];
        const double m = 0.5 * (p.a + p.b);
        const double leftMid = F(0.5 * (p.a + m));
        const double rightMid = F(0.5 * (m + p.b));
        const double quarter = 0.25 * (p.b - p.a);
        const double left = simpson(p.fa, leftMid, p.fm, quarter);
        const double right = simpson(p.fm, rightMid, p.fb, quarter);
        // Accepted when the halves agree with the whole; a full stack accepts as it is, and
        // a piece too narrow to halve cannot improve.
        const bool converged = std::fabs(left + right - p.whole) <= p.tol;
        const bool cannotSplit =
            size + 2 > kSimpsonStackSize || splits >= kSimpsonMaxSplits || !(p.a < m && m < p.b);
        if (converged || cannotSplit || !std::isfinite(left + right)) {
            total += left + right;
            continue;
        }
        ++splits;
        stack[size++] = {m, p.b, p.fm, rightMid, p.fb, right, 0.5 * p.tol};
        stack[size++] = {p.a, m, p.fa, leftMid, p.fm, left, 0.5 * p.tol};
    }
    return total;
}

double ChiSquareCdf(int DOF, double X) {
    if (std::isnan(X)) return X;
    if (DOF <= 0 || X <= 0.0) return 0.0;
    if (std::isinf(X)) return 1.0;

    double p;
    if (DOF > kExactDofLimit) {
        p = NormalCdf(std::sqrt(2.0 * X) - std::sqrt(2.0 * DOF - 1.0));
    } else {
        // P(k + 2) = P(k) - 2 f(k + 2), f the density: a finite sum on top of the one- or
        // two-degree value. Two degrees: 1 - exp(-X/2). One degree: the integral of its density,
        // 2 * integral of the normal density from 0 to sqrt(X) after substituting t = u^2
        // (which removes the density's singularity at 0).
        int k;
        if (DOF % 2 == 0) {
            p = 1.0 - std::exp(-X / 2.0);
            k = 2;
        } else {
            p = 2.0 * AdaptiveSimpson(NormalDensity, 0.0,
                                      std::fmin(std::sqrt(X), kNormalIntegrationLimit),
                                      kChiSquareTolerance);
            k = 1;
        }
        for (; k < DOF; k += 2) p -= 2.0 * ChiSquareDensity(k + 2, X);
    }
    return std::fmin(std::fmax(p, 0.0), 1.0);
}

}  // namespace vnk
