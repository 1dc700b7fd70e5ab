#include "models/brooks_motley_gp_models.h"
#include "models/interval_screen_pieces.h"
#include "models/interval_slots.h"
#include "numerics/generalized_poisson.h"
#include "numerics/period_search.h"

namespace vnk::models {
namespace {

using Kind = PredictionPiece::Kind;

PredictionPiece text(const char* s) { return {Kind::Text, s, 0}; }
PredictionPiece input(int i) { return {Kind::Input, "", i}; }
PredictionPiece output(int i) { return {Kind::Output, "", i}; }

double inputOr0(const PredictionValues& v, std::size_t q, std::size_t i) {
    if (q >= v.inputs.size() || i >= v.inputs[q].size()) return 0.0;
    return v.inputs[q][i];
}
double outputOr0(const PredictionValues& v, std::size_t q, std::size_t i) {
    if (q >= v.outputs.size() || i >= v.outputs[q].size()) return 0.0;
    return v.outputs[q][i];
}

// Prediction 1 runs for a positive length; prediction 2 for a positive number of faults and a
// positive length. A negative length is no testing period: weighting 1 would square it into a
// plausible answer and the others would search until the period limit.
bool firstAsked(double length) { return length > 0.0; }
bool secondAsked(double faults, double length) { return faults > 0.0 && length > 0.0; }

const char* prediction2Caption(int weighting) {
    switch (weighting) {
        case gpo_weighting::kSchickWolverton:
            return "Generalized Poisson Weighting l - Prediction 2";
        case gpo_weighting::kAlphaInput:
            return "Generalized Poisson Weighting 2 - Prediction 2";
        default:
            return "Generalized Poisson Weighting 3 - Prediction 2";
    }
}

double lcor(const ModelContext& ctx) { return ctx.scalar("LCOR"); }

PredictionQuestion expectedFaultsQuestion(int weighting) {
    const bool limits = weighting != gpo_weighting::kAlphaEstimated;
    PredictionQuestion q;
    q.pieces = {text("> For the next testing period of length"), input(0),
                text("The expected number of faults is "), output(0)};
    if (limits) {
        q.pieces.insert(q.pieces.end(), {text("("), output(1), text(","), output(2), text(")")});
    }
    q.inputCount = 1;
    q.outputCount = limits ? 3 : 1;
    q.answer = [weighting, limits](const ModelContext& ctx, const std::vector<double>& in,
                                   const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        if (in.empty() || !firstAsked(in[0])) return out;
        std::array<double, 3> PVALS{};
        SGPOP1(in[0], ctx.counts, ctx.lengths, ctx.corrections, ctx.NS, lcor(ctx),
               ctx.intervalStats, ctx.ESF, weighting, PVALS);
        out.outputs = limits ? std::vector<double>{PVALS[0], PVALS[1], PVALS[2]}
                             : std::vector<double>{PVALS[0]};
        out.computed = true;
        return out;
    };
    return q;
}

PredictionQuestion periodsQuestion(int weighting) {
    PredictionQuestion q;
    q.pieces = {text("> For the next"),
                input(0),
                text("faults to be discovered, if the testing length is expected to be"),
                input(1),
                text("The expected number of periods is "),
                output(0)};
    q.inputCount = 2;
    q.outputCount = 1;
    q.answer = [weighting](const ModelContext& ctx, const std::vector<double>& in,
                           const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        if (in.size() < 2 || !secondAsked(in[0], in[1])) return out;
        double PVAL = 0.0;
        int ERRFLG = 0;
        SGPOP2(in[1], ctx.counts, ctx.lengths, ctx.corrections, ctx.NS, lcor(ctx),
               ctx.intervalStats, ctx.ESF, weighting, in[0], ctx.scalar("PMAX", 1000.0), PVAL,
               ERRFLG);
        out.outputs = {PVAL};
        out.computed = true;
        if (ERRFLG == period_status::kAboveRemaining) {
            out.errorMessage = "Input Greater than TNOFR.";
        } else if (ERRFLG == period_status::kPmaxExceeded) {
            out.errorMessage = "PMAX exceeded.";
        }
        if (!out.errorMessage.empty()) out.errorCaption = prediction2Caption(weighting);
        return out;
    };
    return q;
}

// Printed as it is, not through Format.
const char* const kEstimationHeader =
    "    ESTIMATIONS                       Estimate  95% Confidence Interval\n"
    "                                  ------------  -----------------------\n"
    "\n";

std::string estimationBlock(int weighting, const IntervalStats& s) {
    if (weighting == gpo_weighting::kAlphaEstimated) {
        return Format(
            "    GENERALIZED POISSON MODEL - Weighting 3 (Alpha Estimated)\n"
            "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
            "                                  ------------  -----------------------\n"
            "\n"
            "      Alpha                       %12.3f\n"
            "\n"
            "      Proportionality Constant    %12.3f\n"
            "\n"
            "      Total Number of Faults      %12.1f\n"
            "      TNOF Remaining              %12.1f\n"
            "\n"
            "\n",
            s(1, kEstimate), s(3, kEstimate), s(5, kEstimate), s(6, kEstimate));
    }
    const std::string heading =
        weighting == gpo_weighting::kSchickWolverton
            ? "    GENERALIZED POISSON MODEL - Weighting 1 (Schick-Wolverton)\n"
            : "    GENERALIZED POISSON MODEL - Weighting 2 (Alpha Input)\n";
    return heading + kEstimationHeader +
           Format(
               "      Proportionality Constant    %12.3f       (%5.3f,%5.3f)\n"
               "\n"
               "      Total Number of Faults      %12.1f       (%3.1f,%3.1f)\n"
               "      TNOF Remaining              %12.1f       (%3.1f,%3.1f)\n"
               "\n"
               "\n",
               s(3, kEstimate), s(3, kLower), s(3, kUpper), s(5, kEstimate), s(5, kLower),
               s(5, kUpper), s(6, kEstimate), s(6, kLower), s(6, kUpper));
}

std::string predictionLines(int weighting, const PredictionValues& v) {
    const double length1 = inputOr0(v, 0, 0);
    const double faults = inputOr0(v, 1, 0);
    const double length2 = inputOr0(v, 1, 1);
    const bool first = firstAsked(length1);
    const bool second = secondAsked(faults, length2);
    if (!first && !second) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (first && weighting != gpo_weighting::kAlphaEstimated) {
        out += Format(
            "      For the next testing period of length %3.1f  The expected number of faults "
            "is %3.1f\n        with a 95%% Confidence Interval of (%3.1f,%3.1f)\n\n",
            length1, outputOr0(v, 0, 0), outputOr0(v, 0, 1), outputOr0(v, 0, 2));
    } else if (first) {
        out += Format(
            "      For the next testing period of length %3.1f  The expected number of faults "
            "is %3.1f\n\n",
            length1, outputOr0(v, 0, 0));
    }
    if (second) {
        out += Format(
            "      For the next %3.1f faults to be discovered, if the testing length is "
            "expected to be\n        %3.1f  The expected number of periods is %3.1f\n\n",
            faults, length2, outputOr0(v, 1, 0));
    }
    return out;
}

std::string errorText(int RFLAG) {
    std::string out = "\r\nModel Execution Returned Error:\r\n";
    switch (RFLAG) {
        case 1:
            return out + "The Maximum Iteration Count was reached.";
        case 2:
            return out + "The Trust region could not be adjusted properly.";
        case 3:
            return out + "The Data are not appropriate for the model.";
        default:
            return out + "The Total Faults estimate was less than the observed faults to date.";
    }
}

}  // namespace

ModelDescription GeneralizedPoissonModel(int weighting) {
    ModelDescription d;
    switch (weighting) {
        case gpo_weighting::kSchickWolverton:
            d.code = IntervalSlotNamesOf(slot_order::kGp1).code;
            d.title = "Generalized Poisson Model - Weighting 1 (Schick-Wolverton)";
            break;
        case gpo_weighting::kAlphaInput:
            d.code = IntervalSlotNamesOf(slot_order::kGp2).code;
            d.title = "Generalized Poisson Model - Weighting 2 (Alpha Input)";
            break;
        default:
            weighting = gpo_weighting::kAlphaEstimated;
            d.code = IntervalSlotNamesOf(slot_order::kGp3).code;
            d.title = "Generalized Poisson Model - Weighting 3 (Alpha Estimated)";
            d.errorTitle = "Generalized Poisson - Weighting 3 (Alpha Estimated)";
            break;
    }
    d.plotTitle = d.title;
    if (weighting == gpo_weighting::kAlphaEstimated) {
        d.estimates = {{"Alpha:", 1, false},
                       {"Proportionality Constant:", 3, false},
                       {"Total Number of Faults:", 5, false},
                       {"Total Number of Faults Remaining:", 6, false}};
    } else {
        d.estimates = {{"Proportionality Constant:", 3, true},
                       {"Total Number of Faults:", 5, true},
                       {"Total Number of Faults Remaining:", 6, true}};
        d.runEnabled = [](const ModelContext& ctx) {
            return !(ctx.intervalStats(6, kEstimate) < 0.5);
        };
    }
    d.predictions = {expectedFaultsQuestion(weighting), periodsQuestion(weighting)};
    d.predictionsHeading = pieces::kPredictionsHeading;
    d.errorHeading = pieces::kErrorsHeading;
    d.headingPointSize = pieces::kHeadingPointSize;
    d.estimationBlock = [weighting](const ModelContext& ctx) {
        return estimationBlock(weighting, ctx.intervalStats);
    };
    d.predictionLines = [weighting](const ModelContext&, const PredictionValues& v) {
        return predictionLines(weighting, v);
    };
    d.errorText = errorText;
    return d;
}

InitialEstimatesTexts GeneralizedPoissonInitialEstimatesTexts(int weighting) {
    return {weighting == gpo_weighting::kAlphaEstimated
                ? "Generalized Poisson Model - Weighting Function 3"
                : "Generalized Poisson Model - Weighting Function 2",
            "The computed intial estimates for the execution are:",
            {"ALPHA of COUNT( I ) ** ALPHA:", "Total Number of Faults:"}};
}

bool GeneralizedPoissonTotalAccepted(double AN, double lastCount) {
    return AN >= lastCount && AN <= 1e7;
}

}  // namespace vnk::models
