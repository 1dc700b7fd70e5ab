#include <cmath>

#include "models/brooks_motley_gp_models.h"
#include "models/interval_screen_pieces.h"
#include "models/interval_slots.h"
#include "numerics/brooks_motley.h"
#include "numerics/period_search.h"

namespace vnk::models {
namespace {

using Kind = PredictionPiece::Kind;

PredictionPiece text(const char* s) { return {Kind::Text, s, 0}; }
PredictionPiece input(int i) { return {Kind::Input, "", i}; }
PredictionPiece output(int i) { return {Kind::Output, "", i}; }

bool allPositive(const std::vector<double>& values, std::size_t count) {
    if (values.size() < count) return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (!(values[i] > 0.0)) return false;
    }
    return true;
}

double lastFraction(const ModelContext& ctx) {
    return ctx.fractions.empty() ? 0.0 : ctx.fractions.back();
}
double faultsSoFar(const ModelContext& ctx) {
    if (ctx.counts.empty() || ctx.corrections.empty()) return 0.0;
    return ctx.corrections.back() + ctx.counts.back();
}

const char* const kPrediction2Caption = "Brooks and Motley's Model - Prediction 2";

PredictionQuestion expectedFaultsQuestion() {
    PredictionQuestion q;
    q.pieces = {text("> For the next testing period of length"),
                input(0),
                text("and fraction of the program being tested"),
                input(1),
                text("with previous faults detected in that section of "),
                input(2),
                text("The expected number of faults is "),
                output(0)};
    q.inputCount = 3;
    q.outputCount = 1;
    q.defaultInputs = [](const ModelContext& ctx) {
        return std::vector<double>{0.0, lastFraction(ctx), faultsSoFar(ctx)};
    };
    q.answer = [](const ModelContext& ctx, const std::vector<double>& in,
                  const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        if (!allPositive(in, 3)) return out;
        double PVAL = 0.0;
        SBAMP1(in[0], in[1], in[2], ctx.intervalStats, ctx.scalar("PEC", kBamInitialPec), PVAL);
        out.outputs = {PVAL};
        out.computed = true;
        return out;
    };
    return q;
}

PredictionQuestion periodsQuestion() {
    PredictionQuestion q;
    q.pieces = {text("> For the next"),
                input(0),
                text("faults to be discovered, if the testing length is expected to be"),
                input(1),
                text("the fraction of the program being tested is"),
                input(2),
                text("with previous faults detected in that section of "),
                input(3),
                text("The expected number of periods is "),
                output(0)};
    q.inputCount = 4;
    q.outputCount = 1;
    q.defaultInputs = [](const ModelContext& ctx) {
        return std::vector<double>{0.0, 0.0, lastFraction(ctx), faultsSoFar(ctx)};
    };
    q.answer = [](const ModelContext& ctx, const std::vector<double>& in,
                  const std::vector<double>& current) {
        PredictionOutcome out;
        out.outputs = current;
        if (!allPositive(in, 4)) return out;
        double PVAL = 0.0;
        int ERRFLG = 0;
        SBAMP2(in[1], in[2], in[3], ctx.intervalStats, ctx.scalar("PEC", kBamInitialPec), in[0],
               ctx.scalar("PMAX", 1000.0), PVAL, ERRFLG);
        out.outputs = {PVAL};
        out.computed = true;
        if (ERRFLG == period_status::kAboveRemaining) {
            out.errorMessage = "Input Greater than TNOFR.";
        } else if (ERRFLG == period_status::kPmaxExceeded) {
            out.errorMessage = "PMAX exceeded.";
        }
        if (!out.errorMessage.empty()) out.errorCaption = kPrediction2Caption;
        return out;
    };
    return q;
}

double valueOr0(const std::vector<std::vector<double>>& table, std::size_t q, std::size_t i) {
    if (q >= table.size() || i >= table[q].size()) return 0.0;
    return table[q][i];
}

std::string predictionLines(const PredictionValues& v) {
    const bool first = v.inputs.size() > 0 && allPositive(v.inputs[0], 3);
    const bool second = v.inputs.size() > 1 && allPositive(v.inputs[1], 4);
    if (!first && !second) return "";
    std::string out = "    PREDICTIONS\n\n";
    if (first) {
        out += Format(
            "      For the next testing period of length %3.1f and fraction of the program "
            "being tested\n        %3.1f with previous faults detected in that section of "
            "%3.1f  The expected number\n        of faults is %3.1f\n\n",
            v.inputs[0][0], v.inputs[0][1], v.inputs[0][2], valueOr0(v.outputs, 0, 0));
    }
    if (second) {
        out += Format(
            "      For the next %3.1f faults to be discovered, if the testing length is "
            "expected to be\n        %3.1f the fraction of the program being tested is %3.1f "
            "with previous faults detected\n        in that section of %3.1f  The expected "
            "number of periods is %3.1f\n\n",
            v.inputs[1][0], v.inputs[1][1], v.inputs[1][2], v.inputs[1][3],
            valueOr0(v.outputs, 1, 0));
    }
    return out;
}

std::string errorText(int RFLAG) {
    std::string out = "\r\nModel Execution Returned Error:\r\n";
    switch (RFLAG) {
        case 1:
            out += "The Maximum Iteration Count was reached.";
            break;
        case 2:
            out += "The Trust region could not be adjusted properly.";
            break;
        // A likelihood without a finite maximum and non-finite estimates end here.
        case 3:
            out += "The Data are not appropriate for the model.";
            break;
        case 4:
            out += "The Total Faults estimate was less than the observed faults to date.";
            break;
        default:
            break;
    }
    return out;
}

}  // namespace

