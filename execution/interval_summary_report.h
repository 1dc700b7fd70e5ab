// The four pages of the interval execution summary report.
#pragma once

#include <string>
#include <vector>

#include "execution/interval_results.h"

namespace vnk::execution {

std::vector<std::string> IntervalSummaryReport(const IntervalExecutionResults& results);

}  // namespace vnk::execution
