// Ranking of the models by their applicability statistics.
#include "numerics/ranking.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace {

using Ranks7 = std::array<int, 7>;

Ranks7 rank(std::array<double, 7> values) {
    Ranks7 ranks{};
    vnk::RankSeven(values, ranks);
    return ranks;
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(RankSeven, DistinctValuesRankInAscendingOrder) {
    EXPECT_EQ(rank({3.1, 1.1, 2.1, 5.1, 4.1, 7.1, 6.1}), (Ranks7{3, 1, 2, 5, 4, 7, 6}));
}

TEST(RankSeven, CloseValuesShareARankAndTheNextCountsThemAll) {
    // Within 0.0005 of the previous value in sorted order: same rank; then 1, 1, 3.
    EXPECT_EQ(rank({0.2, 0.1004, 0.1, 0.5, 0.3, 0.4, 0.6}), (Ranks7{3, 1, 1, 6, 4, 5, 7}));
    // The chain: 1.0004 is within 0.0005 of 1.0, and 1.0008 within 0.0005 of 1.0004 (though
    // 0.0008 from 1.0): all three share rank 1.
    EXPECT_EQ(rank({1.0008, 1.0, 1.0004, 2.0, 0.0, 0.0, 0.0}), (Ranks7{1, 1, 1, 4, 0, 0, 0}));
    // Exactly 0.0005 apart is still a tie.
    EXPECT_EQ(rank({1.0, 1.0005, 0, 0, 0, 0, 0}), (Ranks7{1, 1, 0, 0, 0, 0, 0}));
}

TEST(RankSeven, ZerosOfFailedAnalysesTakeNoRankOfTheirOwn) {
    EXPECT_EQ(rank({0.0, 0.3, 0.0, 0.1, 0.2, 0.0, 0.0}), (Ranks7{0, 3, 0, 1, 2, 0, 0}));
    EXPECT_EQ(rank({0, 0, 0, 0, 0, 0, 0}), (Ranks7{0, 0, 0, 0, 0, 0, 0}));
    // A nonzero value within 0.0005 of 0.0 at the head of the list gets rank 0.
    EXPECT_EQ(rank({0.0003, 1.0, 0, 0, 0, 0, 0}), (Ranks7{0, 2, 0, 0, 0, 0, 0}));
}

TEST(RankSeven, NegativeValuesSortBeforeTheZeros) {
    // -3 and -1 rank 1 and 2; the zeros then take the last negative value's rank.
    EXPECT_EQ(rank({-1.0, 0.0, 2.0, 0.0, -3.0, 1.0, 0.0}), (Ranks7{2, 2, 4, 2, 1, 3, 2}));
}

TEST(RankSeven, ValuesThatAreNotFiniteRankLikeFailedAnalyses) {
    EXPECT_EQ(rank({kNaN, 0.3, kInf, 0.1, -kInf, 0.2, 0.0}), (Ranks7{0, 3, 0, 1, 0, 2, 0}));
    // A NaN in the middle of the list does not disturb the others' order.
    EXPECT_EQ(rank({0.5, kNaN, 0.4, 0.3, 0.2, 0.1, 0.6}), (Ranks7{5, 0, 4, 3, 2, 1, 6}));
}

// Entry of model m (1..7), measure j (1..4).
int entry(int m, int j) { return (m - 1) * 4 + j; }
int rankIndex(int m, int j) { return (m - 1) * 5 + j; }

struct TbfInput {
    std::array<int, 28> ran{};
    std::array<int, 28> flags{};
    std::array<double, 28> values{};
    std::array<int, 35> ranks{};
    void run() { vnk::RankTbfModels(ran, flags, values, ranks); }
};

TEST(RankTbfModels, RanksEachMeasureAndTheMeanOfTheRanks) {
    TbfInput in;
    in.ran.fill(1);
    for (int m = 1; m <= 7; ++m) {
        in.values[entry(m, 1) - 1] = 10.0 * m;                        // accuracy: model order
        in.values[entry(m, 2) - 1] = 0.8 - 0.1 * m;                   // bias: reverse order
        in.values[entry(m, 3) - 1] = 1.0 + 0.1 * m;                   // noise: model order
        in.values[entry(m, 4) - 1] = 0.05 * (m % 3 + 1) + 0.001 * m;  // trend
    }
    in.run();
    for (int m = 1; m <= 7; ++m) {
        EXPECT_EQ(in.ranks[rankIndex(m, 1) - 1], m);
        EXPECT_EQ(in.ranks[rankIndex(m, 2) - 1], 8 - m);
        EXPECT_EQ(in.ranks[rankIndex(m, 3) - 1], m);
    }
    // Trend values: m%3 groups {3,6}, {1,4,7}, {2,5} -> ranks 1,2 / 3,4,5 / 6,7.
    const int trend[7] = {3, 6, 1, 4, 7, 2, 5};
    for (int m = 1; m <= 7; ++m) EXPECT_EQ(in.ranks[rankIndex(m, 4) - 1], trend[m - 1]);
    // Means: (m + 8 - m + m + trend) / 4 = (8 + m + trend) / 4.
    // m:    1     2     3     4     5     6     7
    // mean: 3.0   4.0   3.0   4.0   5.0   4.0   5.0
    const int overall[7] = {1, 3, 1, 3, 6, 3, 6};
    for (int m = 1; m <= 7; ++m) EXPECT_EQ(in.ranks[rankIndex(m, 5) - 1], overall[m - 1]);
}

TEST(RankTbfModels, UnselectedFailedAndNonFiniteAnalysesBecomeZero) {
    TbfInput in;
    in.ran.fill(1);
    for (int m = 1; m <= 7; ++m) {
        for (int j = 1; j <= 4; ++j) in.values[entry(m, j) - 1] = m + 0.1 * j;
    }
    in.ran[entry(1, 2) - 1] = 0;        // GEO bias not selected
    in.flags[entry(2, 3) - 1] = 5;      // JAM noise failed
    in.values[entry(3, 4) - 1] = kNaN;  // LAV-L trend not a number
    in.values[entry(4, 1) - 1] = kInf;  // MUS accuracy infinite
    in.run();
    EXPECT_EQ(in.values[entry(1, 2) - 1], 0.0);
    EXPECT_EQ(in.values[entry(2, 3) - 1], 0.0);
    EXPECT_EQ(in.values[entry(3, 4) - 1], 0.0);
    EXPECT_EQ(in.values[entry(4, 1) - 1], 0.0);
    EXPECT_EQ(in.values[entry(5, 1) - 1], 5.1);  // the others are kept
    EXPECT_EQ(in.ranks[rankIndex(1, 2) - 1], 0);
    EXPECT_EQ(in.ranks[rankIndex(2, 3) - 1], 0);
    EXPECT_EQ(in.ranks[rankIndex(3, 4) - 1], 0);
    EXPECT_EQ(in.ranks[rankIndex(4, 1) - 1], 0);
    EXPECT_EQ(in.ranks[rankIndex(5, 1) - 1], 4);  // GEO, JAM, LAV-L rank before it
}

TEST(RankTbfModels, AllSevenFailingAccuracyLeavesOverallToTheOtherMeasures) {
    TbfInput in;
    in.ran.fill(1);
    for (int m = 1; m <= 7; ++m) {
        in.flags[entry(m, 1) - 1] = 3;
        in.values[entry(m, 1) - 1] = 100.0 - m;  // would rank in reverse
        in.values[entry(m, 2) - 1] = 0.1 * m;
    }
    in.ran[entry(7, 2) - 1] = 0;
    in.run();
    for (int m = 1; m <= 7; ++m) EXPECT_EQ(in.ranks[rankIndex(m, 1) - 1], 0);
    for (int m = 1; m <= 6; ++m) EXPECT_EQ(in.ranks[rankIndex(m, 5) - 1], m);
    EXPECT_EQ(in.ranks[rankIndex(7, 5) - 1], 0);  // no rank at all: no overall rank
}

TEST(RankIntervalModels, PadsTheSixModelsWithAZero) {
    std::array<int, 6> ran{1, 1, 1, 1, 1, 1};
    std::array<int, 6> flags{0, 2, 0, 0, 0, 0};
    std::array<double, 6> values{40.5, 20.0, 30.25, kNaN, 30.2504, -1.0};
    std::array<int, 6> ranks{};
    vnk::RankIntervalModels(ran, flags, values, ranks);
    EXPECT_EQ(values[1], 0.0);
    EXPECT_EQ(values[3], 0.0);
    EXPECT_EQ(values[0], 40.5);
    // Sorted: -1 (1), 0 BM-P (1), 0 NHP (1), 0 pad, 30.25 (2), 30.2504 (2), 40.5 (4).
    EXPECT_EQ(ranks, (std::array<int, 6>{4, 1, 2, 1, 2, 1}));

    ran.fill(0);
    vnk::RankIntervalModels(ran, flags, values, ranks);
    EXPECT_EQ(ranks, (std::array<int, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(values, (std::array<double, 6>{}));
}

}  // namespace
