// What the applicability screens and chart files are given: a model left out, a measure not
// asked for and an analysis that never started all show as not run, the rest as stored.
#include "execution/applicability_values.h"

#include <gtest/gtest.h>

#include "execution/interval_execution.h"
#include "execution/tbf_execution.h"
#include "tests/execution/scripted_host.h"
#include "tests/support/tbf_data.h"

namespace {

using namespace vnk;
using namespace vnk::execution;

TEST(ApplicabilityValues, ModelsAndMeasuresLeftOutOfTheRunAreNotRun) {
    const std::vector<double> data = test::LoadTbfData("sys1_tbf.txt");
    TbfSelection s;
    s.models.fill(true);
    s.models[kMusaBasic] = false;
    s.applicability = true;
    s.measures[kAccuracy] = s.measures[kTrend] = true;
    s.NSB = 68;
    s.NSE = 135;
    ProgramOptions options;
    test::ScriptedHost host;
    const TbfExecutionResults r = RunTbfExecution({data, 0.0}, s, options, host);

    const ChartMeasure accuracy = TbfChartMeasure(r, kAccuracy);
    EXPECT_EQ(accuracy.measure, 1);
    EXPECT_EQ(accuracy.nsr, 68);
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const ChartMeasure::Model& m = accuracy.models[static_cast<std::size_t>(slot)];
        EXPECT_EQ(m.rflag, slot == kMusaBasic ? -1 : r.measure(slot, kAccuracy).RFLAG) << slot;
        EXPECT_EQ(m.rank, r.rank(slot, kAccuracy)) << slot;
    }
    EXPECT_EQ(accuracy.models[kGeo].plot1, r.measure(kGeo, kAccuracy).plot1);
    for (const ChartMeasure::Model& m : TbfChartMeasure(r, kBias).models) EXPECT_EQ(m.rflag, -1);
}

TEST(ApplicabilityValues, IntervalAnalysesOfModelsLeftOutAreNotRun) {
    IntervalExecutionResults r;
    r.selection.accuracy = true;
    r.selection.NSB = 10;
    r.selection.NSE = 19;
    r.ran[kYam] = true;
    r.accuracy[5].RFLAG = 5;
    r.accuracy[0].RFLAG = 3;  // BM-B did not run: its stale flag is not shown
    r.ranks[5] = 1;
    const IntervalAccuracyCharts charts = IntervalAccuracyChartValues(r);
    EXPECT_EQ(charts.nsr, 10);
    EXPECT_EQ(charts.models[0].rflag, -1);
    EXPECT_EQ(charts.models[5].rflag, 5);
    EXPECT_EQ(charts.models[5].rank, 1);
    r.selection.accuracy = false;
    EXPECT_EQ(IntervalAccuracyChartValues(r).models[5].rflag, -1);
}

}  // namespace
