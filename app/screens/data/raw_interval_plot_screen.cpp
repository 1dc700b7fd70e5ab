#include "app/screens/data/raw_interval_plot_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/tabbed_chart.h"
#include "plot/value_table.h"

namespace vnk::plot {

RawIntervalPlotScreen::RawIntervalPlotScreen(app::Prompter& prompter, const IntervalPlotData& data,
                                             QWidget* parent)
    : Screen(prompter, QStringLiteral("Raw Data Plots"), QString(), parent), data_(data) {
    table_ = new ValueTable(IntervalTable(data_), this);
    charts_ = new TabbedChart(
        {QStringLiteral("Counts"), QStringLiteral("Length")},
        [this](int tab) {
            return tab == 0 ? IntervalCountsChart(data_) : IntervalLengthsChart(data_);
        },
        this);

    auto* areas = new QHBoxLayout;
    areas->addWidget(table_, 1);
    areas->addWidget(charts_, 4);
    body()->addLayout(areas, 1);
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(1000, 650);
}

}  // namespace vnk::plot
