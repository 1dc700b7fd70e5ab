#include "app/commands/interval_plot_data.h"

#include <algorithm>

#include "execution/model_reports.h"
#include "app/screens/execution/interval_summary_screen.h"

namespace vnk::interval_screens {

namespace {

using namespace execution;

// The slot's predicted counts that belong to single intervals, and the first interval.
std::pair<std::vector<double>, int> PredictedByInterval(const IntervalExecutionResults& r,
                                                       int slot) {
    const std::vector<double>& all = r.predicted[static_cast<std::size_t>(slot)];
    if (slot != kSdw2 && slot != kSdw3) return {all, 1};
    const int S = r.schneidewindS[static_cast<std::size_t>(slot - kSdw2)];
    if (S < 1 || S > r.NS) return {{}, 1};
    const auto cells = static_cast<std::size_t>(r.NS - S + 1);
    // Treatment 3 pools the intervals before S into its first cell.
    const std::size_t skip = slot == kSdw3 ? 1 : 0;
    if (all.size() < skip) return {{}, S};
    const auto from = all.begin() + static_cast<std::ptrdiff_t>(skip);
    const auto n = std::min(cells, all.size() - skip);
    return {std::vector<double>(from, from + static_cast<std::ptrdiff_t>(n)), S};
}

}  // namespace

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
        auto [values, first] = PredictedByInterval(r, slot);
        data.models.push_back({IntervalSlotLabel(slot), std::move(values), first});
    }
    return data;
}

plot::IntervalModelPlotData ModelPlotData(const IntervalExecutionResults& r, int slot) {
    plot::IntervalModelPlotData data;
    const models::ModelDescription* description = IntervalSlotDescription(slot);
    data.modelName = description ? description->title : IntervalSlotLabel(slot);
    data.counts = r.counts;
    auto [values, first] = PredictedByInterval(r, slot);
    data.predicted = std::move(values);
    data.firstPredicted = first;
    return data;
}

}  // namespace vnk::interval_screens
