#include "data/failure_data_set.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "data/program_options.h"

namespace {

using vnk::ErrorHistory;
using vnk::FailureDataSet;
using vnk::SeverityType;
using vnk::TbfField;

// A TBF set of the given failure types and levels, times 1, 2, 3, ...
void fill(FailureDataSet& set, std::initializer_list<double> types,
          std::initializer_list<double> levels) {
    set.tbfCount = 0;
    auto level = levels.begin();
    for (double type : types) {
        const int i = ++set.tbfCount;
        set.tbf(TbfField::TimeBetweenFailures, i) = i;
        set.tbf(TbfField::FailureType, i) = type;
        set.tbf(TbfField::SeverityLevel, i) = level == levels.end() ? 1.0 : *level++;
    }
}

TEST(FailureDataSet, StartsEmptyWithClearedEntries) {
    const FailureDataSet set;
    EXPECT_EQ(set.dataKind, vnk::DataKind::None);
    EXPECT_EQ(set.errorHistory, ErrorHistory::None);
    EXPECT_EQ(set.severityType, SeverityType::None);
    EXPECT_EQ(set.tbfUnit, vnk::TbfUnit::None);
    EXPECT_EQ(set.tbfCount, 0);
    EXPECT_EQ(set.intervalCount, 1);
    EXPECT_FALSE(set.dataChanged);
    EXPECT_FALSE(set.isComplete());
    EXPECT_EQ(set.unitsOnTest, vnk::UnitsOnTest::Variable);
    EXPECT_EQ(set.intervalLengths, vnk::IntervalLengths::AllSame);
    EXPECT_EQ(set.entry(1), vnk::TbfEntry{});
    EXPECT_EQ(set.entry(vnk::kCapacity), (vnk::TbfEntry{-1.0, -1.0, 1.0, -1.0, -1.0}));
}

TEST(FailureDataSet, ClearingResetsDescriptorsOptionsAndEveryEntry) {
    FailureDataSet set;
    vnk::ProgramOptions options;
    options.numericalMethod = vnk::method::kLeastSquares;
    options.executionSeverityLevel = 3;
    options.cellCombinations = 9;
    set.dataKind = vnk::DataKind::Tbf;
    set.errorHistory = ErrorHistory::System;
    set.severityType = SeverityType::Variable;
    set.tbfUnit = vnk::TbfUnit::Hours;
    set.hardwareFieldsPresent = true;
    set.failureFreeTime = 5.0;
    set.severityLevelsPresent = {true, false, true, false};
    fill(set, {0, 1}, {2, 3});
    set.tbf(TbfField::EffectivenessFactor, vnk::kCapacity) = 0.5;

    set.clearDescriptors(options);
    set.clearTbfEntries();

    EXPECT_EQ(set.dataKind, vnk::DataKind::None);
    EXPECT_EQ(set.errorHistory, ErrorHistory::None);
    EXPECT_EQ(set.severityType, SeverityType::None);
    EXPECT_EQ(set.tbfUnit, vnk::TbfUnit::None);
    EXPECT_FALSE(set.hardwareFieldsPresent);
    EXPECT_EQ(set.failureFreeTime, 0.0);
    EXPECT_FALSE(set.severityLevelPresent(1));
    EXPECT_FALSE(set.severityLevelPresent(3));
    EXPECT_EQ(options.numericalMethod, vnk::method::kMaximumLikelihood);
    EXPECT_EQ(options.executionSeverityLevel, 0);
    EXPECT_EQ(options.cellCombinations, 9);  // not the clear's business
    EXPECT_EQ(set.tbfCount, 0);
    for (int i : {1, 2, vnk::kCapacity}) EXPECT_EQ(set.entry(i), vnk::TbfEntry{}) << i;
}

TEST(FailureDataSet, DerivesTheErrorHistoryFromTheFailureTypes) {
    FailureDataSet set;
    fill(set, {0, 0, 0}, {});
    set.deriveDescriptors();
    EXPECT_EQ(set.errorHistory, ErrorHistory::Software);

    fill(set, {0, 1, 0, 0}, {});
    set.deriveDescriptors();
    EXPECT_EQ(set.errorHistory, ErrorHistory::System);

    // Once system, always system, even when later entries agree with each other.
    fill(set, {1, 0, 0, 0}, {});
    set.deriveDescriptors();
    EXPECT_EQ(set.errorHistory, ErrorHistory::System);

    fill(set, {1, 1}, {});
    set.deriveDescriptors();
    EXPECT_EQ(set.errorHistory, ErrorHistory::Hardware);

    // Fractions are truncated before comparing.
    fill(set, {0.0, 0.9}, {});
    set.deriveDescriptors();
    EXPECT_EQ(set.errorHistory, ErrorHistory::Software);
}

TEST(FailureDataSet, AMissingFirstFailureTypeIsReported) {
    FailureDataSet set;
    fill(set, {-1, -1, -1}, {});
    set.deriveDescriptors();
    EXPECT_EQ(static_cast<int>(set.errorHistory), -1);
    EXPECT_TRUE(set.failureTypeMissing);

    fill(set, {0, -1}, {});
    set.deriveDescriptors();
    EXPECT_TRUE(set.failureTypeMissing);
    EXPECT_EQ(set.errorHistory, ErrorHistory::System);

    fill(set, {0, 0}, {});
    set.deriveDescriptors();
    EXPECT_FALSE(set.failureTypeMissing);
}

TEST(FailureDataSet, DerivesSeverityTypeAndTheLevelsPresent) {
    FailureDataSet set;
    fill(set, {0, 0, 0}, {1, 1, 3});
    set.deriveDescriptors();
    EXPECT_EQ(set.severityType, SeverityType::Variable);
    EXPECT_TRUE(set.severityLevelPresent(1));
    EXPECT_FALSE(set.severityLevelPresent(2));
    EXPECT_TRUE(set.severityLevelPresent(3));

    FailureDataSet same;
    fill(same, {0, 0, 0}, {2, 2, 2});
    same.deriveDescriptors();
    EXPECT_EQ(same.severityType, SeverityType::SameLevel);
    for (int level = 1; level <= 4; ++level) EXPECT_FALSE(same.severityLevelPresent(level));

    // Flags already set stay set; levels no flag exists for are passed over.
    FailureDataSet odd;
    odd.severityLevelsPresent[3] = true;
    fill(odd, {0, 0, 0}, {2, 9, -5});
    odd.deriveDescriptors();
    EXPECT_TRUE(odd.severityLevelPresent(2));
    EXPECT_TRUE(odd.severityLevelPresent(4));
    EXPECT_FALSE(odd.severityLevelPresent(1));
}

TEST(FailureDataSet, HardwareFieldsArePresentWhenAnyEntryGivesThem) {
    FailureDataSet set;
    fill(set, {1, 1}, {});
    set.hardwareFieldsPresent = true;
    set.deriveDescriptors();
    EXPECT_FALSE(set.hardwareFieldsPresent);

    set.tbf(TbfField::HardwareFailures, 2) = 3.0;
    set.deriveDescriptors();
    EXPECT_TRUE(set.hardwareFieldsPresent);

    // Only entries 1 to N count.
    set.tbfCount = 1;
    set.deriveDescriptors();
    EXPECT_FALSE(set.hardwareFieldsPresent);
}

TEST(FailureDataSet, CompleteNeedsADataKindAndAnErrorHistory) {
    FailureDataSet set;
    set.dataKind = vnk::DataKind::Tbf;
    EXPECT_FALSE(set.isComplete());
    set.errorHistory = ErrorHistory::Software;
    EXPECT_TRUE(set.isComplete());
    set.dataKind = vnk::DataKind::None;
    EXPECT_FALSE(set.isComplete());
}

TEST(FailureDataSet, HardwareRowsAreOffsetByOneColumn) {
    FailureDataSet set;
    set.constantUnitsOnTest() = 10.0;
    set.hardwareInterval(vnk::interval_row::kUnitsOnTest, 1) = 7.0;
    set.hardwareInterval(vnk::interval_row::UnitsFailing(2), 3) = 4.0;
    set.interval(vnk::interval_row::kLength, 1) = 2.5;

    EXPECT_EQ(set.intervalCell(vnk::interval_row::kUnitsOnTest, 1), 10.0);
    EXPECT_EQ(set.intervalCell(vnk::interval_row::kUnitsOnTest, 2), 7.0);
    EXPECT_EQ(set.intervalCell(20, 4), 4.0);
    EXPECT_EQ(set.hardwareRow(vnk::interval_row::kUnitsOnTest)(1), 7.0);
    EXPECT_EQ(set.hardwareRow(vnk::interval_row::kUnitsOnTest).size(), vnk::kCapacity - 1);
    EXPECT_EQ(set.intervalCell(vnk::interval_row::kLength, 1), 2.5);
    EXPECT_EQ(set.intervalRow(vnk::interval_row::kLength)(1), 2.5);
}

TEST(FailureDataSet, ArraysReachTheRoutinesAsOneBasedViews) {
    FailureDataSet set;
    fill(set, {0, 0, 0}, {});
    vnk::ConstRealArray times = std::as_const(set).times().first(set.tbfCount);
    ASSERT_EQ(times.size(), 3);
    EXPECT_EQ(times(3), 3.0);
    // The matrix view sees the same storage, field by column.
    EXPECT_EQ(set.tbfMatrix()(2, static_cast<int>(TbfField::TimeBetweenFailures)), 2.0);
    set.tbfMatrix()(2, static_cast<int>(TbfField::SeverityLevel)) = 4.0;
    EXPECT_EQ(set.entry(2).severityLevel, 4.0);
    set.tbfArrays()(3, vnk::tbf_field::kEffectiveness) = 0.25;
    EXPECT_EQ(set.entry(3).effectivenessFactor, 0.25);
    EXPECT_EQ(set.tbfArrays().capacity(), vnk::kCapacity);
}

TEST(TruncateToInt, TruncatesTowardZeroAndSaturates) {
    EXPECT_EQ(vnk::TruncateToInt(2.9), 2);
    EXPECT_EQ(vnk::TruncateToInt(-1.0), -1);
    EXPECT_EQ(vnk::TruncateToInt(-0.5), 0);
    EXPECT_EQ(vnk::TruncateToInt(1e300), INT_MAX);
    EXPECT_EQ(vnk::TruncateToInt(-1e300), INT_MIN);
    EXPECT_EQ(vnk::TruncateToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
