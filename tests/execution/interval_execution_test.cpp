#include "execution/interval_execution.h"

#include <gtest/gtest.h>

#include <fstream>

#include "execution/interval_summary_report.h"
#include "execution/model_reports.h"
#include "tests/execution/data4.h"
#include "tests/execution/golden.h"
#include "tests/execution/scripted_host.h"

namespace {

using namespace vnk;
using namespace vnk::execution;
using vnk::test::ScriptedHost;

using vnk::test::Data4;

IntervalSelection All(bool accuracy, int N) {
    IntervalSelection s;
    s.selectAll = true;
    s.accuracy = accuracy;
    s.NSB = N / 2;
    s.NSE = N - 1;
    return s;
}

using IntervalExecution = ::testing::Test;

TEST_F(IntervalExecution, SelectAllAsksEachScreenOnceInTheStatusScreensOrder) {
    const auto data = Data4();
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunIntervalExecution(data, All(true, 19), options, host);

    EXPECT_EQ(r.NS, 19);
    EXPECT_EQ(r.countStatistics[0], 328.0);
    EXPECT_NEAR(r.endTimes.back(), 47.65, 1e-9);
    for (int slot = 0; slot < kIntervalSlotCount; ++slot)
        EXPECT_EQ(r.ran[slot], slot != kSdw2 && slot != kSdw3) << slot;
    // Unchanged answers: S2 = S3 = 0 cancels treatments 2 and 3, which keep status 1.
    EXPECT_EQ(r.status[kSdw2], 1);
    EXPECT_EQ(r.status[kSdw3], 1);
    ASSERT_EQ(host.sAsked.size(), 1u);
    EXPECT_NE(host.sAsked[0].search, nullptr);  // for the "Investigate" screen

    // Brooks and Motley: the screen shows one less than the computed total, and OK keeps it.
    ASSERT_EQ(host.bmAsked.size(), 2u);
    for (int v = 0; v < 2; ++v) {
        EXPECT_EQ(host.bmAsked[v].BOPFLG, v + 1);
        EXPECT_DOUBLE_EQ(host.bmAsked[v].TNOF, host.bmAsked[v].computedTNOF - 1.0);
        EXPECT_DOUBLE_EQ(r.bmStart[v][2], host.bmAsked[v].TNOF);
        EXPECT_DOUBLE_EQ(r.bmStart[v][0], 0.85);
    }
    // Generalized Poisson: ALPHA 0 and AN = M(NS) + C(NS) + 1 for weightings 2 and 3.
    ASSERT_EQ(host.gpAsked.size(), 2u);
    EXPECT_EQ(host.gpAsked[0].WFSF, 2);
    EXPECT_EQ(host.gpAsked[1].WFSF, 3);
    for (const auto& asked : host.gpAsked) {
        EXPECT_EQ(asked.ALPHA, 0.0);
        EXPECT_EQ(asked.AN, 329.0);
        EXPECT_EQ(asked.lastCount, data.counts.back());
    }

    std::vector<std::pair<int, int>> expected;
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        if (slot == kSdw2 || slot == kSdw3) continue;
        if (slot == kBmBinomial || slot == kBmPoisson || slot == kGp2 || slot == kNhp ||
            slot == kSdw1 || slot == kYam)
            expected.emplace_back(slot, kProgressAccuracyColumn);
        expected.emplace_back(slot, kProgressIntervalModelsColumn);
    }
    EXPECT_EQ(host.started, expected);
    for (std::size_t i = 0; i < r.accuracy.size(); ++i) {
        if (r.accuracy[i].RFLAG == 0) {
            EXPECT_EQ(r.accuracy[i].INDX, 10);
            EXPECT_GT(r.ranks[i], 0);
        } else {
            EXPECT_EQ(r.accuracy[i].STAT, 0.0);
        }
    }
    EXPECT_EQ(options.numericalMethod, method::kMaximumLikelihood);
}

TEST_F(IntervalExecution, LeastSquaresWithSelectAllRunsOnlyTheModelsThatHaveIt) {
    ProgramOptions options;
    options.numericalMethod = method::kLeastSquares;
    ScriptedHost host;
    const auto r = RunIntervalExecution(Data4(), All(false, 19), options, host);
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const bool runs = slot == kGp1 || slot == kGp2 || slot == kNhp;
        EXPECT_EQ(r.ran[slot], runs) << slot;
        if (!runs) {
            EXPECT_EQ(r.status[slot], 1) << slot;
        }
    }
    EXPECT_TRUE(host.bmAsked.empty());
    EXPECT_TRUE(host.sAsked.empty());
    const auto pages = IntervalSummaryReport(r);
    const std::string executed =
        "      Model Executed                       yes           yes           yes           yes  "
        "         yes\n";
    EXPECT_NE(pages[0].find(executed), std::string::npos);
    EXPECT_NE(pages[1].find(executed), std::string::npos);
    EXPECT_NE(pages[0].find("      Model Successful                      no            no"),
              std::string::npos);
    EXPECT_EQ(options.numericalMethod, method::kMaximumLikelihood);
}

