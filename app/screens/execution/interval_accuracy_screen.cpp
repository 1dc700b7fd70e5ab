#include "app/screens/execution/interval_accuracy_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "plot/results_panel.h"
#include "plot/tabbed_chart.h"

namespace vnk::plot {

IntervalAccuracyScreen::IntervalAccuracyScreen(app::Prompter& prompter,
                                               const IntervalAccuracyCharts& data, QWidget* parent)
    : Screen(prompter, QStringLiteral("Accuracy Analysis"),
             QString::fromLatin1(app::help_page::kExecutionsMenu), parent),
      data_(data) {
    QList<ResultsRow> rows;
    const QStringList names = IntervalAccuracyTabs();
    for (int i = 0; i < names.size(); ++i) {
        const IntervalAccuracyCharts::Model& r = data_.models[static_cast<std::size_t>(i)];
        rows << ResultsRow{names[i] + QLatin1Char(':'), r.stat, r.rank, r.indx, r.rflag};
    }
    results_ = new ResultsPanel(rows, this);
    charts_ = new TabbedChart(
        names, [this](int tab) { return IntervalAccuracyChart(data_, tab); }, this);
    charts_->setEmptyText([this](int tab) {
        const IntervalAccuracyCharts::Model& r = data_.models.at(static_cast<std::size_t>(tab));
        return UnavailableReason(r.rflag, r.indx);
    });

    auto* areas = new QHBoxLayout;
    areas->addWidget(results_);
    areas->addWidget(charts_, 1);
    body()->addLayout(areas, 1);
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    addHelpButton();
    resize(1000, 600);
}

}  // namespace vnk::plot
