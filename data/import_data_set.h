// Puts an import's result into the data set: the one conversion both the batch command line and
// the Data / Import screen use.
#pragma once

#include "data/csv_import.h"
#include "data/failure_data_set.h"

namespace vnk {

// Seconds in a TBF unit (1 = seconds ... 7 = years, a month being a twelfth of a year); 1 for
// any other value.
double SecondsPerTbfUnit(int unit);

// Replaces the entries of `set` with `result`: interval counts (of unit length, with
// `intervalHistory`), or times between failures in `unit` with their severities, types and
// the failure-free time after the last failure, the descriptors derived from them.
void SetFromImport(const CsvImportResult& result, TbfUnit unit, ErrorHistory intervalHistory,
                   FailureDataSet& set);

}  // namespace vnk
