#include "execution/tbf_execution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "execution/model_reports.h"
#include "execution/ranking_step.h"
#include "execution/tbf_slot_routines.h"
#include "execution/tbf_summary_report.h"
#include "tests/execution/golden.h"
#include "tests/execution/scripted_host.h"
#include "tests/support/tbf_data.h"

namespace {

using namespace vnk;
using namespace vnk::execution;
using vnk::test::ScriptedHost;

TbfWorkingData Load(const std::string& name) { return {test::LoadTbfData(name), 0.0}; }

TbfSelection Choose(std::initializer_list<int> slots, bool allMeasures, int NS) {
    TbfSelection s;
    for (int slot : slots) s.models[slot] = true;
    s.applicability = allMeasures;
    s.selectAllMeasures = allMeasures;
    s.NSB = NS / 2;
    s.NSE = NS - 1;
    return s;
}

TEST(TbfExecution, RunsTheChosenModelsWithEveryMeasureAndRanksThem) {
    const auto data = Load("sys1_tbf.txt");
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunTbfExecution(data, Choose({kGeo, kJam}, true, 136), options, host);
    EXPECT_EQ(r.NS, 136);
    EXPECT_DOUBLE_EQ(r.dataStatistics[0], std::accumulate(data.DAT.begin(), data.DAT.end(), 0.0));
    for (int slot : {kGeo, kJam}) {
        EXPECT_TRUE(r.executed[slot]);
        EXPECT_EQ(r.status[slot], model_status::kSucceeded);
        EXPECT_EQ(r.predicted[slot].size(), 136u);
        EXPECT_GT(r.DVAL[slot], 0.0);
        for (int m = 0; m < kMeasureCount; ++m) {
            EXPECT_EQ(r.measure(slot, m).RFLAG, 0);
            EXPECT_EQ(r.measure(slot, m).INDX, 68);  // prefixes 68 .. 135
            EXPECT_EQ(r.measure(slot, m).plot1.size(), 68u);
            EXPECT_GT(r.measure(slot, m).STAT, 0.0);
        }
    }
    for (int slot : {kLavLinear, kMusaBasic, kMusaLog, kNpt, kLavQuadratic}) {
        EXPECT_FALSE(r.executed[slot]);
        EXPECT_EQ(r.status[slot], model_status::kNotExecuted);
        EXPECT_EQ(r.predicted[slot], std::vector<double>(136, 0.0));
        for (int m = 0; m < kMeasureCount; ++m) EXPECT_EQ(r.measure(slot, m).INDX, 0);
    }
    // On SYS1 the Geometric model beats Jelinski/Moranda on every measure.
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(r.rank(kGeo, column), 1);
        EXPECT_EQ(r.rank(kJam, column), 2);
    }
}

TEST(TbfExecution, AnalysesStopAtTheirFirstFailedRefit) {
    // NTDS: neither model can be fitted to the first 13 times (no growth yet), so every
    // analysis of the default range 13 .. 25 ends at its first refit, with no rank, while
    // both estimations on all 26 succeed. Published Jelinski-Moranda estimate: N = 31.2
    // (Goel and Okumoto, 1979).
    const auto data = Load("ntds_tbf.txt");
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunTbfExecution(data, Choose({kGeo, kJam}, true, 26), options, host);
    EXPECT_NEAR(r.stats[kJam](tbf_row::kTotalFaults, kEstimate), 31.2, 0.05);
    for (int slot : {kGeo, kJam}) {
        EXPECT_EQ(r.status[slot], model_status::kSucceeded);
        for (int m = 0; m < kMeasureCount; ++m) {
            EXPECT_EQ(r.measure(slot, m).RFLAG, status::kNotAppropriate);
            EXPECT_EQ(r.measure(slot, m).INDX, 1);
            EXPECT_EQ(r.measure(slot, m).STAT, 0.0);
        }
        for (int column = 0; column < 5; ++column) EXPECT_EQ(r.rank(slot, column), 0);
    }
}

