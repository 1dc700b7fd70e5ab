// Failure data from delimited-text exports with a header row (defect trackers, spreadsheets):
// columns chosen by name, timestamps or times turned into times between failures or binned
// into test intervals, every rejected row reported by line number.
#pragma once

#include <string>
#include <vector>

namespace vnk {

enum class ImportTimeKind { Timestamp, Cumulative, Between };
enum class ImportBinning { None, Day, Week, Month, Period };

struct CsvImportSettings {
    char delimiter = '\0';  // '\0': detected from the header among ',', ';' and tab
    bool decimalComma = false;
    std::string timeColumn;
    ImportTimeKind timeKind = ImportTimeKind::Timestamp;
    double secondsPerUnit = 1.0;  // result unit for TBF results from timestamps
    std::string severityColumn;   // empty: every failure at level 1
    std::vector<std::pair<std::string, int>> severityMap;  // label -> level; empty: numbers 1-4
    std::string typeColumn;                                // "hardware" gives 1, else 0
    std::string filterColumn;
    std::vector<std::string> filterValues;
    // Day, week and month bin timestamps; Period counts the rows of each value of
    // periodColumn, and needs no time column.
    ImportBinning binning = ImportBinning::None;
    std::string periodColumn;
    std::string start;  // optional ISO 8601 start of testing
    std::string end;    // optional end of testing: failure-free time after the last failure
    bool keepMostRecent = false;  // over 1000 failures or intervals: keep the last 1000
};

struct RejectedRow {
    int line = 0;  // 1-based line of the file, the header being line 1
    std::string reason;
};

struct CsvImportResult {
    std::string error;  // empty on success; the whole import is refused otherwise
    std::vector<RejectedRow> rejected;
    // TBF result: times between failures with their severity and type, in file time order.
    std::vector<double> times;
    std::vector<int> severities;
    std::vector<int> failureTypes;
    int zeroTimes = 0;  // ties between timestamps, kept as zero times
    // Interval result: failures per bin, empty bins kept with 0.
    std::vector<double> counts;
    double failureFreeTime = 0.0;
    // Refused for holding more than 1000 failures or intervals; keepMostRecent imports it.
    bool tooMany = false;
};

// The rows of delimited text as parsed, the header first; `error` says why there are none.
struct CsvTable {
    std::string error;
    std::vector<std::vector<std::string>> rows;
};

// Parses `text` (a BOM dropped) with `delimiter`, or the one detected when it is '\0'.
CsvTable readCsvTable(const std::string& text, char delimiter);
char detectCsvDelimiter(const std::string& text);

// Imports `text`. Rows that fail are listed in `rejected`; they make the import fail unless
// `skipBadRows` is set.
CsvImportResult ImportCsv(const std::string& text, const CsvImportSettings& settings,
                          bool skipBadRows);
CsvImportResult ImportCsv(const CsvTable& table, const CsvImportSettings& settings,
                          bool skipBadRows);

// "critical=1,major=2": labels and their levels 1 to 4; false when a pair is not of that form.
bool parseSeverityMap(const std::string& text, std::vector<std::pair<std::string, int>>& map);

// Seconds since 1970-01-01T00:00:00Z of an ISO 8601 date or date-time with an optional
// offset ("Z", "+02:00"); false when the text is none of these.
bool ParseIsoTimestamp(const std::string& text, double& seconds);

}  // namespace vnk
