// The modal "Raw Data Plots" screen of interval software data: tabs "Counts" and "Length" over
// the chart, and the value table ("Count", "Length") at the left. With `smoothed` set the counts
// are drawn smoothed; the lengths and the table are always as recorded.
#pragma once

#include "app/kit/screen.h"
#include "plot/data_plots.h"

namespace vnk::plot {

class TabbedChart;
class ValueTable;

class RawIntervalPlotScreen : public app::Screen {
    Q_OBJECT
  public:
    RawIntervalPlotScreen(app::Prompter& prompter, const IntervalPlotData& data,
                          QWidget* parent = nullptr);

    TabbedChart* charts() const { return charts_; }
    ValueTable* valueTable() const { return table_; }

  private:
    IntervalPlotData data_;
    TabbedChart* charts_ = nullptr;
    ValueTable* table_ = nullptr;
};

}  // namespace vnk::plot
