#include <gtest/gtest.h>

#include <cstdio>

#include "execution/hardware_execution.h"
#include "numerics/crow_amsaa.h"
#include "tests/execution/scripted_host.h"

namespace {

using namespace vnk;
using namespace vnk::execution;

FailureDataSet HardwareTimes(std::initializer_list<double> tbf, double failureFree) {
    FailureDataSet set;
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Hardware;
    for (double t : tbf) {
        TbfEntry e;
        e.timeBetweenFailures = t;
        e.failureType = 1.0;
        set.setEntry(++set.tbfCount, e);
    }
    set.failureFreeTime = failureFree;
    return set;
}

TEST(CrowAmsaaExecution, TimesBetweenFailuresAccumulateAndTheFailureFreeTimeEndsTheTest) {
    FailureDataSet set = HardwareTimes({10, 20, 30, 40}, 25);
    HardwareSelection s;
    s.crowAmsaa = true;
    ProgramOptions options;
    test::ScriptedHost host;
    const HardwareExecutionResults r = RunTbfHardwareExecution(set, s, options, host);
    // Chosen alone, the model runs on data without the hardware pair and asks nothing else.
    EXPECT_TRUE(r.messages.empty());
    EXPECT_FALSE(r.projection.ran);
    ASSERT_TRUE(r.crowAmsaa.ran);
    const auto& a = r.crowAmsaa.analysis;
    ASSERT_EQ(a.status, crow_amsaa_status::kOk);
    EXPECT_EQ(a.times, (std::vector<double>{10, 30, 60, 100}));
    EXPECT_DOUBLE_EQ(a.fit.T, 125.0);
    EXPECT_TRUE(a.fit.timeTruncated);

    set.failureFreeTime = 0.0;
    const auto f = RunTbfHardwareExecution(set, s, options, host).crowAmsaa.analysis;
    EXPECT_FALSE(f.fit.timeTruncated);
}

TEST(CrowAmsaaExecution, FailedFitIsAResultWithItsReason) {
    FailureDataSet set = HardwareTimes({0, 20, 30}, 0);
    HardwareSelection s;
    s.crowAmsaa = true;
    ProgramOptions options;
    test::ScriptedHost host;
    const auto r = RunTbfHardwareExecution(set, s, options, host);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.crowAmsaa.analysis.status, crow_amsaa_status::kFailureAtZero);
}

TEST(CrowAmsaaExecution, SelectAllLeavesItOut) {
    FailureDataSet set = HardwareTimes({10, 20, 30, 40}, 25);
    HardwareSelection s;
    s.selectAll = true;
    ProgramOptions options;
    test::ScriptedHost host;
    const auto r = RunTbfHardwareExecution(set, s, options, host);
    EXPECT_FALSE(r.crowAmsaa.ran);
    ASSERT_EQ(r.messages.size(), 1u);  // the projection's missing-fields message, as before
}

TEST(CrowAmsaaExecution, HardwareIntervalsAddTheirUnitsOnTest) {
    FailureDataSet set;
    set.dataKind = DataKind::Interval;
    set.errorHistory = ErrorHistory::Hardware;
    set.intervalCount = 5;
    const double failing[] = {13, 16, 5, 8, 7};
    for (int j = 1; j <= 5; ++j) {
        set.hardwareInterval(interval_row::kUnitsOnTest, j) = 20;
        set.hardwareInterval(interval_row::kUnitsFailing, j) = failing[j - 1];
    }
    HardwareSelection s;
    s.crowAmsaa = true;
    ProgramOptions options;
    const auto r = RunIntervalHardwareExecution(set, s, options);
    EXPECT_FALSE(r.discrete.ran);
    EXPECT_TRUE(r.messages.empty());
    ASSERT_TRUE(r.crowAmsaa.ran);
    const auto& a = r.crowAmsaa.analysis;
    EXPECT_EQ(a.ends, (std::vector<double>{20, 40, 60, 80, 100}));
    // The published grouped benchmark of the numerics tests.
    EXPECT_NEAR(a.groupedFit.beta, 0.75285088677, 5e-11);
}

}  // namespace
