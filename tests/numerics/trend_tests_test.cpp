// Trend tests: Laplace factors, running averages, the MIL-HDBK-189 test and the verdict.
#include "numerics/trend_tests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using namespace vnk;

std::vector<double> valuesOf(const std::vector<TrendPoint>& points) {
    std::vector<double> v;
    for (const auto& p : points) v.push_back(p.second);
    return v;
}

std::vector<int> indicesOf(const std::vector<TrendPoint>& points) {
    std::vector<int> v;
    for (const auto& p : points) v.push_back(p.first);
    return v;
}

TEST(LaplaceFactorsTbf, HandWorkedGrowthAndDecayHaveOppositeSigns) {
    // Worked from the formula. Times 1, 2, 3: T = 1, 3, 6.
    // u(2) = (1 - 3/2) / (3 sqrt(1/12)) = -0.577350; u(3) = (2 - 3) / (6 sqrt(1/24)) = -0.816497.
    const std::vector<double> growing{1.0, 2.0, 3.0};
    const auto up = LaplaceFactorsTbf(ConstRealArray(growing), 3);
    EXPECT_EQ(indicesOf(up), (std::vector<int>{2, 3}));
    EXPECT_NEAR(up[0].second, -0.577350, 1e-6);
    EXPECT_NEAR(up[1].second, -0.816497, 1e-6);
    // Times 3, 2, 1 (failures ever sooner): T = 3, 5, 6.
    // u(2) = (3 - 5/2) / (5 sqrt(1/12)) = 0.346410; u(3) = (4 - 3) / (6 sqrt(1/24)) = 0.816497.
    const std::vector<double> shrinking{3.0, 2.0, 1.0};
    const auto down = LaplaceFactorsTbf(ConstRealArray(shrinking), 3);
    EXPECT_NEAR(down[0].second, 0.346410, 1e-6);
    EXPECT_NEAR(down[1].second, 0.816497, 1e-6);
}

TEST(LaplaceFactorsTbf, DoesNotDependOnTheTimeUnitAndSkipsFailuresAtTimeZero) {
    const std::vector<double> days{9, 12, 11, 4, 7, 2, 5, 8, 5, 7};
    std::vector<double> seconds;
    for (double d : days) seconds.push_back(d * 86400.0);
    const auto a = valuesOf(LaplaceFactorsTbf(ConstRealArray(days), 10));
    const auto b = valuesOf(LaplaceFactorsTbf(ConstRealArray(seconds), 10));
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 1e-12);

    // Two failures at time 0: u(2) would divide by T_2 = 0, so the series starts at 3.
    const std::vector<double> tied{0.0, 0.0, 2.0, 4.0};
    EXPECT_EQ(indicesOf(LaplaceFactorsTbf(ConstRealArray(tied), 4)), (std::vector<int>{3, 4}));
}

TEST(LaplaceTimeTruncated, HandWorkedAndNistRepairExample) {
    // Times 1, 2, 3 then 2 failure-free: T = 8, sum T_j = 10.
    // u = (10/3 - 4) / (8 sqrt(1/36)) = -0.5.
    const std::vector<double> dat{1.0, 2.0, 3.0};
    EXPECT_NEAR(LaplaceTimeTruncated(ConstRealArray(dat), 3, 2.0), -0.5, 1e-12);
    // NIST/SEMATECH e-Handbook of Statistical Methods, section 8.2.3.4 data (system ages 5 ...
    // 1478, test ended at 1500); worked from the formula: sum = 5683, u = -1.326949.
    const std::vector<double> ages{5, 40, 43, 175, 389, 712, 747, 795, 1299, 1478};
    std::vector<double> gaps;
    for (std::size_t i = 0; i < ages.size(); ++i) gaps.push_back(ages[i] - (i ? ages[i - 1] : 0));
    EXPECT_NEAR(LaplaceTimeTruncated(ConstRealArray(gaps), 10, 22.0), -1.326949, 1e-6);
}

TEST(RunningAverages, TbfMeanAndIntervalRate) {
    const std::vector<double> dat{1.0, 2.0, 6.0};
    EXPECT_EQ(valuesOf(RunningAverageTbf(ConstRealArray(dat), 3)),
              (std::vector<double>{1.0, 1.5, 3.0}));
    // Failures per unit length: 4/2, 6/4, 7/8.
    const std::vector<double> counts{4.0, 2.0, 1.0};
    const std::vector<double> lengths{2.0, 2.0, 4.0};
    EXPECT_EQ(valuesOf(RunningRateInterval(ConstRealArray(counts), ConstRealArray(lengths), 3)),
              (std::vector<double>{2.0, 1.5, 0.875}));
    // Huge values neither overflow nor lose the mean.
    const std::vector<double> huge{1e308, 1e308, 1e308};
    EXPECT_DOUBLE_EQ(RunningAverageTbf(ConstRealArray(huge), 3).back().second, 1e308);
    EXPECT_NEAR(LaplaceFactorsTbf(ConstRealArray(huge), 3).back().second, 0.0, 1e-12);
}

