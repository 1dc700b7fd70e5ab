// Charts of the Crow-AMSAA tracking model: the Duane plot (log10 cumulative MTBF against log10
// cumulative time, with the fitted line), the instantaneous and cumulative MTBF against time
// with the bounds at the end of test, and the observed against the expected cumulative failures.
#pragma once

#include <vector>

#include "models/crow_amsaa_model.h"
#include "plot/chart_design.h"

namespace vnk::plot {

ChartDesign CrowDuaneChart(const models::crow::Analysis& analysis);
ChartDesign CrowMtbfChart(const models::crow::Analysis& analysis);
ChartDesign CrowCumulativeFailuresChart(const models::crow::Analysis& analysis);

}  // namespace vnk::plot
