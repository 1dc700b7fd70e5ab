// The TREND ANALYSIS report block: the trend tests of the data in the fixed layout of the
// other reports, for the trend screen's Print and the command line's --trend.
#pragma once

#include <string>

#include "numerics/trend_tests.h"

namespace vnk::models {

// Shown beside the results of interval data whose lengths differ.
inline constexpr const char* kUnequalLengthsNote =
    "Unequal interval lengths: failures are placed at the interval midpoints.";

// The whole block: kind of data, end values, the MIL-HDBK-189 test of hardware data, the
// verdict sentence and the table of Laplace factors and running averages. An analysis without
// result gives the header and its reason.
std::string TrendAnalysisReport(const TrendAnalysis& analysis);

// A table value in twelve columns: fixed with three decimals while it fits, else exponent form.
std::string TrendCell(double value);

}  // namespace vnk::models
