#include "models/end_time_model_pieces.h"
#include "models/interval_screen_pieces.h"
#include "models/interval_slots.h"
#include "models/nhpp_schneidewind_yamada_models.h"
#include "numerics/nhpp_interval.h"

namespace vnk::models {
namespace {

using namespace pieces;

const char* const kPrediction2Caption = "Non-homogeneous Poisson Model - Prediction 2";

std::string PredictionLines(const PredictionValues& v) {
    const std::string lines = EndTimePredictionLines(v);
    return lines.empty() ? "" : "    PREDICTIONS\n\n" + lines;
}

// The texts of the generalized Poisson error box, which this model uses.
std::string ErrorText(int RFLAG) {
    std::string out = kErrorHeading;
    switch (RFLAG) {
        case status::kMaxIterations:
            return out + "The Maximum Iteration Count was reached.";
        case status::kTrustRegion:
            return out + "The Trust region could not be adjusted properly.";
        case status::kNotAppropriate:
            return out + kNotAppropriate;
        default:
            return out + kBelowObserved;
    }
}

}  // namespace

ModelDescription NhppIntervalModel() {
    ModelDescription d;
    d.code = IntervalSlotNamesOf(slot_order::kNhp).code;
    d.title = "Non-homogeneous Poisson Model for Interval Data";
    d.plotTitle = d.title;
    d.estimates = {{"Proportionality Constant:", 3, true},
                   {"Total Number of Faults:", 5, true},
                   {"Total Number of Faults Remaining:", 6, true}};
    d.predictions = {EndTimeLengthQuestion("The expected number of faults is ", SNPIP1),
                     EndTimePeriodsQuestion(kPrediction2Caption, SNPIP2)};
    d.estimationBlock = [](const ModelContext& ctx) {
        return EndTimeEstimationBlock("NON-HOMOGENEOUS POISSON MODEL", ctx);
    };
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = ErrorText;
    d.predictionsHeading = kPredictionsHeading;
    d.errorHeading = kErrorsHeading;
    d.headingPointSize = kHeadingPointSize;
    d.runEnabled = FaultsRemain;
    return d;
}

}  // namespace vnk::models
