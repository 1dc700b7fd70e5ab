#include "app/screens/execution/analysis_chart_screen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"

namespace vnk::plot {

AnalysisChartScreen::AnalysisChartScreen(app::Prompter& prompter, const QString& caption,
                                         QWidget* parent)
    : Screen(prompter, caption, QString::fromLatin1(app::help_page::kExecutionsMenu), parent) {}

void AnalysisChartScreen::build(const QList<ResultsRow>& rows, const QStringList& tabs,
                                TabbedChart::ChartFor chartFor,
                                std::function<QString(int)> emptyText, QSize size) {
    results_ = new ResultsPanel(rows, this);
    charts_ = new TabbedChart(tabs, std::move(chartFor), this);
    charts_->setEmptyText(std::move(emptyText));

    auto* areas = new QHBoxLayout;
    areas->addWidget(results_);
    areas->addWidget(charts_, 1);
    body()->addLayout(areas, 1);
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    addHelpButton();
    resize(size);
}

}  // namespace vnk::plot
