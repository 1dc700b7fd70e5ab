// Descriptions of the non-homogeneous Poisson model for interval data, the three Schneidewind
// treatments and Yamada's S-shaped model (screen texts, prediction questions with their "Run"
// rules, report blocks, error texts), and the texts of the optimum S investigation.
//
// ModelContext use: counts C and lengths L of the intervals (the cumulative end times are
// rebuilt from the lengths, as "Run" does); intervalStats; ESF (non-homogeneous Poisson: the
// numerical method of the run); scalars "PMAX" (the period limit of the Setup menu, default
// 1000) and, for Schneidewind treatments 2 and 3, "TSS" (the treatment's S).
#pragma once

#include <string>

#include "models/model_description.h"
#include "numerics/conventions.h"

namespace vnk::models {

// Shares the results screen of generalized Poisson weightings 1 and 2; the limit fields of
// its first prediction (and the bracket and comma texts around them) are hidden, so the
// question lists no pieces for them.
ModelDescription NhppIntervalModel();

// TSF 1, 2 or 3.
ModelDescription SchneidewindModel(int TSF);

ModelDescription YamadaModel();

// The optimum S screens and the investigation screen.
namespace optimum_s {
inline constexpr const char* kTitle = "Schneidewind Model Optimum S Investigation";
inline constexpr const char* kNotFoundText = "An Optimum S was not found.";
inline constexpr const char* kNotFoundHint =
    "Leaving values at zero will cancel the execution of treatment types 2 and 3, "
    "respectively. ";
inline constexpr const char* kNotFoundType2Label = "Treatment Type 2 S:";
inline constexpr const char* kNotFoundType3Label = "Treatment Type 3 S:";
inline constexpr const char* kFoundTexts[] = {
    "An Optimum S for this data set has been found based on the Mean Square Error (MSE) for "
    "fault counts, the MSE for times, and/or the MSE for faults remaining.  The starting points "
    "which resulted in the absolute minimum values are displayed here.",
    "Tabular and grahical displays of the data used to select these starting points can (and "
    "should) be examined by using the \"investigate\" button.  The elimination of data from "
    "analysis is not a simple operation that can be automated by the program.",
    "MSE-F should be used when predicting the number of faults, MSE-T should be used when "
    "predicting the time to find a given number of faults, and MSE-R is applicable to both "
    "predictions. If either MSE-F or MSE-T are used, two executions may be required.",
    "Once a starting point is determined based on any of the above criteria, the value may be "
    "entered in the following fields. Normally, the Optimum S for Treatment type 3 is equal to "
    "the value for Treatment type 2 plus 1.",
    "Executions of either (or both) Treatment types can be cancelled by leaving the zero value."};
inline constexpr const char* kBestFLabel = "Optimum S Based on MSE-F:";
inline constexpr const char* kBestTLabel = "Optimum S Based on MSE-T:";
inline constexpr const char* kBestRLabel = "Optimum S Based on MSE-R:";
inline constexpr const char* kFoundType2Label = "Treatment Type 2 Optimum S:";
inline constexpr const char* kFoundType3Label = "Treatment Type 3 Optimum S:";

inline constexpr const char* kInvestigationTitle = "Optimum S Investigation";
inline constexpr const char* kColumns[] = {"S", "MSE-T", "MSE-F", "MSE-R", "ALPHA", "BETA"};
inline constexpr const char* kTabs[] = {"Mean Square Error - Time", "Mean Square Error - Faults",
                                        "Mean Square Error - Remaining Faults"};
// Chart title when the screen opens, then per tab after a tab change.
inline constexpr const char* kOpeningChartTitle = "MSE - T";
inline constexpr const char* kChartTitles[] = {"MSE-T", "MSE-F", "MSE-R"};
// Where the charts draw an S without a fit.
inline constexpr double kNoFitPlotValue = -1000000.0;
}  // namespace optimum_s

// The investigation report ("Print"): the heading and one line per S that gave a fit, from
// the arrays SSDWOS filled (entries 1..NS).
std::string OptimumSInvestigationReport(int NS, ConstRealArray SVALUE, ConstRealArray MSET,
                                        ConstRealArray MSEF, ConstRealArray MSER,
                                        ConstRealArray ALPHA, ConstRealArray BETA);

}  // namespace vnk::models
