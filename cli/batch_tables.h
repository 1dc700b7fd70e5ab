// --csv-out DIR: the summary (one row per model) and each model's estimate table as CSV files,
// taken from the version 2 JSON document so both always hold the same values.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace vnk::batch {

struct CsvTable {
    std::string name;  // file name without the folder, e.g. "sys1-summary.csv"
    std::string text;
};

// The tables of a version 2 document; `stem` names the data file ("sys1").
std::vector<CsvTable> ResultTables(const nlohmann::ordered_json& document, const std::string& stem);

// Writes the tables into `folder` through the safe-write path; "" or the first failure
// ("DIR/sys1-summary.csv: No such file or directory"). `written` lists the files written.
std::string WriteResultTables(const std::vector<CsvTable>& tables, const std::string& folder,
                              std::vector<std::string>& written);

}  // namespace vnk::batch
