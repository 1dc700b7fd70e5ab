#include "numerics/hardware_growth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using vnk::ProjectionResult;

struct Projection {
    ProjectionResult r;
    int flag = -1;
};

Projection Project(double T, double NA, std::vector<double> t, std::vector<double> n,
                   std::vector<double> d) {
    Projection p;
    vnk::GrowthProjection(T, NA, static_cast<int>(t.size()), t, n, d, p.r, p.flag);
    return p;
}

TEST(GrowthProjection, ClosedForms) {
    // Three modes first seen at 10, 40 and 80 of 100 hours; values worked by hand:
    // beta = 2 / ln(10 * 2.5 * 1.25), lambda = 3 / 100^beta, h = 3 beta / 100,
    // r = 2/100 + 1.3/100 + (2.2/3) h, o = 6/100 - h.
    const Projection p = Project(100, 2, {10, 40, 80}, {2, 1, 3}, {0.5, 0.7, 1.0});
    ASSERT_EQ(p.flag, 0);
    EXPECT_NEAR(p.r.beta, 0.5810542537439828, 1e-14);
    EXPECT_NEAR(p.r.lambda, 0.2065440778882826, 1e-14);
    EXPECT_NEAR(p.r.newIntensity, 0.017431627612319485, 1e-15);
    EXPECT_NEAR(p.r.rate, 0.045783193582367626, 1e-15);
    EXPECT_NEAR(p.r.mtbf, 21.842076136539493, 1e-12);
    EXPECT_NEAR(p.r.observedIntensity, 0.04256837238768051, 1e-15);
    EXPECT_NEAR(p.r.fractionSeen, 0.7094728731280086, 1e-14);
}

TEST(GrowthProjection, OneModeAndFullyEffectiveFixes) {
    const Projection one = Project(50, 0, {20}, {3}, {0.4});
    ASSERT_EQ(one.flag, 0);
    EXPECT_EQ(one.r.beta, 0.0);
    EXPECT_EQ(one.r.newIntensity, 0.0);
    EXPECT_EQ(one.r.lambda, 1.0);
    // Every fix fully effective and no A-mode failures: only the fix-effectiveness term.
    const Projection full = Project(100, 0, {10, 40, 80}, {2, 1, 3}, {1, 1, 1});
    ASSERT_EQ(full.flag, 0);
    EXPECT_DOUBLE_EQ(full.r.rate, full.r.newIntensity);
}

TEST(GrowthProjection, InputsThatCannotBeProjectedAreRefused) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Projection cases[] = {
        Project(0, 0, {10, 40}, {1, 1}, {0.5, 0.5}),      // T = 0
        Project(100, 0, {0, 40}, {1, 1}, {0.5, 0.5}),     // t(i) = 0
        Project(100, 0, {10, 140}, {1, 1}, {0.5, 0.5}),   // first seen after the test
        Project(100, 0, {100, 100}, {1, 1}, {0.5, 0.5}),  // no spread of first occurrences
        Project(100, 0, {10, 40}, {0, 0}, {0.5, 0.5}),    // no failures
        Project(100, -1, {10, 40}, {1, 1}, {0.5, 0.5}),   // negative A-mode failures
        Project(100, 0, {10, 40}, {1, nan}, {0.5, 0.5}), Project(100, 0, {}, {}, {}),
    };
    for (const Projection& p : cases) {
        EXPECT_EQ(p.flag, 1);
        EXPECT_EQ(p.r.rate, 0.0);
        EXPECT_EQ(p.r.mtbf, 0.0);
    }
}

struct Discrete {
    double TT = -1, TF = -1, lambda = -1, alpha = -1, R = -1;
    int flag = -1;
};

Discrete RunDiscrete(std::vector<double> N, std::vector<double> F) {
    Discrete d;
    vnk::DiscreteGrowth(static_cast<int>(N.size()), N, F, d.TT, d.TF, d.flag, d.lambda, d.alpha,
                        d.R);
    return d;
}

TEST(DiscreteGrowth, OrdinaryExampleHasItsLikelihoodMaximum) {
    // Reference: direct maximisation of the binomial likelihood (tests/data/README.md).
    const std::vector<double> N = {14, 19, 15, 20}, F = {5, 3, 4, 4};
    const Discrete d = RunDiscrete(N, F);
    ASSERT_EQ(d.flag, 0);
    EXPECT_EQ(d.TT, 68.0);
    EXPECT_EQ(d.TF, 16.0);
    EXPECT_NEAR(d.alpha, 0.780111, 2e-6);
    EXPECT_NEAR(d.lambda, 0.595358, 2e-6);
    EXPECT_NEAR(d.R, 0.809560, 2e-6);
    const double best = vnk::DiscreteLogLikelihood(4, N, F, d.lambda, d.alpha);
    for (double da : {-1e-3, 1e-3})
        for (double dl : {-1e-3, 0.0, 1e-3})
            EXPECT_LT(vnk::DiscreteLogLikelihood(4, N, F, d.lambda + dl, d.alpha + da), best);
}

