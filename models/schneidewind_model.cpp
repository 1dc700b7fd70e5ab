#include "models/interval_screen_pieces.h"
#include "models/interval_slots.h"
#include "models/nhpp_schneidewind_yamada_models.h"
#include "numerics/schneidewind.h"

namespace vnk::models {
namespace {

using namespace pieces;

const char* const kPrediction2Caption = "Schneidewind's Model - Prediction 2";

// The treatment's S: 1 for treatment 1, otherwise the value the treatment ran with.
int TreatmentS(const ModelContext& ctx, int TSF) {
    return TSF == 1 ? 1 : static_cast<int>(ctx.scalar("TSS", 0.0));
}

PredictionQuestion ExpectedFaultsQuestion(int TSF) {
    PredictionQuestion q;
    q.pieces = {Text("> For the next testing period of length"), Input(0),
                Text("The expected number of faults is "), Output(0)};
    q.answer = [TSF](const ModelContext& ctx, const std::vector<double>& in,
                     const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        const double LEXP = in.at(0);
        if (!(LEXP > 0.0)) return out;
        double PVAL = 0.0;
        SSDWP1(ctx.NS, LEXP, ctx.intervalStats, TSF, TreatmentS(ctx, TSF), PVAL);
        out.outputs = {PVAL};
        out.computed = true;
        return out;
    };
    return q;
}

PredictionQuestion PeriodsQuestion(int TSF) {
    PredictionQuestion q;
    q.pieces = {Text("> For the next"), Input(0), Text("faults to be discovered"),
                Text("The expected number of periods is "), Output(0)};
    q.answer = [TSF](const ModelContext& ctx, const std::vector<double>& in,
                     const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        const double DNOF = in.at(0);
        if (!(DNOF > 0.0)) return out;
        double PVAL = 0.0;
        int ERRFLG = 0;
        SSDWP2(ctx.counts, ctx.NS, ctx.intervalStats, DNOF, TSF, TreatmentS(ctx, TSF), PVAL,
               ERRFLG);
        out.outputs = {PVAL};
        out.computed = true;
        if (ERRFLG == 1) out.errorMessage = kAboveRemaining;
        if (ERRFLG == 2) out.errorMessage = "The estimate cannot be made for the specified value.";
        if (ERRFLG != 0) out.errorCaption = kPrediction2Caption;
        return out;
    };
    return q;
}

std::string EstimationBlock(int TSF, const ModelContext& ctx) {
    const IntervalStats& s = ctx.intervalStats;
    return Format("    NORM SCHNEIDEWIND'S MODEL - Treatment Type %d\n", TSF) +
           Format(
               "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
               "                                  ------------  -----------------------\n"
               "\n"
               "      Alpha                       %12.3f\n"
               "      Beta                        %12.3f\n"
               "\n"
               "      Total Number of Faults      %12.1f\n"
               "      TNOF Remaining              %12.1f\n"
               "\n"
               "      Weighted Sum-of-squares Between\n"
               "       Predicted and Observed Faults%10.3f\n"
               "\n"
               "      Mean Square Error for\n"
               "       Cumulative Faults          %12.3f\n"
               "\n"
               "      Mean Square Error for\n"
               "       Time to Next Failure       %12.3f\n"
               "\n"
               "\n",
               s(1, kEstimate), s(2, kEstimate), s(5, kEstimate), s(6, kEstimate), s(7, kEstimate),
               s(8, kEstimate), s(9, kEstimate));
}

std::string PredictionLines(const PredictionValues& v) {
    const double LEXP = ValueOr0(v.inputs, 0, 0);
    const double DNOF = ValueOr0(v.inputs, 1, 0);
    if (!(LEXP > 0.0) && !(DNOF > 0.0)) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (LEXP > 0.0) {
        out += Format(
            "      For the next testing period of length %3.1f  The expected number of faults "
            "is %3.1f\n\n",
            LEXP, ValueOr0(v.outputs, 0, 0));
    }
    if (DNOF > 0.0) {
        out += Format(
            "      For the next %3.1f faults to be discovered  The expected number of periods "
            "is %3.1f\n\n",
            DNOF, ValueOr0(v.outputs, 1, 0));
    }
    return out;
}

std::string ErrorText(int RFLAG) {
    return std::string(kErrorHeading) +
           (RFLAG == status::kNotAppropriate ? kNotAppropriate : kBelowObserved);
}

}  // namespace

ModelDescription SchneidewindModel(int TSF) {
    ModelDescription d;
    // Treatments 1 to 3 fill the three Schneidewind slots in order.
    d.code = IntervalSlotNamesOf(slot_order::kSdw1 + TSF - 1).code;
    d.title = Format("The Schneidewind Model - Treatment Type %d", TSF);
    d.plotTitle = d.title;
    d.errorTitle = "Schneidewind's Model";
    d.estimates = {{"Alpha:", 1, false},
                   {"Beta:", 2, false},
                   {"Total Number of Faults:", 5, false},
                   {"Total Number of Faults Remaining:", 6, false},
                   {"Mean Square Error for Remaining Faults:", 7, false},
                   {"Mean Square Error for Cumulative Faults:", 8, false},
                   {"Mean Square Error for Time to Next Failure:", 9, false}};
    d.predictions = {ExpectedFaultsQuestion(TSF), PeriodsQuestion(TSF)};
    d.estimationBlock = [TSF](const ModelContext& ctx) { return EstimationBlock(TSF, ctx); };
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

std::string OptimumSInvestigationReport(int NS, ConstRealArray SVALUE, ConstRealArray MSET,
                                        ConstRealArray MSEF, ConstRealArray MSER,
                                        ConstRealArray ALPHA, ConstRealArray BETA) {
    std::string out =
        "\n\n\n    SCHNEIDEWIND'S OPTIMUM S INVESTIGATION REPORT\n\n"
        "         S         MSE-T         MSE-F         MSE-R         ALPHA          BETA\n"
        "      ----  ------------  ------------  ------------  ------------  ------------\n\n";
    for (int S = 1; S <= NS; ++S) {
        if (SVALUE(S) == kNoFit) continue;
        out += Format("%10d  %12.5lf  %12.5lf  %12.5lf  %12.5lf  %12.5lf\n", S, MSET(S), MSEF(S),
                      MSER(S), ALPHA(S), BETA(S));
    }
    return out;
}

}  // namespace vnk::models
