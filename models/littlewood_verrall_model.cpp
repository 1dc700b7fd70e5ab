#include "models/littlewood_verrall_model.h"

#include "numerics/littlewood_verrall.h"

namespace vnk::models {
namespace {

using Kind = PredictionPiece::Kind;

std::string PositiveRequired(int question) {
    return Format("A positive number is required to run Prediction %d", question);
}

PredictionQuestion NextFailuresQuestion(int PHIIND) {
    PredictionQuestion q;
    q.pieces = {{Kind::Text, ">   For the next", 0},
                {Kind::Input, "", 0},
                {Kind::Text, "failures, the Total MTBNF will be", 0},
                {Kind::Output, "", 0}};
    q.answer = [PHIIND](const ModelContext& ctx, const std::vector<double>& inputs,
                        const std::vector<double>&) {
        PredictionOutcome out;
        out.outputs = {0.0};
        const double K = inputs.at(0);
        if (K > 0.0) {
            SLAVP3(ctx.tbfStats, ctx.NS, K, PHIIND, out.outputs[0]);
            out.computed = true;
        } else if (K < 0.0) {
            out.errorMessage = PositiveRequired(1);
        }
        return out;
    };
    return q;
}

// Outputs: 0 = failures (PVAL2), 1 = time (PVAL1), in screen order.
PredictionQuestion DesiredIntensityQuestion(int PHIIND) {
    PredictionQuestion q;
    q.pieces = {{Kind::Text, ">  To reach a desired intensity function of", 0},
                {Kind::Input, "", 0},
                {Kind::Text, ", the number of failures must", 0},
                {Kind::Text, "be", 0},
                {Kind::Output, "", 0},
                {Kind::Text, "and the time must be", 0},
                {Kind::Output, "", 1}};
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
            double time = 0.0, failures = 0.0;
            int ERRLFG = 0;
            SLAVP4(ctx.tbfStats, DIF, time, failures, ERRLFG);
            out.outputs = {failures, time};
            out.computed = true;
            if (ERRLFG == 1) out.errorMessage = "Input greater than current for Prediction 2";
        } else if (DIF < 0.0) {
            out.errorMessage = PositiveRequired(2);
        }
        return out;
    };
    return q;
}

PredictionQuestion FurtherTimeQuestion(int PHIIND) {
    PredictionQuestion q;
    q.pieces = {{Kind::Text, ">  In a specified time of", 0},
                {Kind::Input, "", 0},
                {Kind::Text, "the number of failures expected is", 0},
                {Kind::Output, "", 0}};
    q.answer = [PHIIND](const ModelContext& ctx, const std::vector<double>& inputs,
                        const std::vector<double>&) {
        PredictionOutcome out;
        out.outputs = {0.0};
        const double LOP = inputs.at(0);
        if (LOP > 0.0) {
            SLAVP6(ctx.tbfStats, ctx.data, ctx.NS, LOP, PHIIND, out.outputs[0]);
            out.computed = true;
        } else if (LOP < 0.0) {
            // The quadratic screen numbers its questions without the disabled one.
            out.errorMessage = PositiveRequired(PHIIND == kLavLinear ? 3 : 2);
        }
        return out;
    };
    return q;
}

std::string EstimationBlock(int PHIIND, const ModelContext& ctx) {
    const TbfStats& S = ctx.tbfStats;
    return Format("    LITTLEWOOD AND VERRALL'S\n    %s MODEL\n",
                  PHIIND == kLavLinear ? "LINEAR" : "QUADRATIC") +
           Format("    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
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
                  S(tbf_row::kInitialIntensity, kEstimate),
                  S(tbf_row::kCurrentIntensity, kEstimate), S(tbf_row::kCurrentMtbnf, kEstimate));
}

double Value(const std::vector<std::vector<double>>& table, std::size_t question,
             std::size_t index) {
    if (question >= table.size() || index >= table[question].size()) return 0.0;
    return table[question][index];
}

std::string PredictionLines(const PredictionValues& v) {
    const double K = Value(v.inputs, 0, 0);
    const double DIF = Value(v.inputs, 1, 0);
    const double LOP = Value(v.inputs, 2, 0);
    if (K == 0.0 && DIF == 0.0 && LOP == 0.0) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (K != 0.0)
        out += Format("      For the next %3.1f failures  The Total MTBNF will be %3.1f\n\n", K,
                      Value(v.outputs, 0, 0));
    if (DIF != 0.0)
        out += Format(
            "      To reach a desired intensity function of %5.3f  The number of failures must "
            "be %3.1f\n        and the time must be %3.1f\n\n",
            DIF, Value(v.outputs, 1, 0), Value(v.outputs, 1, 1));
    if (LOP != 0.0)
        out += Format("      In a specified time of %3.1f  The number of failures expected is %3.1f\n\n",
                      LOP, Value(v.outputs, 2, 0));
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
        default:
            break;
    }
    return text;
}

ModelDescription Build(int PHIIND) {
    const bool linear = PHIIND == kLavLinear;
    ModelDescription d;
    d.code = linear ? "LAV-L" : "LAV-Q";
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
                     FurtherTimeQuestion(PHIIND)};
    d.estimationBlock = [PHIIND](const ModelContext& ctx) { return EstimationBlock(PHIIND, ctx); };
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return PredictionLines(v);
    };
    d.errorText = ErrorText;
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
