#include "app/screens/model/estimate_table.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/kit/value_display.h"
#include "app/kit/value_field.h"

namespace vnk::screens {

EstimateTable::EstimateTable(const std::vector<models::EstimateRow>& rows,
                             const models::ModelContext& ctx, QWidget* parent)
    : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    // A model without limit rows has no limit columns to head.
    const bool anyLimits = std::any_of(rows.begin(), rows.end(),
                                       [](const models::EstimateRow& r) { return r.hasLimits; });
    const bool showLimits = ctx.ESF == method::kMaximumLikelihood && anyLimits;
    lowerHeading_ = new QLabel(QStringLiteral("Lower 95% CI"), this);
    upperHeading_ = new QLabel(QStringLiteral("Upper 95% CI"), this);
    grid->addWidget(lowerHeading_, 0, 2);
    grid->addWidget(upperHeading_, 0, 3);
    lowerHeading_->setVisible(showLimits);
    upperHeading_->setVisible(showLimits);

    // Interval models carry their counts and a 9-row table; the others the 12-row one.
    const bool interval = !ctx.counts.empty();
    auto value = [&](int row, int col) {
        return interval ? ctx.intervalStats(row, col) : ctx.tbfStats(row, col);
    };
    int line = 1;
    for (const models::EstimateRow& row : rows) {
        auto* label = new QLabel(QString::fromStdString(row.label), this);
        auto* box = NewValueBox(this);
        const int decimals = EstimateDecimals(row.label);
        ShowValue(*box, value(row.statsRow, kEstimate), decimals);
        grid->addWidget(label, line, 0);
        grid->addWidget(box, line, 1);
        QLineEdit* low = nullptr;
        QLineEdit* high = nullptr;
        if (row.hasLimits) {
            low = NewValueBox(this);
            high = NewValueBox(this);
            ShowValue(*low, value(row.statsRow, kLower), decimals);
            ShowValue(*high, value(row.statsRow, kUpper), decimals);
            low->setVisible(showLimits);
            high->setVisible(showLimits);
            grid->addWidget(low, line, 2);
            grid->addWidget(high, line, 3);
        }
        labels_.push_back(label);
        estimates_.push_back(box);
        lowers_.push_back(low);
        uppers_.push_back(high);
        ++line;
    }
}

}  // namespace vnk::screens
