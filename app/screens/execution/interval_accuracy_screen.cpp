#include "app/screens/execution/interval_accuracy_screen.h"

namespace vnk::plot {

IntervalAccuracyScreen::IntervalAccuracyScreen(app::Prompter& prompter,
                                               const IntervalAccuracyCharts& data, QWidget* parent)
    : AnalysisChartScreen(prompter, QStringLiteral("Accuracy Analysis"), parent), data_(data) {
    QList<ResultsRow> rows;
    const QStringList names = IntervalAccuracyTabs();
    for (int i = 0; i < names.size(); ++i) {
        const IntervalAccuracyCharts::Model& r = data_.models[static_cast<std::size_t>(i)];
        rows << ResultsRow{names[i] + QLatin1Char(':'), r.stat, r.rank, r.indx, r.rflag};
    }
    build(
        rows, names, [this](int tab) { return IntervalAccuracyChart(data_, tab); },
        [this](int tab) {
            const IntervalAccuracyCharts::Model& r = data_.models.at(static_cast<std::size_t>(tab));
            return UnavailableReason(r.rflag, r.indx);
        },
        QSize(1000, 600));
}

}  // namespace vnk::plot
