// The interval software execution: the selected interval models with their accuracy analyses,
// the generalized Poisson preparation and the optimum S investigation, in the order of the
// processing status screen, then the ranking.
#pragma once

#include <vector>

#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/host.h"
#include "execution/interval_results.h"

namespace vnk::execution {

// The copy of the data an execution works on, one value per interval.
struct IntervalWorkingData {
    std::vector<double> counts;          // faults found, all levels
    std::vector<double> lengths;         // testing lengths
    std::vector<double> fractions;       // portion of the program under test
    std::vector<double> previousFaults;  // faults found before the interval, all levels
    double LCOR = 0.0;                   // corrections made after the final interval
};

IntervalWorkingData IntervalWorkingDataOf(const FailureDataSet& set);

// Runs the execution with the numerical method, the cell combination frequency of `options`
// and the accuracy range of the selection, and returns its record. The numerical method is
// set back to maximum likelihood on return.
IntervalExecutionResults RunIntervalExecution(const IntervalWorkingData& data,
                                              const IntervalSelection& selection,
                                              ProgramOptions& options, ExecutionHost& host);

}  // namespace vnk::execution
