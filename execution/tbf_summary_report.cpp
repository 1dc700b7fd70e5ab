#include "execution/tbf_summary_report.h"

#include "models/model_description.h"
#include "models/report_header.h"

namespace vnk::execution {
namespace {

using models::Format;

const char* yesNo(bool yes) { return yes ? "yes" : " no"; }

// The report's columns follow the screen order, split over two page pairs: GEO, JAM, LAV-L,
// LAV-Q on the first, MUS-B, MUS-L, NPT on the second.
template <std::size_t N>
constexpr std::array<int, N> screenOrderFrom(std::size_t first) {
    std::array<int, N> slots{};
    for (std::size_t i = 0; i < N; ++i) slots[i] = kTbfScreenOrder[first + i];
    return slots;
}
constexpr std::array<int, 4> kFirstGroup = screenOrderFrom<4>(0);
constexpr std::array<int, 3> kSecondGroup = screenOrderFrom<3>(4);
static_assert(kFirstGroup.size() + kSecondGroup.size() == kTbfScreenOrder.size());

double estimate(const TbfExecutionResults& r, int slot, int row) { return r.stats[slot](row, 1); }

bool successful(const TbfExecutionResults& r, int slot) {
    return r.status[slot] == model_status::kSucceeded;
}

bool adequate(const TbfExecutionResults& r, int slot) {
    return successful(r, slot) && r.DFLG[slot] != 1;
}

std::string header(const TbfExecutionResults& r) {
    return models::TbfReportHeader(r.NS, ConstRealArray(r.dataStatistics));
}

template <std::size_t N>
std::string applicabilityBlock(const TbfExecutionResults& r, const std::array<int, N>& slots);

template <>
std::string applicabilityBlock<4>(const TbfExecutionResults& r, const std::array<int, 4>& s) {
    auto stat = [&](int slot, int m) { return r.measure(slot, m).STAT; };
    auto rank = [&](int slot, int c) { return r.rank(slot, c); };
    std::string out =
        "    APPLICABILITY RESULTS                  GEO           JAM         LAV-L         LAV-Q\n"
        "                                  ------------  ------------  ------------  "
        "------------\n\n";
    const char* statRows[] = {"      Accuracy Statistic          %12.2f  %12.2f  %12.2f  %12.2f\n",
                              "      Bias     Statistic          %12.2f  %12.2f  %12.2f  %12.2f\n",
                              "      Noise    Statistic          %12.2f  %12.2f  %12.2f  %12.2f\n",
                              "      Trend    Statistic          %12.2f  %12.2f  %12.2f  %12.2f\n"};
    for (int m = 0; m < kMeasureCount; ++m)
        out += Format(statRows[m], stat(s[0], m), stat(s[1], m), stat(s[2], m), stat(s[3], m));
    out += "\n";
    const char* rankRows[] = {"      Accuracy Rank               %12d  %12d  %12d  %12d\n",
                              "      Bias     Rank               %12d  %12d  %12d  %12d\n",
                              "      Noise    Rank               %12d  %12d  %12d  %12d\n",
                              "      Trend    Rank               %12d  %12d  %12d  %12d\n"};
    for (int m = 0; m < kMeasureCount; ++m)
        out += Format(rankRows[m], rank(s[0], m), rank(s[1], m), rank(s[2], m), rank(s[3], m));
    out += Format("\n      Overall  Rank               %12d  %12d  %12d  %12d\n\n\n", rank(s[0], 4),
                  rank(s[1], 4), rank(s[2], 4), rank(s[3], 4));
    return out;
}

template <>
std::string applicabilityBlock<3>(const TbfExecutionResults& r, const std::array<int, 3>& s) {
    auto stat = [&](int slot, int m) { return r.measure(slot, m).STAT; };
    auto rank = [&](int slot, int c) { return r.rank(slot, c); };
    std::string out =
        "    APPLICABILITY RESULTS                MUS-B         MUS-L           NPT\n"
        "                                  ------------  ------------  ------------\n\n";
    const char* statRows[] = {"      Accuracy Statistic          %12.2f  %12.2f  %12.2f\n",
                              "      Bias     Statistic          %12.2f  %12.2f  %12.2f\n",
                              "      Noise    Statistic          %12.2f  %12.2f  %12.2f\n",
                              "      Trend    Statistic          %12.2f  %12.2f  %12.2f\n"};
    for (int m = 0; m < kMeasureCount; ++m)
        out += Format(statRows[m], stat(s[0], m), stat(s[1], m), stat(s[2], m));
    out += "\n";
    const char* rankRows[] = {"      Accuracy Rank               %12d  %12d  %12d\n",
                              "      Bias     Rank               %12d  %12d  %12d\n",
                              "      Noise    Rank               %12d  %12d  %12d\n",
                              "      Trend    Rank               %12d  %12d  %12d\n"};
    for (int m = 0; m < kMeasureCount; ++m)
        out += Format(rankRows[m], rank(s[0], m), rank(s[1], m), rank(s[2], m));
    out += Format("\n      Overall  Rank               %12d  %12d  %12d\n\n\n", rank(s[0], 4),
                  rank(s[1], 4), rank(s[2], 4));
    return out;
}

std::string executionBlockFirst(const TbfExecutionResults& r) {
    const auto& s = kFirstGroup;
    auto e = [&](int i, int row) { return estimate(r, s[i], row); };
    std::string out =
        "    EXECUTION RESULTS                      GEO           JAM         LAV-L         LAV-Q\n"
        "                                  ------------  ------------  ------------  "
        "------------\n\n";
    out += Format("      Model Executed              %12s  %12s  %12s  %12s\n",
                  yesNo(r.executed[s[0]]), yesNo(r.executed[s[1]]), yesNo(r.executed[s[2]]),
                  yesNo(r.executed[s[3]]));
    out += Format("      Model Successful            %12s  %12s  %12s  %12s\n\n",
                  yesNo(successful(r, s[0])), yesNo(successful(r, s[1])),
                  yesNo(successful(r, s[2])), yesNo(successful(r, s[3])));
    out += Format("      Hazard Rate                 %12.3f  %12s  %12s  %12s\n\n",
                  e(0, tbf_row::kHazardRate), "n/a", "n/a", "n/a");
    out += Format("      Initial Intensity Function  %12.3f  %12.3f  %12.3f  %12.3f\n", e(0, 6),
                  e(1, 6), e(2, 6), e(3, 6));
    out += Format("      Current Intensity Function  %12.3f  %12.3f  %12.3f  %12.3f\n\n", e(0, 7),
                  e(1, 7), e(2, 7), e(3, 7));
    out += Format("      Initial MTBNF               %12s  %12s  %12s  %12s\n", "n/a", "n/a", "n/a",
                  "n/a");
    out += Format("      Current MTBNF               %12.1f  %12.1f  %12.1f  %12.1f\n\n", e(0, 9),
                  e(1, 9), e(2, 9), e(3, 9));
    out += Format("      Total Number of Faults      %12s  %12.1f  %12s  %12s\n", "n/a", e(1, 10),
                  "n/a", "n/a");
    out += Format("      TNOF Remaining              %12s  %12.1f  %12s  %12s\n\n", "n/a", e(1, 11),
                  "n/a", "n/a");
    out += Format("      Purification Level          %12.3f  %12.3f  %12s  %12s\n\n\n", e(0, 12),
                  e(1, 12), "n/a", "n/a");
    out +=
        "    GOODNESS-OF-FIT RESULTS                GEO           JAM         LAV-L         LAV-Q\n"
        "                                  ------------  ------------  ------------  "
        "------------\n\n";
    out += Format("      Kolmogorov Distance         %12.5f  %12.5f  %12.5f  %12.5f\n",
                  r.DVAL[s[0]], r.DVAL[s[1]], r.DVAL[s[2]], r.DVAL[s[3]]);
    out += Format("      May be Adequate Fit         %12s  %12s  %12s  %12s\n",
                  yesNo(adequate(r, s[0])), yesNo(adequate(r, s[1])), yesNo(adequate(r, s[2])),
                  yesNo(adequate(r, s[3])));
    return out;
}

std::string executionBlockSecond(const TbfExecutionResults& r) {
    const auto& s = kSecondGroup;
    auto e = [&](int i, int row) { return estimate(r, s[i], row); };
    std::string out =
        "    EXECUTION RESULTS                    MUS-B         MUS-L           NPT\n"
        "                                  ------------  ------------  ------------\n\n";
    out += Format("      Model Executed              %12s  %12s  %12s\n", yesNo(r.executed[s[0]]),
                  yesNo(r.executed[s[1]]), yesNo(r.executed[s[2]]));
    out +=
        Format("      Model Successful            %12s  %12s  %12s\n\n", yesNo(successful(r, s[0])),
               yesNo(successful(r, s[1])), yesNo(successful(r, s[2])));
    out += Format("      Hazard Rate                 %12s  %12s  %12s\n\n", "n/a", "n/a", "n/a");
    out += Format("      Initial Intensity Function  %12.3f  %12.3f  %12.3f\n", e(0, 6), e(1, 6),
                  e(2, 6));
    out += Format("      Current Intensity Function  %12.3f  %12.3f  %12.3f\n\n", e(0, 7), e(1, 7),
                  e(2, 7));
    out += Format("      Initial MTBNF               %12.1f  %12s  %12s\n", e(0, 8), "n/a", "n/a");
    out += Format("      Current MTBNF               %12.1f  %12.1f  %12s\n\n", e(0, 9), e(1, 9),
                  "n/a");
    out += Format("      Total Number of Faults      %12.1f  %12s  %12.1f\n", e(0, 10), "n/a",
                  e(2, 10));
    out += Format("      TNOF Remaining              %12.1f  %12s  %12.1f\n\n", e(0, 11), "n/a",
                  e(2, 11));
    out += Format("      Purification Level          %12.3f  %12.3f  %12.3f\n\n\n", e(0, 12),
                  e(1, 12), e(2, 12));
    out +=
        "    GOODNESS-OF-FIT RESULTS              MUS-B         MUS-L           NPT\n"
        "                                  ------------  ------------  ------------\n\n";
    out += Format("      Kolmogorov Distance         %12.5f  %12.5f  %12.5f\n", r.DVAL[s[0]],
                  r.DVAL[s[1]], r.DVAL[s[2]]);
    out += Format("      May be Adequate Fit         %12s  %12s  %12s\n", yesNo(adequate(r, s[0])),
                  yesNo(adequate(r, s[1])), yesNo(adequate(r, s[2])));
    return out;
}

double predictedAt(const TbfExecutionResults& r, int slot, int i) {
    const auto& p = r.predicted[slot];
    return i >= 1 && i <= static_cast<int>(p.size()) ? p[static_cast<std::size_t>(i - 1)] : 0.0;
}

double observedAt(const TbfExecutionResults& r, int i) {
    return i >= 1 && i <= static_cast<int>(r.data.size()) ? r.data[static_cast<std::size_t>(i - 1)]
                                                          : 0.0;
}

std::string dataPageFirst(const TbfExecutionResults& r) {
    std::string out =
        "    ORIGINAL AND PREDICTED DATA\n\n"
        "      Failure Num      Observed           GEO           JAM         LAV-L         LAV-Q\n"
        "      -----------  ------------  ------------  ------------  ------------  "
        "------------\n\n";
    for (int i = 1; i <= r.NS; ++i) {
        out += Format("     %12.3d  %12.1f  %12.1f  %12.1f  %12.1f  %12.1f\n", i, observedAt(r, i),
                      predictedAt(r, kFirstGroup[0], i), predictedAt(r, kFirstGroup[1], i),
                      predictedAt(r, kFirstGroup[2], i), predictedAt(r, kFirstGroup[3], i));
    }
    return out;
}

std::string dataPageSecond(const TbfExecutionResults& r) {
    std::string out =
        "    ORIGINAL AND PREDICTED DATA\n\n"
        "      Failure Num      Observed         MUS-B         MUS-L           NPT\n"
        "      -----------  ------------  ------------  ------------  ------------\n\n";
    for (int i = 1; i <= r.NS; ++i) {
        out += Format("     %12.3d  %12.1f  %12.1f  %12.1f  %12.1f\n", i, observedAt(r, i),
                      predictedAt(r, kSecondGroup[0], i), predictedAt(r, kSecondGroup[1], i),
                      predictedAt(r, kSecondGroup[2], i));
    }
    return out;
}

}  // namespace

std::vector<std::string> TbfSummaryReport(const TbfExecutionResults& r) {
    const bool measures = r.selection.anyMeasure();
    std::vector<std::string> pages(4, header(r));
    if (measures) pages[0] += applicabilityBlock(r, kFirstGroup);
    pages[0] += executionBlockFirst(r);
    if (measures) pages[1] += applicabilityBlock(r, kSecondGroup);
    pages[1] += executionBlockSecond(r);
    pages[2] += dataPageFirst(r);
    pages[3] += dataPageSecond(r);
    return pages;
}

}  // namespace vnk::execution
