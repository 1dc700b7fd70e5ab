#include "plot/value_table.h"

#include <QHeaderView>

namespace vnk::plot {

ValueTable::ValueTable(const TableDesign& design, QWidget* parent) : QTableWidget(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    horizontalHeader()->setMinimumSectionSize(28);
    setDesign(design);
}

void ValueTable::setDesign(const TableDesign& design) {
    clear();
    setRowCount(static_cast<int>(design.rowLabels.size()));
    setColumnCount(static_cast<int>(design.columnLabels.size()));
    setVerticalHeaderLabels(design.rowLabels);
    setHorizontalHeaderLabels(design.columnLabels);
    for (int r = 0; r < rowCount() && r < design.cells.size(); ++r) {
        const QStringList& row = design.cells[r];
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
