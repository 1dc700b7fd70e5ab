// Reading the data set the command line runs on: a data file the way Data / New / File reads
// it (the options answering its questions), a start-up configuration, or a hardware interval
// file of units on test and units failing.
#pragma once

#include <string>
#include <vector>

#include "cli/batch_options.h"
#include "data/failure_data_set.h"
#include "data/program_options.h"

namespace vnk::batch {

// Fills `set` (and, for a configuration, `options`) from the options' FILE. Returns "" or
// the one-line message that ends the run with status 2: the data layer's messages where it
// has one, and a refusal of data no model can run on (no entries, a missing or negative time
// between failures, a negative count, a length that is not positive, a line that is not data).
// What the user should know but that does not end the run (lines left out at the capacity)
// is added to `notes`.
std::string LoadBatchData(const BatchOptions& batch, FailureDataSet& set, ProgramOptions& options,
                          std::vector<std::string>* notes = nullptr);

// Reads "units-on-test units-failing" per line into the hardware rows of an interval data set
// (blank lines are skipped). Returns "" or a message naming the offending line.
std::string ReadHardwareIntervalFile(const std::string& path, FailureDataSet& set,
                                     ProgramOptions& options,
                                     std::vector<std::string>* notes = nullptr);

}  // namespace vnk::batch
