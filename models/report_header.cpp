#include "models/report_header.h"

#include <cassert>

#include "models/model_description.h"
#include "numerics/vnkdst.h"

namespace vnk::models {

std::string TbfReportHeader(int NS, ConstRealArray STATS) {
    assert(STATS.size() >= dst::kCount);
    return Format(
        "\n\n    VARNOK EXECUTION TIME MODEL RESULTS FOR SOFTWARE ANALYSIS\n"
        "\n\n    GENERAL SUMMARY STATISTICS\n"
        "\n      Number of Entries           %12d\n"
        "\n      Average of the Data         %12.1f\n"
        "      Median of the Data          %12.1f\n"
        "\n      Lower and Upper Hinges      %12.1f  %12.1f\n"
        "      Minimum and Maximum         %12.1f  %12.1f\n"
        "\n      Standard Deviation          %12.2f\n"
        "      Variance                    %12.2f\n"
        "\n      Skewness                    %12.3f\n"
        "      Kurtosis                    %12.3f\n"
        "\n\n",
        NS, STATS(dst::kMean), STATS(dst::kMedian), STATS(dst::kLowerHinge),
        STATS(dst::kUpperHinge), STATS(dst::kMinimum), STATS(dst::kMaximum),
        STATS(dst::kStandardDeviation), STATS(dst::kVariance), STATS(dst::kSkewness),
        STATS(dst::kKurtosis));
}

std::string IntervalReportHeader(int NS, ConstRealArray COUNTS, ConstRealArray LENGTHS) {
    assert(COUNTS.size() >= dst::kCount && LENGTHS.size() >= dst::kMaximum);
    return Format(
        "\n\n    VARNOK INTERVAL MODEL RESULTS FOR SOFTWARE ANALYSIS\n"
        "\n\n    GENERAL SUMMARY STATISTICS\n"
        "\n     Counts\n"
        "\n      Number of Entries           %12d\n"
        "\n      Sum of the Data             %12.2f\n"
        "\n      Average of the Data         %12.1f\n"
        "      Median of the Data          %12.1f\n"
        "\n      Lower and Upper Hinges      %12.1f  %12.1f\n"
        "      Minimum and Maximum         %12.1f  %12.1f\n"
        "\n      Standard Deviation          %12.2f\n"
        "      Variance                    %12.2f\n"
        "\n      Skewness                    %12.3f\n"
        "      Kurtosis                    %12.3f\n"
        "\n     Lengths\n"
        "\n      Sum of the Data             %12.2f\n"
        "\n      Median of the Data          %12.1f\n"
        "\n      Lower and Upper Hinges      %12.1f  %12.1f\n"
        "      Minimum and Maximum         %12.1f  %12.1f\n"
        "\n\n",
        NS, COUNTS(dst::kSum), COUNTS(dst::kMean), COUNTS(dst::kMedian), COUNTS(dst::kLowerHinge),
        COUNTS(dst::kUpperHinge), COUNTS(dst::kMinimum), COUNTS(dst::kMaximum),
        COUNTS(dst::kStandardDeviation), COUNTS(dst::kVariance), COUNTS(dst::kSkewness),
        COUNTS(dst::kKurtosis), LENGTHS(dst::kSum), LENGTHS(dst::kMedian),
        LENGTHS(dst::kLowerHinge), LENGTHS(dst::kUpperHinge), LENGTHS(dst::kMinimum),
        LENGTHS(dst::kMaximum));
}

}  // namespace vnk::models
