// data4_interval.txt as an interval execution works on it: 19 weeks of counts and lengths, with
// the derived series a file read gives.
#pragma once

#include <filesystem>
#include <fstream>

#include "execution/interval_execution.h"

namespace vnk::test {

inline execution::IntervalWorkingData Data4() {
    std::ifstream in(std::filesystem::path(VARNOK_TEST_DATA_DIR) / "data4_interval.txt");
    execution::IntervalWorkingData d;
    double c = 0.0, l = 0.0, previous = 0.0;
    while (in >> c >> l) {
        d.counts.push_back(c);
        d.lengths.push_back(l);
        d.fractions.push_back(1.0);
        d.previousFaults.push_back(previous);
        previous += c;
    }
    d.LCOR = d.counts.back();
    return d;
}

}  // namespace vnk::test
