// The chi-square distribution function and its building blocks.
#include "numerics/chi_square.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ChiSquareCdf, CriticalValuesOfTheStandardTablesGiveTheirProbability) {
    // Upper 5% and 1% points from standard chi-square tables (three decimals printed).
    struct Point {
        int dof;
        double x;
        double p;
    };
    const Point points[] = {
        {1, 3.841, 0.95},   {2, 5.991, 0.95},   {3, 7.815, 0.95},   {5, 11.070, 0.95},
        {10, 18.307, 0.95}, {25, 37.652, 0.95}, {30, 43.773, 0.95}, {45, 61.656, 0.95},
        {50, 67.505, 0.95}, {1, 6.635, 0.99},   {4, 13.277, 0.99},  {20, 37.566, 0.99},
    };
    for (const Point& pt : points) {
        EXPECT_NEAR(vnk::ChiSquareCdf(pt.dof, pt.x), pt.p, 5e-4) << "DOF " << pt.dof;
    }
    // Lower tail, same tables: the 5% point of 10 degrees of freedom is 3.940.
    EXPECT_NEAR(vnk::ChiSquareCdf(10, 3.940), 0.05, 5e-4);
}

TEST(ChiSquareCdf, AboveFiftyDegreesUsesTheNormalApproximation) {
    for (int dof : {51, 60, 100, 500}) {
        for (double x : {0.5 * dof, 1.0 * dof, 1.3 * dof}) {
            EXPECT_DOUBLE_EQ(vnk::ChiSquareCdf(dof, x),
                             vnk::NormalCdf(std::sqrt(2.0 * x) - std::sqrt(2.0 * dof - 1.0)));
        }
    }
    // Standard tables: the 95% points of 60 and 100 degrees are 79.082 and 124.342; the
    // approximation is within a few thousandths there.
    EXPECT_NEAR(vnk::ChiSquareCdf(60, 79.082), 0.95, 5e-3);
    EXPECT_NEAR(vnk::ChiSquareCdf(100, 124.342), 0.95, 5e-3);
}

TEST(ChiSquareCdf, StaysAProbabilityAndRisesWithX) {
    for (int dof = 1; dof <= 60; ++dof) {
        double previous = 0.0;
        for (double x = 0.01; x < 400.0; x *= 1.3) {
            const double p = vnk::ChiSquareCdf(dof, x);
            ASSERT_GE(p, 0.0) << dof << " " << x;
            ASSERT_LE(p, 1.0) << dof << " " << x;
            ASSERT_GE(p, previous - 2e-5) << dof << " " << x;
            previous = p;
        }
        EXPECT_NEAR(previous, 1.0, 1e-5);
        EXPECT_LE(vnk::ChiSquareCdf(dof, 1e300), 1.0);
    }
}

TEST(ChiSquareCdf, DegenerateArgumentsHaveDefinedResults) {
    EXPECT_EQ(vnk::ChiSquareCdf(5, 0.0), 0.0);
    EXPECT_EQ(vnk::ChiSquareCdf(5, -3.0), 0.0);
    EXPECT_EQ(vnk::ChiSquareCdf(0, 3.0), 0.0);
    EXPECT_EQ(vnk::ChiSquareCdf(-2, 3.0), 0.0);
    EXPECT_EQ(vnk::ChiSquareCdf(3, std::numeric_limits<double>::infinity()), 1.0);
    EXPECT_EQ(vnk::ChiSquareCdf(80, std::numeric_limits<double>::infinity()), 1.0);
    EXPECT_TRUE(std::isnan(vnk::ChiSquareCdf(3, std::numeric_limits<double>::quiet_NaN())));
    // Two degrees of freedom in closed form: 1 - exp(-x/2).
    EXPECT_NEAR(vnk::ChiSquareCdf(2, 3.0), 1.0 - std::exp(-1.5), 1e-15);
}

TEST(ChiSquareBuildingBlocks, MatchKnownValues) {
    // Standard normal tables: Phi(1.96) = 0.9750, Phi(-1.645) = 0.0500, Phi(0) = 0.5.
    EXPECT_NEAR(vnk::NormalCdf(1.96), 0.9750, 5e-5);
    EXPECT_NEAR(vnk::NormalCdf(-1.645), 0.0500, 5e-5);
    EXPECT_EQ(vnk::NormalCdf(0.0), 0.5);
    EXPECT_NEAR(vnk::NormalCdf(1e6), 1.0, 1e-5);
    EXPECT_NEAR(vnk::NormalCdf(-1e6), 0.0, 1e-5);
    EXPECT_NEAR(vnk::NormalDensity(0.0), 0.3989422804, 1e-10);

    // Gamma(1/2) = sqrt(pi), Gamma(7/2) = 3.3233509704, Gamma(5) = 24.
    EXPECT_NEAR(vnk::GammaHalf(1), 1.7724538509, 1e-9);
    EXPECT_NEAR(vnk::GammaHalf(7), 3.3233509704, 1e-9);
    EXPECT_DOUBLE_EQ(vnk::GammaHalf(10), 24.0);
    EXPECT_DOUBLE_EQ(vnk::GammaHalf(2), 1.0);

    EXPECT_NEAR(vnk::ChiSquareDensity(2, 3.0), 0.5 * std::exp(-1.5), 1e-15);
    // Four degrees: x exp(-x/2) / 4.
    EXPECT_NEAR(vnk::ChiSquareDensity(4, 2.0), 0.5 * std::exp(-1.0), 1e-15);
    EXPECT_EQ(vnk::ChiSquareDensity(3, -1.0), 0.0);
    EXPECT_EQ(vnk::ChiSquareDensity(40, 1e6), 0.0);
}

TEST(AdaptiveSimpson, IntegratesToItsTolerance) {
    // Simpson's rule is exact for cubics.
    EXPECT_NEAR(vnk::AdaptiveSimpson([](double x) { return x * x * x - x; }, 0.0, 2.0, 1e-5), 2.0,
                1e-12);
    EXPECT_NEAR(vnk::AdaptiveSimpson([](double x) { return std::sin(x); }, 0.0, M_PI, 1e-5), 2.0,
                1e-5);
    // A narrow peak at the left end of a wide range is found.
    EXPECT_NEAR(vnk::AdaptiveSimpson(vnk::NormalDensity, 0.0, 1000.0, 1e-5), 0.5, 1e-5);
    EXPECT_EQ(vnk::AdaptiveSimpson([](double) { return 1.0; }, 1.0, 1.0, 1e-5), 0.0);
    // A function that never settles fills the stack and still returns.
    const double wild =
        vnk::AdaptiveSimpson([](double x) { return std::sin(1.0 / (x + 1e-12)); }, 0.0, 1.0, 1e-12);
    EXPECT_TRUE(std::isfinite(wild));
}

}  // namespace
