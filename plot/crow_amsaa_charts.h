// Charts of the Crow-AMSAA tracking model: the Duane plot (log10 cumulative MTBF against log10
// cumulative time, with the fitted line), the instantaneous and cumulative MTBF against time
// with the bounds at the end of test, and the observed against the expected cumulative failures.
#pragma once

#include <vector>

#include "models/crow_amsaa_model.h"
#include "plot/chart_design.h"

namespace vnk::plot {

ChartSpec CrowDuaneChart(const models::crow::Analysis& analysis);
ChartSpec CrowMtbfChart(const models::crow::Analysis& analysis);
ChartSpec CrowCumulativeFailuresChart(const models::crow::Analysis& analysis);

// An axis over [low, high] with a twentieth of the range as margin on each side and a step of
// 1, 2 or 5 times a power of ten giving at most about eight steps. Values that are not finite
// are left out; no finite value gives 0 to 1.
AxisScale MarginAxis(const std::vector<double>& values);

}  // namespace vnk::plot