TEST(TbfExecution, ProgressFollowsTheStatusScreenWithMeasuresBeforeTheModel) {
    const auto data = Load("ntds_tbf.txt");
    ProgramOptions options;
    ScriptedHost host;
    TbfSelection s = Choose({}, false, 26);
    s.selectAllModels = true;
    s.applicability = true;
    s.measures[kBias] = true;
    RunTbfExecution(data, s, options, host);

    std::vector<std::pair<int, int>> expected;
    for (int slot : kTbfProcessingOrder) {
        expected.emplace_back(slot, kBias);
        expected.emplace_back(slot, kProgressModelsColumn);
    }
    EXPECT_EQ(host.started, expected);
    EXPECT_EQ(host.finished, expected);
}

TEST(TbfExecution, LeastSquaresWithSelectAllLeavesOutTheMaximumLikelihoodModels) {
    const auto data = Load("ntds_tbf.txt");
    ProgramOptions options;
    options.numericalMethod = method::kLeastSquares;
    ScriptedHost host;
    TbfSelection s = Choose({}, false, 26);
    s.selectAllModels = true;
    const auto r = RunTbfExecution(data, s, options, host);

    EXPECT_EQ(r.ESF, method::kLeastSquares);
    EXPECT_EQ(options.numericalMethod, method::kMaximumLikelihood);
    EXPECT_TRUE(r.executed[kGeo]);
    EXPECT_TRUE(host.lavAsked.empty());  // no starting values under least squares
    for (int slot : {kMusaBasic, kMusaLog, kNpt}) {
        EXPECT_FALSE(r.executed[slot]);
        EXPECT_EQ(r.status[slot], model_status::kNotExecuted);
    }
    const auto pages = TbfSummaryReport(r);
    EXPECT_NE(pages[1].find(
                  "      Model Executed                        no            no            no\n"
                  "      Model Successful                      no            no            no\n"),
              std::string::npos);
    // Least squares gives no limits: the report prints them as zeros.
    EXPECT_EQ(r.stats[kGeo](4, kLower), 0.0);
}

TEST(TbfExecution, TotalFaultsBelowObservedKeepsResultsWithoutPredictedData) {
    // SYS3: the Jelinski-Moranda likelihood peaks at N = 37.9 for 38 failures.
    const auto data = Load("sys3_tbf.txt");
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunTbfExecution(data, Choose({kJam}, false, 38), options, host);
    EXPECT_EQ(r.RFLAG[kJam], 4);
    EXPECT_EQ(r.status[kJam], model_status::kTotalFaultsBelowObserved);
    EXPECT_NEAR(r.stats[kJam](tbf_row::kTotalFaults, kEstimate), 37.9, 0.05);
    EXPECT_EQ(r.predicted[kJam], std::vector<double>(38, 0.0));
    EXPECT_EQ(r.DFLG[kJam], 2);
    EXPECT_FALSE(TbfSlotFailed(r, kJam));  // its result screen, not its error screen
}

TEST(TbfExecution, FailedEstimationPrintsTheErrorReport) {
    // The first 13 NTDS times show too little growth for the Geometric model.
    auto data = Load("ntds_tbf.txt");
    data.DAT.resize(13);
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunTbfExecution(data, Choose({kGeo}, false, 13), options, host);
    ASSERT_EQ(r.status[kGeo], model_status::kFailed);
    EXPECT_EQ(r.RFLAG[kGeo], status::kNotAppropriate);
    EXPECT_EQ(r.predicted[kGeo], std::vector<double>(13, 0.0));

    const auto* d = TbfSlotDescription(kGeo);
    const auto values = OpeningPredictionValues(*d, TbfModelContext(r, kGeo));
    const std::string report = TbfModelReport(r, kGeo, values);
    const std::string tail =
        "    ERRORS OCCURRED\n"
        "\n"
        "      Model Execution Returned Error:\n"
        "      \n"
        "      The Data are not appropriate for the model.";
    ASSERT_GE(report.size(), tail.size());
    EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
    EXPECT_EQ(report.find("PREDICTIONS"), std::string::npos);
}

TEST(TbfExecution, NhppWorksOnTheRunningSumsAndTheOthersOnTheTimes) {
    const auto data = Load("ntds_tbf.txt");
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunTbfExecution(data, Choose({kGeo}, false, 26), options, host);
    std::vector<double> sums(data.DAT.size());
    std::partial_sum(data.DAT.begin(), data.DAT.end(), sums.begin());
    EXPECT_EQ(r.cumulativeData, sums);
    EXPECT_EQ(TbfModelContext(r, kNpt).data, sums);
    EXPECT_EQ(TbfModelContext(r, kGeo).data, data.DAT);
}

