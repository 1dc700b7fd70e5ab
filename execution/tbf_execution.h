// The TBF software execution: every selected model with its selected applicability analyses,
// in the fixed order of the processing status screen, then the ranking. The application's
// status screen and the batch command line both run it.
#pragma once

#include <vector>

#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/host.h"
#include "execution/model_execution_command.h"
#include "execution/tbf_results.h"

namespace vnk::execution {

// The copy of the data an execution works on.
struct TbfWorkingData {
    std::vector<double> DAT;  // the NS times between failures
    double XLTM = 0.0;        // failure-free test time after the last failure
};

// The first N times between failures and the failure-free time of the data set.
TbfWorkingData TbfWorkingDataOf(const FailureDataSet& set);

// Runs the execution with the numerical method of `options` and returns its record; the range
// of the applicability analyses is the selection's NSB and NSE (the caller has checked it).
// Every path of the Model Execution command ends with maximum likelihood as the numerical
// method, so `options` is set back to it on return.
TbfExecutionResults RunTbfExecution(const TbfWorkingData& data, const TbfSelection& selection,
                                    ProgramOptions& options, ExecutionHost& host);

// The order in which the processing status screen runs the slots (LAV-Q beside LAV-L).
inline constexpr std::array<int, kTbfSlotCount> kTbfProcessingOrder = models::kTbfScreenOrder;

}  // namespace vnk::execution
