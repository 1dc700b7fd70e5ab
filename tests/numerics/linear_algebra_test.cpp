// Cholesky factor and solve, eigenvalues, the Hessian rule, and the box-constrained Newton step.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <random>

#include "numerics/box_newton.h"
#include "numerics/cholesky.h"
#include "numerics/eigen.h"
#include "numerics/matrix3.h"

namespace {

using vnk::ConstRealArray;
using vnk::Matrix3;
using vnk::RealArray;
using Vector3 = std::array<double, 3>;

Matrix3 symmetric(std::initializer_list<std::initializer_list<double>> rows) {
    Matrix3 m;
    int i = 1;
    for (const auto& row : rows) {
        int j = 1;
        for (double v : row) m(i, j++) = v;
        ++i;
    }
    return m;
}

std::array<double, 3> eigenvalues(Matrix3 a, int n) {
    Vector3 w1{}, w2{}, eig{};
    vnk::SymmetricEigenvalues(3, n, a, RealArray(w1.data(), n), RealArray(w2.data(), n),
                              RealArray(eig.data(), n));
    return eig;
}

TEST(Cholesky, FactorsAndSolvesAKnownPositiveDefiniteMatrix) {
    // A = L L^T with L = [2 0 0; 6 1 0; -8 5 3].
    const Matrix3 a = symmetric({{4, 12, -16}, {12, 37, -43}, {-16, -43, 98}});
    Matrix3 l;
    vnk::CholeskyFactor(a, 3, l);
    const double expected[3][3] = {{2, 0, 0}, {6, 1, 0}, {-8, 5, 3}};
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) EXPECT_NEAR(l(i, j), expected[i - 1][j - 1], 1e-12);
    }
    // A (1, 2, 3) = (-20, -43, 192); solving in place.
    Vector3 x = {-20, -43, 192};
    vnk::CholeskySolve(3, l, ConstRealArray(x.data(), 3), RealArray(x.data(), 3));
    EXPECT_NEAR(x[0], 1.0, 1e-12);
    EXPECT_NEAR(x[1], 2.0, 1e-12);
    EXPECT_NEAR(x[2], 3.0, 1e-12);

    Matrix3 inverse;
    vnk::CholeskyInverse(3, l, inverse);
    for (int i = 1; i <= 3; ++i) {
        for (int j = 1; j <= 3; ++j) {
            double product = 0.0;
            for (int k = 1; k <= 3; ++k) product += a(i, k) * inverse(k, j);
            EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-10);
        }
    }
}

TEST(Cholesky, UsesOnlyTheLeadingOrderAndLetsIndefiniteMatricesGiveNaN) {
    // Order 1 inside 3 x 3 storage: the rest of the storage is never read.
    Matrix3 a;
    a.values.fill(std::numeric_limits<double>::quiet_NaN());
    a(1, 1) = 9.0;
    Matrix3 l;
    vnk::CholeskyFactor(a, 1, l);
    EXPECT_DOUBLE_EQ(l(1, 1), 3.0);

    const Matrix3 indefinite = symmetric({{1, 2}, {2, 1}});
    vnk::CholeskyFactor(indefinite, 2, l);
    Vector3 x = {1.0, 1.0, 0.0};
    vnk::CholeskySolve(2, l, ConstRealArray(x.data(), 2), RealArray(x.data(), 2));
    EXPECT_TRUE(std::isnan(x[0]) || std::isnan(x[1]));
}

TEST(SymmetricEigenvalues, KnownSpectraComeOutAscending) {
    auto diagonal = eigenvalues(symmetric({{3, 0, 0}, {0, -1, 0}, {0, 0, 2}}), 3);
    EXPECT_NEAR(diagonal[0], -1.0, 1e-14);
    EXPECT_NEAR(diagonal[1], 2.0, 1e-14);
    EXPECT_NEAR(diagonal[2], 3.0, 1e-14);

    // [a b; b c]: (a + c)/2 -/+ sqrt(((a - c)/2)^2 + b^2).
    auto two = eigenvalues(symmetric({{5, 2}, {2, 1}}), 2);
    EXPECT_NEAR(two[0], 3.0 - std::sqrt(8.0), 1e-13);
    EXPECT_NEAR(two[1], 3.0 + std::sqrt(8.0), 1e-13);

    // The second-difference matrix of order 3: 2 - sqrt(2), 2, 2 + sqrt(2).
    auto three = eigenvalues(symmetric({{2, -1, 0}, {-1, 2, -1}, {0, -1, 2}}), 3);
    EXPECT_NEAR(three[0], 2.0 - std::sqrt(2.0), 1e-13);
    EXPECT_NEAR(three[1], 2.0, 1e-13);
    EXPECT_NEAR(three[2], 2.0 + std::sqrt(2.0), 1e-13);

    auto one = eigenvalues(symmetric({{-7}}), 1);
    EXPECT_DOUBLE_EQ(one[0], -7.0);
}

