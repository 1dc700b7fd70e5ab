#include "plot/results_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "models/value_highlight.h"

namespace vnk::plot {
namespace {

// A right-aligned read-only field wide enough for its text, the full value in its tool tip.
QLineEdit* ReadOnlyField(const QString& text, const QString& tip, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setToolTip(tip);
    const int zero = edit->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    edit->setMinimumWidth(
        std::max(edit->fontMetrics().horizontalAdvance(text) + 4 * zero, 9 * zero));
    edit->setCursorPosition(0);
    return edit;
}

}  // namespace

QString UnavailableReason(int rflag, int indx) {
    if (rflag == 0) return {};
    if (rflag < 0) return QStringLiteral("analysis not run");
    return QStringLiteral("analysis stopped at refit %1").arg(indx);
}

ResultsPanel::ResultsPanel(const QList<ResultsRow>& rows, QWidget* parent)
    : QGroupBox(QStringLiteral("Statisics, Ranks, and Final Indexes"), parent) {
    auto* grid = new QGridLayout(this);
    const QStringList headings = {QStringLiteral("Statistic"), QStringLiteral("Rank"),
                                  QStringLiteral("Final Index")};
    for (int c = 0; c < headings.size(); ++c)
        grid->addWidget(new QLabel(headings[c], this), 0, c + 1, Qt::AlignCenter);
    for (int r = 0; r < rows.size(); ++r) {
        const ResultsRow& row = rows[r];
        const int line = r + 1;
        grid->addWidget(new QLabel(row.label, this), line, 0);
        const QString reason = UnavailableReason(row.rflag, row.indx);
        QList<QLineEdit*> fields;
        if (reason.isEmpty()) {
            // The statistic in the summary report's "%12.2f".
            const QString full = QString::number(row.stat, 'g', 17);
            fields << ReadOnlyField(QString::asprintf("%.2f", row.stat), full, this)
                   << ReadOnlyField(QString::number(row.rank), QString(), this)
                   << ReadOnlyField(QString::number(row.indx), QString(), this);
            if (models::IsHighlightedValue(row.stat))
                fields[0]->setStyleSheet(QStringLiteral("color: blue"));
        } else {
            for (int c = 0; c < 3; ++c)
                fields << ReadOnlyField(QStringLiteral("n/a"), reason, this);
        }
        for (int c = 0; c < 3; ++c) grid->addWidget(fields[c], line, c + 1);
        fields_ << fields;
    }
    grid->setRowStretch(static_cast<int>(rows.size()) + 1, 1);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
}

QLineEdit* ResultsPanel::field(int row, int column) const {
    if (row < 0 || row >= fields_.size() || column < 0 || column >= fields_[row].size())
        return nullptr;
    return fields_[row][column];
}

}  // namespace vnk::plot
