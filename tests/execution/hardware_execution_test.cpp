#include "execution/hardware_execution.h"

#include <gtest/gtest.h>

#include "tests/execution/scripted_host.h"

namespace {

using namespace vnk;
using namespace vnk::execution;
using vnk::test::ScriptedHost;

class HardwareExecution : public ::testing::Test {
  protected:
    // Hardware TBF entries: time of first occurrence, failures, effectiveness.
    static FailureDataSet Modes(const std::vector<std::array<double, 3>>& modes) {
        FailureDataSet set;
        set.dataKind = DataKind::Tbf;
        set.errorHistory = ErrorHistory::Hardware;
        set.hardwareFieldsPresent = true;
        for (const auto& m : modes) {
            TbfEntry e;
            e.timeBetweenFailures = m[0];
            e.failureType = 1.0;
            e.hardwareFailures = m[1];
            e.effectivenessFactor = m[2];
            set.setEntry(++set.tbfCount, e);
        }
        return set;
    }
};

TEST_F(HardwareExecution, ProjectionUsesTheHostsTestTimeAndAModeFailures) {
    FailureDataSet set = Modes({{10.0, 2.0, 1.0}, {30.0, 1.0, 1.0}, {60.0, 3.0, 1.0}});
    HardwareSelection s;
    s.projection = true;
    ProgramOptions options;
    options.numericalMethod = method::kLeastSquares;
    ScriptedHost host;
    host.projectionAnswer = std::array<double, 2>{200.0, 0.0};
    const auto r = RunTbfHardwareExecution(set, s, options, host);
    ASSERT_EQ(host.projectionAsked.size(), 1u);
    EXPECT_EQ(host.projectionAsked[0].totalTestTime, 100.0);  // the sum of the times on entry
    EXPECT_EQ(host.projectionAsked[0].aModeFailures, 0.0);
    ASSERT_TRUE(r.projection.ran);
    EXPECT_EQ(r.projection.ERRFLG, 0);
    EXPECT_TRUE(r.messages.empty());
    // Every effectiveness factor 1 and no A-mode failures: the rate is h = K beta / T alone.
    const ProjectionResult& p = r.projection.result;
    EXPECT_NEAR(p.rate, p.newIntensity, 1e-15);
    EXPECT_NEAR(p.newIntensity, 3.0 * p.beta / 200.0, 1e-15);
    EXPECT_EQ(options.numericalMethod, method::kMaximumLikelihood);
}

TEST_F(HardwareExecution, DataWithoutTheirHardwarePairsAreRefused) {
    FailureDataSet set = Modes({{10.0, 2.0, 0.5}, {30.0, -1.0, -1.0}});
    HardwareSelection s;
    s.selectAll = true;
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunTbfHardwareExecution(set, s, options, host);
    EXPECT_FALSE(r.projection.ran);
    EXPECT_TRUE(host.projectionAsked.empty());
    ASSERT_EQ(r.messages.size(), 1u);
    EXPECT_EQ(r.messages[0].text,
              "Either your data is incomplete or the selected model is not implemented.");
    EXPECT_EQ(r.messages[0].caption, "TBF Hardware Models Error");

    HardwareSelection other;
    other.otherModels = true;  // models without computation only
    FailureDataSet complete = Modes({{10.0, 2.0, 0.5}});
    EXPECT_EQ(RunTbfHardwareExecution(complete, other, options, host).messages.size(), 1u);
}

// Inputs the projection cannot use are named; the lumped message stays for missing fields
// and for models without computation.
TEST_F(HardwareExecution, ProjectionRefusalsNameWhatIsWrong) {
    struct Case {
        std::vector<std::array<double, 3>> modes;
        std::array<double, 2> answer;  // T, NA
        const char* text;
    };
    const Case cases[] = {
        {{{10.0, 2.0, 0.5}}, {0.0, 0.0}, "The total test time must be a number above 0."},
        {{{10.0, 2.0, 0.5}}, {100.0, -1.0}, "The number of A mode failures may not be negative."},
        {{{10.0, 2.0, 0.5}, {300.0, 1.0, 0.5}},
         {100.0, 0.0},
         "Entry 2: the time of first occurrence must lie above 0 and not beyond the total test "
         "time."},
        {{{10.0, 0.0, 0.5}, {30.0, 0.0, 0.5}},
         {100.0, 0.0},
         "The data hold no failures to project."},
        {{{100.0, 1.0, 0.5}, {100.0, 2.0, 0.5}},
         {100.0, 0.0},
         "Every failure mode was first seen at the total test time, so no growth can be "
         "estimated."},
    };
    for (const Case& c : cases) {
        HardwareSelection s;
        s.projection = true;
        ProgramOptions options;
        ScriptedHost host;
        host.projectionAnswer = c.answer;
        const auto r = RunTbfHardwareExecution(Modes(c.modes), s, options, host);
        EXPECT_EQ(r.projection.ERRFLG, 1) << c.text;
        ASSERT_EQ(r.messages.size(), 1u) << c.text;
        EXPECT_EQ(r.messages[0].text, c.text);
        EXPECT_EQ(r.messages[0].caption, "TBF Hardware Models Error");
    }
}

TEST_F(HardwareExecution, DiscreteModelReportsAnErrorWhenEveryTrialFailed) {
    FailureDataSet set;
    set.dataKind = DataKind::Interval;
    set.errorHistory = ErrorHistory::Hardware;
    set.intervalCount = 3;
    for (int j = 1; j <= 3; ++j) {
        set.hardwareInterval(interval_row::kUnitsOnTest, j) = 5.0;
        set.hardwareInterval(interval_row::kUnitsFailing, j) = 5.0;
    }
    HardwareSelection s;
    s.selectAll = true;  // "Select Both Hardware Models": the growth tracking notice follows
    ProgramOptions options;
    const auto r = RunIntervalHardwareExecution(set, s, options);
    ASSERT_TRUE(r.discrete.ran);
    EXPECT_EQ(r.discrete.ERRFLG, 1);
    EXPECT_EQ(r.discrete.TT, 15.0);
    EXPECT_EQ(r.discrete.TF, 15.0);
    ASSERT_EQ(r.messages.size(), 2u);
    EXPECT_EQ(r.messages[0].text, "This model returned an error status.");
    EXPECT_EQ(r.messages[0].caption, "AMSAA Discrete Reliability Growth Model");
    EXPECT_EQ(r.messages[1].text, "This Model has not been implemented.");
}

}  // namespace
