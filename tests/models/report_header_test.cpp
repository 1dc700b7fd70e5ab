#include "models/report_header.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

TEST(ReportHeader, TbfBlockIsByteExact) {
    // sum, median, hinges, minimum, maximum, mean, sd, variance, skewness, kurtosis
    const std::array<double, 11> stats{15, 3, 2, 4, 1, 5, 3, std::sqrt(2.5), 2.5, 0.0, -1.3};
    EXPECT_EQ(vnk::models::TbfReportHeader(5, stats),
              "\n"
              "\n"
              "    VARNOK EXECUTION TIME MODEL RESULTS FOR SOFTWARE ANALYSIS\n"
              "\n"
              "\n"
              "    GENERAL SUMMARY STATISTICS\n"
              "\n"
              "      Number of Entries                      5\n"
              "\n"
              "      Average of the Data                  3.0\n"
              "      Median of the Data                   3.0\n"
              "\n"
              "      Lower and Upper Hinges               2.0           4.0\n"
              "      Minimum and Maximum                  1.0           5.0\n"
              "\n"
              "      Standard Deviation                  1.58\n"
              "      Variance                            2.50\n"
              "\n"
              "      Skewness                           0.000\n"
              "      Kurtosis                          -1.300\n"
              "\n"
              "\n");
}

TEST(ReportHeader, IntervalBlockIsByteExact) {
    const std::array<double, 11> counts{12, 2.5, 1, 4, 0, 6, 3, 2.5, 6.25, 0.125, -1.5};
    const std::array<double, 11> lengths{40, 10, 8, 12, 5, 15, 0, 0, 0, 0, 0};
    EXPECT_EQ(vnk::models::IntervalReportHeader(4, counts, lengths),
              "\n"
              "\n"
              "    VARNOK INTERVAL MODEL RESULTS FOR SOFTWARE ANALYSIS\n"
              "\n"
              "\n"
              "    GENERAL SUMMARY STATISTICS\n"
              "\n"
              "     Counts\n"
              "\n"
              "      Number of Entries                      4\n"
              "\n"
              "      Sum of the Data                    12.00\n"
              "\n"
              "      Average of the Data                  3.0\n"
              "      Median of the Data                   2.5\n"
              "\n"
              "      Lower and Upper Hinges               1.0           4.0\n"
              "      Minimum and Maximum                  0.0           6.0\n"
              "\n"
              "      Standard Deviation                  2.50\n"
              "      Variance                            6.25\n"
              "\n"
              "      Skewness                           0.125\n"
              "      Kurtosis                          -1.500\n"
              "\n"
              "     Lengths\n"
              "\n"
              "      Sum of the Data                    40.00\n"
              "\n"
              "      Median of the Data                  10.0\n"
              "\n"
              "      Lower and Upper Hinges               8.0          12.0\n"
              "      Minimum and Maximum                  5.0          15.0\n"
              "\n"
              "\n");
}

}  // namespace
