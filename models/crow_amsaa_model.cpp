#include "models/crow_amsaa_model.h"

#include <cmath>
#include <map>
#include <memory>
#include <tuple>

#include "models/positive_input_rule.h"
#include "models/tbf_prediction_texts.h"

namespace vnk::models::crow {
namespace st = crow_amsaa_status;

namespace {

// Rows of the estimate table.
namespace row {
inline constexpr int kBeta = 1, kLambda = 2, kUnbiasedBeta = 3, kIntensity = 4, kMtbf = 5,
                     kCumulativeMtbf = 6, kFailures = 7, kTestTime = 8, kFitStatistic = 9,
                     kFitCritical = 10, kTrendStatistic = 11, kTrendPValue = 12;
}

void computeBounds(Analysis& a) {
    int status = 0;
    if (a.grouped) {
        const CrowAmsaaGroupedFit& g = a.groupedFit;
        a.cumulativeMtbf = CumulativeMtbfBounds(g.T, static_cast<int>(g.n), true,
                                                a.settings.confidence, a.settings.sides);
        return;
    }
    CrowAmsaaBetaBounds(a.fit, a.settings.confidence, a.settings.sides, a.beta, status);
    CrowAmsaaMtbfBounds(a.fit, a.settings.confidence, a.settings.sides, a.mtbf, status);
    a.cumulativeMtbf = CumulativeMtbfBounds(a.fit.T, a.fit.n, a.fit.timeTruncated,
                                            a.settings.confidence, a.settings.sides);
}

// The fit the predictions need, rebuilt from the context's scalars.
CrowAmsaaFit fitOf(const ModelContext& ctx) {
    CrowAmsaaFit f;
    f.n = static_cast<int>(ctx.scalar("N"));
    f.T = ctx.scalar("T");
    f.beta = ctx.scalar("BETA");
    f.instantaneousMtbf = ctx.scalar("MTBF");
    return f;
}

using Kind = PredictionPiece::Kind;

std::vector<PredictionQuestion> questions() {
    std::vector<PredictionQuestion> q;
    q.push_back(PositiveInputQuestion(
        {{Kind::Text, ">  In a further test time of", 0},
         {Kind::Input, "", 0},
         {Kind::Text, "the number of failures expected is", 0},
         {Kind::Output, "", 0}},
        1, 1, ResetOnNonPositive::Outputs,
        [](const ModelContext& ctx, double d, PredictionOutcome& out) {
            int status = 0;
            CrowAmsaaFailuresInFurtherTime(fitOf(ctx), d, out.outputs[0], status);
        }));
    q.push_back(PositiveInputQuestion(
        {{Kind::Text, ">  The instantaneous MTBF reaches", 0},
         {Kind::Input, "", 0},
         {Kind::Text, "at a total test time of", 0},
         {Kind::Output, "", 0}},
        2, 1, ResetOnNonPositive::Outputs,
        [](const ModelContext& ctx, double goal, PredictionOutcome& out) {
            int status = 0;
            CrowAmsaaTimeToGoalMtbf(fitOf(ctx), goal, out.outputs[0], status);
            if (status == st::kNoGrowthToGoal)
                out.errorMessage =
                    "The instantaneous MTBF does not grow (beta is 1 or more), so "
                    "it never reaches this goal.";
        }));
    q.push_back(
        PositiveInputQuestion({{Kind::Text, ">  At a total test time of", 0},
                               {Kind::Input, "", 0},
                               {Kind::Text, "the instantaneous MTBF is", 0},
                               {Kind::Output, "", 0}},
                              3, 1, ResetOnNonPositive::Outputs,
                              [](const ModelContext& ctx, double t, PredictionOutcome& out) {
                                  out.outputs[0] = CrowAmsaaInstantaneousMtbf(fitOf(ctx), t);
                              }));
    return q;
}

std::unique_ptr<ModelDescription> makeDescription(bool grouped, Settings s) {
    auto d = std::make_unique<ModelDescription>();
    d->code = kCode;
    d->title = kTitle;
    d->plotTitle = kTitle;
    d->lowerLimitHeading = LimitHeading(s, true);
    d->upperLimitHeading = LimitHeading(s, false);
    if (grouped) {
        d->estimates = {{"Shape Parameter (Beta):", row::kBeta, false},
                        {"Scale Parameter (Lambda):", row::kLambda, false},
                        {"Instantaneous Failure Intensity:", row::kIntensity, false},
                        {"Instantaneous MTBF:", row::kMtbf, false},
                        {"Cumulative MTBF:", row::kCumulativeMtbf, true},
                        {"Number of Failures:", row::kFailures, false},
                        {"Total Test Time:", row::kTestTime, false},
                        {"Chi-Square Fit Statistic:", row::kFitStatistic, false},
                        {"Degrees of Freedom:", row::kFitCritical, false},
                        {"Fit Test p-Value:", row::kTrendStatistic, false}};
    } else {
        d->estimates = {{"Shape Parameter (Beta):", row::kBeta, true},
                        {"Scale Parameter (Lambda):", row::kLambda, false},
                        {"Unbiased Beta:", row::kUnbiasedBeta, false},
                        {"Instantaneous Failure Intensity:", row::kIntensity, true},
                        {"Instantaneous MTBF:", row::kMtbf, true},
                        {"Cumulative MTBF:", row::kCumulativeMtbf, true},
                        {"Number of Failures:", row::kFailures, false},
                        {"Total Test Time:", row::kTestTime, false},
                        {"Cramer-von Mises Statistic:", row::kFitStatistic, false},
                        {"Critical Value (10% level):", row::kFitCritical, false},
                        {"Trend Test Chi-Square:", row::kTrendStatistic, false},
                        {"Trend Test p-Value (growth):", row::kTrendPValue, false}};
    }
    d->predictions = questions();
    d->errorText = [](int status) { return FailureText(status); };
    return d;
}

}  // namespace

Analysis AnalyseTimes(std::vector<double> cumulativeTimes, double T, Settings settings) {
    Analysis a;
    a.settings = settings;
    a.times = std::move(cumulativeTimes);
    const int n = static_cast<int>(a.times.size());
    CrowAmsaaTbf(n, ConstRealArray(a.times), T, a.fit, a.status);
    if (a.status != st::kOk) return a;
    CramerVonMisesFit(a.fit, ConstRealArray(a.times), a.cvmM, a.cvm, a.cvmCritical);
    a.trend = MilHdbk189Test(ConstRealArray(a.times), T);
    computeBounds(a);
    return a;
}

Analysis AnalyseGrouped(std::vector<double> ends, std::vector<double> failures, Settings settings) {
    Analysis a;
    a.grouped = true;
    a.settings = settings;
    a.ends = std::move(ends);
    a.failures = std::move(failures);
    a.expected.assign(a.ends.size(), 0.0);
    const int K = static_cast<int>(a.ends.size());
    CrowAmsaaGrouped(K, ConstRealArray(a.ends), ConstRealArray(a.failures), a.groupedFit,
                     RealArray(a.expected), a.status);
    if (a.status == st::kOk) computeBounds(a);
    return a;
}

void ApplySettings(Analysis& analysis, Settings settings) {
    analysis.settings = settings;
    if (analysis.status == st::kOk) computeBounds(analysis);
}

std::string StatusReason(int status) {
    switch (status) {
        case st::kOk:
            return "";
        case st::kTooFewFailures:
            return "it needs at least 3 failures.";
        case st::kFailureAtZero:
            return "a failure at time 0 (every cumulative failure time must be above 0).";
        case st::kAllAtOneTime:
            return "every failure is at the same time, which shows no trend to estimate.";
        case st::kEndBeforeLastFailure:
            return "the end of test comes before the last failure.";
        case st::kBadValue:
            return "a time or count that is not a finite number, or failure times out of order.";
        case st::kZeroLengthInterval:
            return "an interval of zero length (each interval must add test time).";
        case st::kNoFailures:
            return "no interval has a failure.";
        case st::kNoEstimate:
            return "the failures all fall in the first or all in the last interval, so the "
                   "likelihood has no maximum.";
        case st::kBadConfidence:
            return "the confidence level must lie between 0 and 1.";
        default:
            return "the estimation did not succeed.";
    }
}

std::string FailureText(int status) {
    return "The Crow-AMSAA model cannot be fitted to these data: " + StatusReason(status);
}

ModelContext ContextOf(const Analysis& a) {
    ModelContext ctx;
    ctx.RFLAG = a.status;
    TbfStats& s = ctx.tbfStats;
    if (a.status != st::kOk) return ctx;
    auto put = [&s](int r, double value, ConfidenceBounds b = {}) {
        s(r, 1) = value;
        s(r, 2) = b.lower;
        s(r, 3) = b.upper;
    };
    double n = 0.0, T = 0.0, beta = 0.0, mtbf = 0.0;
    if (a.grouped) {
        const CrowAmsaaGroupedFit& g = a.groupedFit;
        n = g.n;
        T = g.T;
        beta = g.beta;
        mtbf = g.instantaneousMtbf;
        put(row::kBeta, g.beta);
        put(row::kLambda, g.lambda);
        put(row::kIntensity, g.intensity);
        put(row::kMtbf, g.instantaneousMtbf);
        put(row::kCumulativeMtbf, g.cumulativeMtbf, a.cumulativeMtbf);
        put(row::kFitStatistic, g.chiSquare);
        put(row::kFitCritical, g.dof);
        put(row::kTrendStatistic, g.pValue);
        ctx.counts = a.failures;
        ctx.lengths = a.ends;
    } else {
        const CrowAmsaaFit& f = a.fit;
        n = f.n;
        T = f.T;
        beta = f.beta;
        mtbf = f.instantaneousMtbf;
        put(row::kBeta, f.beta, a.beta);
        put(row::kLambda, f.lambda);
        put(row::kUnbiasedBeta, f.unbiasedBeta);
        put(row::kIntensity, f.intensity, {1.0 / a.mtbf.upper, 1.0 / a.mtbf.lower});
        put(row::kMtbf, f.instantaneousMtbf, a.mtbf);
        put(row::kCumulativeMtbf, f.cumulativeMtbf, a.cumulativeMtbf);
        put(row::kFitStatistic, a.cvm);
        put(row::kFitCritical, a.cvmCritical);
        put(row::kTrendStatistic, a.trend.statistic);
        put(row::kTrendPValue, a.trend.growthPValue);
        ctx.data = a.times;
    }
    put(row::kFailures, n);
    put(row::kTestTime, T);
    ctx.NS = static_cast<int>(n);
    ctx.scalars = {{"N", n}, {"T", T}, {"BETA", beta}, {"MTBF", mtbf}};
    return ctx;
}

const ModelDescription& Description(bool grouped, Settings settings) {
    static std::map<std::tuple<bool, long, int>, std::unique_ptr<ModelDescription>> made;
    const auto key = std::make_tuple(grouped, std::lround(settings.confidence * 1e6),
                                     static_cast<int>(settings.sides));
    auto& slot = made[key];
    if (!slot) slot = makeDescription(grouped, settings);
    return *slot;
}

std::string Percent(double confidence) {
    return Format("%g%%", std::round(confidence * 1000.0) / 10.0);
}

std::string LimitHeading(Settings s, bool lower) {
    return std::string(lower ? "Lower " : "Upper ") + Percent(s.confidence) +
           (s.sides == BoundSides::TwoSided ? " CI" : " Bound");
}

std::string ConfidenceText(Settings s) {
    return Percent(s.confidence) + (s.sides == BoundSides::TwoSided ? " two-sided" : " one-sided");
}

}  // namespace vnk::models::crow
