#include "app/screens/execution/interval_summary_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/kit/header_button.h"
#include "app/kit/value_display.h"
#include "app/kit/value_field.h"
#include "app/screens/execution/execution_summary_screen.h"
#include "execution/failure_reason.h"
#include "execution/interval_plot_values.h"
#include "execution/model_reports.h"
#include "execution/refit_report.h"
#include "execution/selection_rules.h"

namespace vnk::interval_screens {

namespace {

using namespace execution;

const QColor kGreyText(200, 200, 200);
constexpr int kCellWidth = 80;

// Grid columns: a margin inside the group frames, the row labels, the ten slots, a margin.
constexpr int kLabelColumn = 1;
constexpr int kFirstSlotColumn = 2;
constexpr int kLastColumn = kFirstSlotColumn + kIntervalSlotCount;

// Decimals of the summary report's lines: fault totals "%12.1f", chi-square "%12.5f"; the
// statistics as the report header prints them.
constexpr int kFaultDecimals = 1;
constexpr int kChiSquareDecimals = 5;
constexpr std::array<int, 11> kCountDecimals = {2, 1, 1, 1, 1, 1, 1, 2, 2, 3, 3};
constexpr std::array<int, 6> kLengthDecimals = {2, 1, 1, 1, 1, 1};

int AccuracyEntry(int slot) {
    const auto it = std::find(kAccuracySlots.begin(), kAccuracySlots.end(), slot);
    return it == kAccuracySlots.end() ? -1 : static_cast<int>(it - kAccuracySlots.begin());
}

// A value cell at least as wide as a header; ShowValue widens it for a longer text.
QLineEdit* Cell(QWidget* parent) {
    QLineEdit* cell = screens::NewValueBox(parent);
    cell->setMinimumWidth(kCellWidth);
    return cell;
}

// A group frame behind rows first..last of the grid, its title in row first.
void AddGroupFrame(QWidget* parent, QGridLayout* grid, const QString& title, int first, int last) {
    auto* frame = new QGroupBox(title, parent);
    grid->addWidget(frame, first, 0, last - first + 1, kLastColumn + 1);
    frame->lower();
    grid->setRowMinimumHeight(first, parent->fontMetrics().height() + 2);
    grid->setRowMinimumHeight(last, 6);
}

}  // namespace

bool AccuracyAnalysisRan(const IntervalExecutionResults& r, int entry) {
    return execution::IntervalAccuracyRan(r, entry);
}

bool AccuracyAnalysisSucceeded(const IntervalExecutionResults& r, int entry) {
    return AccuracyAnalysisRan(r, entry) &&
           r.accuracy.at(static_cast<std::size_t>(entry)).RFLAG == 0;
}

IntervalSummaryScreen::IntervalSummaryScreen(const IntervalExecutionResults& results,
                                             app::Prompter& prompter,
                                             IntervalSummaryActions actions, QWidget* parent)
    : Screen(prompter, QStringLiteral("Execution Summary for Interval Software Models"), QString(),
             parent),
      results_(results),
      actions_(std::move(actions)) {
    closeButtonGap();
    const IntervalSelection& selection = results_.selection;

    QVBoxLayout* layout = body();
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, 6);
    grid->setColumnMinimumWidth(kLastColumn, 6);

    // Rows: headers, Accuracy, TNOF, TNOFR, a gap, then the two chi-square groups of a title
    // row, two value rows and a bottom margin each, with a gap between them.
    constexpr int kAccuracyRow = 1;
    constexpr std::array<int, kSummaryRowCount> kValueGridRows = {2, 3, 6, 7, 11, 12};
    AddGroupFrame(this, grid, QStringLiteral("User Specified Cell Combination Frequency "), 5, 8);
    AddGroupFrame(this, grid, QStringLiteral("No Cell Combinations"), 10, 13);
    grid->setRowMinimumHeight(4, 6);
    grid->setRowMinimumHeight(9, 6);

    accuracy_ = new QPushButton(QStringLiteral("Accuracy"), this);
    accuracy_->setAutoDefault(false);
    accuracy_->setEnabled(selection.accuracy);
    grid->addWidget(accuracy_, kAccuracyRow, kLabelColumn);
    connect(accuracy_, &QPushButton::clicked, this, &IntervalSummaryScreen::openAccuracy);
    constexpr std::array<const char*, kSummaryRowCount> kRowLabels = {
        "TNOF:",         "TNOFR:",
        "Chi - Square:", "Degrees of Freedom:",
        "Chi - Square:", "Degrees of Freedom:"};
    for (int row = 0; row < kSummaryRowCount; ++row)
        grid->addWidget(
            new QLabel(QString::fromLatin1(kRowLabels[static_cast<std::size_t>(row)]), this),
            kValueGridRows[static_cast<std::size_t>(row)], kLabelColumn);

    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const auto s = static_cast<std::size_t>(slot);
        const int column = kFirstSlotColumn + slot;
        const bool active = IntervalColumnActive(
            selection, results_.ESF, slot, results_.schneidewindS[0], results_.schneidewindS[1]);
        active_[s] = active;
        auto* header = new HeaderButton(QString::fromLatin1(IntervalSlotLabel(slot)),
                                        screens::HeaderFill(active, results_.status[s]),
                                        active ? QColor(Qt::black) : kGreyText, this);
        header->setEnabled(active);
        header->setMinimumWidth(kCellWidth);
        if (active && results_.ran[s] && results_.status[s] != 0)
            header->setToolTip(QString::fromStdString(IntervalFailureReason(results_, slot)));
        headers_[s] = header;
        grid->addWidget(header, 0, column);
        connect(header, &QPushButton::clicked, this, [this, slot] {
            if (actions_.openModel) actions_.openModel(slot);
        });

