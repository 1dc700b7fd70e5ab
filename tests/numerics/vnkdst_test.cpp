#include "numerics/vnkdst.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/numerics/trace_capture.h"

namespace {

using vnk::dst::kAll;
using Stats = std::array<double, 11>;

struct Result {
    Stats stats;
    std::vector<double> sorted;
};

Result Describe(const std::vector<double>& data, int nst = kAll) {
    Result r;
    r.stats.fill(-99.0);
    r.sorted.assign(data.size(), -99.0);
    vnk::VNKDST(data, static_cast<int>(data.size()), nst, r.stats, r.sorted);
    return r;
}

void ExpectStats(const Stats& actual, const Stats& expected) {
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_NEAR(actual[k], expected[k], 1e-12 * (1.0 + std::fabs(expected[k])))
            << "position " << k + 1;
}

// Reference values below were worked by hand from the definitions (deviations from the mean:
// variance Σd²/(n-1), skewness √n·Σd³/(Σd²)^1.5, kurtosis n·Σd⁴/(Σd²)² - 3, Tukey's hinges),
// and cross-checked with a few lines of Python over the same definitions.
TEST(Vnkdst, AllElevenStatisticsOfSmallSets) {
    // sum, median, lower hinge, upper hinge, min, max, mean, sd, variance, skewness, kurtosis
    ExpectStats(Describe({1, 2, 3, 4, 5}).stats,
                {15, 3, 2, 4, 1, 5, 3, std::sqrt(2.5), 2.5, 0.0, -1.3});
    // Ties: deviations -1.5 (three times) and 4.5; Σd² = 27, Σd³ = 81, Σd⁴ = 425.25.
    ExpectStats(Describe({8, 2, 2, 2}).stats,
                {14, 2, 2, 5, 2, 8, 3.5, 3, 9, 2 / std::sqrt(3.0), -2.0 / 3.0});
    // Zeros: deviations -1, 2, -1; Σd² = 6, Σd³ = 6, Σd⁴ = 18.
    ExpectStats(Describe({0, 3, 0}).stats,
                {3, 0, 0, 1.5, 0, 3, 1, std::sqrt(3.0), 3, 1 / std::sqrt(2.0), -1.5});
}

TEST(Vnkdst, OrderStatisticsAndSortedCopy) {
    Result even = Describe({4, 1, 3, 2});
    EXPECT_EQ(even.sorted, (std::vector<double>{1, 2, 3, 4}));
    EXPECT_DOUBLE_EQ(even.stats[1], 2.5);
    EXPECT_DOUBLE_EQ(even.stats[2], 1.5);
    EXPECT_DOUBLE_EQ(even.stats[3], 3.5);

    // Hinges at depth 2.5 (n = 7) and 2 (n = 6) from either end.
    Result seven = Describe({7, 6, 5, 4, 3, 2, 1});
    EXPECT_DOUBLE_EQ(seven.stats[2], 2.5);
    EXPECT_DOUBLE_EQ(seven.stats[3], 5.5);
    Result six = Describe({6, 5, 4, 3, 2, 1});
    EXPECT_DOUBLE_EQ(six.stats[1], 3.5);
    EXPECT_DOUBLE_EQ(six.stats[2], 2.0);
    EXPECT_DOUBLE_EQ(six.stats[3], 5.0);
}

TEST(Vnkdst, SixStatisticsLeaveTheMomentsAtZero) {
    Result r = Describe({1, 2, 3, 4, 5}, vnk::dst::kOrderOnly);
    ExpectStats(r.stats, {15, 3, 2, 4, 1, 5, 0, 0, 0, 0, 0});
    EXPECT_EQ(r.sorted, (std::vector<double>{1, 2, 3, 4, 5}));
}

TEST(Vnkdst, SingleValue) { ExpectStats(Describe({7}).stats, {7, 7, 7, 7, 7, 7, 7, 0, 0, 0, 0}); }

TEST(Vnkdst, NoDataReadsNothingAndGivesZeros) {
    Stats stats;
    stats.fill(-99.0);
    vnk::VNKDST(vnk::ConstRealArray(), 0, kAll, stats, vnk::RealArray());
    ExpectStats(stats, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});

