// Interval execution records for the screen tests: a data file of "count length" lines run
// through the engine with every software model selected and a host that answers the start
// screens with their computed values and the optimum S screen with given S values.
#pragma once

#include <string>

#include "data/data_file.h"
#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/host.h"
#include "execution/interval_execution.h"

namespace vnk::test {

// The whole program tested in every interval (fraction 1), previous faults the counts
// before each interval and the last count corrected after the final interval, as reading an
// interval file gives them.
inline vnk::execution::IntervalWorkingData IntervalsOf(const std::vector<double>& counts,
                                                       const std::vector<double>& lengths) {
    vnk::execution::IntervalWorkingData data;
    double before = 0.0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        data.counts.push_back(counts[i]);
        data.lengths.push_back(lengths[i]);
        data.fractions.push_back(1.0);
        data.previousFaults.push_back(before);
        before += counts[i];
    }
    data.LCOR = counts.empty() ? 0.0 : counts.back();
    return data;
}

// A "count length" file of tests/data read as Data / New / File reads it.
inline vnk::execution::IntervalWorkingData ReadIntervals(const std::string& name) {
    vnk::FailureDataSet set;
    vnk::ReadIntervalFile(set, std::string(VARNOK_TEST_DATA_DIR) + "/" + name);
    return vnk::execution::IntervalWorkingDataOf(set);
}

// Answers the optimum S screen with S2 and S3 and remembers what it was asked; answers the
// Brooks and Motley start screen with PEC when one is given.
struct ScriptedHost : vnk::execution::ExecutionHost {
    int S2 = 0;
    int S3 = 0;
    double PEC = 0.0;  // 0: keep the computed value
    vnk::execution::SchneidewindSRequest asked;
    void schneidewindS(vnk::execution::SchneidewindSRequest& request) override {
        asked = request;
        request.S2 = S2;
        request.S3 = S3;
    }
    void brooksMotleyStart(vnk::execution::BrooksMotleyStartRequest& request) override {
        if (PEC > 0.0) request.PEC = PEC;
    }
};

// Every software model selected.
inline vnk::execution::IntervalExecutionResults Execute(
    const vnk::execution::IntervalWorkingData& data, ScriptedHost& host,
    int ESF = vnk::method::kMaximumLikelihood) {
    vnk::execution::IntervalSelection selection;
    selection.selectAll = true;
    vnk::ProgramOptions options;
    options.numericalMethod = ESF;
    return vnk::execution::RunIntervalExecution(data, selection, options, host);
}

inline vnk::execution::IntervalExecutionResults Execute(
    const vnk::execution::IntervalWorkingData& data, int S2 = 0, int S3 = 0,
    int ESF = vnk::method::kMaximumLikelihood) {
    ScriptedHost host;
    host.S2 = S2;
    host.S3 = S3;
    return Execute(data, host, ESF);
}

}  // namespace vnk::test