TEST(DiscreteGrowth, ProfileSearchesTheWholeFeasibleRangeOfLambda) {
    // At alpha = 2 the root of D lies above F(NS)/W(NS), outside [0, F/W].
    const std::vector<double> N = {14, 19, 15, 20}, F = {5, 3, 4, 4};
    double lambda = 0, G = 0;
    vnk::DiscreteProfile(4, N, F, 2.0, 0.5e-4, lambda, G);
    const double WNS = 68.0 * 68.0 - 48.0 * 48.0;
    EXPECT_GT(lambda, F[3] / WNS);
    EXPECT_LT(lambda, N[3] / WNS);
    EXPECT_NEAR(vnk::DiscreteLambdaEquation(4, N, F, lambda, 2.0) * lambda, 0.0, 1e-6);
    EXPECT_LT(G, 0.0);
}

TEST(DiscreteGrowth, EquationsAreTheLikelihoodDerivatives) {
    const std::vector<double> N = {14, 19, 15, 20, 11}, F = {5, 3, 4, 4, 11};
    const double lambda = 0.3, alpha = 0.8, h = 1e-6;
    const auto ll = [&](double l, double a) { return vnk::DiscreteLogLikelihood(5, N, F, l, a); };
    EXPECT_NEAR(vnk::DiscreteLambdaEquation(5, N, F, lambda, alpha),
                (ll(lambda + h, alpha) - ll(lambda - h, alpha)) / (2 * h), 1e-5);
    // G is the alpha derivative divided by lambda.
    EXPECT_NEAR(vnk::DiscreteAlphaEquation(5, N, F, lambda, alpha) * lambda,
                (ll(lambda, alpha + h) - ll(lambda, alpha - h)) / (2 * h), 1e-5);
}

TEST(DiscreteGrowth, MaximumAboveAlpha2IsFound) {
    // Failures rise from configuration to configuration; the maximum lies near alpha 3.305
    // (direct maximisation of the likelihood).
    const Discrete d = RunDiscrete({10, 10, 10, 10}, {0, 1, 3, 6});
    ASSERT_EQ(d.flag, 0);
    EXPECT_NEAR(d.alpha, 3.305214, 1e-4);
    EXPECT_NEAR(d.R, 0.390711, 1e-4);
}

TEST(DiscreteGrowth, DataWithoutAMaximumEndInAnError) {
    const Discrete cases[] = {
        RunDiscrete({10, 12, 8}, {10, 12, 8}),  // every trial failed
        RunDiscrete({10, 12, 8}, {0, 0, 0}),    // no failure: the likelihood grows towards lambda 0
        RunDiscrete({25}, {4}),                 // one configuration shows no growth
    };
    for (const Discrete& d : cases) {
        EXPECT_EQ(d.flag, vnk::discrete_status::kError);
        EXPECT_EQ(d.lambda, 0.0);
        EXPECT_EQ(d.alpha, 0.0);
        EXPECT_EQ(d.R, 0.0);
    }
}

TEST(DiscreteGrowth, ConfigurationsWithoutTrialsAreRefused) {
    const Discrete cases[] = {
        RunDiscrete({14, 0, 15, 20}, {5, 0, 4, 4}),
        RunDiscrete({14, 19, 15, 20}, {5, 23, 4, 4}),  // more failures than trials
        RunDiscrete({14, 19, -15, 20}, {5, 3, 4, 4}),
        RunDiscrete({}, {}),
    };
    for (const Discrete& d : cases) {
        EXPECT_EQ(d.flag, vnk::discrete_status::kInvalidData);
        EXPECT_EQ(d.R, 0.0);
    }
}

TEST(DiscreteGrowth, OneTrialPerConfigurationOverManyConfigurations) {
    // 500 one-shot configurations whose failures thin out: the coarser tolerance applies.
    std::vector<double> N(500, 1.0), F(500, 0.0);
    for (int i = 1; i <= 500; ++i) F[i - 1] = (i * i) % 97 < 97.0 * 40 / (i + 40) ? 1 : 0;
    F[0] = 0;
    const Discrete d = RunDiscrete(N, F);
    ASSERT_EQ(d.flag, 0);
    EXPECT_GT(d.alpha, 0.0);
    EXPECT_LT(d.alpha, 1.0);
    EXPECT_GT(d.R, 0.0);
    EXPECT_LT(d.R, 1.0);
}

}  // namespace
