// The options the main window holds for the whole run. They start at these values in every
// run and are never stored.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

namespace view_preference {
inline constexpr int kTimeBetweenFailures = 0;
inline constexpr int kTimeToFailure = 1;
}  // namespace view_preference

// Execution severity level 0 means no reduction; 1 to 4 name a level.
inline constexpr int kNoSeverityReduction = 0;

struct ProgramOptions {
    int numericalMethod = method::kMaximumLikelihood;
    int executionSeverityLevel = kNoSeverityReduction;
    int viewPreference = view_preference::kTimeBetweenFailures;
    int cellCombinations = 5;          // 0 to 32000
    double iterationMaximum = 1000.0;  // the period limit of interval "number of periods" answers
    int predictionNumber = 0;          // 0 to 1000000
    bool trace = false;
    bool robustEstimation = false;
    bool skipFailedRefits = false;  // applicability analyses go on past a failed refit
    double holdOutFraction = 0.1;   // share of the data the comparison's PSSE predicts  // the
                                    // one-root estimations search the whole range
};

}  // namespace vnk
