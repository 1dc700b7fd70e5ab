// The Crow-AMSAA tracking model as the result screen, the report and the command line see it:
// one analysis of hardware failure times or grouped counts (estimates, bounds at a chosen
// confidence, fit test, trend test), its estimate table and prediction questions, its report
// page and the plain reasons of its statuses.
#pragma once

#include <string>
#include <vector>

#include "models/model_description.h"
#include "numerics/crow_amsaa.h"
#include "numerics/trend_tests.h"

namespace vnk::models::crow {

inline constexpr const char* kTitle = "Crow-AMSAA Reliability Growth Tracking Model";
inline constexpr const char* kCode = "CROW-AMSAA";

struct Settings {
    double confidence = 0.90;
    BoundSides sides = BoundSides::TwoSided;
};

struct Analysis {
    bool grouped = false;
    int status = crow_amsaa_status::kOk;
    Settings settings;
    std::vector<double> times;       // individual data: cumulative failure times
    std::vector<double> ends;        // grouped data: cumulative test time at each interval's end
    std::vector<double> failures;    // grouped data: failures per interval
    std::vector<double> expected;    // grouped data: expected failures per interval
    CrowAmsaaFit fit;                // individual data
    CrowAmsaaGroupedFit groupedFit;  // grouped data
    ConfidenceBounds beta;           // individual data only
    ConfidenceBounds mtbf;           // instantaneous, individual data only
    ConfidenceBounds cumulativeMtbf;
    int cvmM = 0;
    double cvm = 0.0;
    double cvmCritical = 0.0;
    MilHdbk189Result trend;  // individual data only
};

Analysis AnalyseTimes(std::vector<double> cumulativeTimes, double T, Settings settings);
Analysis AnalyseGrouped(std::vector<double> ends, std::vector<double> failures, Settings settings);
// Recomputes the bounds at new settings (the fit itself does not change).
void ApplySettings(Analysis& analysis, Settings settings);

// The plain reason of a nonzero status, e.g. "fewer than 3 failures".
std::string StatusReason(int status);
// The message box of a failed fit: "The Crow-AMSAA model cannot be fitted to these data: "
// and the reason, caption kTitle.
std::string FailureText(int status);

// The estimate table, the scalars the predictions read and the status, for the result screen.
ModelContext ContextOf(const Analysis& analysis);
// The description for individual or grouped data at the given settings (limit headings
// "Lower 90% CI", one-sided "Lower 95% LCB", ...). The object lives for the program's life.
const ModelDescription& Description(bool grouped, Settings settings);

// "90%", "95%".
std::string Percent(double confidence);
// "Lower 90% CI", "Upper 95% Bound" (one-sided).
std::string LimitHeading(Settings settings, bool lower);
// "90% two-sided" or "95% one-sided".
std::string ConfidenceText(Settings settings);
// The report page: estimates with bounds, fit and trend tests with their verdicts, the
// method of the bounds, and the prediction lines for the nonzero inputs.
std::string Report(const Analysis& analysis, const PredictionValues& values);

}  // namespace vnk::models::crow
