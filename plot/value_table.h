// The table area of a plot: the plotted values as numbered columns, one row per quantity.
#pragma once

#include <QTableWidget>

#include "plot/chart_spec.h"

namespace vnk::plot {

class ValueTable : public QTableWidget {
    Q_OBJECT
public:
    explicit ValueTable(const TableSpec& spec = {}, QWidget* parent = nullptr);
    void setSpec(const TableSpec& spec);
};

}  // namespace vnk::plot
