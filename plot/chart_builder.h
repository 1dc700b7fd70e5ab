// Turns a ChartSpec into a Qt chart: one value axis per direction with the design's ends and
// tick steps, one series per SeriesSpec in its colour, titles and legend.
#pragma once

#include <QtCharts/QChart>

#include "plot/chart_design.h"

namespace vnk::plot {

// A new chart drawing `design`; the caller owns it (a QChartView takes it over).
QChart* BuildChart(const ChartSpec& design);

}  // namespace vnk::plot
