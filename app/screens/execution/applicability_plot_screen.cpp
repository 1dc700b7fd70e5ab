#include "app/screens/execution/applicability_plot_screen.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "plot/results_panel.h"
#include "plot/tabbed_chart.h"

namespace vnk::plot {

ApplicabilityPlotScreen::ApplicabilityPlotScreen(const ApplicabilityPlotData& data, QWidget* parent,
                                                 std::function<void()> help)
    : QDialog(parent), data_(data) {
    setWindowTitle(ApplicabilityCaption(data_.measure));
    QList<ResultsRow> rows;
    for (int i = 0; i < kApplicabilityModels; ++i) {
        const ApplicabilityResult& r = data_.models[static_cast<std::size_t>(ApplicabilitySlot(i))];
        rows << ResultsRow{ApplicabilityModelCaption(i), r.stat, r.rank, r.indx, r.rflag};
    }
    results_ = new ResultsPanel(rows, this);
    charts_ = new TabbedChart(ApplicabilityTabs(data_.measure),
                              [this](int tab) { return ApplicabilityChart(data_, tab); }, this);
    charts_->setEmptyText([this](int tab) {
        const ApplicabilityResult& r = data_.models[static_cast<std::size_t>(ApplicabilitySlot(tab))];
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
    resize(1100, 650);
}

}  // namespace vnk::plot
