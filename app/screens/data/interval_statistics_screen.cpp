#include "app/screens/data/interval_statistics_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "numerics/vnkdst.h"

namespace vnk::app {

namespace {

TypeStatistics StatisticsOf(const std::vector<double>& values) {
    TypeStatistics s;
    s.count = static_cast<int>(values.size());
    std::vector<double> sorted(values.size());
    VNKDST(ConstRealArray(values), s.count, dst::kAll, RealArray(s.stats), RealArray(sorted));
    return s;
}

// The row of statistics groups at the top of the screen's body.
QHBoxLayout* GroupRow(QVBoxLayout* body) {
    if (body->count() > 0) return static_cast<QHBoxLayout*>(body->itemAt(0)->layout());
    auto* row = new QHBoxLayout;
    body->addLayout(row);
    return row;
}

// Adds a group of the eleven statistic labels to the row; its column of fields goes into the
// returned grid.
QGridLayout* AddStatisticsGroup(QVBoxLayout* body, QWidget* parent, const QString& title) {
    auto* group = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(group);
    const QStringList labels = {QStringLiteral("Number of Entries:"),
                                QStringLiteral("Average of the Data:"),
                                QStringLiteral("Median of the Data:"),
                                QStringLiteral("Lower Hinge:"),
                                QStringLiteral("Upper Hinge:"),
                                QStringLiteral("Minimum:"),
                                QStringLiteral("Maximum:"),
                                QStringLiteral("Standard Deviation:"),
                                QStringLiteral("Variance:"),
                                QStringLiteral("Skewness:"),
                                QStringLiteral("Kurtosis:")};
    for (int r = 0; r < labels.size(); ++r) grid->addWidget(new QLabel(labels[r], group), r + 1, 0);
    GroupRow(body)->addWidget(group);
    return grid;
}

QLineEdit* TotalField(QWidget* parent, const QString& name) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setAlignment(Qt::AlignRight);
    f->setMinimumWidth(120);
    return f;
}

}  // namespace

IntervalStatistics IntervalStatisticsOf(const std::vector<double>& first,
                                        const std::vector<double>& second) {
    IntervalStatistics s;
    s.first = StatisticsOf(first);
    s.second = StatisticsOf(second);
    s.firstTotal = s.first.stats[dst::kSum - 1];
    s.secondTotal = s.second.stats[dst::kSum - 1];
    if (s.secondTotal != 0.0) s.ratio = s.firstTotal / s.secondTotal;
    return s;
}

IntervalStatisticsScreen::IntervalStatisticsScreen(Prompter& prompter,
                                                   const IntervalStatistics& statistics,
                                                   bool hardware, QWidget* parent)
    : Screen(prompter,
             hardware ? QStringLiteral("Preliminary Hardware Data Statistics")
                      : QStringLiteral("Preliminary Software Data Statistics"),
             help_page::kStatistics, parent),
      first_(this,
             AddStatisticsGroup(
                 body(), this,
                 hardware ? QStringLiteral("Units Failing") : QStringLiteral("Fault Counts")),
             1, QStringLiteral("first")),
      second_(this,
              AddStatisticsGroup(
                  body(), this,
                  hardware ? QStringLiteral("Units on Test") : QStringLiteral("Interval Lengths")),
              1, QStringLiteral("second")) {
    first_.show(statistics.first);
    second_.show(statistics.second);

    auto* combination = new QGroupBox(QStringLiteral("Combination"), this);
    auto* grid = new QGridLayout(combination);
    firstTotal_ = TotalField(combination, QStringLiteral("firstTotalField"));
    secondTotal_ = TotalField(combination, QStringLiteral("secondTotalField"));
    ratio_ = TotalField(combination, QStringLiteral("ratioField"));
    // The labels hold the screen's texts as they are; "&&" shows a single ampersand.
    auto* totals = new QLabel(hardware ? QStringLiteral("Failure && Trial Totals:")
                                       : QStringLiteral("Count && Length Totals:"),
                              combination);
    totals->setBuddy(firstTotal_);
    auto* ratio = new QLabel(QStringLiteral("Ratio of the Prior:"), combination);
    ratio->setBuddy(ratio_);
    grid->addWidget(totals, 0, 0);
    grid->addWidget(firstTotal_, 0, 1);
    grid->addWidget(secondTotal_, 0, 2);
    grid->addWidget(ratio, 1, 0);
    grid->addWidget(ratio_, 1, 1);
    const bool any = statistics.first.count > 0;
    firstTotal_->setText(any ? statisticText(statistics.firstTotal) : QString());
    secondTotal_->setText(any ? statisticText(statistics.secondTotal) : QString());
    ratio_->setText(statistics.ratio ? statisticText(*statistics.ratio) : QString());
    body()->addWidget(combination);

    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &QDialog::accept);
    addHelpButton();
}

}  // namespace vnk::app