TEST_F(IntervalExecution, EqualLengthsSkipWeightingThreeWithStatusThree) {
    auto data = Data4();
    std::fill(data.lengths.begin(), data.lengths.end(), 1.0);
    IntervalSelection s;
    s.models[kChooseGp] = true;
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunIntervalExecution(data, s, options, host);
    EXPECT_EQ(r.status[kGp3], 3);
    EXPECT_TRUE(r.ran[kGp3]);
    EXPECT_EQ(host.gpAsked.size(), 1u);  // only weighting 2's screen
    ASSERT_NE(IntervalSlotDescription(kGp3), nullptr);
    const auto ctx = IntervalModelContext(r, kGp3, 1000.0);
    const std::string report = IntervalModelReport(
        r, kGp3, 1000.0, OpeningPredictionValues(*IntervalSlotDescription(kGp3), ctx));
    EXPECT_NE(report.find("The Data are not appropriate for the model."), std::string::npos);
}

TEST_F(IntervalExecution, SchneidewindTreatmentsRunWithTheHostsS) {
    IntervalSelection s;
    s.models[kChooseSdw] = true;
    ProgramOptions options;
    ScriptedHost host;
    host.S2 = 3;
    host.S3 = 4;
    const auto r = RunIntervalExecution(Data4(), s, options, host);
    EXPECT_TRUE(r.ran[kSdw2]);
    EXPECT_TRUE(r.ran[kSdw3]);
    EXPECT_EQ(r.schneidewindS, (std::array<int, 2>{3, 4}));
    EXPECT_EQ(IntervalModelContext(r, kSdw2, 1000.0).scalar("TSS"), 3.0);
    EXPECT_EQ(IntervalModelContext(r, kSdw3, 1000.0).scalar("TSS"), 4.0);
    ASSERT_EQ(host.sAsked.size(), 1u);
    EXPECT_EQ(r.search.SVALUE.size(), 19u);

    // An S below 1 cannot start a treatment: it is cancelled like 0.
    ScriptedHost negative;
    negative.S2 = -2;
    const auto n = RunIntervalExecution(Data4(), s, options, negative);
    EXPECT_FALSE(n.ran[kSdw2]);
    EXPECT_EQ(n.status[kSdw2], 1);
    // Whatever the search found, a found optimum is above 1 and none is reported as zeros.
    const auto& o = host.sAsked[0].optimum;
    if (host.sAsked[0].found) {
        EXPECT_TRUE(o[0] > 1 || o[1] > 1 || o[2] > 1);
    } else {
        EXPECT_EQ(o, (std::array<int, 3>{0, 0, 0}));
    }
}

TEST_F(IntervalExecution, AnAccuracyRangeTheRoutinesCannotUseCountsAsFailed) {
    // Cancel on the range screen keeps whatever range there was, here none at all.
    IntervalSelection s;
    s.models[kChooseBmB] = true;
    s.models[kChooseGp] = true;
    s.accuracy = true;
    for (auto range :
         {std::array<int, 2>{0, 0}, std::array<int, 2>{10, 19}, std::array<int, 2>{12, 11}}) {
        s.NSB = range[0];
        s.NSE = range[1];
        ProgramOptions options;
        ScriptedHost host;
        const auto r = RunIntervalExecution(Data4(), s, options, host);
        for (int i : {0, 2}) {  // BM-B and GP-2
            EXPECT_EQ(r.accuracy[i].RFLAG, status::kNotAppropriate);
            EXPECT_EQ(r.accuracy[i].INDX, 0);
            EXPECT_EQ(r.ranks[i], 0);
        }
        EXPECT_TRUE(r.ran[kBmBinomial]);  // the estimations still run
    }
}

TEST_F(IntervalExecution, BrooksMotleyStartsFromTheHostsValues) {
    IntervalSelection s;
    s.models[kChooseBmP] = true;
    ProgramOptions options;
    ScriptedHost host;
    host.bmAnswer = std::array<double, 3>{0.9, 0.05, 400.0};
    const auto r = RunIntervalExecution(Data4(), s, options, host);
    EXPECT_EQ(r.bmStart[kBmPoisson], (std::array<double, 3>{0.9, 0.05, 400.0}));
    EXPECT_EQ(IntervalModelContext(r, kBmPoisson, 1000.0).scalar("PEC"), 0.9);
    EXPECT_FALSE(r.ran[kBmBinomial]);
}

// The printed output of a data4 run with every model and the accuracy analysis: the four
// summary pages and each run model's report. Checked by hand: statuses against the ran
// flags, ranks against the accuracy statistics, counts and lengths against the file.
TEST_F(IntervalExecution, Data4ReportsMatchTheGoldenText) {
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunIntervalExecution(Data4(), All(true, 19), options, host);
    auto pages = IntervalSummaryReport(r);
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        if (!r.ran[slot]) continue;
        const auto* d = IntervalSlotDescription(slot);
        pages.push_back(IntervalModelReport(
            r, slot, 1000.0, OpeningPredictionValues(*d, IntervalModelContext(r, slot, 1000.0))));
    }
    test::ExpectGolden("data4_interval_all.txt", test::JoinPages(pages));
}

}  // namespace
