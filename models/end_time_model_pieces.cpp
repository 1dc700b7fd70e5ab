#include "models/end_time_model_pieces.h"

#include "models/interval_screen_pieces.h"

namespace vnk::models {

using namespace pieces;

PredictionQuestion EndTimeLengthQuestion(const char* resultText, EndTimeLengthRoutine routine) {
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

PredictionQuestion EndTimePeriodsQuestion(const char* errorCaption, EndTimePeriodsRoutine routine) {
    PredictionQuestion q;
    q.pieces = {Text("> For the next"),
                Input(0),
                Text("faults to be discovered, if the testing length is expected to be"),
                Input(1),
                Text("The expected number of periods is "),
                Output(0)};
    q.inputCount = 2;
    q.answer = [errorCaption, routine](const ModelContext& ctx, const std::vector<double>& in,
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
        routine(T, static_cast<int>(T.size()), LEXP, ctx.intervalStats, DNOF,
                ctx.scalar("PMAX", 1000.0), PVAL, ERRFLG);
        out.outputs = {PVAL};
        out.computed = true;
        if (ERRFLG == 1) out.errorMessage = kAboveRemaining;
        if (ERRFLG == 2) out.errorMessage = kPmaxExceeded;
        if (ERRFLG != 0) out.errorCaption = errorCaption;
        return out;
    };
    return q;
}

std::string EndTimeEstimationBlock(const char* reportTitle, const ModelContext& ctx) {
    const IntervalStats& s = ctx.intervalStats;
    return Format("    %s\n", reportTitle) +
           Format(
               "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
               "                                  ------------  -----------------------\n"
               "\n"
               "      Proportionality Constant    %12.3f       (%5.3f,%5.3f)\n"
               "\n"
               "      Total Number of Faults      %12.1f       (%3.1f,%3.1f)\n"
               "      TNOF Remaining              %12.1f       (%3.1f,%3.1f)\n"
               "\n"
               "\n",
               s(3, kEstimate), s(3, kLower), s(3, kUpper), s(5, kEstimate), s(5, kLower),
               s(5, kUpper), s(6, kEstimate), s(6, kLower), s(6, kUpper));
}

std::string EndTimePredictionLines(const PredictionValues& v) {
    const double LEXP = ValueOr0(v.inputs, 0, 0);
    const double DNOF = ValueOr0(v.inputs, 1, 0);
    const double LEXP2 = ValueOr0(v.inputs, 1, 1);
    std::string out;
    if (LEXP > 0.0) {
        out += Format(
            "      For the next testing period of length %3.1f  The expected number of faults "
            "is %3.1f\n\n",
            LEXP, ValueOr0(v.outputs, 0, 0));
    }
    if (DNOF > 0.0 && LEXP2 > 0.0) {
        out += Format(
            "      For the next %3.1f faults to be discovered, if the testing length is expected "
            "to be\n        %3.1f  The expected number of periods is %3.1f\n\n",
            DNOF, LEXP2, ValueOr0(v.outputs, 1, 0));
    }
    return out;
}

}  // namespace vnk::models
