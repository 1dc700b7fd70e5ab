#include "numerics/crow_amsaa.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "crow_amsaa_fixture.h"
#include "numerics/chi_square.h"
#include "numerics/gamma_distribution.h"

namespace {

namespace st = vnk::crow_amsaa_status;
using vnk::BoundSides;
using vnk::ConfidenceBounds;
using vnk::CrowAmsaaFit;

struct Fitted {
    CrowAmsaaFit fit;
    int status = -1;
};

Fitted Fit(const std::vector<double>& times, double T) {
    Fitted f;
    vnk::CrowAmsaaTbf(static_cast<int>(times.size()), times, T, f.fit, f.status);
    return f;
}

std::string Fixed(double v, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", digits, v);
    return text;
}

TEST(CrowAmsaa, HandbookTrackingExample) {
    const Fitted f = Fit(crow_fixture::kHandbookTimes, crow_fixture::kHandbookEnd);
    ASSERT_EQ(f.status, st::kOk);
    EXPECT_TRUE(f.fit.timeTruncated);
    EXPECT_EQ(f.fit.n, 46);
    // The handbook prints beta-hat = 0.616 and lambda-hat = 0.332.
    EXPECT_EQ(Fixed(f.fit.beta, 3), "0.616");
    // Its 0.332 is 46 / 3000^0.616, from the rounded beta; the unrounded beta gives 0.3305.
    EXPECT_EQ(Fixed(46.0 / std::pow(3000.0, 0.616), 3), "0.332");
    EXPECT_EQ(Fixed(f.fit.lambda, 4), "0.3305");
    // Derived values against their definitions.
    EXPECT_NEAR(f.fit.unbiasedBeta, 45.0 / 46.0 * f.fit.beta, 1e-15);
    EXPECT_NEAR(f.fit.intensity, f.fit.lambda * f.fit.beta * std::pow(3000.0, f.fit.beta - 1.0),
                1e-14);
    EXPECT_NEAR(f.fit.instantaneousMtbf * f.fit.intensity, 1.0, 1e-14);
    EXPECT_DOUBLE_EQ(f.fit.cumulativeMtbf, 3000.0 / 46.0);
}

TEST(CrowAmsaa, FailureTruncatedUsesTheLastFailureAsEnd) {
    std::vector<double> t(crow_fixture::kHandbookTimes);
    const Fitted f = Fit(t, t.back());
    ASSERT_EQ(f.status, st::kOk);
    EXPECT_FALSE(f.fit.timeTruncated);
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < t.size(); ++i) sum += std::log(t.back() / t[i]);
    EXPECT_NEAR(f.fit.beta, 46.0 / sum, 1e-14);
    EXPECT_NEAR(f.fit.unbiasedBeta, 44.0 / 46.0 * f.fit.beta, 1e-15);
}

TEST(CrowAmsaa, BadInputGivesAStatusAndNoValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Fit({1, 2}, 3).status, st::kTooFewFailures);
    EXPECT_EQ(Fit({0, 2, 3}, 4).status, st::kFailureAtZero);
    EXPECT_EQ(Fit({5, 5, 5}, 5).status, st::kAllAtOneTime);
    EXPECT_EQ(Fit({5, 5, 5}, 9).status, st::kAllAtOneTime);
    EXPECT_EQ(Fit({1, 2, 3}, 2.5).status, st::kEndBeforeLastFailure);
    EXPECT_EQ(Fit({1, nan, 3}, 4).status, st::kBadValue);
    EXPECT_EQ(Fit({1, 3, 2}, 4).status, st::kBadValue);
    const Fitted bad = Fit({1, 2}, 3);
    EXPECT_EQ(bad.fit.beta, 0.0);
    EXPECT_EQ(bad.fit.lambda, 0.0);
    // Ties short of the end, and huge times, still fit.
    EXPECT_EQ(Fit({1, 1, 2}, 2).status, st::kOk);
    const Fitted huge = Fit({1e300, 2e300, 3e300}, 4e300);
    ASSERT_EQ(huge.status, st::kOk);
    EXPECT_TRUE(std::isfinite(huge.fit.instantaneousMtbf));
}