TEST(LaplaceFactorsInterval, EqualLengthsFollowTheGroupedFormula) {
    // Counts 3, 2, 1 of unit length. k = 2: (2 - 2.5) / sqrt((3/12) 5) = -0.447214;
    // k = 3: (4 - 6) / sqrt((8/12) 6) = -1.0.
    const std::vector<double> counts{3.0, 2.0, 1.0};
    const std::vector<double> ones{1.0, 1.0, 1.0};
    const auto u = LaplaceFactorsInterval(ConstRealArray(counts), ConstRealArray(ones), 3);
    EXPECT_EQ(indicesOf(u), (std::vector<int>{2, 3}));
    EXPECT_NEAR(u[0].second, -0.447214, 1e-6);
    EXPECT_NEAR(u[1].second, -1.0, 1e-12);
    // Any common length gives the same factors; counts four times as large double them.
    const std::vector<double> weeks{7.0, 7.0, 7.0};
    const std::vector<double> four{12.0, 8.0, 4.0};
    const auto w = LaplaceFactorsInterval(ConstRealArray(counts), ConstRealArray(weeks), 3);
    const auto f = LaplaceFactorsInterval(ConstRealArray(four), ConstRealArray(ones), 3);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(w[i].second, u[i].second, 1e-12);
        EXPECT_NEAR(f[i].second, 2.0 * u[i].second, 1e-12);
    }
}

TEST(LaplaceFactorsInterval, UnequalLengthsPlaceFailuresAtMidpoints) {
    // Counts 2, 0, 1 with lengths 1, 2, 1: ends 1, 3, 4 and midpoints 0.5, 2, 3.5. Worked by
    // hand: k = 2: N = 2, sum n m = 1, variance 9/12 - 9/36 = 0.5, u = (1 - 3) / 1 = -2;
    // k = 3: N = 3, sum n m = 4.5, variance 16/12 - 10/48 = 1.125, u = -1.5 / sqrt(3.375).
    const std::vector<double> counts{2.0, 0.0, 1.0};
    const std::vector<double> lengths{1.0, 2.0, 1.0};
    const auto u = LaplaceFactorsInterval(ConstRealArray(counts), ConstRealArray(lengths), 3);
    ASSERT_EQ(u.size(), 2u);
    EXPECT_NEAR(u[0].second, -2.0, 1e-12);
    EXPECT_NEAR(u[1].second, -0.816497, 1e-6);
    // Intervals before the first failure have no factor.
    const std::vector<double> late{0.0, 0.0, 1.0, 3.0};
    const std::vector<double> ones{1.0, 1.0, 1.0, 1.0};
    EXPECT_EQ(indicesOf(LaplaceFactorsInterval(ConstRealArray(late), ConstRealArray(ones), 4)),
              (std::vector<int>{3, 4}));
}

TEST(MilHdbk189Test, NistRepairExampleTimeTruncated) {
    // NIST/SEMATECH e-Handbook of Statistical Methods, 8.2.3.4 and the case study of 8.4.2.3:
    // ages 5 ... 1478, test ended at 1500. The handbook's printed estimate
    // beta = 1 - (r - 1) / sum ln(T/T_i) = 0.516494 gives 2 sum = 2 * 9 / 0.483506 = 37.2281
    // (six printed digits of beta: about 4e-5 in the statistic).
    const std::vector<double> ages{5, 40, 43, 175, 389, 712, 747, 795, 1299, 1478};
    const MilHdbk189Result r = MilHdbk189Test(ConstRealArray(ages), 1500.0);
    EXPECT_EQ(r.status, trend_status::kOk);
    EXPECT_NEAR(r.statistic, 37.2281, 1e-4);
    EXPECT_EQ(r.dof, 20);
    // Even degrees of freedom have the closed form F = 1 - exp(-x/2) sum_{k<10} (x/2)^k / k!:
    // F = 0.989014, two-sided p = 0.021973 (the distribution is exact to 1e-5).
    EXPECT_NEAR(r.pValue, 0.021973, 3e-5);
}

