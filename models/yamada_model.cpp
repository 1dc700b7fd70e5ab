#include "models/end_time_model_pieces.h"
#include "models/interval_screen_pieces.h"
#include "models/interval_slots.h"
#include "models/nhpp_schneidewind_yamada_models.h"
#include "numerics/yamada.h"

namespace vnk::models {
namespace {

using namespace pieces;

const char* const kPrediction2Caption = "Yamada's S - Shaped Model - Prediction 2";

std::string PredictionLines(const PredictionValues& v) {
    std::string lines = EndTimePredictionLines(v);
    const double LEXP3 = ValueOr0(v.inputs, 2, 0);
    if (LEXP3 > 0.0) {
        lines += Format(
            "      For the next testing period of length of %3.1f  The probability of operation "
            "without\n        failure is %3.1f\n\n",
            LEXP3, ValueOr0(v.outputs, 2, 0));
    }
    return lines.empty() ? "" : "    PREDICTIONS\n\n" + lines;
}

std::string ErrorText(int RFLAG) {
    return std::string(kErrorHeading) +
           (RFLAG == status::kNotAppropriate ? kNotAppropriate : kBelowObserved);
}

}  // namespace

ModelDescription YamadaModel() {
    ModelDescription d;
    d.code = IntervalSlotNamesOf(slot_order::kYam).code;
    d.title = "Yamada's S - Shaped Reliability Growth Model";
    d.plotTitle = "Yamada's S - Shaped Model";
    d.estimates = {{"Proportionality Constant:", 3, true},
                   {"Total Number of Faults:", 5, true},
                   {"Total Number of Faults Remaining:", 6, true}};
    d.predictions = {
        EndTimeLengthQuestion("The expected number of faults is ", SESHP1),
        EndTimePeriodsQuestion(kPrediction2Caption, SESHP2),
        EndTimeLengthQuestion("The probability of operation without failure is:", SESHP3)};
    d.estimationBlock = [](const ModelContext& ctx) {
        return EndTimeEstimationBlock("YAMADA'S S-SHAPED RELIABILITY GROWTH MODEL", ctx);
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