TEST(CrowAmsaa, Predictions) {
    const Fitted f = Fit(crow_fixture::kHandbookTimes, crow_fixture::kHandbookEnd);
    double failures = 0.0, time = 0.0;
    int status = -1;
    vnk::CrowAmsaaFailuresInFurtherTime(f.fit, 1000.0, failures, status);
    ASSERT_EQ(status, st::kOk);
    EXPECT_NEAR(failures,
                f.fit.lambda * (std::pow(4000.0, f.fit.beta) - std::pow(3000.0, f.fit.beta)),
                1e-11);
    // The goal time gives the goal back through the MTBF curve.
    vnk::CrowAmsaaTimeToGoalMtbf(f.fit, 200.0, time, status);
    ASSERT_EQ(status, st::kOk);
    EXPECT_NEAR(vnk::CrowAmsaaInstantaneousMtbf(f.fit, time), 200.0, 1e-9);
    vnk::CrowAmsaaTimeToGoalMtbf(f.fit, 1.0, time, status);
    EXPECT_EQ(status, st::kOk);
    EXPECT_EQ(time, 3000.0);  // reached already
    vnk::CrowAmsaaTimeToGoalMtbf(f.fit, -1.0, time, status);
    EXPECT_EQ(status, st::kBadValue);
    const Fitted worsening = Fit({10, 11, 12, 13}, 13);
    ASSERT_GT(worsening.fit.beta, 1.0);
    vnk::CrowAmsaaTimeToGoalMtbf(worsening.fit, 1e6, time, status);
    EXPECT_EQ(status, st::kNoGrowthToGoal);
}

TEST(ChiSquareQuantile, PublishedTableAndTheExistingDistributionFunction) {
    // Standard chi-square table values, printed to three decimals.
    EXPECT_NEAR(vnk::ChiSquareQuantile(10, 0.95), 18.307, 5e-4);
    EXPECT_NEAR(vnk::ChiSquareQuantile(10, 0.05), 3.940, 5e-4);
    EXPECT_NEAR(vnk::ChiSquareQuantile(20, 0.975), 34.170, 5e-4);
    EXPECT_NEAR(vnk::ChiSquareQuantile(20, 0.025), 9.591, 5e-4);
    EXPECT_NEAR(vnk::ChiSquareQuantile(100, 0.95), 124.342, 5e-4);
    EXPECT_NEAR(vnk::ChiSquareQuantile(100, 0.05), 77.929, 5e-4);
    // Round trip through the independent integration of the density (tolerance 1e-5).
    for (int dof : {1, 2, 7, 18, 50})
        for (double p : {0.025, 0.05, 0.5, 0.95, 0.975})
            EXPECT_NEAR(vnk::ChiSquareCdf(dof, vnk::ChiSquareQuantile(dof, p)), p, 2e-5)
                << dof << " " << p;
    EXPECT_TRUE(std::isnan(vnk::ChiSquareQuantile(0, 0.5)));
    EXPECT_TRUE(std::isnan(vnk::ChiSquareQuantile(4, 1.0)));
}

TEST(CrowAmsaaBounds, BetaFromTheChiSquareDistribution) {
    // Ten failures, failure-truncated: 2 n beta / beta-hat is chi-square with 18 degrees.
    const Fitted f = Fit({3, 9, 20, 41, 60, 98, 150, 210, 300, 400}, 400);
    ConfidenceBounds b;
    int status = -1;
    vnk::CrowAmsaaBetaBounds(f.fit, 0.90, BoundSides::TwoSided, b, status);
    ASSERT_EQ(status, st::kOk);
    EXPECT_NEAR(vnk::ChiSquareCdf(18, 20.0 * b.lower / f.fit.beta), 0.05, 2e-5);
    EXPECT_NEAR(vnk::ChiSquareCdf(18, 20.0 * b.upper / f.fit.beta), 0.95, 2e-5);
    ConfidenceBounds one;
    vnk::CrowAmsaaBetaBounds(f.fit, 0.95, BoundSides::OneSided, one, status);
    EXPECT_NEAR(one.lower, b.lower, 1e-12);  // one-sided 95% = two-sided 90%
    EXPECT_NEAR(one.upper, b.upper, 1e-12);
    vnk::CrowAmsaaBetaBounds(f.fit, 1.5, BoundSides::TwoSided, b, status);
    EXPECT_EQ(status, st::kBadConfidence);
}

