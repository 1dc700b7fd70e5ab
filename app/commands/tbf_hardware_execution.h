// The hardware and system branch of Executions / Model Execution for time-between-failure
// data: the additional inputs and the growth projection with its result screen, or the
// message for models that have no computation.
#pragma once

#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/hardware_execution.h"

class QWidget;

namespace vnk::app {

class Prompter;

// Runs the models of `selection` on the set's hardware fields. The numerical method is
// maximum likelihood again afterwards.
void RunTbfHardwareModels(const FailureDataSet& set, ProgramOptions& options,
                          const execution::HardwareSelection& selection, Prompter& prompter,
                          QWidget* parent = nullptr);

}  // namespace vnk::app
