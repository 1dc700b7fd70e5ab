#include "app/commands/interval_plot_data.h"

#include "execution/interval_plot_values.h"
#include "execution/model_reports.h"

namespace vnk::interval_screens {

using namespace execution;

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