TEST(TbfExecution, LittlewoodVerrallStartsFromTheHostsValues) {
    const auto data = Load("ntds_tbf.txt");
    ProgramOptions options;
    ScriptedHost unchanged;
    const auto byDefault =
        RunTbfExecution(data, Choose({kLavLinear}, false, 26), options, unchanged);
    ASSERT_EQ(unchanged.lavAsked.size(), 1u);
    EXPECT_EQ(unchanged.lavAsked[0].PHIIND, 1);
    // Pressing OK unchanged: the computed initial estimates are the starting values.
    EXPECT_EQ(byDefault.BETA[kLavLinear], unchanged.lavAsked[0].BETA);

    ScriptedHost edited;
    edited.lavAnswer = std::array<double, 2>{5.0, 0.5};
    const auto r = RunTbfExecution(data, Choose({kLavLinear}, false, 26), options, edited);
    EXPECT_EQ(r.BETA[kLavLinear], (std::array<double, 2>{5.0, 0.5}));
}

TEST(TbfExecution, StatisticsThatAreNotFiniteCountAsFailedAnalyses) {
    TbfExecutionResults r;
    r.selection.selectAllModels = true;
    r.selection.applicability = true;
    r.selection.selectAllMeasures = true;
    for (auto& a : r.applicability) a.STAT = 1.0;
    r.measure(kGeo, kAccuracy).STAT = std::nan("");
    r.measure(kJam, kAccuracy).STAT = INFINITY;
    r.measure(kNpt, kNoise).STAT = -INFINITY;
    RankTbfExecution(r);
    EXPECT_EQ(r.measure(kGeo, kAccuracy).STAT, 0.0);
    EXPECT_EQ(r.measure(kJam, kAccuracy).STAT, 0.0);
    EXPECT_EQ(r.measure(kNpt, kNoise).STAT, 0.0);
    for (const auto& a : r.applicability) EXPECT_TRUE(std::isfinite(a.STAT));
}

TEST(TbfExecution, EveryCommandEndsWithMaximumLikelihood) {
    ProgramOptions options;
    options.numericalMethod = method::kLeastSquares;
    EndModelExecutionCommand(options);
    EXPECT_EQ(options.numericalMethod, method::kMaximumLikelihood);
}

// The whole printed output of an NTDS run: the four summary pages and each executed model's
// report with one prediction asked. Values checked by hand against the published NTDS
// Jelinski-Moranda estimates and the ranks against the statistics.
TEST(TbfExecution, NtdsReportsMatchTheGoldenText) {
    const auto data = Load("ntds_tbf.txt");
    ProgramOptions options;
    ScriptedHost host;
    const auto r = RunTbfExecution(data, Choose({kGeo, kJam}, true, 26), options, host);
    auto pages = TbfSummaryReport(r);
    for (int slot : {kGeo, kJam}) {
        const auto* d = TbfSlotDescription(slot);
        const auto ctx = TbfModelContext(r, slot);
        auto values = OpeningPredictionValues(*d, ctx);
        AskPrediction(*d, ctx, 0, {3.0}, values);
        pages.push_back(TbfModelReport(r, slot, values));
    }
    test::ExpectGolden("ntds_geo_jam.txt", test::JoinPages(pages));
}

}  // namespace

namespace {

// Every model with every measure over SYS1's default range: the four summary pages and the
// seven reports. Checked by hand: ranks against the statistics, each model's rows against its
// own screen values, no model failing on this data.
TEST(TbfExecution, Sys1AllModelsReportsMatchTheGoldenText) {
    const auto data = Load("sys1_tbf.txt");
    ProgramOptions options;
    ScriptedHost host;
    TbfSelection s = Choose({}, true, 136);
    s.selectAllModels = true;
    const auto r = RunTbfExecution(data, s, options, host);
    auto pages = TbfSummaryReport(r);
    for (int slot : kTbfProcessingOrder) {
        const auto* d = TbfSlotDescription(slot);
        pages.push_back(
            TbfModelReport(r, slot, OpeningPredictionValues(*d, TbfModelContext(r, slot))));
    }
    test::ExpectGolden("sys1_all_models.txt", test::JoinPages(pages));
}

}  // namespace
