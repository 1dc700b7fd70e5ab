// Interval data sets for the interval model tests: counts C, lengths L, the whole program
// under test (F = 1) and previous faults M(i) = C(1) + ... + C(i - 1), as reading an interval
// file gives them; and a trace capture.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "numerics/trace.h"
#include "support/temp_dir.h"

namespace vnk::test {

struct IntervalData {
    std::vector<double> C, L, F, M;
    int NS = 0;

    static IntervalData fromCounts(const std::vector<double>& counts,
                                   const std::vector<double>& lengths = {}) {
        IntervalData d;
        double before = 0.0;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            d.C.push_back(counts[i]);
            d.L.push_back(lengths.empty() ? 1.0 : lengths[i]);
            d.F.push_back(1.0);
            d.M.push_back(before);
            before += counts[i];
        }
        d.NS = static_cast<int>(counts.size());
        return d;
    }

    static IntervalData load(const std::string& name) {
        std::ifstream in(std::string(VARNOK_TEST_DATA_DIR) + "/" + name);
        std::vector<double> counts, lengths;
        double c = 0.0, l = 0.0;
        while (in >> c >> l) {
            counts.push_back(c);
            lengths.push_back(l);
        }
        return fromCounts(counts, lengths);
    }
};

// Switches tracing on into a temporary file for the lifetime of the object.
class TraceCapture {
  public:
    TraceCapture() : file_(dir_.path() / "VNK_trace.txt") { vnk::trace::open(file_.string()); }
    ~TraceCapture() { vnk::trace::close(); }
    // Everything written so far (closes the file).
    std::string text() {
        vnk::trace::close();
        std::ifstream in(file_);
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }

  private:
    TempDir dir_;
    std::filesystem::path file_;
};

}  // namespace vnk::test
