// What the two interval models fitted to cumulative end times (the non-homogeneous Poisson and
// the S-shaped models) share on their result screens and reports: the length and periods
// questions, the estimation block and the first two prediction lines.
#pragma once

#include <string>

#include "models/model_description.h"

namespace vnk::models {

// A one-value prediction from the end times and a positive length LEXP.
using EndTimeLengthRoutine = void (*)(ConstRealArray T, int NS, double LEXP,
                                      const IntervalStats& STATS, double& PVAL);
// The periods needed for DNOF more faults at testing length LEXP, searched up to PMAX.
using EndTimePeriodsRoutine = void (*)(ConstRealArray T, int NS, double LEXP,
                                       const IntervalStats& STATS, double DNOF, double PMAX,
                                       double& PVAL, int& ERRFLG);

// "> For the next testing period of length" [LEXP] resultText [value]; nothing is computed for
// a length that is not positive.
PredictionQuestion EndTimeLengthQuestion(const char* resultText, EndTimeLengthRoutine routine);
// "> For the next" [DNOF] "faults to be discovered, ..." [LEXP] [periods]; both inputs must be
// positive (a negative length is no testing period). Errors carry `errorCaption`.
PredictionQuestion EndTimePeriodsQuestion(const char* errorCaption, EndTimePeriodsRoutine routine);

// The estimation block under the model's report title (e.g. "NON-HOMOGENEOUS POISSON MODEL").
std::string EndTimeEstimationBlock(const char* reportTitle, const ModelContext& ctx);
// The report lines of the length question (question 0) and the periods question (question 1)
// that were answered; empty when neither was.
std::string EndTimePredictionLines(const PredictionValues& v);

}  // namespace vnk::models
