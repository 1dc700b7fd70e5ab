#include "app/screens/data/raw_interval_plot_screen.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "plot/tabbed_chart.h"
#include "plot/value_table.h"

namespace vnk::plot {

RawIntervalPlotScreen::RawIntervalPlotScreen(const IntervalPlotData& data, QWidget* parent)
    : QDialog(parent), data_(data) {
    setWindowTitle(QStringLiteral("Raw Data Plots"));
    table_ = new ValueTable(IntervalTable(data_), this);
    charts_ = new TabbedChart({QStringLiteral("Counts"), QStringLiteral("Length")},
                              [this](int tab) {
                                  return tab == 0 ? IntervalCountsChart(data_)
                                                  : IntervalLengthsChart(data_);
                              },
                              this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* areas = new QHBoxLayout;
    areas->addWidget(table_, 1);
    areas->addWidget(charts_, 4);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(areas, 1);
    layout->addWidget(buttons);
    resize(1000, 650);
}

}  // namespace vnk::plot
