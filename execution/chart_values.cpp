#include "execution/chart_values.h"

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "execution/interval_plot_values.h"
#include "execution/model_reports.h"

namespace vnk::execution {
namespace {

std::vector<double> field(const FailureDataSet& set, TbfField f) {
    std::vector<double> out;
    for (int i = 1; i <= set.tbfCount; ++i) out.push_back(set.tbf(f, i));
    return out;
}

IntervalChartInput intervalOf(const FailureDataSet& set, const IntervalExecutionResults* r) {
    IntervalChartInput in;
    for (int j = 1; j <= set.intervalCount; ++j) {
        in.counts.push_back(set.interval(interval_row::kFaults, j));
        in.lengths.push_back(set.interval(interval_row::kLength, j));
    }
    if (!r) return in;
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!r->ran[s]) continue;
        ChartModel model;
        model.code = IntervalSlotLabel(slot);
        const models::ModelDescription* description = IntervalSlotDescription(slot);
        model.title = description ? description->title : model.code;
        std::tie(model.predicted, model.firstPredicted) = IntervalPredictedByInterval(*r, slot);
        model.inSummary = r->status[s] == 0;
        if (r->status[s] != 0)
            model.skipped = "the model failed (RFLAG " + std::to_string(r->status[s]) + ")";
        else if (model.predicted.empty())
            model.skipped = "the model stored no predicted data";
        in.models.push_back(std::move(model));
    }
    in.accuracy = r->selection.accuracy;
    in.analyses = IntervalAccuracyChartValues(*r);
    return in;
}

}  // namespace

ChartInput ResultChartInput(const FailureDataSet& set, const std::string& dataFile,
                            const TbfExecutionResults* tbf,
                            const IntervalExecutionResults* interval,
                            const HardwareExecutionResults* hardware) {
    ChartInput in;
    in.stem = std::filesystem::path(dataFile).stem().string();
    in.times = field(set, TbfField::TimeBetweenFailures);
    in.failureTypes = field(set, TbfField::FailureType);
    in.severities = field(set, TbfField::SeverityLevel);
    in.unit = static_cast<int>(set.tbfUnit);
    in.history = static_cast<int>(set.errorHistory);
    if (hardware && hardware->crowAmsaa.ran) in.crow = hardware->crowAmsaa.analysis;
    if (set.dataKind == DataKind::Interval && set.errorHistory != ErrorHistory::Hardware) {
        in.kind = ChartDataKind::Interval;
        in.interval = intervalOf(set, interval);
        return in;
    }
    if (set.dataKind == DataKind::Interval) {
        in.kind = ChartDataKind::HardwareInterval;
        const int n = std::min(set.intervalCount, kCapacity - 1);
        for (int j = 1; j <= n; ++j) {
            in.unitsTested.push_back(set.hardwareInterval(interval_row::kUnitsOnTest, j));
            in.unitsFailing.push_back(set.hardwareInterval(interval_row::kUnitsFailing, j));
        }
        return in;
    }
    if (!tbf) return in;
    const TbfExecutionResults& r = *tbf;
    // The model plots show the working data the models were fitted to.
    in.times = r.data;
    in.severities.resize(r.data.size(), 1.0);
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        if (!r.executed[s]) continue;
        ChartModel model;
        model.code = TbfSlotLabel(slot);
        model.title = TbfSlotDescription(slot)->title;
        model.predicted = r.predicted[s];
        model.inSummary = r.status[s] == model_status::kSucceeded;
        if (r.status[s] == model_status::kFailed)
            model.skipped = "the model failed (RFLAG " + std::to_string(r.RFLAG[s]) + ")";
        else if (model.predicted.empty())
            model.skipped = "the model stored no predicted data";
        in.models.push_back(std::move(model));
    }
    for (int m = 0; m < kMeasureCount; ++m)
        if (r.selection.measureSelected(m)) in.measures.push_back(TbfChartMeasure(r, m));
    return in;
}

}  // namespace vnk::execution
