#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "crow_amsaa_fixture.h"
#include "numerics/crow_amsaa.h"
#include "numerics/trend_tests.h"

namespace {

namespace st = vnk::crow_amsaa_status;

struct Grouped {
    vnk::CrowAmsaaGroupedFit fit;
    std::vector<double> expected;
    int status = -1;
};

Grouped FitGrouped(const std::vector<double>& ends, const std::vector<double>& failures) {
    Grouped g;
    g.expected.assign(ends.size(), -1.0);
    vnk::CrowAmsaaGrouped(static_cast<int>(ends.size()), ends, failures, g.fit, g.expected,
                          g.status);
    return g;
}

TEST(CrowAmsaaGrouped, PublishedBenchmark) {
    // Five intervals of 20 hours with 13, 16, 5, 8 and 7 failures: beta 0.75285088677,
    // lambda 1.5293056974 and the expected counts below, as a public test suite quotes them.
    const Grouped g = FitGrouped({20, 40, 60, 80, 100}, {13, 16, 5, 8, 7});
    ASSERT_EQ(g.status, st::kOk);
    EXPECT_NEAR(g.fit.beta, 0.75285088677, 5e-11);
    EXPECT_NEAR(g.fit.lambda, 1.5293056974, 5e-10);
    const double published[] = {14.58733262, 9.99406591, 8.77483841, 8.06635685, 7.57740622};
    // The suite checks its counts to a relative 2e-7.
    for (int k = 0; k < 5; ++k)
        EXPECT_NEAR(g.expected[static_cast<std::size_t>(k)], published[k], 2e-7 * published[k]);
    EXPECT_NEAR(g.fit.instantaneousMtbf, 2.71078425, 5e-8);
    EXPECT_EQ(g.fit.dof, 3);
    EXPECT_GT(g.fit.pValue, 0.0);
    EXPECT_LT(g.fit.pValue, 1.0);
}

TEST(CrowAmsaaGrouped, MaximisesTheGroupedLikelihood) {
    // The handbook's grouped example: nine intervals to 3000 hours.
    const std::vector<double> ends{330, 660, 990, 1320, 1650, 1980, 2310, 2640, 3000};
    const std::vector<double> counts{12, 6, 7, 5, 4, 3, 1, 4, 4};
    const Grouped g = FitGrouped(ends, counts);
    ASSERT_EQ(g.status, st::kOk);
    // A direct search over beta, with lambda at its profile maximum n / T^beta.
    double bestBeta = 0.0, best = -1e300;
    for (double beta = 0.3; beta <= 1.2; beta += 1e-5) {
        const double lambda = 46.0 / std::pow(3000.0, beta);
        const double ll = vnk::CrowAmsaaGroupedLogLikelihood(9, ends, counts, lambda, beta);
        if (ll > best) {
            best = ll;
            bestBeta = beta;
        }
    }
    EXPECT_NEAR(g.fit.beta, bestBeta, 2e-5);
    const double atFit =
        vnk::CrowAmsaaGroupedLogLikelihood(9, ends, counts, g.fit.lambda, g.fit.beta);
    EXPECT_GE(atFit, best - 1e-9);
    EXPECT_GE(atFit,
              vnk::CrowAmsaaGroupedLogLikelihood(9, ends, counts, g.fit.lambda * 1.01, g.fit.beta));
}

TEST(CrowAmsaaGrouped, BadInput) {
    EXPECT_EQ(FitGrouped({10, 10, 20}, {1, 2, 3}).status, st::kZeroLengthInterval);
    EXPECT_EQ(FitGrouped({10, 20, 30}, {0, 0, 0}).status, st::kNoFailures);
    EXPECT_EQ(FitGrouped({10, 20, 30}, {1, 0, 1}).status, st::kTooFewFailures);
    EXPECT_EQ(FitGrouped({10, 20, 30}, {5, 0, 0}).status, st::kNoEstimate);
    EXPECT_EQ(FitGrouped({10, 20, 30}, {0, 0, 5}).status, st::kNoEstimate);
    EXPECT_EQ(FitGrouped({10, 20, 30}, {1, -1, 5}).status, st::kBadValue);
    const Grouped two = FitGrouped({10, 20}, {3, 2});
    ASSERT_EQ(two.status, st::kOk);
    EXPECT_EQ(two.fit.dof, 0);  // no degrees left for the fit test
}

TEST(MilHdbk189Trend, StatisticAndDegrees) {
    const auto& t = crow_fixture::kHandbookTimes;
    vnk::MilHdbk189Result r = vnk::MilHdbk189Test(t, 3000.0);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.dof, 92);
    // 2 n / beta-hat: with the handbook's rounded 0.616, 149.35.
    EXPECT_NEAR(r.statistic, 149.24, 5e-3);
    EXPECT_LT(r.growthPValue, 0.001);
    EXPECT_NEAR(r.growthPValue + r.deteriorationPValue, 1.0, 1e-15);
    EXPECT_EQ(vnk::MilHdbk189Test(t, t.back()).dof, 90);
}

}  // namespace
