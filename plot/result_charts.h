// The charts of an execution's results, named as the batch program's chart files: the data
// plots, each model's plot, the summary plot and the applicability charts, with every chart left
// out (a failed model or analysis) listed with its reason.
#pragma once

#include <string>
#include <vector>

#include "execution/chart_values.h"
#include "plot/chart_design.h"

namespace vnk::plot {

struct ResultChart {
    std::string name;   // "<data file stem>-<chart>", e.g. "sys1-geo"
    ChartDesign chart;  // titled as on screen
};

struct ResultChartSet {
    std::vector<ResultChart> charts;
    std::vector<std::string> skipped;  // "<name>: <reason>"
};

ResultChartSet ResultCharts(const execution::ChartInput& input);

}  // namespace vnk::plot
