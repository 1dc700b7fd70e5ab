#include "app/screens/execution/execution_summary_screen.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/kit/prompter.h"
#include "app/kit/value_display.h"
#include "app/kit/value_field.h"
#include "execution/failure_reason.h"
#include "execution/refit_report.h"
#include "execution/selection_rules.h"
#include "models/tbf_slots.h"
#include "numerics/vnkdst.h"

namespace vnk::screens {

const char* HeaderText(int slot) { return models::TbfSlotNamesOf(slot).summaryHeader; }

namespace {

using namespace execution;

constexpr std::array<const char*, 5> kRankRows = {"Accuracy", "Bias", "Noise", "Trend", "Overall"};
constexpr std::array<const char*, kSummaryValueRows> kValueRows = {
    "HazRate:", "IIF:", "CIF:", "IMTBNF:", "CMTBNF:", "TNOF:", "TNOFR:", "Purf Lev:", "KS Dist:"};
constexpr std::array<const char*, 11> kStatisticLabels = {"Number of Entries:",
                                                          "Average of the Data:",
                                                          "Median of the Data:",
                                                          "Lower Hinge:",
                                                          "Upper Hinge:",
                                                          "Minimum:",
                                                          "Maximum:",
                                                          "Standard Deviation:",
                                                          "Variance:",
                                                          "Skewness:",
                                                          "Kurtosis:"};

// Decimals of the summary report's line for each value row.
constexpr std::array<int, kSummaryValueRows> kValueDecimals = {3, 3, 3, 1, 1, 1, 1, 3, 5};

// The statistics panel in the order of its labels: the statistics vector position of each
// (0: the number of entries) and the decimals of the report header's line for it.
struct StatisticSource {
    int position;
    int decimals;
};
constexpr std::array<StatisticSource, 11> kStatisticSources = {{{0, 0},
                                                                {dst::kMean, 1},
                                                                {dst::kMedian, 1},
                                                                {dst::kLowerHinge, 1},
                                                                {dst::kUpperHinge, 1},
                                                                {dst::kMinimum, 1},
                                                                {dst::kMaximum, 1},
                                                                {dst::kStandardDeviation, 2},
                                                                {dst::kVariance, 2},
                                                                {dst::kSkewness, 3},
                                                                {dst::kKurtosis, 3}}};

// Which result positions (5..12) each slot supplies.
bool Supplies(int slot, int position) {
    switch (position) {
        case 5:
            return slot == kGeo;
        case 6:
        case 7:
            return true;
        case 8:
            return slot == kMusaBasic;
        case 9:
            return slot != kNpt;
        case 10:
        case 11:
            return slot == kJam || slot == kMusaBasic || slot == kNpt;
        case 12:
            return slot != kLavLinear && slot != kLavQuadratic;
        default:
            return false;
    }
}

void Fill(QPushButton& button, const QColor& fill, const QColor& text) {
    button.setStyleSheet(
        QStringLiteral("background-color: %1; color: %2;").arg(fill.name(), text.name()));
}

const QColor kGrey(120, 120, 120);

// A summary box as wide as its text needs rather than a line edit's usual width, so the eight
// columns and the statistics panel fit a 1280-pixel screen.
QLineEdit* SummaryBox(QWidget* parent) {
    QLineEdit* box = NewValueBox(parent);
    box->setSizePolicy(QSizePolicy::Ignored, box->sizePolicy().verticalPolicy());
    return box;
}

}  // namespace

QColor HeaderFill(bool executed, int status) {
    if (!executed) return kGrey;
    switch (status) {
        case model_status::kSucceeded:
            return QColor(Qt::green);
        case model_status::kTotalFaultsBelowObserved:
            return QColor(235, 225, 33);
        default:
            return QColor(Qt::red);
    }
}

std::optional<double> SummaryValue(const TbfExecutionResults& results, int slot, int row) {
    const auto s = static_cast<std::size_t>(slot);
    if (row == kSummaryValueRows - 1) return results.DVAL[s];
    const int position = row + 5;
    if (!Supplies(slot, position)) return std::nullopt;
    return results.stats[s](position, kEstimate);
}

ExecutionSummaryScreen::ExecutionSummaryScreen(const TbfExecutionResults& results,
                                               app::Prompter& prompter,
                                               ExecutionSummaryActions actions, QWidget* parent)
    : Screen(prompter, QStringLiteral("Execution Summary for Software Time Models"), QString(),
             parent),
      results_(results),
      actions_(std::move(actions)) {
    closeButtonGap();
    const TbfSelection& selection = results_.selection;
    const bool anyMeasure = selection.anyMeasure();
    if (anyMeasure)
        for (int slot = 0; slot < kTbfSlotCount; ++slot) overallRankSum_ += results_.rank(slot, 4);

    auto* outer = new QHBoxLayout;
    body()->addLayout(outer);
    auto* left = new QVBoxLayout;
    auto* grid = new QGridLayout;
    for (int r = 0; r < 5; ++r) {
        auto* button =
            new QPushButton(QString::fromLatin1(kRankRows[static_cast<std::size_t>(r)]), this);
        button->setAutoDefault(false);
        const bool enabled = r == 4 ? anyMeasure : selection.measureSelected(r);
        button->setEnabled(enabled);
        Fill(*button, enabled ? palette().color(QPalette::Button) : kGrey,
             enabled ? QColor(Qt::black) : kGrey);
        rowButtons_[static_cast<std::size_t>(r)] = button;
        grid->addWidget(button, r + 1, 0);
        if (r < 4) connect(button, &QPushButton::clicked, this, [this, r] { openMeasure(r); });
    }
    for (int r = 0; r < kSummaryValueRows; ++r)
        grid->addWidget(
            new QLabel(QString::fromLatin1(kValueRows[static_cast<std::size_t>(r)]), this), r + 6,
            0);

    int column = 1;
    for (int slot : models::kTbfScreenOrder) {
        const auto s = static_cast<std::size_t>(slot);
        const bool executed = execution::TbfSlotExecuted(selection, results_.ESF, slot);
        auto* header = new QPushButton(QString::fromLatin1(HeaderText(slot)), this);
        header->setAutoDefault(false);
        header->setEnabled(executed);
        Fill(*header, HeaderFill(executed, results_.status[s]),
             executed ? QColor(Qt::black) : kGrey);
        if (executed && results_.status[s] != model_status::kSucceeded)
            header->setToolTip(QString::fromStdString(TbfFailureReason(results_, slot)));
        headers_[s] = header;
        grid->addWidget(header, 0, column);
        connect(header, &QPushButton::clicked, this, [this, slot] {
            if (actions_.openModel) actions_.openModel(slot);
        });
        for (int r = 0; r < 5; ++r) {
            QLineEdit* cell = SummaryBox(this);
            ShowWholeNumber(*cell, results_.rank(slot, r));
            const bool enabled = executed && (r == 0   ? selection.measureSelected(kAccuracy)
                                              : r == 4 ? anyMeasure
                                                       : true);
            cell->setEnabled(enabled);
            if (r < kMeasureCount)
                if (const std::string skipped = SkippedRefitsText(results_, slot, r);
                    !skipped.empty())
                    cell->setToolTip(QString::fromStdString(skipped));
            ranks_[s][static_cast<std::size_t>(r)] = cell;
            grid->addWidget(cell, r + 1, column);
        }
        for (int r = 0; r < kSummaryValueRows; ++r) {
            const std::optional<double> value = SummaryValue(results_, slot, r);
            if (!value) {
                grid->addWidget(new QLabel(QStringLiteral("n/a"), this), r + 6, column,
                                Qt::AlignCenter);
                continue;
            }
            QLineEdit* cell = SummaryBox(this);
            ShowValue(*cell, *value, kValueDecimals[static_cast<std::size_t>(r)]);
            cell->setEnabled(executed);
            values_[s][static_cast<std::size_t>(r)] = cell;
            grid->addWidget(cell, r + 6, column);
        }
        ++column;
    }
    left->addLayout(grid);

    plot_ = addButton(QStringLiteral("Plot"), QStringLiteral("plotButton"));
    print_ = addButton(QStringLiteral("Print"), QStringLiteral("printButton"));
    if (actions_.compare) {
        auto* compare = addButton(QStringLiteral("Comparison"), QStringLiteral("comparisonButton"));
        connect(compare, &QPushButton::clicked, this, [this] { actions_.compare(); });
    }
    auto* ok = addButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    auto* help = addButton(QStringLiteral("Help"), QStringLiteral("helpButton"));
    plot_->setDefault(false);
    ok->setDefault(true);
    fillButtonRow();
    plot_->setEnabled(static_cast<bool>(actions_.plot));
    print_->setEnabled(static_cast<bool>(actions_.print));
    // The caller knows the help page.
    help->setEnabled(static_cast<bool>(actions_.help));
    connect(plot_, &QPushButton::clicked, this, [this] { actions_.plot(); });
    connect(print_, &QPushButton::clicked, this, [this] { actions_.print(); });
    connect(help, &QPushButton::clicked, this, [this] { actions_.help(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    outer->addLayout(left);

    auto* panel = new QGroupBox(QStringLiteral("Software Data Statistics"), this);
    auto* form = new QFormLayout(panel);
    for (std::size_t i = 0; i < statistics_.size(); ++i) {
        QLineEdit* cell = SummaryBox(panel);
        const StatisticSource source = kStatisticSources[i];
        if (source.position == 0)
            ShowWholeNumber(*cell, results_.NS);
        else
            ShowValue(*cell, results_.dataStatistics[static_cast<std::size_t>(source.position - 1)],
                      source.decimals);
        statistics_[i] = cell;
        form->addRow(QString::fromLatin1(kStatisticLabels[i]), cell);
    }
    outer->addWidget(panel);
}

QLineEdit* ExecutionSummaryScreen::rankCell(int slot, int column) const {
    return ranks_.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(column));
}

QLineEdit* ExecutionSummaryScreen::valueCell(int slot, int row) const {
    return values_.at(static_cast<std::size_t>(slot)).at(static_cast<std::size_t>(row));
}

void ExecutionSummaryScreen::openMeasure(int measure) {
    if (overallRankSum_ == 0) {
        prompter().message(
            this, app::Message{QStringLiteral("Error"),
                               QStringLiteral("No Model Applicability Analysis was successful."),
                               app::MessageIcon::Stop});
        return;
    }
    if (actions_.measurePlot) actions_.measurePlot(measure);
}

}  // namespace vnk::screens