ModelDescription BrooksMotleyModel(int BOPFLG) {
    const bool binomial = BOPFLG == bam_variant::kBinomial;
    ModelDescription d;
    d.code = IntervalSlotNamesOf(binomial ? slot_order::kBmBinomial : slot_order::kBmPoisson).code;
    d.title = binomial ? "Brooks and Motley's Discrete SR Model - Binomial"
                       : "Brooks and Motley's Discrete SR Model - Poisson";
    d.plotTitle = d.title;
    d.estimates = {{"Probability of Detecting Faults:", 4, false},
                   {"Total Number of Faults:", 5, false},
                   {"Total Number of Faults Remaining:", 6, false}};
    d.predictions = {expectedFaultsQuestion(), periodsQuestion()};
    d.predictionsHeading = pieces::kPredictionsHeading;
    d.errorHeading = pieces::kErrorsHeading;
    d.headingPointSize = pieces::kHeadingPointSize;
    const std::string heading = binomial ? "    BROOKS AND MOTLEY'S DISCRETE SR MODEL - Binomial\n"
                                         : "    BROOKS AND MOTLEY'S DISCRETE SR MODEL - Poisson\n";
    d.estimationBlock = [heading](const ModelContext& ctx) {
        const IntervalStats& s = ctx.intervalStats;
        return heading +
               Format(
                   "    ESTIMATIONS                       Estimate  95%% Confidence Interval\n"
                   "                                  ------------  -----------------------\n"
                   "\n"
                   "      Prob. of Detecting Faults   %12.3f\n"
                   "\n"
                   "      Total Number of Faults      %12.1f\n"
                   "      TNOF Remaining              %12.1f\n"
                   "\n"
                   "\n",
                   s(4, kEstimate), s(5, kEstimate), s(6, kEstimate));
    };
    d.predictionLines = [](const ModelContext&, const PredictionValues& v) {
        return predictionLines(v);
    };
    d.errorText = errorText;
    d.runEnabled = [](const ModelContext& ctx) { return !(ctx.intervalStats(6, kEstimate) < 0.5); };
    return d;
}

ModelDescription BrooksMotleyBinomialModel() { return BrooksMotleyModel(bam_variant::kBinomial); }
ModelDescription BrooksMotleyPoissonModel() { return BrooksMotleyModel(bam_variant::kPoisson); }

InitialEstimatesTexts BrooksMotleyInitialEstimatesTexts() {
    return {"Brooks and Motley Discrete SR Model",
            "The computed intiial estimates for the execution are:",
            {"Probability of correcting faults without inserting new faults:",
             "Probability of detecting faults:", "Total number of faults:"}};
}

double BrooksMotleyShownTotal(double TNOF) { return TNOF - 1.0; }

bool BrooksMotleyTotalAccepted(double entered, double TNOF) {
    return entered >= BrooksMotleyShownTotal(TNOF) && entered <= 1e7;
}

}  // namespace vnk::models
