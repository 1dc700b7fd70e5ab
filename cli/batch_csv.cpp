#include "cli/batch_csv.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <sstream>

#include "cli/batch_options.h"
#include "data/import_data_set.h"

namespace vnk::batch {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

constexpr std::size_t kBadRowsShown = 10;

}  // namespace

void AddCsvOptions(CLI::App& app, bool& csv, CsvOptionText& t) {
    app.add_flag("--csv", csv, "read FILE as a delimited-text export with a header row");
    app.add_option("--time-column", t.timeColumn, "csv: column of the failure times");
    app.add_option("--time-kind", t.timeKind, "csv: timestamp (default), cumulative or between");
    app.add_option("--severity-column", t.severityColumn, "csv: column of the severity levels");
    app.add_option("--severity-map", t.severityMap,
                   "csv: labels to levels, e.g. critical=1,major=2");
    app.add_option("--type-column", t.typeColumn, "csv: failure type column (hardware gives 1)");
    app.add_option("--filter-column", t.filterColumn, "csv: column whose values select rows");
    app.add_option("--filter-values", t.filterValues, "csv: values to keep, A,B");
    app.add_option("--bin", t.bin, "csv: interval data by day, week (ISO), month or period");
    app.add_option("--period-column", t.periodColumn,
                   "csv: with --bin period, the column of the test periods");
    app.add_option("--start", t.start, "csv: start of testing");
    app.add_option("--end", t.end, "csv: end of testing (gives the failure-free time)");
    app.add_option("--delimiter", t.delimiter, "csv: field delimiter (default: detected)");
    app.add_flag("--decimal-comma", t.decimalComma, "csv: numbers use a decimal comma");
}

std::string CsvSettingsFrom(const CsvOptionText& t, std::optional<int> unit, CsvImportSettings& s) {
    const bool periods = t.bin == "period";
    if (t.timeColumn.empty() && !periods) return "--csv: --time-column is required";
    if (periods != !t.periodColumn.empty())
        return periods ? "--bin period: --period-column is required"
                       : "--period-column: only with --bin period";
    s.periodColumn = t.periodColumn;
    s.timeColumn = t.timeColumn;
    if (t.timeKind.empty() || t.timeKind == "timestamp")
        s.timeKind = ImportTimeKind::Timestamp;
    else if (t.timeKind == "cumulative")
        s.timeKind = ImportTimeKind::Cumulative;
    else if (t.timeKind == "between")
        s.timeKind = ImportTimeKind::Between;
    else
        return "--time-kind: expected timestamp, cumulative or between";
    s.severityColumn = t.severityColumn;
    if (!parseSeverityMap(t.severityMap, s.severityMap))
        return "--severity-map: expected LABEL=LEVEL pairs, levels 1 to 4";
    s.typeColumn = t.typeColumn;
    s.filterColumn = t.filterColumn;
    s.filterValues = split(t.filterValues, ',');
    if (t.bin.empty())
        s.binning = ImportBinning::None;
    else if (t.bin == "day")
        s.binning = ImportBinning::Day;
    else if (t.bin == "week")
        s.binning = ImportBinning::Week;
    else if (t.bin == "month")
        s.binning = ImportBinning::Month;
    else if (periods)
        s.binning = ImportBinning::Period;
    else
        return "--bin: expected day, week, month or period";
    if (s.binning != ImportBinning::None && !periods && s.timeKind != ImportTimeKind::Timestamp)
        return "--bin: only timestamps can be binned";
    s.start = t.start;
    s.end = t.end;
    if (t.delimiter == "\\t" || t.delimiter == "tab")
        s.delimiter = '\t';
    else if (t.delimiter.size() == 1)
        s.delimiter = t.delimiter[0];
    else if (!t.delimiter.empty())
        return "--delimiter: expected one character or tab";
    s.decimalComma = t.decimalComma;
    s.secondsPerUnit = SecondsPerTbfUnit(unit.value_or(1));
    return "";
}

std::string ReadCsvData(const BatchOptions& batch, ErrorHistory history, FailureDataSet& set) {
    std::ifstream in(batch.file, std::ios::binary);
    std::ostringstream contents;
    contents << in.rdbuf();
    const CsvImportResult r = ImportCsv(contents.str(), batch.csvSettings, false);
    if (!r.error.empty()) {
        std::string message = batch.file + ": " + r.error;
        for (std::size_t i = 0; i < r.rejected.size() && i < kBadRowsShown; ++i)
            message +=
                "\n  line " + std::to_string(r.rejected[i].line) + ": " + r.rejected[i].reason;
        return message;
    }
    set.currentFileName = batch.file;
    SetFromImport(r, static_cast<TbfUnit>(batch.unit.value_or(1)), history, set);
    return "";
}

}  // namespace vnk::batch
