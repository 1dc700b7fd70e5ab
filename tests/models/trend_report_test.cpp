// The TREND ANALYSIS block keeps its twelve-column cells for any value.
#include "models/trend_report.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using vnk::models::TrendCell;

TEST(TrendReport, CellsKeepTheirWidthForHugeAndNonFiniteValues) {
    EXPECT_EQ(TrendCell(-2.4472), "      -2.447");
    EXPECT_EQ(TrendCell(1e300), " 1.0000e+300");
    EXPECT_EQ(TrendCell(1.5e8), "  1.5000e+08");
    EXPECT_EQ(TrendCell(std::numeric_limits<double>::infinity()), "           *");
}

TEST(TrendReport, AnalysisWithoutResultGivesItsReason) {
    vnk::TrendAnalysis a;
    a.interval = true;
    a.count = 2;
    a.status = vnk::trend_status::kTooFewData;
    EXPECT_EQ(vnk::models::TrendAnalysisReport(a),
              "\n\n    TREND ANALYSIS\n\n"
              "      Data                        Interval counts\n"
              "      Number of Intervals                    2\n"
              "\n      Too few data for a trend test.\n\n");
}

}  // namespace
