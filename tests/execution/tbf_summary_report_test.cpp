#include "execution/tbf_summary_report.h"

#include <gtest/gtest.h>

namespace {

using namespace vnk::execution;

TbfExecutionResults twoFailureRun() {
    TbfExecutionResults r;
    r.NS = 2;
    r.data = {10.0, 20.0};
    r.dataStatistics = {30, 15, 10, 20, 10, 20, 15, 7.0710678, 50, 0, 0};
    r.executed[kGeo] = true;
    r.status[kGeo] = model_status::kSucceeded;
    r.stats[kGeo](5, 1) = 0.125;
    r.stats[kGeo](9, 1) = 42.25;
    r.stats[kGeo](12, 1) = 0.5;
    r.predicted[kGeo] = {11.0, 19.5};
    r.DVAL[kGeo] = 0.25;
    r.DFLG[kGeo] = 2;
    r.executed[kJam] = true;
    r.status[kJam] = model_status::kTotalFaultsBelowObserved;
    r.stats[kJam](10, 1) = 1.5;
    return r;
}

TEST(TbfSummaryReport, ExecutionPageShowsStatusesAndNotApplicableFields) {
    const auto pages = TbfSummaryReport(twoFailureRun());
    ASSERT_EQ(pages.size(), 4u);
    const std::string& p1 = pages[0];
    EXPECT_EQ(p1.find("APPLICABILITY RESULTS"), std::string::npos);
    EXPECT_NE(p1.find("      Model Executed                       yes           yes            no  "
                      "          no\n"),
              std::string::npos);
    EXPECT_NE(p1.find("      Model Successful                     yes            no            no  "
                      "          no\n\n"),
              std::string::npos);
    EXPECT_NE(p1.find("      Hazard Rate                        0.125           n/a           n/a  "
                      "         n/a\n\n"),
              std::string::npos);
    EXPECT_NE(p1.find("      Total Number of Faults               n/a           1.5           n/a  "
                      "         n/a\n"),
              std::string::npos);
    EXPECT_NE(p1.find("      May be Adequate Fit                  yes            no            no  "
                      "          no\n"),
              std::string::npos);
    EXPECT_EQ(p1.rfind("\n\n    VARNOK EXECUTION TIME MODEL RESULTS FOR SOFTWARE ANALYSIS", 0), 0u);
}

TEST(TbfSummaryReport, RejectedFitIsNotAdequate) {
    auto r = twoFailureRun();
    r.DFLG[kGeo] = 1;
    const auto pages = TbfSummaryReport(r);
    EXPECT_NE(pages[0].find("      May be Adequate Fit                   no"), std::string::npos);
}

TEST(TbfSummaryReport, ApplicabilityBlocksOnlyWhenAMeasureWasChosen) {
    auto r = twoFailureRun();
    r.selection.applicability = true;
    r.selection.measures[kBias] = true;
    r.measure(kGeo, kBias).STAT = 0.1234;
    r.ranks[kGeo * 5 + kBias] = 1;
    r.ranks[kGeo * 5 + 4] = 1;
    const auto pages = TbfSummaryReport(r);
    EXPECT_NE(pages[0].find("      Bias     Statistic                  0.12          0.00          "
                            "0.00          0.00\n"),
              std::string::npos);
    EXPECT_NE(pages[0].find("\n      Overall  Rank                          1             0        "
                            "     0             0\n\n\n"),
              std::string::npos);
    EXPECT_NE(pages[1].find(
                  "    APPLICABILITY RESULTS                MUS-B         MUS-L           NPT\n"),
              std::string::npos);
}

TEST(TbfSummaryReport, DataPagesListEveryEntryWithZerosForModelsWithoutPredictions) {
    const auto pages = TbfSummaryReport(twoFailureRun());
    EXPECT_NE(pages[2].find("              001          10.0          11.0           0.0           "
                            "0.0           0.0\n"
                            "              002          20.0          19.5           0.0           "
                            "0.0           0.0\n"),
              std::string::npos);
    EXPECT_NE(pages[3].find(
                  "              002          20.0           0.0           0.0           0.0\n"),
              std::string::npos);
}

}  // namespace