        const int entry = AccuracyEntry(slot);
        if (entry < 0) {
            grid->addWidget(new QLabel(QStringLiteral("n/a"), this), kAccuracyRow, column,
                            Qt::AlignCenter);
        } else {
            QLineEdit* rank = Cell(this);
            if (AccuracyAnalysisSucceeded(results_, entry)) {
                screens::ShowWholeNumber(*rank, results_.ranks[static_cast<std::size_t>(entry)]);
                if (const std::string skipped = SkippedRefitsText(results_, entry);
                    !skipped.empty())
                    rank->setToolTip(QString::fromStdString(skipped));
            } else {
                screens::ShowNotAvailable(
                    *rank, AccuracyAnalysisRan(results_, entry)
                               ? QStringLiteral("analysis stopped at refit %1")
                                     .arg(results_.accuracy[static_cast<std::size_t>(entry)].INDX)
                               : QStringLiteral("analysis not run"));
            }
            rank->setEnabled(active && selection.accuracy);
            ranks_[s] = rank;
            grid->addWidget(rank, kAccuracyRow, column);
        }

        const IntervalStats& stats = results_.stats[s];
        const GoodnessOfFit& fit = results_.fit[s];
        for (int row = 0; row < kSummaryRowCount; ++row) {
            QLineEdit* cell = Cell(this);
            switch (row) {
                case kTnofRow:
                    screens::ShowValue(*cell, stats(5, kEstimate), kFaultDecimals);
                    break;
                case kTnofrRow:
                    screens::ShowValue(*cell, stats(6, kEstimate), kFaultDecimals);
                    break;
                case kChiSquareCombinedRow:
                    screens::ShowValue(*cell, fit.CHI[0], kChiSquareDecimals);
                    break;
                case kFreedomCombinedRow:
                    screens::ShowWholeNumber(*cell, fit.DOF[0]);
                    break;
                case kChiSquareRow:
                    screens::ShowValue(*cell, fit.CHI[1], kChiSquareDecimals);
                    break;
                default:
                    screens::ShowWholeNumber(*cell, fit.DOF[1]);
                    break;
            }
            cell->setEnabled(active);
            values_[s][static_cast<std::size_t>(row)] = cell;
            grid->addWidget(cell, kValueGridRows[static_cast<std::size_t>(row)], column);
        }
    }
    layout->addLayout(grid);

    auto* statistics = new QGroupBox(QStringLiteral("Preliminary Software Data Statistics "), this);
    auto* statisticsGrid = new QGridLayout(statistics);
    constexpr std::array<const char*, 11> kStatisticHeadings = {
        "Sum",  "Median", "L. Hinge", "U. Hinge", "Min",     "Max",
        "Mean", "S. D.",  "Variance", "Skew",     "Kurtosis"};
    for (std::size_t i = 0; i < kStatisticHeadings.size(); ++i)
        statisticsGrid->addWidget(
            new QLabel(QString::fromLatin1(kStatisticHeadings[i]), statistics), 0,
            static_cast<int>(i) + 1, Qt::AlignCenter);
    statisticsGrid->addWidget(new QLabel(QStringLiteral("Counts:"), statistics), 1, 0);
    statisticsGrid->addWidget(new QLabel(QStringLiteral("Lengths:"), statistics), 2, 0);
    for (std::size_t i = 0; i < counts_.size(); ++i) {
        counts_[i] = Cell(statistics);
        screens::ShowValue(*counts_[i], results_.countStatistics[i], kCountDecimals[i]);
        statisticsGrid->addWidget(counts_[i], 1, static_cast<int>(i) + 1);
    }
    for (std::size_t i = 0; i < lengths_.size(); ++i) {
        lengths_[i] = Cell(statistics);
        screens::ShowValue(*lengths_[i], results_.lengthStatistics[i], kLengthDecimals[i]);
        statisticsGrid->addWidget(lengths_[i], 2, static_cast<int>(i) + 1);
    }
    layout->addWidget(statistics);

    ok_ = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    plots_ = addButton(QStringLiteral("Plots"), QStringLiteral("plotsButton"));
    help_ = addButton(QStringLiteral("Help"), QStringLiteral("helpButton"));
    print_ = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    // OK keeps the dialog's usual Enter behaviour.
    ok_->setAutoDefault(true);
    if (actions_.compare) {
        auto* compare = addButton(QStringLiteral("Comparison"), QStringLiteral("comparisonButton"));
        connect(compare, &QPushButton::clicked, this, [this] { actions_.compare(); });
    }
    centreButtonRow();
    plots_->setEnabled(static_cast<bool>(actions_.plot));
    print_->setEnabled(static_cast<bool>(actions_.print));
    // The caller knows the help page.
    help_->setEnabled(static_cast<bool>(actions_.help));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(plots_, &QPushButton::clicked, this, [this] { actions_.plot(); });
    connect(print_, &QPushButton::clicked, this, [this] { actions_.print(); });
    connect(help_, &QPushButton::clicked, this, [this] { actions_.help(); });
}

QLineEdit* IntervalSummaryScreen::valueCell(int slot, int row) const {
    return values_.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(row));
}

void IntervalSummaryScreen::openAccuracy() {
    // With no analysis that succeeded there is nothing to chart.
    for (int entry = 0; entry < static_cast<int>(kAccuracySlots.size()); ++entry) {
        if (AccuracyAnalysisSucceeded(results_, entry)) {
            if (actions_.accuracyPlot) actions_.accuracyPlot();
            return;
        }
    }
}

}  // namespace vnk::interval_screens
