#include "app/commands/plot_commands.h"

#include <algorithm>
#include <vector>

#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/screens/data/raw_interval_plot_screen.h"
#include "app/shell/document.h"
#include "plot/data_plots.h"
#include "plot/plot_window.h"

namespace vnk::app {

namespace {

// Plots are built from copies, so a window never follows later changes of the data.
plot::TbfPlotData tbfPlotData(const CVarno3Doc& doc) {
    const FailureDataSet& set = doc.data();
    plot::TbfPlotData data;
    for (int i = 1; i <= set.tbfCount; ++i) {
        data.times.push_back(set.tbf(TbfField::TimeBetweenFailures, i));
        data.failureTypes.push_back(set.tbf(TbfField::FailureType, i));
    }
    data.unit = static_cast<int>(set.tbfUnit);
    data.history = static_cast<int>(set.errorHistory);
    data.timeToFailure = doc.options().viewPreference == view_preference::kTimeToFailure;
    return data;
}

}  // namespace

void ShowDataPlot(const CommandContext& ctx, bool smoothed) {
    const FailureDataSet& set = ctx.doc.data();
    if (set.dataKind == DataKind::Interval && set.errorHistory == ErrorHistory::Hardware) {
        plot::HardwareIntervalPlotData data;
        const int n = std::min(set.intervalCount, kCapacity - 1);
        for (int j = 1; j <= n; ++j) {
            data.unitsTested.push_back(set.hardwareInterval(interval_row::kUnitsOnTest, j));
            data.unitsFailing.push_back(set.hardwareInterval(interval_row::kUnitsFailing, j));
        }
        plot::ShowPlotWindow(plot::HardwareIntervalPlot(data), ctx.parent);
        return;
    }
    if (set.dataKind == DataKind::Interval) {
        plot::IntervalPlotData data;
        for (int j = 1; j <= set.intervalCount; ++j) {
            data.counts.push_back(set.interval(interval_row::kFaults, j));
            data.lengths.push_back(set.interval(interval_row::kLength, j));
        }
        data.smoothed = smoothed;
        plot::RawIntervalPlotScreen screen(ctx.prompter, data, ctx.parent);
        ctx.prompter.exec(screen);
        return;
    }
    if (set.tbfCount < 1) {
        ctx.prompter.information(ctx.parent, QString::fromLatin1(text::kNothingToPlot));
        return;
    }
    const plot::TbfPlotData data = tbfPlotData(ctx.doc);
    plot::ShowPlotWindow(smoothed ? plot::SmoothedTbfPlot(data) : plot::RawTbfPlot(data),
                         ctx.parent);
}

}  // namespace vnk::app
