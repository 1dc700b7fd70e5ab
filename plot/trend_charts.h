// Charts of the trend analysis screen: the Laplace factor with its 5% limits, and the running
// average, both against the failure or interval number.
#pragma once

#include "numerics/trend_tests.h"
#include "plot/chart_design.h"

namespace vnk::plot {

// "Laplace Factor": the factors u(i) in green, and the limits +1.96 and -1.96 as black lines
// across the chart. The y axis always shows both limits.
ChartDesign LaplaceFactorChart(const TrendAnalysis& analysis);

// "Running Average" of the times between failures, or "Failures per Unit Length" of interval
// data.
ChartDesign RunningAverageChart(const TrendAnalysis& analysis);

// y axis of the Laplace chart: whole numbers from below the smallest value (at most -3) to
// above the largest (at least 3), in at most about eight steps.
AxisScale LaplaceYAxis(const std::vector<double>& values);

}  // namespace vnk::plot
