#include "app/screens/data/trend_analysis_screen.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "models/model_description.h"
#include "models/trend_report.h"
#include "plot/tabbed_chart.h"
#include "plot/trend_charts.h"
#include "print/print_report.h"

namespace vnk::app {
namespace {

QLabel* valueLabel(const std::string& text, QWidget* parent) {
    auto* label = new QLabel(QString::fromStdString(text).trimmed(), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

TrendAnalysisScreen::TrendAnalysisScreen(Prompter& prompter, const TrendAnalysis& analysis,
                                         QWidget* parent)
    : Screen(prompter, QStringLiteral("Trend Analysis"),
             QString::fromLatin1(help_page::kTrendAnalysis), parent),
      analysis_(analysis) {
    verdict_ = new QLabel(QString::fromStdString(TrendVerdictSentence(analysis_)), this);
    verdict_->setObjectName(QStringLiteral("verdictLabel"));
    verdict_->setWordWrap(true);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    body()->addWidget(verdict_);
    if (analysis_.unequalLengths) {
        auto* note = new QLabel(QString::fromLatin1(models::kUnequalLengthsNote), this);
        note->setObjectName(QStringLiteral("unequalLengthsLabel"));
        body()->addWidget(note);
    }
    if (analysis_.ok()) addValues();
    if (analysis_.ok()) {
        const TrendAnalysis& a = analysis_;
        auto* charts = new plot::TabbedChart(
            {QStringLiteral("Laplace Factor"), a.interval
                                                   ? QStringLiteral("Failures per Unit Length")
                                                   : QStringLiteral("Running Average")},
            [a](int tab) -> std::optional<plot::ChartDesign> {
                return tab == 0 ? plot::LaplaceFactorChart(a) : plot::RunningAverageChart(a);
            },
            this);
        charts->setMinimumSize(720, 440);
        tabs_ = charts->tabBar();
        body()->addWidget(charts, 1);
    }
    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QPushButton* printButton = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    connect(printButton, &QPushButton::clicked, this, &TrendAnalysisScreen::print);
    addHelpButton();
}

void TrendAnalysisScreen::addValues() {
    auto* form = new QFormLayout;
    const TrendAnalysis& a = analysis_;
    form->addRow(QStringLiteral("Laplace factor at the end:"),
                 valueLabel(models::TrendCell(a.laplaceEnd), this));
    if (a.timeTruncated)
        form->addRow(QStringLiteral("Time-truncated Laplace factor:"),
                     valueLabel(models::TrendCell(a.laplaceTimeTruncated), this));
    if (a.hardware) {
        const MilHdbk189Result& m = a.milHdbk189;
        if (m.status == trend_status::kOk) {
            form->addRow(QStringLiteral("MIL-HDBK-189 chi-square:"),
                         valueLabel(models::TrendCell(m.statistic), this));
            form->addRow(QStringLiteral("Degrees of freedom:"),
                         valueLabel(std::to_string(m.dof), this));
            form->addRow(QStringLiteral("P-value (two-sided):"),
                         valueLabel(models::Format("%.4f", m.pValue), this));
        } else {
            form->addRow(QStringLiteral("MIL-HDBK-189 test:"),
                         new QLabel(QString::fromLatin1(TrendStatusText(m.status)), this));
        }
    }
    body()->addLayout(form);
}

void TrendAnalysisScreen::print() {
    Prompter& p = prompter();
    print::PrintReport(
        std::vector<std::string>{models::TrendAnalysisReport(analysis_)}, true, this,
        [&p](QPrinter& printer, QWidget* parent) { return p.setUpPrinter(printer, parent); });
}

}  // namespace vnk::app
