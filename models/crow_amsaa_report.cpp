#include <string>

#include "models/crow_amsaa_model.h"
#include "models/tbf_prediction_texts.h"

namespace vnk::models::crow {
namespace {

std::string valueRow(const char* label, double value) {
    return Format("      %-36s %16.6f\n", label, Displayable(value));
}

std::string boundedRow(const char* label, double value, ConfidenceBounds b) {
    return Format("      %-36s %16.6f %16.6f %16.6f\n", label, Displayable(value),
                  Displayable(b.lower), Displayable(b.upper));
}

std::string tableHeading(Settings s) {
    return Format("      %-36s %16s %16s %16s\n", "", "Estimate", LimitHeading(s, true).c_str(),
                  LimitHeading(s, false).c_str());
}

std::string individualBlock(const Analysis& a) {
    const CrowAmsaaFit& f = a.fit;
    std::string out = Format("      %d failure times, %s at T = %.6f\n", f.n,
                             f.timeTruncated ? "time-truncated" : "failure-truncated", f.T);
    out += "      Bounds at " + ConfidenceText(a.settings) +
           ": beta and the cumulative MTBF from the chi-square distribution,\n"
           "      the instantaneous MTBF by Crow's exact method.\n\n";
    out += tableHeading(a.settings);
    out += boundedRow("Shape parameter (beta)", f.beta, a.beta);
    out += valueRow("Scale parameter (lambda)", f.lambda);
    out += valueRow("Unbiased beta", f.unbiasedBeta);
    out += boundedRow("Instantaneous failure intensity", f.intensity,
                      {1.0 / a.mtbf.upper, 1.0 / a.mtbf.lower});
    out += boundedRow("Instantaneous MTBF", f.instantaneousMtbf, a.mtbf);
    out += boundedRow("Cumulative MTBF", f.cumulativeMtbf, a.cumulativeMtbf);
    out += "\n    GOODNESS OF FIT\n\n";
    out += Format(
        "      Cramer-von Mises statistic %.6f (M = %d), critical value %.3f at the 10%% "
        "level:\n      the model is %s.\n",
        a.cvm, a.cvmM, a.cvmCritical, a.cvm > a.cvmCritical ? "rejected" : "accepted");
    out += "\n    TREND TEST (MIL-HDBK-189)\n\n";
    if (a.trend.status == trend_status::kOk)
        out += Format(
            "      Chi-square %.4f with %d degrees of freedom; p-value %.4f for growth, "
            "%.4f for deterioration.\n",
            a.trend.statistic, a.trend.dof, a.trend.growthPValue, a.trend.deteriorationPValue);
    else
        out += Format("      Not run: %s.\n", TrendStatusText(a.trend.status));
    return out;
}

std::string groupedBlock(const Analysis& a) {
    const CrowAmsaaGroupedFit& g = a.groupedFit;
    std::string out =
        Format("      %d intervals, %.0f failures, total test time %.6f\n", g.K, g.n, g.T);
    out += "      Bounds at " + ConfidenceText(a.settings) +
           ": the cumulative MTBF from the chi-square distribution.\n\n";
    out += tableHeading(a.settings);
    out += valueRow("Shape parameter (beta)", g.beta);
    out += valueRow("Scale parameter (lambda)", g.lambda);
    out += valueRow("Instantaneous failure intensity", g.intensity);
    out += valueRow("Instantaneous MTBF", g.instantaneousMtbf);
    out += boundedRow("Cumulative MTBF", g.cumulativeMtbf, a.cumulativeMtbf);
    out += "\n    GOODNESS OF FIT\n\n";
    out += Format("      %-10s %16s %16s %16s\n", "Interval", "End", "Failures", "Expected");
    for (std::size_t k = 0; k < a.ends.size(); ++k)
        out += Format("      %-10zu %16.6f %16.0f %16.6f\n", k + 1, a.ends[k], a.failures[k],
                      a.expected[k]);
    if (g.dof > 0)
        out += Format(
            "\n      Chi-square %.4f with %d degrees of freedom, p-value %.4f: the "
            "model is %s at the 10%% level.\n",
            g.chiSquare, g.dof, g.pValue, g.pValue < 0.10 ? "rejected" : "accepted");
    else
        out += "\n      Too few intervals for the chi-square test (it needs at least 3).\n";
    return out;
}

std::string predictionLines(const PredictionValues& v) {
    static const char* const kLines[] = {
        "      In a further test time of %.6f the number of failures expected is %.6f\n",
        "      The instantaneous MTBF reaches %.6f at a total test time of %.6f\n",
        "      At a total test time of %.6f the instantaneous MTBF is %.6f\n"};
    std::string out;
    for (std::size_t q = 0; q < 3; ++q) {
        const double input = ValueAt(v.inputs, q, 0);
        if (input > 0.0) out += Format(kLines[q], input, Displayable(ValueAt(v.outputs, q, 0)));
    }
    return out.empty() ? out : "\n    PREDICTIONS\n\n" + out;
}

}  // namespace

std::string Report(const Analysis& a, const PredictionValues& values) {
    std::string out = "\n\n    CROW-AMSAA RELIABILITY GROWTH TRACKING MODEL\n\n";
    if (a.status != crow_amsaa_status::kOk) return out + "      " + FailureText(a.status) + "\n";
    out += a.grouped ? groupedBlock(a) : individualBlock(a);
    return out + predictionLines(values);
}

}  // namespace vnk::models::crow
