// The command line's import of delimited-text exports (--csv): its options and the reading
// of FILE into the data set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/csv_import.h"
#include "data/failure_data_set.h"

namespace CLI {
class App;
}

namespace vnk::batch {

struct BatchOptions;

// The --csv options as typed, turned into import settings once parsing is done.
struct CsvOptionText {
    std::string timeColumn, timeKind, severityColumn, severityMap, typeColumn, filterColumn,
        filterValues, bin, periodColumn, start, end, delimiter;
    bool decimalComma = false;
};

void AddCsvOptions(CLI::App& app, bool& csv, CsvOptionText& text);

// Fills `settings` from the typed options and the TBF unit; "" or a one-line usage error.
std::string CsvSettingsFrom(const CsvOptionText& text, std::optional<int> unit,
                            CsvImportSettings& settings);

// Imports FILE into `set`; "" or the message ending the run with status 2, the first bad rows
// named on their own lines.
std::string ReadCsvData(const BatchOptions& batch, ErrorHistory history, FailureDataSet& set);

}  // namespace vnk::batch
