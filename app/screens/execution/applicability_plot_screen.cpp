#include "app/screens/execution/applicability_plot_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "plot/results_panel.h"
#include "plot/tabbed_chart.h"

namespace vnk::plot {

ApplicabilityPlotScreen::ApplicabilityPlotScreen(app::Prompter& prompter, const ChartMeasure& data,
                                                 QWidget* parent)
    : Screen(prompter, ApplicabilityCaption(data.measure),
             QString::fromLatin1(app::help_page::kExecutionsMenu), parent),
      data_(data) {
    QList<ResultsRow> rows;
    for (int i = 0; i < kApplicabilityModels; ++i) {
        const ChartMeasure::Model& r = data_.models[static_cast<std::size_t>(ApplicabilitySlot(i))];
        rows << ResultsRow{ApplicabilityModelCaption(i), r.stat, r.rank, r.indx, r.rflag};
    }
    results_ = new ResultsPanel(rows, this);
    charts_ = new TabbedChart(
        ApplicabilityTabs(data_.measure),
        [this](int tab) { return ApplicabilityChart(data_, tab); }, this);
    charts_->setEmptyText([this](int tab) {
        const ChartMeasure::Model& r =
            data_.models[static_cast<std::size_t>(ApplicabilitySlot(tab))];
        return UnavailableReason(r.rflag, r.indx);
    });

    auto* areas = new QHBoxLayout;
    areas->addWidget(results_);
    areas->addWidget(charts_, 1);
    body()->addLayout(areas, 1);
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    addHelpButton();
    resize(1100, 650);
}

}  // namespace vnk::plot
