// Data and independent checks shared by the Musa and non-homogeneous Poisson tests.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

#include "numerics/conventions.h"
#include "tests/support/tbf_data.h"

namespace vnk::test {

inline std::vector<double> RunningSum(const std::vector<double>& x) {
    std::vector<double> t(x.size());
    double sum = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) t[i] = sum += x[i];
    return t;
}

// Maximises f over [lo, hi] by golden section search on ln(x); an estimate found by solving
// the likelihood equation must agree with it.
inline double ArgMaxLog(const std::function<double(double)>& f, double lo, double hi) {
    const double r = (std::sqrt(5.0) - 1.0) / 2.0;
    double a = std::log(lo), b = std::log(hi);
    double c = b - r * (b - a), d = a + r * (b - a);
    double fc = f(std::exp(c)), fd = f(std::exp(d));
    for (int i = 0; i < 200 && b - a > 1e-13; ++i) {
        if (fc > fd) {
            b = d, d = c, fd = fc;
            c = b - r * (b - a), fc = f(std::exp(c));
        } else {
            a = c, c = d, fc = fd;
            d = a + r * (b - a), fd = f(std::exp(d));
        }
    }
    return std::exp(0.5 * (a + b));
}

inline bool AllFinite(const TbfStats& s) {
    for (double v : s.values)
        if (!std::isfinite(v)) return false;
    return true;
}

// Strong reliability growth: after a few equal times each time between failures doubles.
inline std::vector<double> DoublingTimes() { return {1, 1, 1, 1, 2, 4, 8, 16, 32, 64, 128, 256}; }

}  // namespace vnk::test
