#include "plot/value_table.h"

#include <QHeaderView>

namespace vnk::plot {

ValueTable::ValueTable(const TableSpec& spec, QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    horizontalHeader()->setMinimumSectionSize(28);
    setSpec(spec);
}

void ValueTable::setSpec(const TableSpec& spec) {
    clear();
    setRowCount(static_cast<int>(spec.rowLabels.size()));
    setColumnCount(static_cast<int>(spec.columnLabels.size()));
    setVerticalHeaderLabels(spec.rowLabels);
    setHorizontalHeaderLabels(spec.columnLabels);
    for (int r = 0; r < rowCount() && r < spec.cells.size(); ++r) {
        const QStringList& row = spec.cells[r];
        for (int c = 0; c < columnCount() && c < row.size(); ++c) {
            auto* item = new QTableWidgetItem(row[c]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            setItem(r, c, item);
        }
    }
    // The area is narrow: columns as wide as their values, so several entries show at once.
    resizeColumnsToContents();
}

}  // namespace vnk::plot
