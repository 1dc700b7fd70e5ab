// The Crow-AMSAA tracking model over the data set: the cumulative failure times of hardware
// TBF data (the failure-free time after the last failure makes the test time-truncated), or
// the failures per interval of hardware interval data, each interval adding its units on test
// to the cumulative test time.
#pragma once

#include "data/failure_data_set.h"
#include "models/crow_amsaa_model.h"

namespace vnk::execution {

struct CrowAmsaaRun {
    bool ran = false;
    models::crow::Analysis analysis;
};

CrowAmsaaRun RunCrowAmsaaTbf(const FailureDataSet& set, models::crow::Settings settings);
CrowAmsaaRun RunCrowAmsaaIntervals(const FailureDataSet& set, models::crow::Settings settings);

}  // namespace vnk::execution