TEST(MilHdbk189Test, FailureTruncatedSumsToTheLastButOne) {
    // Times 1, 2, 4 ending with the failure at 4: 2 (ln 4 + ln 2) = 4.158883 on 4 degrees;
    // F = 1 - exp(-2.079442)(1 + 2.079442) = 0.615070, p = 0.769860.
    const std::vector<double> times{1.0, 2.0, 4.0};
    const MilHdbk189Result r = MilHdbk189Test(ConstRealArray(times), 4.0);
    EXPECT_NEAR(r.statistic, 4.158883, 1e-6);
    EXPECT_EQ(r.dof, 4);
    EXPECT_NEAR(r.pValue, 0.769860, 3e-5);
}

TEST(MilHdbk189Test, RefusesWhatItCannotTest) {
    const std::vector<double> one{3.0};
    const std::vector<double> zero{0.0, 1.0, 2.0};
    const std::vector<double> times{1.0, 2.0, 4.0};
    const std::vector<double> nan{1.0, std::nan(""), 4.0};
    EXPECT_EQ(MilHdbk189Test(ConstRealArray(one), 5.0).status, trend_status::kTooFewData);
    EXPECT_EQ(MilHdbk189Test(ConstRealArray(zero), 5.0).status, trend_status::kFailureAtZero);
    EXPECT_EQ(MilHdbk189Test(ConstRealArray(times), 3.0).status,
              trend_status::kEndBeforeLastFailure);
    EXPECT_EQ(MilHdbk189Test(ConstRealArray(nan), 5.0).status, trend_status::kNotANumber);
    const MilHdbk189Result r = MilHdbk189Test(ConstRealArray(zero), 5.0);
    EXPECT_EQ(r.statistic, 0.0);
    EXPECT_EQ(r.pValue, 0.0);
}

TEST(LaplaceVerdict, ThresholdsAreStrictAtTheFivePercentLevel) {
    EXPECT_EQ(LaplaceVerdict(-1.97), TrendVerdict::Growth);
    EXPECT_EQ(LaplaceVerdict(-1.96), TrendVerdict::None);
    EXPECT_EQ(LaplaceVerdict(0.0), TrendVerdict::None);
    EXPECT_EQ(LaplaceVerdict(1.96), TrendVerdict::None);
    EXPECT_EQ(LaplaceVerdict(1.961), TrendVerdict::Decay);
    EXPECT_STREQ(TrendVerdictName(TrendVerdict::Growth), "growth");
    EXPECT_STREQ(TrendVerdictName(TrendVerdict::Decay), "decay");
    EXPECT_STREQ(TrendVerdictName(TrendVerdict::None), "none");
}

TEST(TbfTrendAnalysis, CollectsTheSeriesVerdictAndSentence) {
    // Times doubling each failure: strong growth.
    std::vector<double> dat;
    for (int i = 0; i < 12; ++i) dat.push_back(std::ldexp(1.0, i));
    const TrendAnalysis a = TbfTrendAnalysis(ConstRealArray(dat), 12, 0.0, false);
    ASSERT_TRUE(a.ok());
    EXPECT_EQ(a.laplace.size(), 11u);
    EXPECT_EQ(a.runningAverage.size(), 12u);
    EXPECT_EQ(a.laplaceEnd, a.laplace.back().second);
    EXPECT_LT(a.laplaceEnd, -1.96);
    EXPECT_EQ(a.verdict, TrendVerdict::Growth);
    EXPECT_FALSE(a.timeTruncated);
    EXPECT_EQ(a.milHdbk189.dof, 0);  // software history: no MIL-HDBK-189 test
    char expected[120];
    std::snprintf(expected, sizeof expected,
                  "The data show reliability growth (Laplace factor %.2f at the last failure).",
                  a.laplaceEnd);
    EXPECT_EQ(TrendVerdictSentence(a), expected);

    // Reversed: decay. Hardware history adds the MIL-HDBK-189 test, time-truncated after a
    // failure-free time.
    std::vector<double> reversed(dat.rbegin(), dat.rend());
    const TrendAnalysis d = TbfTrendAnalysis(ConstRealArray(reversed), 12, 5.0, true);
    EXPECT_EQ(d.verdict, TrendVerdict::Decay);
    EXPECT_TRUE(d.timeTruncated);
    EXPECT_GT(d.laplaceTimeTruncated, 1.96);
    EXPECT_EQ(d.milHdbk189.status, trend_status::kOk);
    EXPECT_EQ(d.milHdbk189.dof, 24);
    EXPECT_LT(d.milHdbk189.pValue, 0.05);
    EXPECT_NE(TrendVerdictSentence(d).find("show reliability decay"), std::string::npos);
}

