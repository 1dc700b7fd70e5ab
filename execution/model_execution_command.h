// The frame of the Model Execution command, shared by the application and the command line:
// what the data set needs before the command starts, and how every path out of it leaves the
// options.
#pragma once

#include "data/failure_data_set.h"
#include "data/program_options.h"

namespace vnk::execution {

// Shown (caption "Error") when the data set has no data kind or no error history
// (FailureDataSet::isComplete).
inline constexpr const char* kModelExecutionPrecondition =
    "Both Data Type and Error History are required. Enter Input/New or open to specify.";

// Every path of the command, cancelled screens included, ends with maximum likelihood as the
// numerical method.
void EndModelExecutionCommand(ProgramOptions& options);

}  // namespace vnk::execution
