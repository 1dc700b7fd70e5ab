#include "models/interval_models_b.h"
#include "models/interval_screen_pieces.h"
#include "numerics/yamada.h"

namespace vnk::models {
namespace {

using namespace pieces;

const char* const kPrediction2Caption = "Yamada's S - Shaped Model - Prediction 2";

// A question computed from one positive length with a one-value routine.
template <class Routine>
PredictionQuestion LengthQuestion(const char* resultText, Routine routine) {
    PredictionQuestion q;
    q.pieces = {Text("> For the next testing period of length"), Input(0), Text(resultText),
                Output(0)};
    q.answer = [routine](const ModelContext& ctx, const std::vector<double>& in,
                         const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        const double LEXP = in.at(0);
        if (!(LEXP > 0.0)) return out;
        const std::vector<double> T = EndTimes(ctx.lengths);
        double PVAL = 0.0;
        routine(T, static_cast<int>(T.size()), LEXP, ctx.intervalStats, PVAL);
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
        if (!(DNOF > 0.0) || !(LEXP > 0.0)) return out;
        const std::vector<double> T = EndTimes(ctx.lengths);
        double PVAL = 0.0;
        int ERRFLG = 0;
        SESHP2(T, static_cast<int>(T.size()), LEXP, ctx.intervalStats, DNOF,
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
        "    YAMADA'S S-SHAPED RELIABILITY GROWTH MODEL\n"
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
    const double LEXP1 = ValueOr0(v.inputs, 0, 0);
    const double DNOF = ValueOr0(v.inputs, 1, 0);
    const double LEXP2 = ValueOr0(v.inputs, 1, 1);
    const double LEXP3 = ValueOr0(v.inputs, 2, 0);
    const bool first = LEXP1 > 0.0;
    const bool second = DNOF > 0.0 && LEXP2 > 0.0;
    const bool third = LEXP3 > 0.0;
    if (!first && !second && !third) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (first) {
        out += Format(
            "      For the next testing period of length %3.1f  The expected number of faults "
            "is %3.1f\n\n",
            LEXP1, ValueOr0(v.outputs, 0, 0));
    }
    if (second) {
        out += Format(
            "      For the next %3.1f faults to be discovered, if the testing length is expected "
            "to be\n        %3.1f  The expected number of periods is %3.1f\n\n",
            DNOF, LEXP2, ValueOr0(v.outputs, 1, 0));
    }
    if (third) {
        out += Format(
            "      For the next testing period of length of %3.1f  The probability of operation "
            "without\n        failure is %3.1f\n\n",
            LEXP3, ValueOr0(v.outputs, 2, 0));
    }
    return out;
}

std::string ErrorText(int RFLAG) {
    return std::string(kErrorHeading) +
           (RFLAG == status::kNotAppropriate ? kNotAppropriate : kBelowObserved);
}

}  // namespace

ModelDescription YamadaModel() {
    ModelDescription d;
    d.code = "YAM";
    d.title = "Yamada's S - Shaped Reliability Growth Model";
    d.plotTitle = "Yamada's S - Shaped Model";
    d.estimates = {{"Proportionality Constant:", 3, true},
                   {"Total Number of Faults:", 5, true},
                   {"Total Number of Faults Remaining:", 6, true}};
    d.predictions = {LengthQuestion("The expected number of faults is ", SESHP1), PeriodsQuestion(),
                     LengthQuestion("The probability of operation without failure is:", SESHP3)};
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
