#include "app/screens/execution/optimum_s_screen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "plot/chart_view.h"
#include "plot/tabbed_chart.h"

namespace vnk::plot {
namespace {

const std::array<const char*, 3> kCriteria{"MSE-T", "MSE-F", "MSE-R"};

const std::vector<double>& Criterion(const OptimumSData& data, int tab) {
    return tab == 0 ? data.mseT : tab == 1 ? data.mseF : data.mseR;
}

double At(const std::vector<double>& v, std::size_t i) { return i < v.size() ? v[i] : 0.0; }

QTableWidget* InvestigationTable(const OptimumSData& data, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setVisible(false);
    table->setColumnCount(6);
    table->setHorizontalHeaderLabels({QStringLiteral("S"), QStringLiteral("MSE-T"),
                                      QStringLiteral("MSE-F"), QStringLiteral("MSE-R"),
                                      QStringLiteral("ALPHA"), QStringLiteral("BETA")});
    for (std::size_t i = 0; i < data.sValue.size(); ++i) {
        if (data.sValue[i] < 0.0) continue;  // this S gave no fit
        const int row = table->rowCount();
        table->insertRow(row);
        const std::array<QString, 6> texts{
            QString::number(static_cast<int>(i + 1)),   QString::number(At(data.mseT, i), 'f', 5),
            QString::number(At(data.mseF, i), 'f', 5),  QString::number(At(data.mseR, i), 'f', 5),
            QString::number(At(data.alpha, i), 'f', 5), QString::number(At(data.beta, i), 'f', 5)};
        for (int c = 0; c < 6; ++c) {
            auto* item = new QTableWidgetItem(texts[static_cast<std::size_t>(c)]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, c, item);
        }
    }
    table->resizeColumnsToContents();
    return table;
}

}  // namespace

ChartDesign OptimumSChart(const OptimumSData& data, int tab, const QString& title) {
    const std::vector<double>& values = Criterion(data, std::clamp(tab, 0, 2));
    ChartDesign chart;
    chart.title = title;
    SeriesDesign series{
        QString::fromLatin1(kCriteria[static_cast<std::size_t>(std::clamp(tab, 0, 2))]),
        colour::Predicted(0),
        SeriesKind::Line,
        {}};
    std::vector<double> fitted;
    // An S without a fit has no value to draw.
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i] < 0.0) continue;
        series.points << QPointF(static_cast<double>(i + 1), values[i]);
        fitted.push_back(values[i]);
    }
    chart.series = {series};
    chart.x = {QStringLiteral("S"), TbfXAxis(static_cast<int>(values.size()))};
    chart.y = {QString(), TbfYAxis(fitted)};
    return chart;
}

OptimumSInvestigationScreen::OptimumSInvestigationScreen(app::Prompter& prompter,
                                                         const OptimumSData& data,
                                                         const QString& helpPage, QWidget* parent)
    : Screen(prompter, QStringLiteral("Optimum S Investigation"), helpPage, parent), data_(data) {
    table_ = InvestigationTable(data_, this);
    charts_ = new TabbedChart(
        {QStringLiteral("Mean Square Error - Time"), QStringLiteral("Mean Square Error - Faults"),
         QStringLiteral("Mean Square Error - Remaining Faults")},
        [this](int tab) {
            return OptimumSChart(
                data_, tab,
                QString::fromLatin1(kCriteria[static_cast<std::size_t>(std::clamp(tab, 0, 2))]));
        },
        this);
    // The chart shown on opening carries a title of its own.
    charts_->chartView()->setDesign(OptimumSChart(data_, 0, QStringLiteral("MSE - T")));

    auto* areas = new QHBoxLayout;
    areas->addWidget(table_, 2);
    areas->addWidget(charts_, 3);
    body()->addLayout(areas, 1);

    QPushButton* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    print_ = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    connect(print_, &QPushButton::clicked, this, &OptimumSInvestigationScreen::printRequested);
    help_ = addHelpButton();
    resize(1100, 600);
}

}  // namespace vnk::plot
