#include "app/screens/execution/interval_accuracy_screen.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "plot/results_panel.h"
#include "plot/tabbed_chart.h"

namespace vnk::plot {

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
