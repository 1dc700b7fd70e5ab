// The command line of varnok3-batch: what the user asked for, read and checked before any
// data is touched.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch_csv.h"
#include "data/input_format.h"

namespace vnk::batch {

inline constexpr const char* kProgramName = "varnok3-batch";

enum class DataKindOption { Tbf, Interval, HardwareInterval };
enum class HistoryOption { Software, Hardware, System };

// One --predict: a question of a model's result screen with the values typed into it.
struct PredictRequest {
    std::string model;  // slot label, e.g. "GEO", "GP-2", "S-T1"
    int question = 0;   // 1-based, as the questions stand on the screen
    std::vector<double> inputs;
};

struct BatchOptions {
    std::string file;
    bool ini = false;
    DataKindOption kind = DataKindOption::Tbf;
    ColumnLayout layout = kDefaultColumnLayout;
    HistoryOption history = HistoryOption::Software;
    bool failureAtEnd = true;
    std::optional<int> unit;                  // TbfUnit value
    int method = 1;                           // 1 maximum likelihood, 2 least squares
    std::vector<std::string> models;          // as given, upper-cased; "ALL" for all
    std::vector<std::string> measures;        // lower-cased; "all" for all
    std::optional<std::array<int, 2>> range;  // NSB, NSE
    std::optional<int> cells;
    std::optional<double> iterationMax;
    std::optional<std::array<int, 2>> sdwS;
    std::optional<std::array<double, 2>> lavStart;
    std::optional<std::array<double, 3>> bmStart;
    std::optional<std::array<double, 2>> gpStart;
    std::optional<double> testTime;
    std::optional<double> aModeFailures;
    double confidence = 0.90;  // Crow-AMSAA bounds: 0.90 or 0.95
    bool oneSided = false;
    std::vector<PredictRequest> predictions;
    bool trace = false;
    bool robustEstimation = false;  // --estimation robust
    bool skipFailedRefits = false;  // --refits skip
    bool json = false;
    int jsonVersion = 1;  // 2: named quantities, described by docs/results-schema.json
    bool trend = false;   // the trend analysis before (or instead of) the models
    std::optional<std::string> pdf;
    bool csv = false;  // FILE is a delimited-text export read with csvSettings
    CsvImportSettings csvSettings;
    std::optional<std::string> charts;  // folder for the chart pictures
    std::optional<std::string> csvOut;  // folder for the result tables
    bool chartsInPdf = false;           // --pdf: a page per chart after the report pages
    bool compare = false;               // the model comparison page and JSON entries
    double holdOut = 0.1;               // fraction of the data the PSSE predicts
    // Which of the kind-specific options were given (for the "not with --ini" checks).
    bool kindGiven = false, layoutGiven = false, historyGiven = false, failureAtEndGiven = false;
};

// What parsing ends in: options to run with, or text to print and an exit code (help and
// version on stdout with 0, a usage error on stderr with 2).
struct ParseOutcome {
    std::optional<BatchOptions> options;
    int exitCode = 0;
    std::string out;    // for stdout
    std::string error;  // one line for stderr, without the program name
};

ParseOutcome ParseBatchOptions(int argc, const char* const* argv);

}  // namespace vnk::batch
