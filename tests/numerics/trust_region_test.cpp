// The bounded trust-region minimiser shared by the models.
#include "numerics/trust_region.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "numerics/eigen.h"

namespace {

using vnk::ConstRealArray;
using vnk::RealArray;
using vnk::RealMatrix;
using vnk::TrustRegionProblem;
using vnk::TrustRegionResult;
using vnk::TrustRegionSettings;

// f = 1/2 (x - c)^T A (x - c) + 5 with a fixed positive definite A.
struct Quadratic {
    double a[3][3] = {{4.0, 1.0, 0.5}, {1.0, 3.0, -0.4}, {0.5, -0.4, 2.0}};
    std::array<double, 3> c = {1.5, -2.0, 0.25};

    TrustRegionProblem problem(std::array<double, 3> lower, std::array<double, 3> upper) const {
        TrustRegionProblem p;
        p.N = 3;
        p.objective = [this](ConstRealArray x) {
            double f = 5.0;
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j)
                    f += 0.5 * (x(i + 1) - c[i]) * a[i][j] * (x(j + 1) - c[j]);
            }
            return f;
        };
        p.gradient = [this](ConstRealArray x, RealArray g) {
            for (int i = 0; i < 3; ++i) {
                g(i + 1) = 0.0;
                for (int j = 0; j < 3; ++j) g(i + 1) += a[i][j] * (x(j + 1) - c[j]);
            }
        };
        p.hessian = [this](ConstRealArray, RealMatrix h) {
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) h(i + 1, j + 1) = a[i][j];
            }
        };
        p.LOWER = lower;
        p.UPPER = upper;
        return p;
    }
};

TEST(TrustRegionMinimise, ConvergesOnAConvexQuadratic) {
    const Quadratic q;
    const auto problem = q.problem({-10, -10, -10}, {10, 10, 10});
    const std::array<double, 3> start = {-3.0, 4.0, 6.0};
    struct Step {
        std::array<double, 3> from, to;
    };
    std::vector<Step> steps;
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(problem, start, 1000, TrustRegionSettings::BrooksMotley(), r, RFLAG,
                             [&](const vnk::TrustRegionIteration& it) {
                                 steps.push_back({{it.XOLD(1), it.XOLD(2), it.XOLD(3)},
                                                  {it.XNEW(1), it.XNEW(2), it.XNEW(3)}});
                             });
    EXPECT_EQ(RFLAG, 0);
    EXPECT_EQ(r.iterations, 3);
    // The second step lands on the minimum (zero gradient there); the reported point is where
    // that last accepted step started.
    ASSERT_EQ(steps.size(), 2u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(steps[1].to[i], q.c[i], 1e-12);
        EXPECT_EQ(r.X[i], steps[1].from[i]);
    }
    EXPECT_EQ(r.F, problem.objective(ConstRealArray(r.X.data(), 3)));
    // The scales are the square roots of the inverse Hessian's diagonal: for this A,
    // (A^-1)_11 = (3*2 - 0.16) / det with det = 4*(6 - 0.16) - 1*(2 + 0.2) + 0.5*(-0.4 - 1.5).
    const double det = 4.0 * 5.84 - 2.2 + 0.5 * (-1.9);
    EXPECT_NEAR(r.scales[0], std::sqrt(5.84 / det), 1e-12);
    // Result gradient and Hessian belong to the reported point.
    std::array<double, 3> g{};
    problem.gradient(ConstRealArray(r.X.data(), 3), RealArray(g.data(), 3));
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(r.G[i], g[i]);
    EXPECT_EQ(r.H(2, 3), -0.4);
}

TEST(TrustRegionMinimise, StopsOnAnActiveBoundAtTheOptimum) {
    const Quadratic q;
    // c(1) = 1.5 lies beyond the upper bound 1.0: the minimum has x1 on that bound.
    const auto problem = q.problem({-10, -10, -10}, {1.0, 10, 10});
    const std::array<double, 3> start = {-3.0, 4.0, 6.0};
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(problem, start, 1000, TrustRegionSettings::BrooksMotley(), r, RFLAG);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_EQ(r.X[0], 1.0);
    // With x1 held at 1: the other two solve their block of A (x - c) = 0 given dx1 = -0.5.
    //   3 d2 - 0.4 d3 = 0.5, -0.4 d2 + 2 d3 = 0.25.
    const double det = 6.0 - 0.16;
    const double d2 = (0.5 * 2.0 + 0.4 * 0.25) / det;
    const double d3 = (3.0 * 0.25 + 0.4 * 0.5) / det;
    EXPECT_NEAR(r.X[1], q.c[1] + d2, 1e-4);
    EXPECT_NEAR(r.X[2], q.c[2] + d3, 1e-4);
    EXPECT_LT(r.G[0], 0.0);  // the objective still falls beyond the bound
}

