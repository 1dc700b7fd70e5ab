// The table area of a plot: the plotted values as numbered columns, one row per quantity.
#pragma once

#include <QTableWidget>

#include "plot/chart_design.h"

namespace vnk::plot {

class ValueTable : public QTableWidget {
    Q_OBJECT
  public:
    explicit ValueTable(const TableDesign& design = {}, QWidget* parent = nullptr);
    void setDesign(const TableDesign& design);
};

}  // namespace vnk::plot
