// The modal "Raw Data Plots" screen of interval software data: tabs "Counts" and "Length" over
// the chart, and the value table ("Count", "Length") at the left. With `smoothed` set the counts
// are drawn smoothed; the lengths and the table are always as recorded.
#pragma once

#include <QDialog>

#include "plot/data_plots.h"

namespace vnk::plot {

class TabbedChart;
class ValueTable;

class RawIntervalPlotScreen : public QDialog {
    Q_OBJECT
public:
    explicit RawIntervalPlotScreen(const IntervalPlotData& data, QWidget* parent = nullptr);

    TabbedChart* charts() const { return charts_; }
    ValueTable* valueTable() const { return table_; }

private:
    IntervalPlotData data_;
    TabbedChart* charts_ = nullptr;
    ValueTable* table_ = nullptr;
};

}  // namespace vnk::plot
