#include "app/screens/execution/applicability_plot_screen.h"

namespace vnk::plot {

ApplicabilityPlotScreen::ApplicabilityPlotScreen(app::Prompter& prompter, const ChartMeasure& data,
                                                 QWidget* parent)
    : AnalysisChartScreen(prompter, ApplicabilityCaption(data.measure), parent), data_(data) {
    auto modelOf = [this](int tab) -> const ChartMeasure::Model& {
        return data_.models[static_cast<std::size_t>(ApplicabilitySlot(tab))];
    };
    QList<ResultsRow> rows;
    for (int i = 0; i < kApplicabilityModels; ++i) {
        const ChartMeasure::Model& r = modelOf(i);
        rows << ResultsRow{ApplicabilityModelCaption(i), r.stat, r.rank, r.indx, r.rflag};
    }
    build(
        rows, ApplicabilityTabs(data_.measure),
        [this](int tab) { return ApplicabilityChart(data_, tab); },
        [modelOf](int tab) {
            const ChartMeasure::Model& r = modelOf(tab);
            return UnavailableReason(r.rflag, r.indx);
        },
        QSize(1100, 650));
}

}  // namespace vnk::plot