TEST(CrowAmsaaBounds, InstantaneousMtbfMatchesCrowsTables) {
    ConfidenceBounds b;
    int status = -1;
    // Time-truncated, n = 23, 80% two-sided: factors .6762 and 1.5744 (NASA TM-103511 Table
    // 1B); the worked example prints the MTBF 52.7 within [35.6, 82.9].
    const Fitted t = Fit(crow_fixture::kBoundsExampleTimes, crow_fixture::kBoundsExampleEnd);
    vnk::CrowAmsaaMtbfBounds(t.fit, 0.80, BoundSides::TwoSided, b, status);
    ASSERT_EQ(status, st::kOk);
    EXPECT_NEAR(b.lower / t.fit.instantaneousMtbf, 0.6762, 5e-5);
    EXPECT_NEAR(b.upper / t.fit.instantaneousMtbf, 1.5744, 5e-5);
    EXPECT_EQ(Fixed(t.fit.instantaneousMtbf, 1), "52.7");
    EXPECT_EQ(Fixed(b.lower, 1), "35.6");
    EXPECT_EQ(Fixed(b.upper, 1), "82.9");
    // n = 27 at 90% (Table 1C): .63615 and 1.68179.
    std::vector<double> geometric;
    for (int i = 0; i < 27; ++i) geometric.push_back(std::pow(900.0, i / 26.0));
    const Fitted t27 = Fit(geometric, 1000.0);
    vnk::CrowAmsaaMtbfBounds(t27.fit, 0.90, BoundSides::TwoSided, b, status);
    EXPECT_NEAR(b.lower / t27.fit.instantaneousMtbf, 0.63615, 5e-6);
    EXPECT_NEAR(b.upper / t27.fit.instantaneousMtbf, 1.68179, 5e-6);
    // Failure-truncated, n = 26, 95%: the handbook factors .6333 and 1.919.
    std::vector<double> g26;
    for (int i = 0; i < 26; ++i) g26.push_back(std::pow(1000.0, i / 25.0));
    const Fitted f26 = Fit(g26, g26.back());
    vnk::CrowAmsaaMtbfBounds(f26.fit, 0.95, BoundSides::TwoSided, b, status);
    EXPECT_NEAR(b.lower / f26.fit.instantaneousMtbf, 0.6333, 5e-5);
    EXPECT_NEAR(b.upper / f26.fit.instantaneousMtbf, 1.919, 5e-4);
    // One-sided 90% is each end of the two-sided 80% interval.
    ConfidenceBounds one, two;
    vnk::CrowAmsaaMtbfBounds(t.fit, 0.90, BoundSides::OneSided, one, status);
    vnk::CrowAmsaaMtbfBounds(t.fit, 0.80, BoundSides::TwoSided, two, status);
    EXPECT_NEAR(one.lower, two.lower, 1e-9);
}

TEST(CrowAmsaaBounds, SmallAndLargeSamplesStayFinite) {
    ConfidenceBounds b;
    int status = -1;
    for (double T : {3.0, 5.0}) {
        const Fitted f = Fit({1, 2, 3}, T);
        vnk::CrowAmsaaMtbfBounds(f.fit, 0.95, BoundSides::TwoSided, b, status);
        ASSERT_EQ(status, st::kOk);
        EXPECT_TRUE(b.lower > 0.0 && b.lower < f.fit.instantaneousMtbf);
        EXPECT_TRUE(std::isfinite(b.upper) && b.upper > f.fit.instantaneousMtbf);
    }
    std::vector<double> many;
    for (int i = 1; i <= 999; ++i) many.push_back(i * std::sqrt(static_cast<double>(i)));
    const Fitted f = Fit(many, many.back());
    vnk::CrowAmsaaMtbfBounds(f.fit, 0.90, BoundSides::TwoSided, b, status);
    EXPECT_TRUE(b.lower < f.fit.instantaneousMtbf && f.fit.instantaneousMtbf < b.upper);
}

TEST(CramerVonMises, HandWorkedCase) {
    // Three failures at 1, 4 and 9 of 10 hours: beta-hat = 3 / ln(10 * 2.5 * 10/9),
    // beta-bar = 2/3 beta-hat, Z_i = (t_i / 10)^beta-bar, C2 = 1/36 + sum (Z_i - (2i-1)/6)^2.
    const std::vector<double> t{1, 4, 9};
    const Fitted f = Fit(t, 10);
    const double betaBar = 2.0 / 3.0 * 3.0 / std::log(10.0 * 2.5 * 10.0 / 9.0);
    double expected = 1.0 / 36.0;
    for (int i = 1; i <= 3; ++i) {
        const double d =
            std::pow(t[static_cast<std::size_t>(i - 1)] / 10.0, betaBar) - (2 * i - 1) / 6.0;
        expected += d * d;
    }
    int M = 0;
    double c2 = 0.0, critical = 0.0;
    vnk::CramerVonMisesFit(f.fit, t, M, c2, critical);
    EXPECT_EQ(M, 3);
    EXPECT_NEAR(c2, expected, 1e-15);
    EXPECT_DOUBLE_EQ(critical, 0.154);
    // Failure-truncated: the last failure is left out.
    const Fitted ft = Fit(t, 9);
    vnk::CramerVonMisesFit(ft.fit, t, M, c2, critical);
    EXPECT_EQ(M, 2);
    EXPECT_DOUBLE_EQ(critical, 0.162);
}

TEST(CramerVonMises, CriticalValuesBetweenAndBeyondTheTable) {
    EXPECT_DOUBLE_EQ(vnk::CramerVonMisesCritical10(20), 0.172);
    EXPECT_NEAR(vnk::CramerVonMisesCritical10(45), 0.1725, 1e-12);
    EXPECT_DOUBLE_EQ(vnk::CramerVonMisesCritical10(500), 0.173);
    EXPECT_EQ(vnk::CramerVonMisesCritical10(1), 0.0);
}

}  // namespace
