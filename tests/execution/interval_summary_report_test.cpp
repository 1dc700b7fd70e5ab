#include "execution/interval_summary_report.h"

#include <gtest/gtest.h>

namespace {

using namespace vnk::execution;

IntervalExecutionResults leastSquaresSelectAll() {
    IntervalExecutionResults r;
    r.NS = 2;
    r.ESF = 2;
    r.counts = {3.0, 1.0};
    r.lengths = {1.0, 1.0};
    r.selection.selectAll = true;
    r.status[kGp1] = 0;
    r.stats[kGp1](5, 1) = 4.25;
    r.stats[kGp1](6, 1) = 0.25;
    r.fit[kGp1].CHI = {1.5, 2.5};
    r.fit[kGp1].DOF = {1, 2};
    r.fit[kGp1].fitFlag = {1, 2};
    r.predicted[kGp1] = {2.9, 1.1};
    r.status[kGp3] = 3;
    return r;
}

TEST(IntervalSummaryReport, ExecutionBlockLayoutAndFlags) {
    const auto pages = IntervalSummaryReport(leastSquaresSelectAll());
    ASSERT_EQ(pages.size(), 4u);
    const std::string expected =
        "    EXECUTION RESULTS                    BAM-B         BAM-P         GPO-1         GPO-2  "
        "       GPO-3\n"
        "                                  ------------  ------------  ------------  ------------  "
        "------------\n\n"
        "      Model Executed                       yes           yes           yes           yes  "
        "         yes\n"
        "      Model Successful                      no            no           yes            no  "
        "          no\n\n"
        "      Total Number of Faults               0.0           0.0           4.2           0.0  "
        "         0.0\n"
        "      TNOF Remaining                       0.0           0.0           0.2           0.0  "
        "         0.0\n\n\n"
        "    GOODNESS-OF-FIT RESULTS              BAM-B         BAM-P         GPO-1         GPO-2  "
        "       GPO-3\n"
        "                                  ------------  ------------  ------------  ------------  "
        "------------\n\n"
        "      Chi-Square w/ combinations       0.00000       0.00000       1.50000       0.00000  "
        "     0.00000\n"
        "      Degrees of Freedom                     0             0             1             0  "
        "           0\n"
        "      May be Adequate Fit                   no            no           yes            no  "
        "          no\n\n"
        "      Chi-Square w/o combinations      0.00000       0.00000       2.50000       0.00000  "
        "     0.00000\n"
        "      Degrees of Freedom                     0             0             2             0  "
        "           0\n"
        "      May be Adequate Fit                   no            no            no            no  "
        "          no\n\n";
    EXPECT_NE(pages[0].find(expected), std::string::npos) << pages[0];
    EXPECT_EQ(pages[0].find("APPLICABILITY"), std::string::npos);
    EXPECT_NE(pages[1].find("    EXECUTION RESULTS                      NHP        SDW-T1        "
                            "SDW-T2        SDW-T3           YAM\n"),
              std::string::npos);
}

TEST(IntervalSummaryReport, UnselectedModelsAreNotExecutedAndAccuracyShowsNotApplicable) {
    auto r = leastSquaresSelectAll();
    r.selection.selectAll = false;
    r.selection.models[kChooseGp] = true;
    r.selection.accuracy = true;
    r.accuracy[2].STAT = 12.345;
    r.ranks[2] = 1;
    const auto pages = IntervalSummaryReport(r);
    EXPECT_NE(pages[0].find("      Model Executed                        no            no          "
                            " yes           yes           yes\n"),
              std::string::npos);
    EXPECT_NE(pages[0].find("      Accuracy Statistic                  0.00          0.00          "
                            " n/a         12.35           n/a\n"
                            "      Accuracy Rank                          0             0          "
                            " n/a             1           n/a\n\n\n"),
              std::string::npos);
    EXPECT_NE(pages[1].find("      Accuracy Statistic                  0.00          0.00          "
                            " n/a           n/a          0.00\n"),
              std::string::npos);
}

TEST(IntervalSummaryReport, DataPagesHoldObservedAndPredictedCounts) {
    const auto pages = IntervalSummaryReport(leastSquaresSelectAll());
    EXPECT_NE(pages[2].find("              001           3.0           0.0           0.0           "
                            "2.9           0.0           0.0\n"),
              std::string::npos);
    EXPECT_EQ(pages[3].rfind("\n\n    VARNOK INTERVAL MODEL RESULTS FOR SOFTWARE ANALYSIS", 0), 0u);
}

}  // namespace
