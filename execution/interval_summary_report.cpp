#include "execution/interval_summary_report.h"

#include <cmath>

#include "models/model_description.h"
#include "models/report_header.h"

namespace vnk::execution {
namespace {

using models::Format;

// The report's columns follow the slot order, split over two page pairs: BM-B to GP-3 on the
// first, NHP to YAM on the second.
template <std::size_t N>
constexpr std::array<int, N> slotsFrom(int first) {
    std::array<int, N> slots{};
    for (std::size_t i = 0; i < N; ++i) slots[i] = first + static_cast<int>(i);
    return slots;
}
constexpr std::array<int, 5> kFirstGroup = slotsFrom<5>(kBmBinomial);
constexpr std::array<int, 5> kSecondGroup = slotsFrom<5>(kNhp);
static_assert(kFirstGroup.size() + kSecondGroup.size() == kIntervalSlotCount);

const char* yesNo(bool yes) { return yes ? "yes" : " no"; }

bool executedText(const IntervalExecutionResults& r, int slot) {
    return r.selection.chosen(ChoiceOfSlot(slot));
}

bool adequate(const IntervalExecutionResults& r, int slot, int which) {
    return r.status[slot] == 0 && r.fit[slot].fitFlag[which] < 2;
}

std::string accuracyBlockFirst(const IntervalExecutionResults& r) {
    return "    APPLICABILITY RESULTS                BAM-B         BAM-P         GPO-1         "
           "GPO-2         GPO-3\n"
           "                                  ------------  ------------  ------------  "
           "------------  ------------\n\n" +
           Format("      Accuracy Statistic          %12.2f  %12.2f  %12s  %12.2f  %12s\n",
                  r.accuracy[0].STAT, r.accuracy[1].STAT, "n/a", r.accuracy[2].STAT, "n/a") +
           Format("      Accuracy Rank               %12d  %12d  %12s  %12d  %12s\n\n\n",
                  r.ranks[0], r.ranks[1], "n/a", r.ranks[2], "n/a");
}

std::string accuracyBlockSecond(const IntervalExecutionResults& r) {
    return "    APPLICABILITY RESULTS                  NHP        SDW-T1        SDW-T2        "
           "SDW-T3           YAM\n"
           "                                  ------------  ------------  ------------  "
           "------------  ------------\n\n" +
           Format("      Accuracy Statistic          %12.2f  %12.2f  %12s  %12s  %12.2f\n",
                  r.accuracy[3].STAT, r.accuracy[4].STAT, "n/a", "n/a", r.accuracy[5].STAT) +
           Format("      Accuracy Rank               %12d  %12d  %12s  %12s  %12d\n\n\n",
                  r.ranks[3], r.ranks[4], "n/a", "n/a", r.ranks[5]);
}

std::string executionBlock(const IntervalExecutionResults& r, const std::array<int, 5>& s,
                           const char* columns) {
    auto e = [&](int i, int row) { return r.stats[s[i]](row, 1); };
    auto ex = [&](int i) { return yesNo(executedText(r, s[i])); };
    auto ok = [&](int i) { return yesNo(r.status[s[i]] == 0); };
    auto fit = [&](int i) -> const GoodnessOfFit& { return r.fit[s[i]]; };
    auto ad = [&](int i, int w) { return yesNo(adequate(r, s[i], w)); };
    const std::string rule =
        "                                  ------------  ------------  ------------  ------------  "
        "------------\n\n";
    std::string out = std::string("    EXECUTION RESULTS                ") + columns + "\n" + rule;
    out += Format("      Model Executed              %12s  %12s  %12s  %12s  %12s\n", ex(0), ex(1),
                  ex(2), ex(3), ex(4));
    out += Format("      Model Successful            %12s  %12s  %12s  %12s  %12s\n\n", ok(0),
                  ok(1), ok(2), ok(3), ok(4));
    out += Format("      Total Number of Faults      %12.1f  %12.1f  %12.1f  %12.1f  %12.1f\n",
                  e(0, 5), e(1, 5), e(2, 5), e(3, 5), e(4, 5));
    out += Format("      TNOF Remaining              %12.1f  %12.1f  %12.1f  %12.1f  %12.1f\n\n\n",
                  e(0, 6), e(1, 6), e(2, 6), e(3, 6), e(4, 6));
    out += std::string("    GOODNESS-OF-FIT RESULTS          ") + columns + "\n" + rule;
    const char* chiLines[] = {
        "      Chi-Square w/ combinations  %12.5f  %12.5f  %12.5f  %12.5f  %12.5f\n",
        "      Chi-Square w/o combinations %12.5f  %12.5f  %12.5f  %12.5f  %12.5f\n"};
    for (int w = 0; w < 2; ++w) {
        out += Format(chiLines[w], fit(0).CHI[w], fit(1).CHI[w], fit(2).CHI[w], fit(3).CHI[w],
                      fit(4).CHI[w]);
        out += Format("      Degrees of Freedom          %12d  %12d  %12d  %12d  %12d\n",
                      fit(0).DOF[w], fit(1).DOF[w], fit(2).DOF[w], fit(3).DOF[w], fit(4).DOF[w]);
        out += Format("      May be Adequate Fit         %12s  %12s  %12s  %12s  %12s\n\n",
                      ad(0, w), ad(1, w), ad(2, w), ad(3, w), ad(4, w));
    }
    bool infinite = false;
    for (int i = 0; i < 5; ++i)
        for (double chi : fit(i).CHI) infinite = infinite || !std::isfinite(chi);
    if (infinite)
        out += "      n/a: a cell with no expected faults had some; that fit is not adequate.\n\n";
    return out;
}

double valueAt(const std::vector<double>& v, int i) {
    return i >= 1 && i <= static_cast<int>(v.size()) ? v[static_cast<std::size_t>(i - 1)] : 0.0;
}

std::string dataPage(const IntervalExecutionResults& r, const std::array<int, 5>& s,
                     const char* heading) {
    std::string out = heading;
    for (int i = 1; i <= r.NS; ++i) {
        out += Format("     %12.3d  %12.1f  %12.1f  %12.1f  %12.1f  %12.1f  %12.1f\n", i,
                      valueAt(r.counts, i), valueAt(r.predicted[s[0]], i),
                      valueAt(r.predicted[s[1]], i), valueAt(r.predicted[s[2]], i),
                      valueAt(r.predicted[s[3]], i), valueAt(r.predicted[s[4]], i));
    }
    return out;
}

}  // namespace

std::vector<std::string> IntervalSummaryReport(const IntervalExecutionResults& r) {
    const std::string head = models::IntervalReportHeader(r.NS, ConstRealArray(r.countStatistics),
                                                          ConstRealArray(r.lengthStatistics));
    std::vector<std::string> pages(4, head);
    if (r.selection.accuracy) pages[0] += accuracyBlockFirst(r);
    pages[0] += executionBlock(r, kFirstGroup,
                               "    BAM-B         BAM-P         GPO-1         GPO-2         GPO-3");
    if (r.selection.accuracy) pages[1] += accuracyBlockSecond(r);
    pages[1] += executionBlock(r, kSecondGroup,
                               "      NHP        SDW-T1        SDW-T2        SDW-T3           YAM");
    pages[2] += dataPage(r, kFirstGroup,
                         "    ORIGINAL AND PREDICTED DATA\n\n"
                         "      Failure Num      Observed         BAM-B         BAM-P         "
                         "GPO-1         GPO-2         GPO-3\n"
                         "      -----------  ------------  ------------  ------------  "
                         "------------  ------------  ------------\n\n");
    pages[3] += dataPage(r, kSecondGroup,
                         "    ORIGINAL AND PREDICTED DATA\n\n"
                         "      Failure Num      Observed           NHP        SDW-T1        "
                         "SDW-T2        SDW-T3           YAM\n"
                         "      -----------  ------------  ------------  ------------  "
                         "------------  ------------  ------------\n\n");
    return pages;
}

}  // namespace vnk::execution
