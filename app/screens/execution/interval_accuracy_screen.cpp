#include "app/screens/execution/interval_accuracy_screen.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "execution/interval_results.h"
#include "plot/results_panel.h"
#include "plot/tabbed_chart.h"

namespace vnk::plot {

QStringList IntervalAccuracyTabs() {
    QStringList tabs;
    for (int slot : execution::kAccuracySlots)
        tabs << QString::fromLatin1(models::IntervalSlotNamesOf(slot).code);
    return tabs;
}

std::optional<ChartSpec> IntervalAccuracyChart(const IntervalAccuracyData& data, int tab) {
    if (tab < 0 || tab >= static_cast<int>(data.models.size())) return std::nullopt;
    const IntervalAccuracyResult& r = data.models[static_cast<std::size_t>(tab)];
    if (r.rflag != 0) return std::nullopt;
    const QString name = IntervalAccuracyTabs().value(tab);
    ChartSpec chart;
    chart.title = name;
    const int points = std::min(data.nsr > 0 ? data.nsr : r.indx, static_cast<int>(r.plot.size()));
    SeriesSpec series{name, colour::kGreen, SeriesKind::Line, {}};
    std::vector<double> drawn;
    for (int i = 0; i < points; ++i) {
        const double v = r.plot[static_cast<std::size_t>(i)];
        if (v < 0.0) continue;
        series.points << QPointF(i + 1, v);
        drawn.push_back(v);
    }
    chart.series = {series};
    chart.x = {QStringLiteral("Point Number"), TbfXAxis(points)};
    chart.y = {QString(), TbfYAxis(drawn)};
    return chart;
}

IntervalAccuracyScreen::IntervalAccuracyScreen(const IntervalAccuracyData& data, QWidget* parent,
                                               std::function<void()> help)
    : QDialog(parent), data_(data) {
    setWindowTitle(QStringLiteral("Accuracy Analysis"));
    QList<ResultsRow> rows;
    const QStringList names = IntervalAccuracyTabs();
    for (int i = 0; i < names.size(); ++i) {
        const IntervalAccuracyResult& r = data_.models[static_cast<std::size_t>(i)];
        rows << ResultsRow{names[i] + QLatin1Char(':'), r.stat, r.rank, r.indx, r.rflag};
    }
    results_ = new ResultsPanel(rows, this);
    charts_ = new TabbedChart(names, [this](int tab) { return IntervalAccuracyChart(data_, tab); },
                              this);
    charts_->setEmptyText([this](int tab) {
        const IntervalAccuracyResult& r = data_.models.at(static_cast<std::size_t>(tab));
        return UnavailableReason(r.rflag, r.indx);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    if (help) {
        QPushButton* helpButton = buttons->addButton(QDialogButtonBox::Help);
        helpButton->setObjectName(QStringLiteral("helpButton"));
        connect(helpButton, &QPushButton::clicked, this, [help] { help(); });
    }

    auto* areas = new QHBoxLayout;
    areas->addWidget(results_);
    areas->addWidget(charts_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(areas, 1);
    layout->addWidget(buttons);
    resize(1000, 600);
}

}  // namespace vnk::plot
