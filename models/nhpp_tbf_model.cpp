#include "models/musa_nhpp_tbf_models.h"
#include "models/positive_input_rule.h"
#include "models/tbf_prediction_texts.h"
#include "models/tbf_slots.h"
#include "numerics/nhpp_tbf.h"

namespace vnk::models {
namespace {

constexpr int kProportionalityRow = 4;
using Kind = PredictionPiece::Kind;
using Reset = ResetOnNonPositive;

// Every question reads ctx.data, the cumulative failure times.
PredictionQuestion ReliabilityQuestion() {
    return PositiveInputQuestion(ReliabilityPieces(), 1, 1, Reset::Input,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SNPTP1(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

// Inputs: 0 = operational time SOT, 1 = reliability SR. Both must be positive; otherwise both
// are reset to 0.
PredictionQuestion ReliabilityTimeQuestion() {
    PredictionQuestion q;
    q.pieces = {{Kind::Text, ">  For a specified Operational Time of ", 0},
                {Kind::Input, "", 0},
                {Kind::Text, ", the time to reach a", 0},
                {Kind::Text, "specified reliability of", 0},
                {Kind::Input, "", 1},
                {Kind::Text, "is", 0},
                {Kind::Output, "", 0}};
    q.inputCount = 2;
    q.answer = [](const ModelContext& ctx, const std::vector<double>& inputs,
                  const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        out.outputs.resize(1, 0.0);
        const double SOT = inputs.at(0);
        const double SR = inputs.at(1);
        if (SOT > 0.0 && SR > 0.0) {
            // A reliability of 1 or more is only reached after an infinite test time.
            if (SR >= 1.0) {
                out.outputs[0] = 0.0;
                out.errorMessage = "A reliability less than 1 is required for Prediction 2";
                return out;
            }
            SNPTP2(ctx.tbfStats, SOT, SR, out.outputs[0]);
            out.outputs[0] = Displayable(out.outputs[0]);
            out.computed = true;
            return out;
        }
        if (SOT < 0.0 || SR < 0.0) out.errorMessage = PositiveNumberRequired(2);
        out.inputs = {0.0, 0.0};
        return out;
    };
    return q;
}

PredictionQuestion DesiredIntensityQuestion() {
    return PositiveInputQuestion(
        {{Kind::Text, ">  To reach a desired intensity function of", 0},
         {Kind::Input, "", 0},
         {Kind::Text, " the time must be", 0},
         {Kind::Output, "", 0}},
        3, 1, Reset::Input, [](const ModelContext& ctx, double DIF, PredictionOutcome& out) {
            int ERRLFG = 0;
            SNPTP4(ctx.tbfStats, DIF, out.outputs[0], ERRLFG);
            if (ERRLFG == 1) out.errorMessage = "Input greater than current for Prediction 3";
        });
}

PredictionQuestion FurtherFailuresQuestion() {
    return PositiveInputQuestion(FurtherFailuresPieces(), 4, 1, Reset::Outputs,
                                 [](const ModelContext& ctx, double LOP, PredictionOutcome& out) {
                                     SNPTP6(ctx.tbfStats, ctx.data, ctx.NS, LOP, out.outputs[0]);
                                 });
}

std::string EstimationBlock(const ModelContext& ctx) {
    const TbfStats& S = ctx.tbfStats;
    using namespace tbf_row;
    return Format(
        "    NON-HOMOGENEOUS POISSON MODEL\n"
        "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
        "                                  ------------  -----------------------\n"
        "\n"
        "      Proportionality Constant    %12.3f\n"
        "\n"
        "      Initial Intensity Function  %12.3f\n"
        "      Current Intensity Function  %12.3f\n"
        "\n"
        "      Total Number of Faults      %12.1f\n"
        "      TNOF Remaining              %12.1f\n"
        "\n"
        "      Purification Level          %12.3f\n"
        "\n"
        "\n",
        S(kProportionalityRow, kEstimate), S(kInitialIntensity, kEstimate),
        S(kCurrentIntensity, kEstimate), S(kTotalFaults, kEstimate), S(kRemainingFaults, kEstimate),
        S(kPurificationLevel, kEstimate));
}

std::string PredictionLines(const PredictionValues& v) {
    const double LOP1 = ValueAt(v.inputs, 0, 0);
    const double SOT = ValueAt(v.inputs, 1, 0);
    const double SR = ValueAt(v.inputs, 1, 1);
    const double DIF = ValueAt(v.inputs, 2, 0);
    const double LOP4 = ValueAt(v.inputs, 3, 0);
    if (LOP1 == 0.0 && SOT == 0.0 && SR == 0.0 && DIF == 0.0 && LOP4 == 0.0) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (LOP1 != 0.0) out += ReliabilityLine(LOP1, ValueAt(v.outputs, 0, 0));
    if (SOT != 0.0 || SR != 0.0)
        out += Format(
            "      For a specified Operational Time of %3.1f  The time to reach a specified\n"
            "        reliability of %5.3f is %3.1f\n\n",
            SOT, SR, ValueAt(v.outputs, 1, 0));
    if (DIF != 0.0)
        out += Format(
            "      To reach a desired intensity function of %5.3f  The time must be %3.1f\n\n", DIF,
            ValueAt(v.outputs, 2, 0));
    if (LOP4 != 0.0) out += FurtherFailuresLine(LOP4, ValueAt(v.outputs, 3, 0));
    return out;
}

ModelDescription Build() {
    using namespace tbf_row;
    ModelDescription d;
    d.code = TbfSlotNamesOf(slot_order::kNpt).code;
    d.title = "Non-Homogeneous Poisson Model";
    d.plotTitle = "Non-Homogeneous Poisson Model";
    d.estimates = {{"Proportionality Constant:", kProportionalityRow, false},
                   {"Initial Intensity Function:", kInitialIntensity, false},
                   {"Current Intensity Function:", kCurrentIntensity, false},
                   {"Total Number of Faults:", kTotalFaults, false},
                   {"Total Number of Faults Remaining:", kRemainingFaults, false},
                   {"Purification Level:", kPurificationLevel, false}};
    d.predictions = {ReliabilityQuestion(), ReliabilityTimeQuestion(), DesiredIntensityQuestion(),
                     FurtherFailuresQuestion()};
    d.estimationBlock = EstimationBlock;
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = TotalFaultsErrorText;
    return d;
}

}  // namespace

const ModelDescription& NhppTbfModel() {
    static const ModelDescription d = Build();
    return d;
}

}  // namespace vnk::models
