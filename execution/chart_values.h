// What the charts of an execution draw, as plain values taken from the data set and the
// results: the batch program's chart files and the GUI's report with charts draw the same set.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "data/failure_data_set.h"
#include "execution/applicability_values.h"
#include "execution/hardware_execution.h"
#include "execution/interval_results.h"
#include "execution/tbf_results.h"
#include "models/crow_amsaa_model.h"

namespace vnk::execution {

// One model of the execution, as its plots need it.
struct ChartModel {
    std::string code;   // slot label, e.g. "GEO", "LAV-L"
    std::string title;  // screen title, the name of its predicted series
    std::vector<double> predicted;
    int firstPredicted = 1;  // entry or interval of predicted[0]
    bool inSummary = false;  // status 0: drawn in the summary plot
    std::string skipped;     // why the model has no chart; "" when it has one
};

// Interval software data and what the interval execution stored.
struct IntervalChartInput {
    std::vector<double> counts, lengths;
    std::vector<ChartModel> models;   // executed models, in slot order
    bool accuracy = false;            // the accuracy analysis was asked for
    IntervalAccuracyCharts analyses;  // BM-B, BM-P, GP-2, NHP, S-T1, YAM
};

enum class ChartDataKind { Tbf, Interval, HardwareInterval };

struct ChartInput {
    std::string stem;  // the data file's name without folder and extension
    ChartDataKind kind = ChartDataKind::Tbf;
    IntervalChartInput interval;
    std::vector<double> unitsTested, unitsFailing;  // hardware interval data
    std::optional<models::crow::Analysis> crow;     // the Crow-AMSAA run, when it ran
    std::vector<double> times, failureTypes, severities;
    int unit = 0;
    int history = 0;                     // 0 software, 1 hardware, 2 system
    std::vector<ChartModel> models;      // executed models, in slot order
    std::vector<ChartMeasure> measures;  // the selected measures, in measure order
};

// The charts of a run over `set`; `dataFile` names the stem. Each result is the run's, or null
// when it has none (a hardware run over TBF data passes its data's statistics as `tbf`).
ChartInput ResultChartInput(const FailureDataSet& set, const std::string& dataFile,
                            const TbfExecutionResults* tbf,
                            const IntervalExecutionResults* interval,
                            const HardwareExecutionResults* hardware);

}  // namespace vnk::execution
