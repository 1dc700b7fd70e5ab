// One run of the command line: the selection built from the options and checked as the
// selection, measure and range screens check it, the execution with the options answering
// the engine's questions, and the asked predictions.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "cli/batch_options.h"
#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/hardware_execution.h"
#include "execution/interval_results.h"
#include "execution/model_comparison.h"
#include "execution/tbf_results.h"
#include "models/model_description.h"
#include "numerics/trend_tests.h"

namespace vnk::batch {

struct AskedPrediction {
    int question = 0;  // 1-based
    std::vector<double> inputs;
    std::vector<double> outputs;
    int flag = 0;  // 0 answered; 1 answered with a message (an error flag or an input refused)
    std::string message;
};

// A result screen's prediction questions after the asked ones were run.
struct SlotPredictions {
    models::PredictionValues values;  // what the report prints
    std::vector<AskedPrediction> asked;
};

struct BatchResult {
    DataKindOption kind = DataKindOption::Tbf;
    ErrorHistory history = ErrorHistory::Software;
    int count = 0;
    TbfUnit unit = TbfUnit::None;
    double failureFreeTime = 0.0;
    std::string file;
    double PMAX = 1000.0;
    std::optional<execution::TbfExecutionResults> tbf;
    std::optional<execution::IntervalExecutionResults> interval;
    std::optional<execution::HardwareExecutionResults> hardware;
    std::map<int, SlotPredictions> predictions;  // by slot, for the models that have a report
    std::optional<TrendAnalysis> trend;          // with --trend
    SlotPredictions crowPredictions;             // the Crow-AMSAA result screen's questions
    // Lines for stderr that do not stop the run (prediction messages, notices).
    std::vector<std::string> notes;
    std::optional<execution::ModelComparison> comparison;  // with --compare
    bool robustEstimation = false;  // the one-root estimations used the robust search
};

// Runs the options' selection on the loaded data set. Returns "" or the one-line message of a
// usage or input error (nothing has been printed then). `progress` shows the processing
// steps on stderr.
std::string RunBatch(const BatchOptions& batch, const FailureDataSet& set, ProgramOptions& options,
                     bool progress, BatchResult& result);

}  // namespace vnk::batch
