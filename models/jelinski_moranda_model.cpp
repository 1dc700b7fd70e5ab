#include "models/positive_input_rule.h"
#include "models/tbf_models.h"
#include "models/tbf_prediction_texts.h"
#include "models/tbf_slots.h"
#include "numerics/jelinski_moranda.h"

namespace vnk::models {
namespace {

constexpr int kPhiRow = 4;
using Kind = PredictionPiece::Kind;
using Reset = ResetOnNonPositive;

PredictionQuestion ReliabilityQuestion() {
    return PositiveInputQuestion(ReliabilityPieces(), 1, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SJAMP1(ctx.tbfStats, LOP, out.outputs[0]);
                                 });
}

PredictionQuestion NextFailuresQuestion() {
    return PositiveInputQuestion(
        NextFailuresPieces(), 2, 1, Reset::Outputs,
        [](const ModelContext& ctx, double K, PredictionOutcome& out) {
            int ERRFLG = 0;
            SJAMP3(ctx.tbfStats, ctx.NS, K, out.outputs[0], ERRFLG);
            if (ERRFLG == 1)
                out.errorMessage =
                    "The input desired number of failures is illegal for Prediction 2.";
        });
}

// Outputs in screen order: 0 = failures (PVAL2), 1 = time (PVAL1). An input of 0 or below is
// reset to 0.0 and the outputs keep their values.
PredictionQuestion DesiredIntensityQuestion() {
    return PositiveInputQuestion(
        DesiredIntensityPieces(), 3, 2, Reset::Input,
        [](const ModelContext& ctx, double DIF, PredictionOutcome& out) {
            int ERRLFG = 0;
            SJAMP4(ctx.tbfStats, DIF, out.outputs[1], out.outputs[0], ERRLFG);
            if (ERRLFG == 1) out.errorMessage = "Input greater than current for Prediction 3";
        });
}

PredictionQuestion FurtherFailuresQuestion() {
    return PositiveInputQuestion(FurtherFailuresPieces(), 4, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SJAMP6(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

std::string EstimationBlock(const ModelContext& ctx) {
    const TbfStats& S = ctx.tbfStats;
    using namespace tbf_row;
    return Format(
        "    JELINSKI/MORANDA MODEL\n"
        "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
        "                                  ------------  -----------------------\n"
        "\n"
        "      Proportionality Constant    %12.3f\n"
        "\n"
        "      Initial Intensity Function  %12.3f\n"
        "      Current Intensity Function  %12.3f\n"
        "\n"
        "      Current MTBNF               %12.1f\n"
        "\n"
        "      Total Number of Faults      %12.1f\n"
        "      TNOF Remaining              %12.1f\n"
        "\n"
        "      Purification Level          %12.3f\n"
        "\n"
        "\n",
        S(kPhiRow, kEstimate), S(kInitialIntensity, kEstimate), S(kCurrentIntensity, kEstimate),
        S(kCurrentMtbnf, kEstimate), S(kTotalFaults, kEstimate), S(kRemainingFaults, kEstimate),
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
    if (DIF != 0.0)
        out += DesiredIntensityLine(DIF, ValueAt(v.outputs, 2, 0), ValueAt(v.outputs, 2, 1));
    if (LOP4 != 0.0) out += FurtherFailuresLine(LOP4, ValueAt(v.outputs, 3, 0));
    return out;
}

ModelDescription Build() {
    using namespace tbf_row;
    ModelDescription d;
    d.code = TbfSlotNamesOf(slot_order::kJam).code;
    d.title = "Jelinski / Moranda Model";
    d.plotTitle = "Jelinski / Moranda Model";
    d.errorTitle = "Jelinski/Moranda";
    d.errorHeading = "Errors:";
    d.plotsButtonText = "Plots ";
    d.estimates = {{"Proportionality Constant:", kPhiRow, false},
                   {"Initial Intensity Function:", kInitialIntensity, false},
                   {"Current Intensity Function:", kCurrentIntensity, false},
                   {"Current Mean Time Before Next Failure:", kCurrentMtbnf, false},
                   {"Total Number of Faults:", kTotalFaults, false},
                   {"Total Number of Faults Remaining:", kRemainingFaults, false},
                   {"Purification Level:", kPurificationLevel, false}};
    d.predictions = {ReliabilityQuestion(), NextFailuresQuestion(), DesiredIntensityQuestion(),
                     FurtherFailuresQuestion()};
    d.estimationBlock = EstimationBlock;
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = TotalFaultsErrorText;
    // Nothing is left to predict once fewer than half a fault remains.
    d.runEnabled = [](const ModelContext& ctx) {
        return ctx.tbfStats(kRemainingFaults, kEstimate) >= 0.5;
    };
    return d;
}

}  // namespace

const ModelDescription& JelinskiMorandaModel() {
    static const ModelDescription d = Build();
    return d;
}

}  // namespace vnk::models
