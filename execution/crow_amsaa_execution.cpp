#include "execution/crow_amsaa_execution.h"

#include <vector>

namespace vnk::execution {

CrowAmsaaRun RunCrowAmsaaTbf(const FailureDataSet& set, models::crow::Settings settings) {
    std::vector<double> cumulative;
    cumulative.reserve(static_cast<std::size_t>(set.tbfCount));
    double t = 0.0;
    for (int i = 1; i <= set.tbfCount; ++i) {
        t += set.tbf(TbfField::TimeBetweenFailures, i);
        cumulative.push_back(t);
    }
    const double T = t + set.failureFreeTime;
    return {true, models::crow::AnalyseTimes(std::move(cumulative), T, settings)};
}

CrowAmsaaRun RunCrowAmsaaIntervals(const FailureDataSet& set, models::crow::Settings settings) {
    std::vector<double> ends, failures;
    const bool constant = set.unitsOnTest == UnitsOnTest::Constant;
    double end = 0.0;
    for (int j = 1; j <= set.intervalCount; ++j) {
        end += constant ? set.constantUnitsOnTest()
                        : set.hardwareInterval(interval_row::kUnitsOnTest, j);
        ends.push_back(end);
        failures.push_back(set.hardwareInterval(interval_row::kUnitsFailing, j));
    }
    return {true, models::crow::AnalyseGrouped(std::move(ends), std::move(failures), settings)};
}

}  // namespace vnk::execution