TEST(SymmetricEigenvalues, FullMatricesKeepTraceDeterminantAndNorm) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-1e3, 1e3);
    for (int trial = 0; trial < 200; ++trial) {
        Matrix3 a;
        for (int i = 1; i <= 3; ++i) {
            for (int j = 1; j <= i; ++j) a(i, j) = a(j, i) = u(rng);
        }
        const double trace = a(1, 1) + a(2, 2) + a(3, 3);
        const double det = a(1, 1) * (a(2, 2) * a(3, 3) - a(2, 3) * a(3, 2)) -
                           a(1, 2) * (a(2, 1) * a(3, 3) - a(2, 3) * a(3, 1)) +
                           a(1, 3) * (a(2, 1) * a(3, 2) - a(2, 2) * a(3, 1));
        double frobenius = 0.0;
        for (double v : a.values) frobenius += v * v;
        const auto eig = eigenvalues(a, 3);
        ASSERT_LE(eig[0], eig[1]);
        ASSERT_LE(eig[1], eig[2]);
        const double scale = std::sqrt(frobenius);
        EXPECT_NEAR(eig[0] + eig[1] + eig[2], trace, 1e-11 * scale);
        EXPECT_NEAR(eig[0] * eig[0] + eig[1] * eig[1] + eig[2] * eig[2], frobenius,
                    1e-11 * frobenius);
        EXPECT_NEAR(eig[0] * eig[1] * eig[2], det, 1e-10 * scale * scale * scale);
    }
}

TEST(SymmetricEigenvalues, NotANumberInputEndsWithoutHanging) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto eig = eigenvalues(symmetric({{1, nan, 0}, {nan, 2, 1}, {0, 1, 3}}), 3);
    EXPECT_TRUE(std::isnan(eig[0]) || std::isnan(eig[1]) || std::isnan(eig[2]));
}

TEST(RegulariseHessian, ShiftsOnlyMatricesThatAreNotPositiveDefinite) {
    // Eigenvalues -2 and 1: add 2 + 0.0001 * 1 to the diagonal.
    Matrix3 h = symmetric({{1, 0}, {0, -2}});
    vnk::RegulariseHessian(2, h);
    EXPECT_NEAR(h(1, 1), 3.0001, 1e-14);
    EXPECT_NEAR(h(2, 2), 0.0001, 1e-14);
    EXPECT_EQ(h(1, 2), 0.0);

    // Singular (smallest eigenvalue exactly 0): shifted by 0.0001 * largest.
    Matrix3 singular = symmetric({{0, 0}, {0, 2}});
    vnk::RegulariseHessian(2, singular);
    EXPECT_NEAR(singular(1, 1), 0.0002, 1e-15);
    EXPECT_NEAR(singular(2, 2), 2.0002, 1e-15);

    const Matrix3 positive = symmetric({{4, 1, 0}, {1, 3, 1}, {0, 1, 2}});
    Matrix3 unchanged = positive;
    vnk::RegulariseHessian(3, unchanged);
    EXPECT_EQ(unchanged.values, positive.values);
}

// The quadratic model's gradient at x.
Vector3 modelGradient(const Vector3& g, const Matrix3& h, int n, const Vector3& xold,
                      const Vector3& x) {
    Vector3 r{};
    for (int i = 1; i <= n; ++i) {
        r[i - 1] = g[i - 1];
        for (int j = 1; j <= n; ++j) r[i - 1] += h(i, j) * (x[j - 1] - xold[j - 1]);
    }
    return r;
}

Vector3 boxStep(const Vector3& g, const Matrix3& h, int n, const Vector3& upper,
                const Vector3& lower, const Vector3& xold) {
    Vector3 xnew{};
    vnk::BoxNewtonStep(ConstRealArray(g.data(), n), h, n, ConstRealArray(upper.data(), n),
                       ConstRealArray(lower.data(), n), ConstRealArray(xold.data(), n),
                       RealArray(xnew.data(), n));
    return xnew;
}

TEST(BoxNewtonStep, InteriorNewtonPointIsReturnedUnchanged) {
    const Matrix3 h = symmetric({{2, 0}, {0, 4}});
    const Vector3 g = {2.0, -4.0, 0.0};
    const Vector3 x = boxStep(g, h, 2, {5, 5, 0}, {-5, -5, 0}, {0, 0, 0});
    EXPECT_DOUBLE_EQ(x[0], -1.0);
    EXPECT_DOUBLE_EQ(x[1], 1.0);
}

TEST(BoxNewtonStep, PointBeyondAnUpperBoundStopsExactlyAtTheBound) {
    const Matrix3 h = symmetric({{2, 0}, {0, 4}});
    const Vector3 g = {2.0, -4.0, 0.0};
    const Vector3 x = boxStep(g, h, 2, {5, 0.3, 0}, {-5, -5, 0}, {0, 0, 0});
    EXPECT_EQ(x[1], 0.3);
    EXPECT_NEAR(x[0], -1.0, 1e-15);

    // Starting on the bound and pushed outward, the variable does not move.
    const Vector3 y = boxStep(g, h, 2, {5, 0.0, 0}, {-5, -5, 0}, {0, 0, 0});
    EXPECT_EQ(y[1], 0.0);
    EXPECT_NEAR(y[0], -1.0, 1e-15);
}

