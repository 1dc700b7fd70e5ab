#include "execution/applicability_values.h"

#include "execution/interval_plot_values.h"

namespace vnk::execution {

ChartMeasure TbfChartMeasure(const TbfExecutionResults& r, int m) {
    ChartMeasure out;
    out.measure = m + 1;
    out.nsr = r.selection.NSR();
    const bool measureRan = r.selection.measureSelected(m);
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const ApplicabilityResult& a = r.measure(slot, m);
        const bool ran = measureRan && r.executed[static_cast<std::size_t>(slot)] && a.INDX != 0;
        out.models[static_cast<std::size_t>(slot)] = {
            a.STAT, r.rank(slot, m), a.INDX, ran ? a.RFLAG : -1, a.plot1, a.plot2, a.noiseSteps};
    }
    return out;
}

IntervalAccuracyCharts IntervalAccuracyChartValues(const IntervalExecutionResults& r) {
    IntervalAccuracyCharts out;
    out.nsr = r.selection.NSR();
    for (std::size_t i = 0; i < out.models.size(); ++i) {
        const IntervalAccuracy& a = r.accuracy[i];
        const bool ran = IntervalAccuracyRan(r, static_cast<int>(i));
        out.models[i] = {a.STAT, r.ranks[i], a.INDX, ran ? a.RFLAG : -1, a.plot};
    }
    return out;
}

}  // namespace vnk::execution
