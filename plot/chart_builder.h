// Turns a ChartSpec into a Qt chart: one value axis per direction with the spec's ends and
// tick steps, one series per SeriesSpec in its colour, titles and legend.
#pragma once

#include <QtCharts/QChart>

#include "plot/chart_spec.h"

namespace vnk::plot {

// A new chart drawing `spec`; the caller owns it (a QChartView takes it over).
QChart* BuildChart(const ChartSpec& spec);

}  // namespace vnk::plot