TrustRegionProblem rosenbrock(std::array<double, 3> lower, std::array<double, 3> upper) {
    TrustRegionProblem p;
    p.N = 2;
    p.objective = [](ConstRealArray x) {
        const double a = x(2) - x(1) * x(1);
        const double b = 1.0 - x(1);
        return 100.0 * a * a + b * b;
    };
    p.gradient = [](ConstRealArray x, RealArray g) {
        const double a = x(2) - x(1) * x(1);
        g(1) = -400.0 * x(1) * a - 2.0 * (1.0 - x(1));
        g(2) = 200.0 * a;
    };
    p.hessian = [](ConstRealArray x, RealMatrix h) {
        h(1, 1) = 1200.0 * x(1) * x(1) - 400.0 * x(2) + 2.0;
        h(1, 2) = h(2, 1) = -400.0 * x(1);
        h(2, 2) = 200.0;
        vnk::RegulariseHessian(2, h);
    };
    p.LOWER = lower;
    p.UPPER = upper;
    return p;
}

TEST(TrustRegionMinimise, FindsTheRosenbrockValleyFloorInsideABox) {
    const auto problem = rosenbrock({-2.0, -1.0, 0.0}, {2.0, 3.0, 0.0});
    for (const std::array<double, 3> start :
         {std::array<double, 3>{-1.2, 1.0, 0.0}, std::array<double, 3>{1.9, -0.9, 0.0},
          std::array<double, 3>{-5.0, 9.0, 0.0}}) {
        TrustRegionResult r;
        int RFLAG = -7;
        vnk::TrustRegionMinimise(problem, start, 1000, TrustRegionSettings::LittlewoodVerrall(), r,
                                 RFLAG);
        EXPECT_EQ(RFLAG, 0) << start[0];
        EXPECT_NEAR(r.X[0], 1.0, 1e-3) << start[0];
        EXPECT_NEAR(r.X[1], 1.0, 2e-3) << start[0];
    }

    // With the box cutting the valley (x1 <= 0.5) the minimum sits on x1 = 0.5, x2 = 0.25.
    const auto cut = rosenbrock({-2.0, -1.0, 0.0}, {0.5, 3.0, 0.0});
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(cut, std::array<double, 3>{-1.2, 1.0, 0.0}, 1000,
                             TrustRegionSettings::LittlewoodVerrall(), r, RFLAG);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_EQ(r.X[0], 0.5);
    EXPECT_NEAR(r.X[1], 0.25, 1e-4);
}

TEST(TrustRegionMinimise, IterationMaximumGivesStatusOneAtTheLastStartPoint) {
    const auto problem = rosenbrock({-2.0, -1.0, 0.0}, {2.0, 3.0, 0.0});
    const std::array<double, 3> start = {-1.2, 1.0, 0.0};
    std::vector<vnk::TrustRegionIteration> steps;
    std::vector<std::array<double, 2>> from;
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(problem, start, 1, TrustRegionSettings::LittlewoodVerrall(), r, RFLAG,
                             [&](const vnk::TrustRegionIteration& it) {
                                 steps.push_back(it);
                                 from.push_back({it.XOLD(1), it.XOLD(2)});
                             });
    EXPECT_EQ(RFLAG, 1);
    EXPECT_EQ(r.iterations, 2);
    ASSERT_EQ(steps.size(), 1u);
    // MAXIC = 1 stops after the first accepted step and reports where it started.
    EXPECT_EQ(r.X[0], -1.2);
    EXPECT_EQ(r.X[1], 1.0);
    EXPECT_EQ(from[0][0], -1.2);
    EXPECT_DOUBLE_EQ(r.F, 24.2);

    // A larger maximum: the observer sees one call per accepted step, each from the previous
    // accepted point.
    steps.clear();
    from.clear();
    std::vector<std::array<double, 2>> to;
    vnk::TrustRegionMinimise(problem, start, 5, TrustRegionSettings::LittlewoodVerrall(), r, RFLAG,
                             [&](const vnk::TrustRegionIteration& it) {
                                 from.push_back({it.XOLD(1), it.XOLD(2)});
                                 to.push_back({it.XNEW(1), it.XNEW(2)});
                                 EXPECT_LE(it.FNEW, it.FOLD);
                             });
    EXPECT_EQ(RFLAG, 1);
    ASSERT_EQ(to.size(), 5u);
    for (std::size_t i = 1; i < to.size(); ++i) EXPECT_EQ(from[i], to[i - 1]);
    EXPECT_EQ(r.X[0], from.back()[0]);
}

// f = (x - 3)^2 with a gradient of the wrong sign: every predicted decrease is a real increase.
TrustRegionProblem misleading() {
    TrustRegionProblem p;
    p.N = 1;
    p.objective = [](ConstRealArray x) { return (x(1) - 3.0) * (x(1) - 3.0); };
    p.gradient = [](ConstRealArray x, RealArray g) { g(1) = -2.0 * (x(1) - 3.0); };
    p.hessian = [](ConstRealArray, RealMatrix h) { h(1, 1) = 2.0; };
    p.LOWER = {-100.0, 0.0, 0.0};
    p.UPPER = {100.0, 0.0, 0.0};
    return p;
}

