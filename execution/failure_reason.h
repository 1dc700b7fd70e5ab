// A plain sentence for a model that gave no estimates, from what its routine found. The error
// screens, the summaries' tooltips and the batch JSON show it beside the routine's own text,
// which stays as it is.
#pragma once

#include <string>

#include "execution/interval_results.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// What the reason is built from: the routine's status, how it searched, and the few facts of
// the data that tell one meaning of a shared status code from another.
struct FailureFinding {
    int RFLAG = 0;
    int ESF = method::kMaximumLikelihood;
    bool robust = false;               // the one-root search covered the whole parameter range
    bool outOfDomain = false;          // success reported with values no fit can have
    bool noFaults = false;             // interval data: not one fault counted
    bool fewIntervals = false;         // interval data: fewer than two intervals
    bool equalLengths = false;         // interval data: every interval of the same length
    double totalFaultsEstimate = 0.0;  // Musa logarithmic: b0 as the routine left it
};

// "" for a status that is not a failure (TBF 0; interval 0).
std::string TbfFailureReason(int slot, const FailureFinding& found);
std::string IntervalFailureReason(int slot, const FailureFinding& found);

// The same, read from an execution's results.
std::string TbfFailureReason(const TbfExecutionResults& results, int slot);
std::string IntervalFailureReason(const IntervalExecutionResults& results, int slot);

}  // namespace vnk::execution
