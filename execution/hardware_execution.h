// The hardware branches of the Model Execution command: the growth projection for hardware
// time-between-failure data and the discrete growth model for hardware interval data.
#pragma once

#include <string>
#include <vector>

#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/crow_amsaa_execution.h"
#include "execution/host.h"
#include "numerics/hardware_growth.h"

namespace vnk::execution {

// The implemented hardware boxes of the selection screens; `otherModels` stands for the
// boxes whose models have no computation.
struct HardwareSelection {
    bool projection = false;      // "Reliability Growth Projection Model"
    bool discrete = false;        // "Discrete Reliability Growth Model"
    bool growthTracking = false;  // "Growth Tracking Model - Cont."
    bool selectAll = false;       // "Select All Hardware Models" / "Select Both Hardware Models"
    bool otherModels = false;
    // The Crow-AMSAA tracking model runs only when chosen by name, never through Select All.
    bool crowAmsaa = false;
    models::crow::Settings crowSettings;
};

struct ExecutionMessage {
    std::string text;
    std::string caption;
};

struct ProjectionRun {
    bool ran = false;
    double T = 0.0;   // total test time used
    double NA = 0.0;  // A-mode failures used
    int ERRFLG = 0;
    ProjectionResult result;
};

struct DiscreteRun {
    bool ran = false;
    double TT = 0.0;
    double TF = 0.0;
    double LAMBDA = 0.0;
    double ALPHA = 0.0;
    double R = 0.0;
    int ERRFLG = 0;
};

struct HardwareExecutionResults {
    ProjectionRun projection;
    DiscreteRun discrete;
    CrowAmsaaRun crowAmsaa;  // a failed fit is a result: its status is in the analysis
    // Message boxes of the run, in order (errors, not-implemented notices).
    std::vector<ExecutionMessage> messages;
};

// Hardware TBF data: the projection over every entry (time of first occurrence, failures,
// effectiveness), after the host has given the total test time and the A-mode failures. Data
// without their hardware pair on every entry, or a selection without the projection, end with
// the "incomplete data or not implemented" message; a selection of the Crow-AMSAA model alone
// runs it on the times between failures without the projection or its message.
HardwareExecutionResults RunTbfHardwareExecution(const FailureDataSet& set,
                                                 const HardwareSelection& selection,
                                                 ProgramOptions& options, ExecutionHost& host);

// Hardware interval data: the discrete model over the units on test and the units failing
// (all levels) of every interval, then the Crow-AMSAA model on the failures per interval if
// chosen; then the notice for the growth tracking model if chosen.
HardwareExecutionResults RunIntervalHardwareExecution(const FailureDataSet& set,
                                                      const HardwareSelection& selection,
                                                      ProgramOptions& options);

}  // namespace vnk::execution