TEST(TrustRegionMinimise, ElevenRejectionsGiveStatusTwo) {
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(misleading(), std::array<double, 1>{6.0}, 1000,
                             TrustRegionSettings::BrooksMotley(), r, RFLAG);
    EXPECT_EQ(RFLAG, 2);
    EXPECT_EQ(r.X[0], 6.0);
    EXPECT_EQ(r.evaluations, 12);  // the start and eleven trials
    EXPECT_EQ(r.iterations, 1);
}

TEST(TrustRegionMinimise, TrialsWhoseObjectiveIsNotANumberAreRejected) {
    auto p = misleading();
    p.objective = [](ConstRealArray x) {
        return x(1) == 6.0 ? 9.0 : std::numeric_limits<double>::quiet_NaN();
    };
    p.gradient = [](ConstRealArray x, RealArray g) { g(1) = 2.0 * (x(1) - 3.0); };
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(p, std::array<double, 1>{6.0}, 1000,
                             TrustRegionSettings::LittlewoodVerrall(), r, RFLAG);
    EXPECT_EQ(RFLAG, 2);
    EXPECT_EQ(r.X[0], 6.0);
    EXPECT_EQ(r.F, 9.0);
}

TEST(TrustRegionMinimise, ANonFiniteHessianEndsWithStatusTwo) {
    auto p = misleading();
    p.gradient = [](ConstRealArray x, RealArray g) { g(1) = 2.0 * (x(1) - 3.0); };
    p.hessian = [](ConstRealArray, RealMatrix h) {
        h(1, 1) = std::numeric_limits<double>::quiet_NaN();
    };
    int calls = 0;
    auto objective = p.objective;
    p.objective = [&](ConstRealArray x) {
        EXPECT_TRUE(std::isfinite(x(1)));
        ++calls;
        return objective(x);
    };
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(p, std::array<double, 1>{6.0}, 1000,
                             TrustRegionSettings::BrooksMotley(), r, RFLAG);
    EXPECT_EQ(RFLAG, 2);
    EXPECT_EQ(calls, 1);  // not-a-number trial points are never evaluated
}

// f = 1e8 + (x - 1)^2 plus noise of a few units in the last place away from x = 1, with a
// gradient slightly off zero there (as rounding in an analytic gradient leaves it): every
// trial near the optimum looks worse only by rounding.
TrustRegionProblem roundingFloor() {
    TrustRegionProblem p;
    p.N = 1;
    p.objective = [](ConstRealArray x) {
        const double base = 1e8 + (x(1) - 1.0) * (x(1) - 1.0);
        if (x(1) == 1.0) return base;
        const auto bits = std::bit_cast<std::uint64_t>(x(1));
        return base * (1.0 + 4e-16 * static_cast<double>(1 + bits % 7));
    };
    p.gradient = [](ConstRealArray x, RealArray g) { g(1) = 2.0 * (x(1) - 1.0) + 1e-2; };
    p.hessian = [](ConstRealArray, RealMatrix h) { h(1, 1) = 2.0; };
    p.LOWER = {-100.0, 0.0, 0.0};
    p.UPPER = {100.0, 0.0, 0.0};
    return p;
}

TEST(TrustRegionMinimise, RejectionsCausedOnlyByRoundingMeanTheOptimumWasFound) {
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(roundingFloor(), std::array<double, 1>{1.0}, 1000,
                             TrustRegionSettings::BrooksMotley(), r, RFLAG);
    EXPECT_EQ(RFLAG, 0);
    EXPECT_EQ(r.X[0], 1.0);
    EXPECT_EQ(r.evaluations, 12);

    // The literal reading (no rounding allowance) calls the same run a failure.
    TrustRegionSettings literal = TrustRegionSettings::BrooksMotley();
    literal.roundingTolerance = 0.0;
    vnk::TrustRegionMinimise(roundingFloor(), std::array<double, 1>{1.0}, 1000, literal, r, RFLAG);
    EXPECT_EQ(RFLAG, 2);
}

TEST(TrustRegionMinimise, StartOutsideTheBoxIsClampedAndSettingsDifferOnlyInGradientTolerance) {
    const Quadratic q;
    const auto problem = q.problem({0, 0, 0}, {10, 10, 10});
    TrustRegionResult r;
    int RFLAG = -7;
    vnk::TrustRegionMinimise(problem, std::array<double, 3>{-5.0, -5.0, 20.0}, 1,
                             TrustRegionSettings::BrooksMotley(), r, RFLAG);
    EXPECT_EQ(RFLAG, 1);
    EXPECT_EQ(r.X, (std::array<double, 3>{0.0, 0.0, 10.0}));

    const auto lv = TrustRegionSettings::LittlewoodVerrall();
    const auto bm = TrustRegionSettings::BrooksMotley();
    const auto gp = TrustRegionSettings::GeneralizedPoisson();
    EXPECT_EQ(lv.gradientTolerance, 1e-8);
    EXPECT_EQ(gp.gradientTolerance, 1e-8);
    EXPECT_EQ(bm.gradientTolerance, 1e-4);
    EXPECT_EQ(lv.stepTolerance, 1e-4);
    EXPECT_EQ(bm.maxTrials, 11);
}

}  // namespace
