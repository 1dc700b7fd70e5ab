#include "plot/results_panel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "models/value_highlight.h"

namespace vnk::plot {
namespace {

QLineEdit* ReadOnlyField(const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    edit->setFixedWidth(90);
    return edit;
}

}  // namespace

ResultsPanel::ResultsPanel(const QList<ResultsRow>& rows, QWidget* parent)
    : QGroupBox(QStringLiteral("Statisics, Ranks, and Final Indexes"), parent) {
    auto* grid = new QGridLayout(this);
    for (int r = 0; r < rows.size(); ++r) {
        const ResultsRow& row = rows[r];
        grid->addWidget(new QLabel(row.label, this), r, 0);
        QLineEdit* stat = ReadOnlyField(QString::number(row.stat, 'g', 6), this);
        if (models::IsHighlightedValue(row.stat)) stat->setStyleSheet(QStringLiteral("color: blue"));
        QLineEdit* rank = ReadOnlyField(QString::number(row.rank), this);
        QLineEdit* indx = ReadOnlyField(QString::number(row.indx), this);
        grid->addWidget(stat, r, 1);
        grid->addWidget(rank, r, 2);
        grid->addWidget(indx, r, 3);
        fields_ << QList<QLineEdit*>{stat, rank, indx};
    }
    grid->setRowStretch(static_cast<int>(rows.size()), 1);
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
}

QLineEdit* ResultsPanel::field(int row, int column) const {
    if (row < 0 || row >= fields_.size() || column < 0 || column >= fields_[row].size())
        return nullptr;
    return fields_[row][column];
}

}  // namespace vnk::plot
