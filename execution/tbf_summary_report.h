// The four pages of the TBF execution summary report.
#pragma once

#include <string>
#include <vector>

#include "execution/tbf_results.h"

namespace vnk::execution {

std::vector<std::string> TbfSummaryReport(const TbfExecutionResults& results);

}  // namespace vnk::execution
