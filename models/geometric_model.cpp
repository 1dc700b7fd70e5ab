#include "models/positive_input_rule.h"
#include "models/tbf_models.h"
#include "models/tbf_prediction_texts.h"
#include "models/tbf_slots.h"
#include "numerics/geometric.h"

namespace vnk::models {
namespace {

constexpr int kPhiRow = 4;
using Reset = ResetOnNonPositive;

PredictionQuestion NextFailuresQuestion() {
    return PositiveInputQuestion(NextFailuresPieces(), 1, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double K, PredictionOutcome& out) {
                                     SGEOP3(ctx.tbfStats, ctx.NS, K, out.outputs[0]);
                                 });
}

// Outputs in screen order: 0 = failures (PVAL2), 1 = time (PVAL1).
PredictionQuestion DesiredIntensityQuestion() {
    return PositiveInputQuestion(
        DesiredIntensityPieces(), 2, 2, Reset::Nothing,
        [](const ModelContext& ctx, double DIF, PredictionOutcome& out) {
            int ERRLFG = 0;
            SGEOP4(ctx.tbfStats, DIF, out.outputs[1], out.outputs[0], ERRLFG);
            if (ERRLFG == 1) out.errorMessage = "Input greater than current for Prediction 2";
        });
}

PredictionQuestion FurtherFailuresQuestion() {
    return PositiveInputQuestion(FurtherFailuresPieces(), 3, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SGEOP6(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

std::string EstimationBlock(const ModelContext& ctx) {
    const TbfStats& S = ctx.tbfStats;
    using namespace tbf_row;
    return Format(
        "    GEOMETRIC MODEL\n"
        "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
        "                                  ------------  -----------------------\n"
        "\n"
        "      Proportionality Constant    %12.3f       (%5.3f,%5.3f)\n"
        "\n"
        "      Hazard Rate                 %12.3f       (%5.3f,%5.3f)\n"
        "\n"
        "      Initial Intensity Function  %12.3f\n"
        "      Current Intensity Function  %12.3f\n"
        "\n"
        "      Current MTBNF               %12.1f       (%3.1f,%3.1f)\n"
        "\n"
        "      Purification Level          %12.3f       (%5.3f,%5.3f)\n"
        "\n"
        "\n",
        S(kPhiRow, kEstimate), S(kPhiRow, kLower), S(kPhiRow, kUpper), S(kHazardRate, kEstimate),
        S(kHazardRate, kLower), S(kHazardRate, kUpper), S(kInitialIntensity, kEstimate),
        S(kCurrentIntensity, kEstimate), S(kCurrentMtbnf, kEstimate), S(kCurrentMtbnf, kLower),
        S(kCurrentMtbnf, kUpper), S(kPurificationLevel, kEstimate), S(kPurificationLevel, kLower),
        S(kPurificationLevel, kUpper));
}

std::string PredictionLines(const PredictionValues& v) {
    const double K = ValueAt(v.inputs, 0, 0);
    const double DIF = ValueAt(v.inputs, 1, 0);
    const double LOP = ValueAt(v.inputs, 2, 0);
    if (K == 0.0 && DIF == 0.0 && LOP == 0.0) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (K != 0.0) out += NextFailuresLine(K, ValueAt(v.outputs, 0, 0));
    if (DIF != 0.0)
        out += DesiredIntensityLine(DIF, ValueAt(v.outputs, 1, 0), ValueAt(v.outputs, 1, 1));
    if (LOP != 0.0) out += FurtherFailuresLine(LOP, ValueAt(v.outputs, 2, 0));
    return out;
}

std::string ErrorText(int RFLAG) {
    if (RFLAG == status::kOk) return "";
    return "\r\nModel Execution Returned Error:\r\n"
           "\r\nThe Data are not appropriate for the model.";
}

ModelDescription Build() {
    using namespace tbf_row;
    ModelDescription d;
    d.code = TbfSlotNamesOf(slot_order::kGeo).code;
    d.title = "Geometric Model";
    d.plotTitle = "Geometric Model";
    d.estimates = {{"Proportionality Constant:", kPhiRow, true},
                   {"Hazard Rate Parameter:", kHazardRate, true},
                   {"Initial Intensity Function:", kInitialIntensity, false},
                   {"Current Intensity Function:", kCurrentIntensity, false},
                   {"Current MTBNF:", kCurrentMtbnf, true},
                   {"Purification Level:", kPurificationLevel, true}};
    d.predictions = {NextFailuresQuestion(), DesiredIntensityQuestion(), FurtherFailuresQuestion()};
    d.estimationBlock = EstimationBlock;
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = ErrorText;
    d.errorHeading = "Errors Occurred:";
    return d;
}

}  // namespace

const ModelDescription& GeometricModel() {
    static const ModelDescription d = Build();
    return d;
}

}  // namespace vnk::models
