// Hardware interval data as the entry screen leaves them: units on test and units failing (all
// levels) per configuration.
#pragma once

#include <vector>

#include "data/failure_data_set.h"

namespace vnk::app::test {

inline FailureDataSet HardwareSet(const std::vector<double>& trials,
                                  const std::vector<double>& failing) {
    FailureDataSet set;
    set.dataKind = DataKind::Interval;
    set.errorHistory = ErrorHistory::Hardware;
    set.intervalCount = static_cast<int>(trials.size());
    for (int j = 1; j <= set.intervalCount; ++j) {
        const auto i = static_cast<std::size_t>(j - 1);
        set.hardwareInterval(interval_row::kUnitsOnTest, j) = trials[i];
        set.hardwareInterval(interval_row::kUnitsFailing, j) = failing[i];
    }
    return set;
}

}  // namespace vnk::app::test
