// Turns a ChartDesign into a Qt chart: one value axis per direction with the design's ends and
// tick steps, one series per SeriesDesign in its colour, titles and legend.
#pragma once

#include <QtCharts/QChart>

#include "plot/chart_design.h"

namespace vnk::plot {

// A new chart drawing `design`; the caller owns it (a QChartView takes it over).
QChart* BuildChart(const ChartDesign& design);

}  // namespace vnk::plot
