#include "models/trend_report.h"

#include <cmath>
#include <map>

#include "models/model_description.h"

namespace vnk::models {
namespace {

// Below this a value keeps the fixed twelve-column form with three decimals.
constexpr double kFixedLimit = 1e7;

std::string table(const TrendAnalysis& a) {
    std::map<int, double> laplace(a.laplace.begin(), a.laplace.end());
    std::string out = a.interval ? "      Interval  Laplace Factor  Failures/Length\n"
                                   "      --------  --------------  ---------------\n"
                                 : "       Failure  Laplace Factor  Running Average\n"
                                   "      --------  --------------  ---------------\n";
    for (const auto& [i, average] : a.runningAverage) {
        const auto u = laplace.find(i);
        const std::string factor = u == laplace.end() ? std::string(12, ' ') : TrendCell(u->second);
        out += Format("      %8d  %14s  %15s\n", i, factor.c_str(), TrendCell(average).c_str());
    }
    return out;
}

}  // namespace

std::string TrendCell(double value) {
    if (!std::isfinite(value)) return Format("%12s", "*");
    return std::fabs(value) < kFixedLimit ? Format("%12.3f", value) : Format("%12.4e", value);
}

std::string TrendAnalysisReport(const TrendAnalysis& a) {
    std::string out = "\n\n    TREND ANALYSIS\n\n";
    out += a.interval ? Format(
                            "      Data                        %s\n"
                            "      Number of Intervals         %12d\n",
                            "Interval counts", a.count)
                      : Format(
                            "      Data                        %s\n"
                            "      Number of Failures          %12d\n",
                            "Times between failures", a.count);
    if (!a.ok()) return out + "\n      " + TrendVerdictSentence(a) + "\n\n";

    out += Format("\n      Laplace Factor at the End   %s\n", TrendCell(a.laplaceEnd).c_str());
    if (a.timeTruncated)
        out += Format("      Time-Truncated Factor       %s\n",
                      TrendCell(a.laplaceTimeTruncated).c_str());
    if (a.hardware) {
        const MilHdbk189Result& m = a.milHdbk189;
        out += "\n     MIL-HDBK-189 Test\n";
        if (m.status == trend_status::kOk)
            out += Format(
                "\n      Chi-Square Statistic        %s\n"
                "      Degrees of Freedom          %12d\n"
                "      P-Value (two-sided)         %12.4f\n",
                TrendCell(m.statistic).c_str(), m.dof, m.pValue);
        else
            out += Format("\n      %s\n", TrendStatusText(m.status));
    }
    out += "\n      " + TrendVerdictSentence(a) + "\n";
    if (a.unequalLengths) out += Format("      %s\n", kUnequalLengthsNote);
    return out + "\n" + table(a) + "\n";
}

}  // namespace vnk::models
