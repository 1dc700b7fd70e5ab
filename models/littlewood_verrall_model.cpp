#include "models/littlewood_verrall_model.h"

#include "models/tbf_prediction_texts.h"
#include "models/tbf_slots.h"
#include "numerics/littlewood_verrall.h"

namespace vnk::models {
namespace {

PredictionQuestion NextFailuresQuestion(int PHIIND) {
    PredictionQuestion q;
    q.pieces = NextFailuresPieces();
    q.answer = [PHIIND](const ModelContext& ctx, const std::vector<double>& inputs,
                        const std::vector<double>&) {
        PredictionOutcome out;
        out.outputs = {0.0};
        const double K = inputs.at(0);
        if (K > 0.0) {
            double PVAL = 0.0;
            SLAVP3(ctx.tbfStats, ctx.NS, K, PHIIND, PVAL);
            out.outputs = {Displayable(PVAL)};
            out.computed = true;
        } else if (K < 0.0) {
            out.errorMessage = PositiveNumberRequired(1);
        }
        return out;
    };
    return q;
}

// Outputs in screen order: 0 = failures (PVAL2), 1 = time (PVAL1).
PredictionQuestion DesiredIntensityQuestion(int PHIIND) {
    PredictionQuestion q;
    q.pieces = DesiredIntensityPieces();
    q.outputCount = 2;
    // The time and failure formulas hold for the linear model only.
    q.inputEnabled = PHIIND == kLavLinear;
    q.answer = [PHIIND](const ModelContext& ctx, const std::vector<double>& inputs,
                        const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        out.outputs.resize(2, 0.0);
        if (PHIIND != kLavLinear) return out;
        const double DIF = inputs.at(0);
        if (DIF > 0.0) {
            double PVAL1 = 0.0, PVAL2 = 0.0;
            int ERRLFG = 0;
            SLAVP4(ctx.tbfStats, DIF, PVAL1, PVAL2, ERRLFG);
            out.outputs = {Displayable(PVAL2), Displayable(PVAL1)};
            out.computed = true;
            if (ERRLFG == 1) out.errorMessage = "Input greater than current for Prediction 2";
        } else if (DIF < 0.0) {
            out.errorMessage = PositiveNumberRequired(2);
        }
        return out;
    };
    return q;
}

PredictionQuestion FurtherFailuresQuestion(int PHIIND) {
    PredictionQuestion q;
    q.pieces = FurtherFailuresPieces();
    q.answer = [PHIIND](const ModelContext& ctx, const std::vector<double>& inputs,
                        const std::vector<double>&) {
        PredictionOutcome out;
        out.outputs = {0.0};
        const double LOP = inputs.at(0);
        if (LOP > 0.0) {
            double PVAL = 0.0;
            SLAVP6(ctx.tbfStats, ctx.data, ctx.NS, LOP, PHIIND, PVAL);
            out.outputs = {Displayable(PVAL)};
            out.computed = true;
        } else if (LOP < 0.0) {
            // The quadratic screen numbers its questions without the disabled one.
            out.errorMessage = PositiveNumberRequired(PHIIND == kLavLinear ? 3 : 2);
        }
        return out;
    };
    return q;
}

std::string EstimationBlock(int PHIIND, const ModelContext& ctx) {
    const TbfStats& S = ctx.tbfStats;
    return Format("    LITTLEWOOD AND VERRALL'S\n    %s MODEL\n",
                  PHIIND == kLavLinear ? "LINEAR" : "QUADRATIC") +
           Format(
               "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
               "                                  ------------  -----------------------\n"
               "\n"
               "      ALPHA Parameter             %12.3f\n"
               "      BETA0 Parameter             %12.3f\n"
               "      BETA1 Parameter             %12.3f\n"
               "\n"
               "      Initial Intensity Function  %12.3f\n"
               "      Current Intensity Function  %12.3f\n"
               "\n"
               "      Current MTBNF               %12.1f\n"
               "\n"
               "\n",
               S(1, kEstimate), S(2, kEstimate), S(3, kEstimate),
               S(tbf_row::kInitialIntensity, kEstimate), S(tbf_row::kCurrentIntensity, kEstimate),
               S(tbf_row::kCurrentMtbnf, kEstimate));
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
    std::string text = "\r\nModel Execution Returned Error:\r\n";
    switch (RFLAG) {
        case status::kMaxIterations:
            text += "\r\nMaximum Iterations";
            break;
        case status::kTrustRegion:
            text += "\r\nThe trust region could not be adjusted properly.";
            break;
        case status::kNotAppropriate:
            text += "\r\nCalculations for the initial MTBNF estimate";
            text += "\r\nresulted in a negative value.  The model thus";
            text += "\r\ncannot be applied for this data set.";
            break;
        case status::kScaleNotPositive:
            text += "\r\nThe fitted scale function is zero or negative";
            text += "\r\nat an observed failure.  The model thus";
            text += "\r\ncannot be applied for this data set.";
            break;
        default:
            break;
    }
    return text;
}

ModelDescription Build(int PHIIND) {
    const bool linear = PHIIND == kLavLinear;
    ModelDescription d;
    d.code = TbfSlotNamesOf(linear ? slot_order::kLavLinear : slot_order::kLavQuadratic).code;
    d.title = linear ? "Littlewood and Verrall's Linear Model"
                     : "Littlewood and Verrall's Quadratic Model";
    d.plotTitle = d.title;
    d.estimates = {{"ALPHA Parameter:", 1, false},
                   {"BETA0 Parameter:", 2, false},
                   {"BETA1 Parameter:", 3, false},
                   {"Initial Intensity Function:", tbf_row::kInitialIntensity, false},
                   {"Current Intensity Function:", tbf_row::kCurrentIntensity, false},
                   {"Current Mean Time Before Next Failure:", tbf_row::kCurrentMtbnf, false}};
    d.predictions = {NextFailuresQuestion(PHIIND), DesiredIntensityQuestion(PHIIND),
                     FurtherFailuresQuestion(PHIIND)};
    d.estimationBlock = [PHIIND](const ModelContext& ctx) { return EstimationBlock(PHIIND, ctx); };
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = ErrorText;
    d.errorHeading = "Errors:";
    return d;
}

}  // namespace

const ModelDescription& LittlewoodVerrallLinearModel() {
    static const ModelDescription d = Build(kLavLinear);
    return d;
}

const ModelDescription& LittlewoodVerrallQuadraticModel() {
    static const ModelDescription d = Build(kLavQuadratic);
    return d;
}

const ModelDescription& LittlewoodVerrallModel(int PHIIND) {
    return PHIIND == kLavQuadratic ? LittlewoodVerrallQuadraticModel()
                                   : LittlewoodVerrallLinearModel();
}

std::string LittlewoodVerrallStartingValuesTitle(int PHIIND) {
    return PHIIND == kLavQuadratic ? "Littlewood and Verrall Quadratic Model"
                                   : "Littlewood and Verrall Linear Model";
}

}  // namespace vnk::models
