#include "data/import_data_set.h"

namespace vnk {

double SecondsPerTbfUnit(int unit) {
    constexpr double kSeconds[] = {1.0,     1.0,      60.0,      3600.0,
                                   86400.0, 604800.0, 2629800.0, 31557600.0};
    return unit >= 1 && unit <= 7 ? kSeconds[unit] : 1.0;
}

void SetFromImport(const CsvImportResult& r, TbfUnit unit, ErrorHistory intervalHistory,
                   FailureDataSet& set) {
    set.clearTbfEntries();
    if (!r.counts.empty()) {
        set.dataKind = DataKind::Interval;
        set.errorHistory = intervalHistory;
        set.intervalCount = static_cast<int>(r.counts.size());
        for (int j = 1; j <= set.intervalCount; ++j) {
            set.interval(interval_row::kLength, j) = 1.0;
            set.interval(interval_row::kFraction, j) = 1.0;
            set.interval(interval_row::kFaults, j) = r.counts[j - 1];
            set.interval(interval_row::Faults(1), j) = r.counts[j - 1];
        }
        return;
    }
    set.dataKind = DataKind::Tbf;
    set.tbfCount = static_cast<int>(r.times.size());
    for (int i = 1; i <= set.tbfCount; ++i) {
        TbfEntry e;
        e.timeBetweenFailures = r.times[i - 1];
        e.failureType = r.failureTypes[i - 1];
        e.severityLevel = r.severities[i - 1];
        set.setEntry(i, e);
    }
    set.failureFreeTime = r.failureFreeTime;
    set.tbfUnit = unit;
    set.deriveDescriptors();
}

}  // namespace vnk
