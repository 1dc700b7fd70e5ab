// Interval data as the time-based interval models take it: counts C and the cumulative end
// times T of the intervals; and the trace capture for byte-exact trace tests.
#pragma once

#include <cmath>
#include <fstream>
#include <string>
#include <vector>

#include "tests/numerics/trace_capture.h"

namespace vnk::test {

struct TimedCounts {
    std::vector<double> C, T;
    int NS = 0;
    double total = 0.0;

    static TimedCounts from(const std::vector<double>& counts,
                            const std::vector<double>& lengths = {}) {
        TimedCounts d;
        double end = 0.0;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            end += lengths.empty() ? 1.0 : lengths[i];
            d.C.push_back(counts[i]);
            d.T.push_back(end);
            d.total += counts[i];
        }
        d.NS = static_cast<int>(counts.size());
        return d;
    }

    static TimedCounts load(const std::string& name) {
        std::ifstream in(std::string(VARNOK_TEST_DATA_DIR) + "/" + name);
        std::vector<double> counts, lengths;
        double c = 0.0, l = 0.0;
        while (in >> c >> l) {
            counts.push_back(c);
            lengths.push_back(l);
        }
        return from(counts, lengths);
    }
};

// Poisson log-likelihood of the counts under interval means mu(i) = N (F(T(i-1)) - F(T(i)))
// where F is the model's survivor-like function (1 at time 0); written independently of the
// routines so that their maxima can be checked.
template <class Survivor>
double PoissonLogLikelihood(const TimedCounts& d, double N, double beta, Survivor F) {
    double ll = 0.0;
    double before = 1.0;
    for (int i = 0; i < d.NS; ++i) {
        const double now = F(beta, d.T[static_cast<std::size_t>(i)]);
        const double mu = N * (before - now);
        ll += d.C[static_cast<std::size_t>(i)] * std::log(mu) - mu;
        before = now;
    }
    return ll;
}

}  // namespace vnk::test