TEST(BoxNewtonStep, ReleasesABoundTheModelGradientPullsAwayFrom) {
    // H = [1 -0.8; -0.8 1], G = (-1, 3): the Newton path hits x1 = -0.5 first, then x2 = -1;
    // with x2 there the gradient in x1 is -0.7 < 0, so x1 leaves its lower bound and ends at
    // the free minimum 0.2.
    const Matrix3 h = symmetric({{1, -0.8}, {-0.8, 1}});
    const Vector3 g = {-1.0, 3.0, 0.0};
    const Vector3 x = boxStep(g, h, 2, {1, 0.5, 0}, {-0.5, -1, 0}, {0, 0, 0});
    EXPECT_NEAR(x[0], 0.2, 1e-14);
    EXPECT_EQ(x[1], -1.0);
}

TEST(BoxNewtonStep, StagesWorkAsDescribed) {
    std::array<int, 3> active = {0, 0, 0};
    // Two variables would cross their bounds at the same fraction of the move: the later one
    // becomes active.
    Vector3 p = {0.0, 0.0, 0.0};
    Vector3 xnew = {2.0, -4.0, 0.0};
    const Vector3 upper = {1.0, 1.0, 0.0};
    const Vector3 lower = {-1.0, -2.0, 0.0};
    const int k = vnk::ClipStepToBox(2, ConstRealArray(upper.data(), 2),
                                     ConstRealArray(lower.data(), 2), ConstRealArray(p.data(), 2),
                                     RealArray(xnew.data(), 2), vnk::IntArray(active.data(), 2));
    EXPECT_EQ(k, 2);
    EXPECT_EQ(active[0], 0);
    EXPECT_EQ(active[1], -1);
    EXPECT_DOUBLE_EQ(xnew[0], 1.0);
    EXPECT_EQ(xnew[1], -2.0);

    // A move that stays inside needs no clip.
    Vector3 inside = {0.5, 0.5, 0.0};
    EXPECT_EQ(vnk::ClipStepToBox(2, ConstRealArray(upper.data(), 2),
                                 ConstRealArray(lower.data(), 2), ConstRealArray(p.data(), 2),
                                 RealArray(inside.data(), 2), vnk::IntArray(active.data(), 2)),
              0);

    // Release: only bounds whose model gradient points into the box.
    const Matrix3 h = symmetric({{1, 0}, {0, 1}});
    const Vector3 g = {-1.0, 1.0, 0.0};
    const Vector3 xold = {0.0, 0.0, 0.0};
    const Vector3 at = {-0.5, -0.5, 0.0};  // gradient (-1.5, 0.5)
    std::array<int, 3> flags = {-1, -1, 0};
    EXPECT_EQ(vnk::ReleaseBounds(ConstRealArray(g.data(), 2), h, 2, ConstRealArray(xold.data(), 2),
                                 ConstRealArray(at.data(), 2), vnk::IntArray(flags.data(), 2)),
              1);
    EXPECT_EQ(flags[0], 0);
    EXPECT_EQ(flags[1], -1);
}

TEST(BoxNewtonStep, ResultIsTheBoxMinimumOfTheQuadraticModel) {
    // On random convex models the step satisfies the optimality conditions of the box problem:
    // zero model gradient for interior variables, a gradient pointing out of the box at a bound.
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    for (int trial = 0; trial < 2000; ++trial) {
        const int n = 1 + trial % 3;
        Matrix3 root;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) root(i, j) = u(rng);
        }
        Matrix3 h;
        for (int i = 1; i <= n; ++i) {
            for (int j = 1; j <= n; ++j) {
                double s = i == j ? 0.05 : 0.0;
                for (int k = 1; k <= n; ++k) s += root(i, k) * root(j, k);
                h(i, j) = s;
            }
        }
        Vector3 g{}, xold{}, lower{}, upper{};
        for (int i = 0; i < n; ++i) {
            g[i] = 3.0 * u(rng);
            xold[i] = u(rng);
            lower[i] = xold[i] - (trial % 5 == 0 ? 0.0 : 0.6 * (u(rng) + 1.0));
            upper[i] = xold[i] + 0.6 * (u(rng) + 1.0);
        }
        const Vector3 x = boxStep(g, h, n, upper, lower, xold);
        const Vector3 grad = modelGradient(g, h, n, xold, x);
        for (int i = 0; i < n; ++i) {
            ASSERT_GE(x[i], lower[i]);
            ASSERT_LE(x[i], upper[i]);
            if (x[i] == lower[i]) {
                EXPECT_GE(grad[i], -1e-9) << "trial " << trial;
            } else if (x[i] == upper[i]) {
                EXPECT_LE(grad[i], 1e-9) << "trial " << trial;
            } else {
                EXPECT_NEAR(grad[i], 0.0, 1e-9) << "trial " << trial;
            }
        }
    }
}

}  // namespace
