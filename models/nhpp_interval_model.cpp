#include "models/interval_models_b.h"
#include "models/interval_screen_pieces.h"
#include "numerics/nhpp_interval.h"

namespace vnk::models {
namespace {

using namespace pieces;

const char* const kPrediction2Caption = "Non-homogeneous Poisson Model - Prediction 2";

PredictionQuestion ExpectedFaultsQuestion() {
    PredictionQuestion q;
    q.pieces = {Text("> For the next testing period of length"), Input(0),
                Text("The expected number of faults is "), Output(0)};
    q.answer = [](const ModelContext& ctx, const std::vector<double>& in,
                  const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        const double LEXP = in.at(0);
        if (!(LEXP > 0.0)) return out;
        const std::vector<double> T = EndTimes(ctx.lengths);
        double PVAL = 0.0;
        SNPIP1(T, static_cast<int>(T.size()), LEXP, ctx.intervalStats, PVAL);
        out.outputs = {PVAL};
        out.computed = true;
        return out;
    };
    return q;
}

PredictionQuestion PeriodsQuestion() {
    PredictionQuestion q;
    q.pieces = {Text("> For the next"),
                Input(0),
                Text("faults to be discovered, if the testing length is expected to be"),
                Input(1),
                Text("The expected number of periods is "),
                Output(0)};
    q.inputCount = 2;
    q.answer = [](const ModelContext& ctx, const std::vector<double>& in,
                  const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        const double DNOF = in.at(0);
        const double LEXP = in.at(1);
        // A negative length is no testing period: the search would only run into PMAX.
        if (!(DNOF > 0.0) || !(LEXP > 0.0)) return out;
        const std::vector<double> T = EndTimes(ctx.lengths);
        double PVAL = 0.0;
        int ERRFLG = 0;
        SNPIP2(T, static_cast<int>(T.size()), LEXP, ctx.intervalStats, DNOF,
               ctx.scalar("PMAX", 1000.0), PVAL, ERRFLG);
        out.outputs = {PVAL};
        out.computed = true;
        if (ERRFLG == 1) out.errorMessage = kAboveRemaining;
        if (ERRFLG == 2) out.errorMessage = kPmaxExceeded;
        if (ERRFLG != 0) out.errorCaption = kPrediction2Caption;
        return out;
    };
    return q;
}

std::string EstimationBlock(const ModelContext& ctx) {
    const IntervalStats& s = ctx.intervalStats;
    return Format(
        "    NON-HOMOGENEOUS POISSON MODEL\n"
        "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
        "                                  ------------  -----------------------\n"
        "\n"
        "      Proportionality Constant    %12.3f       (%5.3f,%5.3f)\n"
        "\n"
        "      Total Number of Faults      %12.1f       (%3.1f,%3.1f)\n"
        "      TNOF Remaining              %12.1f       (%3.1f,%3.1f)\n"
        "\n"
        "\n",
        s(3, kEstimate), s(3, kLower), s(3, kUpper), s(5, kEstimate), s(5, kLower), s(5, kUpper),
        s(6, kEstimate), s(6, kLower), s(6, kUpper));
}

std::string PredictionLines(const PredictionValues& v) {
    const double LEXP = ValueOr0(v.inputs, 0, 0);
    const double DNOF = ValueOr0(v.inputs, 1, 0);
    const double LEXP2 = ValueOr0(v.inputs, 1, 1);
    const bool first = LEXP > 0.0;
    const bool second = DNOF > 0.0 && LEXP2 > 0.0;
    if (!first && !second) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (first) {
        out += Format(
            "      For the next testing period of length %3.1f  The expected number of faults "
            "is %3.1f\n\n",
            LEXP, ValueOr0(v.outputs, 0, 0));
    }
    if (second) {
        out += Format(
            "      For the next %3.1f faults to be discovered, if the testing length is expected "
            "to be\n        %3.1f  The expected number of periods is %3.1f\n\n",
            DNOF, LEXP2, ValueOr0(v.outputs, 1, 0));
    }
    return out;
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
    d.code = "NHP";
    d.title = "Non-homogeneous Poisson Model for Interval Data";
    d.plotTitle = d.title;
    d.estimates = {{"Proportionality Constant:", 3, true},
                   {"Total Number of Faults:", 5, true},
                   {"Total Number of Faults Remaining:", 6, true}};
    d.predictions = {ExpectedFaultsQuestion(), PeriodsQuestion()};
    d.estimationBlock = EstimationBlock;
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