TEST(TbfTrendAnalysis, BadDataGiveAReasonAndNoNumbers) {
    struct Case {
        std::vector<double> dat;
        double XLTM;
        int status;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {{}, 0.0, trend_status::kTooFewData},
        {{5.0}, 0.0, trend_status::kTooFewData},
        {{5.0, 6.0}, 0.0, trend_status::kTooFewData},
        {{0.0, 0.0, 0.0}, 0.0, trend_status::kZeroTotalTime},
        {{1.0, -2.0, 3.0}, 0.0, trend_status::kNegativeTime},
        {{1.0, 2.0, 3.0}, -1.0, trend_status::kNegativeTime},
        {{1.0, inf, 3.0}, 0.0, trend_status::kNotANumber},
        {{1.0, std::nan(""), 3.0}, 0.0, trend_status::kNotANumber},
    };
    for (const Case& c : cases) {
        const TrendAnalysis a =
            TbfTrendAnalysis(ConstRealArray(c.dat), static_cast<int>(c.dat.size()), c.XLTM, true);
        EXPECT_EQ(a.status, c.status);
        EXPECT_TRUE(a.laplace.empty());
        EXPECT_EQ(a.verdict, TrendVerdict::None);
        EXPECT_EQ(TrendVerdictSentence(a), std::string(TrendStatusText(c.status)) + ".");
    }
    EXPECT_STREQ(TrendStatusText(trend_status::kTooFewData), "Too few data for a trend test");

    // Values whose sums overflow every double: no infinity or NaN gets out.
    const std::vector<double> huge{1e308, 1e308, 1e308};
    const TrendAnalysis h = TbfTrendAnalysis(ConstRealArray(huge), 3, 1e308, true);
    EXPECT_TRUE(h.ok());
    EXPECT_TRUE(std::isfinite(h.laplaceTimeTruncated));
    EXPECT_EQ(h.milHdbk189.status, trend_status::kOk);
    EXPECT_TRUE(std::isfinite(h.milHdbk189.statistic));

    // A first failure at time 0 leaves the Laplace series but not the MIL-HDBK-189 test.
    const std::vector<double> tied{0.0, 2.0, 3.0};
    const TrendAnalysis t = TbfTrendAnalysis(ConstRealArray(tied), 3, 0.0, true);
    EXPECT_TRUE(t.ok());
    EXPECT_EQ(t.milHdbk189.status, trend_status::kFailureAtZero);
}

TEST(IntervalTrendAnalysis, VerdictUnequalLengthsAndBadData) {
    const std::vector<double> counts{10, 9, 7, 6, 4, 3, 2, 1};
    const std::vector<double> equal(8, 1.0);
    const TrendAnalysis a = IntervalTrendAnalysis(ConstRealArray(counts), ConstRealArray(equal), 8);
    ASSERT_TRUE(a.ok());
    EXPECT_FALSE(a.unequalLengths);
    EXPECT_EQ(a.verdict, TrendVerdict::Growth);
    EXPECT_NE(TrendVerdictSentence(a).find("at the last interval"), std::string::npos);
    std::vector<double> unequal = equal;
    unequal[3] = 2.0;
    EXPECT_TRUE(
        IntervalTrendAnalysis(ConstRealArray(counts), ConstRealArray(unequal), 8).unequalLengths);

    struct Case {
        std::vector<double> counts, lengths;
        int status;
    };
    const Case cases[] = {
        {{1.0, 2.0}, {1.0, 1.0}, trend_status::kTooFewData},
        {{0.0, 0.0, 0.0}, {1.0, 1.0, 1.0}, trend_status::kNoFailures},
        {{1.0, 2.0, 3.0}, {1.0, 0.0, 1.0}, trend_status::kBadLength},
        {{1.0, 2.0, 3.0}, {1.0, -1.0, 1.0}, trend_status::kBadLength},
        {{1.0, -2.0, 3.0}, {1.0, 1.0, 1.0}, trend_status::kNegativeCount},
        {{1.0, std::nan(""), 3.0}, {1.0, 1.0, 1.0}, trend_status::kNotANumber},
    };
    for (const Case& c : cases) {
        const int n = static_cast<int>(c.counts.size());
        const TrendAnalysis b =
            IntervalTrendAnalysis(ConstRealArray(c.counts), ConstRealArray(c.lengths), n);
        EXPECT_EQ(b.status, c.status);
        EXPECT_TRUE(b.laplace.empty());
        EXPECT_EQ(b.verdict, TrendVerdict::None);
    }
}

}  // namespace
