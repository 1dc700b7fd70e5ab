#include "app/screens/data/statistics_screens.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/kit/help_pages.h"
#include "models/value_highlight.h"

namespace vnk::app {

namespace {

QLineEdit* readOnlyField(QWidget* parent, const QString& name) {
    auto* f = new QLineEdit(parent);
    f->setObjectName(name);
    f->setReadOnly(true);
    f->setAlignment(Qt::AlignRight);
    f->setMinimumWidth(120);
    return f;
}

void addRowLabels(QWidget* parent, QGridLayout* grid, bool system) {
    const QStringList labels = {
        QStringLiteral("Number of Entries:"),
        QStringLiteral("Average of the Data:"),
        QStringLiteral("Median of the Data:"),
        QStringLiteral("Lower Hinge:"),
        QStringLiteral("Upper Hinge:"),
        QStringLiteral("Minimum:"),
        QStringLiteral("Maximum:"),
        system ? QStringLiteral("Standard. Deviation:") : QStringLiteral("Standard Deviation:"),
        QStringLiteral("Variance:"),
        QStringLiteral("Skewness:"),
        QStringLiteral("Kurtosis:")};
    for (int r = 0; r < labels.size(); ++r)
        grid->addWidget(new QLabel(labels[r], parent), r + 1, 0);
}

// The grid of a statistics screen with its row labels, and for the system screen its three
// column headings.
QGridLayout* statisticsGrid(QWidget* parent, QVBoxLayout* body, bool system) {
    auto* grid = new QGridLayout;
    body->addLayout(grid);
    addRowLabels(parent, grid, system);
    if (system) {
        const QStringList heads = {QStringLiteral("Software "), QStringLiteral("Hardware"),
                                   QStringLiteral("System")};
        for (int c = 0; c < heads.size(); ++c) {
            auto* head = new QLabel(heads[c], parent);
            head->setAlignment(Qt::AlignCenter);
            grid->addWidget(head, 0, c + 1);
        }
    }
    return grid;
}

}  // namespace

QString statisticText(double value) { return QString::asprintf("%f", value); }

StatisticsColumn::StatisticsColumn(QWidget* parent, QGridLayout* grid, int gridColumn,
                                   const QString& name) {
    count_ = readOnlyField(parent, name + QStringLiteral("CountField"));
    grid->addWidget(count_, 1, gridColumn);
    for (std::size_t r = 0; r < values_.size(); ++r) {
        values_[r] = readOnlyField(parent, name + QStringLiteral("Field%1").arg(r));
        grid->addWidget(values_[r], static_cast<int>(r) + 2, gridColumn);
    }
}

void StatisticsColumn::show(const TypeStatistics& s) {
    count_->setText(QString::number(s.count));
    for (std::size_t r = 0; r < values_.size(); ++r) {
        QLineEdit* f = values_[r];
        const double v = s.stats[static_cast<std::size_t>(kStatisticsRows[r] - 1)];
        // With no entries there is nothing to describe; blank fields say so plainly.
        f->setText(s.count > 0 ? statisticText(v) : QString());
        f->setToolTip(s.count > 0 ? QString::asprintf("%.10g", v) : QString());
        QPalette p = f->palette();
        p.setColor(QPalette::Text, s.count > 0 && models::IsHighlightedValue(v)
                                       ? QColor(Qt::blue)
                                       : f->style()->standardPalette().color(QPalette::Text));
        f->setPalette(p);
    }
}

SoftwareStatisticsScreen::SoftwareStatisticsScreen(Prompter& prompter,
                                                   const TypeStatistics& statistics,
                                                   int failureType, QWidget* parent)
    : Screen(prompter,
             failureType == 1 ? QStringLiteral("Preliminary Hardware Data Statistics")
                              : QStringLiteral("Preliminary Software Data Statistics"),
             help_page::kStatistics, parent),
      grid_(statisticsGrid(this, body(), false)),
      column_(this, grid_, 1, QStringLiteral("data")) {
    column_.show(statistics);
    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &QDialog::accept);
    addHelpButton();
}

SystemStatisticsScreen::SystemStatisticsScreen(Prompter& prompter, const TypeStatistics& software,
                                               const TypeStatistics& hardware,
                                               const TypeStatistics& system, QWidget* parent)
    : Screen(prompter, QStringLiteral("Preliminary System Data Statistics"), help_page::kStatistics,
             parent),
      grid_(statisticsGrid(this, body(), true)),
      software_(this, grid_, 1, QStringLiteral("software")),
      hardware_(this, grid_, 2, QStringLiteral("hardware")),
      system_(this, grid_, 3, QStringLiteral("system")) {
    software_.show(software);
    hardware_.show(hardware);
    system_.show(system);
    connect(addButton(QStringLiteral("OK"), QStringLiteral("okButton")), &QPushButton::clicked,
            this, &QDialog::accept);
    addHelpButton();
}

}  // namespace vnk::app
