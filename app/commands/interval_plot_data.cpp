#include "app/commands/interval_plot_data.h"

#include "app/screens/execution/interval_summary_screen.h"
#include "execution/interval_plot_values.h"
#include "execution/model_reports.h"

namespace vnk::interval_screens {

using namespace execution;

plot::IntervalAccuracyData AccuracyPlotData(const IntervalExecutionResults& r) {
    plot::IntervalAccuracyData data;
    data.nsr = r.selection.NSR();
    for (std::size_t i = 0; i < kAccuracySlots.size(); ++i) {
        const IntervalAccuracy& a = r.accuracy[i];
        plot::IntervalAccuracyResult& out = data.models[i];
        out.stat = a.STAT;
        out.rank = r.ranks[i];
        out.indx = a.INDX;
        out.rflag = a.RFLAG;
        out.plot = a.plot;
        // An analysis that never ran has nothing to chart.
        if (!AccuracyAnalysisRan(r, static_cast<int>(i))) out.rflag = -1;
    }
    return data;
}

plot::IntervalSummaryPlotData SummaryPlotData(const IntervalExecutionResults& r) {
    plot::IntervalSummaryPlotData data;
    data.counts = r.counts;
    data.lengths = r.lengths;
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        if (r.status[static_cast<std::size_t>(slot)] != 0) continue;
        auto [values, first] = IntervalPredictedByInterval(r, slot);
        data.models.push_back({IntervalSlotLabel(slot), std::move(values), first});
    }
    return data;
}

plot::IntervalModelPlotData ModelPlotData(const IntervalExecutionResults& r, int slot) {
    plot::IntervalModelPlotData data;
    const models::ModelDescription* description = IntervalSlotDescription(slot);
    data.modelName = description ? description->title : IntervalSlotLabel(slot);
    data.counts = r.counts;
    auto [values, first] = IntervalPredictedByInterval(r, slot);
    data.predicted = std::move(values);
    data.firstPredicted = first;
    return data;
}

}  // namespace vnk::interval_screens
