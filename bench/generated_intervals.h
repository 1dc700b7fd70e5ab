// The data set of the interval model benchmarks: counts of an exponential fault-removal
// process (2000 faults, rate 0.0015 per unit length) over 1000 intervals whose lengths are
// drawn from [0.5, 1.5], with a fixed seed, so every run and every program times the same data.
#pragma once

#include <cmath>
#include <random>
#include <vector>

namespace vnk::bench {

struct GeneratedIntervals {
    std::vector<double> C;  // faults per interval
    std::vector<double> L;  // interval lengths
    std::vector<double> T;  // cumulative end times
    std::vector<double> F;  // fraction of the program tested: 1 in every interval
    std::vector<double> M;  // faults found before each interval
    int NS = 0;
};

inline const GeneratedIntervals& Generated() {
    static const GeneratedIntervals data = [] {
        GeneratedIntervals d;
        std::mt19937 rng(20240611u);
        std::uniform_real_distribution<double> length(0.5, 1.5);
        double t = 0.0, before = 0.0;
        for (int i = 0; i < 1000; ++i) {
            const double L = length(rng);
            const double mean = 2000.0 * (std::exp(-0.0015 * t) - std::exp(-0.0015 * (t + L)));
            t += L;
            std::poisson_distribution<int> count(mean);
            const double C = count(rng);
            d.C.push_back(C);
            d.L.push_back(L);
            d.T.push_back(t);
            d.F.push_back(1.0);
            d.M.push_back(before);
            before += C;
        }
        d.NS = 1000;
        return d;
    }();
    return data;
}

}  // namespace vnk::bench
