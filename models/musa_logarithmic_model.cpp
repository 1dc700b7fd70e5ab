#include "models/musa_nhpp_tbf_models.h"
#include "models/positive_input_rule.h"
#include "models/tbf_prediction_texts.h"
#include "models/tbf_slots.h"
#include "numerics/musa_logarithmic.h"

namespace vnk::models {
namespace {

using Kind = PredictionPiece::Kind;
using Reset = ResetOnNonPositive;

PredictionQuestion ReliabilityQuestion() {
    return PositiveInputQuestion(ReliabilityPieces(), 1, 1, Reset::Input,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SMSAP1(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

PredictionQuestion NextFailuresQuestion() {
    return PositiveInputQuestion(NextFailuresPieces(), 2, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double K, PredictionOutcome& out) {
                                     SMSAP3(ctx.tbfStats, ctx.data, ctx.NS, K, out.outputs[0]);
                                 });
}

// Outputs in screen order: 0 = failures (PVAL2), 1 = time (PVAL1).
PredictionQuestion DesiredIntensityQuestion() {
    return PositiveInputQuestion(
        DesiredIntensityPieces(), 3, 2, Reset::Input,
        [](const ModelContext& ctx, double DIF, PredictionOutcome& out) {
            int ERRLFG = 0;
            SMSAP4(ctx.tbfStats, DIF, out.outputs[1], out.outputs[0], ERRLFG);
            if (ERRLFG == 1) out.errorMessage = "Input greater than current for Prediction 3";
        });
}

PredictionQuestion FurtherFailuresQuestion() {
    return PositiveInputQuestion(FurtherFailuresPieces(), 4, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SMSAP6(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

std::string EstimationBlock(const ModelContext& ctx) {
    const TbfStats& S = ctx.tbfStats;
    using namespace tbf_row;
    return Format(
        "    MUSA'S LOGARITHMIC MODEL\n"
        "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
        "                                  ------------  -----------------------\n"
        "\n"
        "      BETA0 Parameter             %12.3f\n"
        "      BETA1 Parameter             %12.3f\n"
        "\n"
        "      Initial Intensity Function  %12.3f\n"
        "      Current Intensity Function  %12.3f\n"
        "\n"
        "      Current MTBNF               %12.1f\n"
        "\n"
        "      Purification Level          %12.3f\n"
        "\n"
        "\n",
        S(2, kEstimate), S(3, kEstimate), S(kInitialIntensity, kEstimate),
        S(kCurrentIntensity, kEstimate), S(kCurrentMtbnf, kEstimate),
        S(kPurificationLevel, kEstimate));
}

std::string PredictionLines(const PredictionValues& v) {
    const double LOP1 = ValueAt(v.inputs, 0, 0);
    const double K = ValueAt(v.inputs, 1, 0);
    const double DIF = ValueAt(v.inputs, 2, 0);
    const double LOP4 = ValueAt(v.inputs, 3, 0);
    if (LOP1 == 0.0 && K == 0.0 && DIF == 0.0 && LOP4 == 0.0) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (LOP1 != 0.0) out += ReliabilityLine(LOP1, ValueAt(v.outputs, 0, 0));
    if (K != 0.0) out += NextFailuresLine(K, ValueAt(v.outputs, 1, 0));
    // The report gives the time only (output 1).
    if (DIF != 0.0)
        out += Format(
            "      To reach a desired intensity function of %5.3f  The time must be %3.1f\n\n", DIF,
            ValueAt(v.outputs, 2, 1));
    if (LOP4 != 0.0) out += FurtherFailuresLine(LOP4, ValueAt(v.outputs, 3, 0));
    return out;
}

std::string ErrorText(int RFLAG) {
    if (RFLAG == status::kOk) return "";
    std::string text = "\r\nModel Execution Returned Error:\r\n";
    if (RFLAG == status::kNotAppropriate) text += "\r\nData are not appropriate for the model.";
    return text;
}

ModelDescription Build() {
    using namespace tbf_row;
    ModelDescription d;
    d.code = TbfSlotNamesOf(slot_order::kMusaLog).code;
    d.title = "Musa's Logarithmic Model";
    d.plotTitle = "Musa's Logarithmic Model";
    d.errorHeading = "Errors:";
    d.estimates = {{"BETA0 Parameter:", 2, false},
                   {"BETA1 Parameter:", 3, false},
                   {"Initial intensity Function:", kInitialIntensity, false},
                   {"Current Intensity Function:", kCurrentIntensity, false},
                   {"Current Mean Time Before Next Failure:", kCurrentMtbnf, false},
                   {"Purification Level:", kPurificationLevel, false}};
    d.predictions = {ReliabilityQuestion(), NextFailuresQuestion(), DesiredIntensityQuestion(),
                     FurtherFailuresQuestion()};
    d.estimationBlock = EstimationBlock;
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = ErrorText;
    return d;
}

}  // namespace

const ModelDescription& MusaLogarithmicModel() {
    static const ModelDescription d = Build();
    return d;
}

}  // namespace vnk::models
