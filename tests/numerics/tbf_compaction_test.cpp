#include "numerics/tbf_compaction.h"

#include <gtest/gtest.h>

#include <vector>

#include "numerics/failure_type_statistics.h"
#include "numerics/unit_conversion.h"
#include "tests/numerics/tbf_fixture.h"

namespace {

using vnk::test::Entry;
using vnk::test::TbfStore;
namespace field = vnk::tbf_field;
namespace unit = vnk::tbf_unit;

TEST(CompactTbfEntries, SeverityReductionDropsTheTail) {
    // (time, level): (3,1) (4,2) (5,1) (6,2) (7,1) kept to level 2.
    TbfStore store({{3, 0, 1, -1, -1},
                    {4, 1, 2, 2, 0.5},
                    {5, 0, 1, -1, -1},
                    {6, 1, 2, 3, 0.75},
                    {7, 0, 1, -1, -1}});
    int N = 5;
    vnk::CompactTbfEntries(store.view(), N, field::kSeverity, 2);
    ASSERT_EQ(N, 2);
    EXPECT_EQ(store.entries(2), (std::vector<Entry>{{7, 1, 2, 2, 0.5}, {11, 1, 2, 3, 0.75}}));
}

TEST(CompactTbfEntries, FailureTypeReduction) {
    TbfStore store({{10, 0, 1, -1, -1}, {1, 1, 3, 1, 1}, {2, 1, 2, 1, 1}, {20, 0, 4, -1, -1}});
    int N = 4;
    vnk::CompactTbfEntries(store.view(), N, field::kFailureType, 0);
    ASSERT_EQ(N, 2);
    EXPECT_EQ(store.entries(2), (std::vector<Entry>{{10, 0, 1, -1, -1}, {23, 0, 4, -1, -1}}));
}

TEST(FailureTypeStatistics, WorksOnACompactedCopy) {
    TbfStore store({{10, 0, 1, -1, -1}, {5, 1, 1, 1, 1}, {20, 0, 1, -1, -1}});
    const auto before = store.entries(3);
    const vnk::TypeStatistics software = vnk::FailureTypeStatistics(store.view(), 3, 0);
    EXPECT_EQ(software.count, 2);
    EXPECT_DOUBLE_EQ(software.stats[vnk::dst::kSum - 1], 35);  // 10 and 25
    EXPECT_DOUBLE_EQ(software.stats[vnk::dst::kMinimum - 1], 10);
    EXPECT_DOUBLE_EQ(software.stats[vnk::dst::kMaximum - 1], 25);
    EXPECT_DOUBLE_EQ(software.stats[vnk::dst::kVariance - 1], 112.5);
    EXPECT_EQ(store.entries(3), before);

    // The hardware failure is followed only by a software one: nothing is kept.
    TbfStore tail({{10, 0, 1, -1, -1}, {5, 0, 1, -1, -1}});
    const vnk::TypeStatistics hardware = vnk::FailureTypeStatistics(tail.view(), 2, 1);
    EXPECT_EQ(hardware.count, 0);
    for (double v : hardware.stats) EXPECT_EQ(v, 0.0);
}

TEST(ConvertTbfUnits, StepsBetweenUnits) {
    std::vector<double> t{3600, 7200, 0};
    ASSERT_TRUE(vnk::ConvertTbfUnits(unit::kSeconds, unit::kHours, 2, t));
    EXPECT_NEAR(t[0], 1, 1e-14);
    EXPECT_NEAR(t[1], 2, 1e-14);
    EXPECT_EQ(t[2], 0);

    std::vector<double> week{1};
    ASSERT_TRUE(vnk::ConvertTbfUnits(unit::kWeeks, unit::kDays, 1, week));
    EXPECT_DOUBLE_EQ(week[0], 7);
    std::vector<double> year{1};
    ASSERT_TRUE(vnk::ConvertTbfUnits(unit::kYears, unit::kWeeks, 1, year));
    EXPECT_DOUBLE_EQ(year[0], 48);  // a month counts four weeks
}

TEST(ConvertTbfUnits, RoundTripAndEntriesBeyondN) {
    std::vector<double> t{1.5, 86400, 12345.678, -1};
    const std::vector<double> original = t;
    ASSERT_TRUE(vnk::ConvertTbfUnits(unit::kSeconds, unit::kYears, 3, t));
    EXPECT_NEAR(t[1], 86400.0 / (60 * 60 * 24 * 7 * 4 * 12), 1e-15);
    ASSERT_TRUE(vnk::ConvertTbfUnits(unit::kYears, unit::kSeconds, 3, t));
    for (std::size_t i = 0; i < 3; ++i) EXPECT_NEAR(t[i], original[i], 1e-12 * original[i]);
    EXPECT_EQ(t[3], -1);  // not an entry
}

TEST(ConvertTbfUnits, RefusedConversionsChangeNothing) {
    std::vector<double> t{1, 1e302};
    const std::vector<double> original = t;
    EXPECT_FALSE(vnk::ConvertTbfUnits(unit::kYears, unit::kSeconds, 2, t));  // overflows
    EXPECT_FALSE(vnk::ConvertTbfUnits(unit::kNone, unit::kSeconds, 2, t));
    EXPECT_FALSE(vnk::ConvertTbfUnits(unit::kSeconds, 8, 2, t));
    EXPECT_FALSE(vnk::ConvertTbfUnits(unit::kSeconds, unit::kHours, 3, t));  // N too large
    EXPECT_EQ(t, original);
}

}  // namespace
