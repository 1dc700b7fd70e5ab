// The trend analysis of the data set under analysis, as the trend screen, the command line
// and the check before Model Execution take it.
#pragma once

#include <string>

#include "data/failure_data_set.h"
#include "numerics/trend_tests.h"

namespace vnk::execution {

// TBF data: the first N times and the failure-free time after them, with the MIL-HDBK-189
// test for a hardware history. Software interval data: the fault counts and lengths. Any other
// data set gives trend_status::kTooFewData (no data) or kNotApplicable (one-shot trials).
TrendAnalysis TrendAnalysisOf(const FailureDataSet& set);

// Whether Model Execution should first ask the user: the Laplace factor at the end shows
// decay at the 5% level.
bool TrendShowsDecay(const TrendAnalysis& analysis);

// Caption and text of that question.
inline constexpr const char* kTrendDecayCaption = "Trend Analysis";
std::string TrendDecayQuestion(const TrendAnalysis& analysis);

}  // namespace vnk::execution