    // A negative count is no data either; the work array is left alone.
    std::vector<double> data{5}, work{-99};
    vnk::VNKDST(data, -3, kAll, stats, work);
    ExpectStats(stats, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(work[0], -99);
}

TEST(Vnkdst, EqualValuesHaveNoSpreadDespiteRounding) {
    // Σx² - (Σx)²/n of ten 0.1s is not exactly 0 in floating point; without care the skewness
    // and kurtosis would come out as huge numbers or not a number.
    Result r = Describe(std::vector<double>(10, 0.1));
    EXPECT_NEAR(r.stats[6], 0.1, 1e-15);
    for (std::size_t k = 7; k < 11; ++k) EXPECT_EQ(r.stats[k], 0.0) << "position " << k + 1;
    ExpectStats(Describe({0, 0, 0}).stats, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
}

TEST(Vnkdst, MomentsOfHugeValuesStayInRange) {
    // Σd⁴ overflows for deviations near 1e100 and Σd² near 1e200; the moments are then taken
    // relative to the largest deviation. Two values ±a/2 about their mean: sd a/√2, skewness 0,
    // kurtosis 2·2(a/2)⁴/(2(a/2)²)² - 3 = -2; a variance out of range is 0.
    for (double scale : {1e100, 1e200}) {
        Result r = Describe({scale, 2 * scale});
        for (double v : r.stats) EXPECT_TRUE(std::isfinite(v));
        EXPECT_DOUBLE_EQ(r.stats[0], 3 * scale);
        EXPECT_DOUBLE_EQ(r.stats[6], 1.5 * scale);
        EXPECT_DOUBLE_EQ(r.stats[7], scale / std::sqrt(2.0));
        EXPECT_NEAR(r.stats[9], 0.0, 1e-12);
        EXPECT_DOUBLE_EQ(r.stats[10], -2.0);
    }
    EXPECT_DOUBLE_EQ(Describe({1e100, 2e100}).stats[8], 0.5e200);
    EXPECT_EQ(Describe({1e200, 2e200}).stats[8], 0.0);
}

TEST(Vnkdst, TraceBlockIsByteExact) {
    vnk::test::TraceCapture capture;
    Describe({3, 1}, vnk::dst::kOrderOnly);
    std::string expected =
        " \n"
        " > If the VNKDST routine is accessed with:\n"
        "    NS            2\n"
        "    NST           6\n"
        "    DAT           3.00000\n"
        "    DAT           1.00000\n"
        " \n"
        "   then the call to VNKDST yields:\n"
        "    STATS         4.00000\n"
        "    STATS         2.00000\n"
        "    STATS         1.00000\n"
        "    STATS         3.00000\n"
        "    STATS         1.00000\n"
        "    STATS         3.00000\n";
    for (int k = 7; k <= 11; ++k) expected += "    STATS         0.00000\n";
    expected +=
        "    WRK           1.00000\n"
        "    WRK           3.00000\n";
    EXPECT_EQ(capture.text(), expected);
}

}  // namespace

namespace {

// Far from zero, huge and tiny: the moments about the mean keep their digits (deviations worked
// by hand: 1e9 + {0.5 .. 5.5} deviate by ±0.5, ±1.5, ±2.5 — Σd² 17.5, Σd⁴ 88.375).
TEST(Vnkdst, SpreadSurvivesALargeOffsetAndHugeValues) {
    const Stats offset =
        Describe({1e9 + 0.5, 1e9 + 1.5, 1e9 + 2.5, 1e9 + 3.5, 1e9 + 4.5, 1e9 + 5.5}).stats;
    EXPECT_DOUBLE_EQ(offset[6], 1e9 + 3.0);
    EXPECT_NEAR(offset[7], std::sqrt(3.5), 1e-12);
    EXPECT_NEAR(offset[8], 3.5, 1e-12);
    EXPECT_NEAR(offset[9], 0.0, 1e-12);
    EXPECT_NEAR(offset[10], 6.0 * 88.375 / (17.5 * 17.5) - 3.0, 1e-12);

    // ±5e299 about the mean: the variance is out of range (0), its root is not.
    const Stats alternating = Describe({1e300, 1e-300, 1e300, 1e-300}).stats;
    EXPECT_NEAR(alternating[7], 5e299 * std::sqrt(4.0 / 3.0), 1e286);
    EXPECT_EQ(alternating[8], 0.0);
    EXPECT_NEAR(alternating[10], 4.0 * 4.0 / 16.0 - 3.0, 1e-12);

    // Two values near the largest double: the hinges and the median are halves added.
    const Stats huge = Describe({1.7e308, 1.7e308, 1, 2}).stats;
    EXPECT_EQ(huge[3], 1.7e308);
    EXPECT_LE(huge[2], huge[3]);
    EXPECT_DOUBLE_EQ(huge[1], 0.5 * 1.7e308 + 1.0);
}

}  // namespace
