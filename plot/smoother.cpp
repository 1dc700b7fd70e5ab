#include "plot/smoother.h"

#include <algorithm>
#include <cstddef>

namespace vnk::plot {
namespace {

double Median3(double a, double b, double c) {
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

// The value extrapolated to position i from the two values beyond it on one side.
double FromOneSide(double own, double near, double far) {
    return Median3(own, near, 3.0 * near - 2.0 * far);
}

}  // namespace

bool RunningMediansOfThree(std::vector<double>& y) {
    if (y.size() < 3) return false;
    const std::vector<double> before = y;
    bool changed = false;
    for (std::size_t i = 1; i + 1 < y.size(); ++i) {
        const double m = Median3(before[i - 1], before[i], before[i + 1]);
        if (m != y[i]) {
            y[i] = m;
            changed = true;
        }
    }
    return changed;
}

void ApplyEndRule(std::vector<double>& y) {
    const std::size_t n = y.size();
    if (n < 3) return;
    y[0] = FromOneSide(y[0], y[1], y[2]);
    y[n - 1] = FromOneSide(y[n - 1], y[n - 2], y[n - 3]);
}

void Smooth3R(std::vector<double>& y) {
    // Each pass moves no value outside the range of its neighbours, so the passes settle;
    // the bound is only a guard against a sequence that keeps oscillating.
    for (std::size_t pass = 0; pass <= y.size() && RunningMediansOfThree(y); ++pass) {
    }
    ApplyEndRule(y);
}

bool SplitPlateaus(std::vector<double>& y) {
    const std::size_t n = y.size();
    bool changed = false;
    // A plateau y[i] == y[i + 1] with a neighbour on each side; both neighbours on the same side
    // of it make it a peak or a valley.
    for (std::size_t i = 1; i + 2 < n; ++i) {
        if (y[i] != y[i + 1]) continue;
        const double rise = y[i] - y[i - 1];
        const double fall = y[i + 2] - y[i + 1];
        if (!(rise * fall < 0.0)) continue;
        const double left = i >= 2 ? FromOneSide(y[i], y[i - 1], y[i - 2]) : y[i];
        const double right = i + 3 < n ? FromOneSide(y[i + 1], y[i + 2], y[i + 3]) : y[i + 1];
        if (left != y[i] || right != y[i + 1]) changed = true;
        y[i] = left;
        y[i + 1] = right;
        ++i;  // the pair is done; the next plateau starts after it
    }
    return changed;
}

void Hanning(std::vector<double>& y) {
    if (y.size() < 3) return;
    const std::vector<double> before = y;
    for (std::size_t i = 1; i + 1 < y.size(); ++i)
        y[i] = 0.25 * before[i - 1] + 0.5 * before[i] + 0.25 * before[i + 1];
}

std::vector<double> Smooth3RSSH(std::vector<double> y) {
    if (y.size() < 3) return y;
    Smooth3R(y);
    if (SplitPlateaus(y)) {
        Smooth3R(y);
        if (SplitPlateaus(y)) Smooth3R(y);
    }
    Hanning(y);
    return y;
}

std::vector<double> Smooth3RSSHTwice(const std::vector<double>& data) {
    std::vector<double> smooth = Smooth3RSSH(data);
    std::vector<double> rough(data.size());
    for (std::size_t i = 0; i < data.size(); ++i) rough[i] = data[i] - smooth[i];
    const std::vector<double> smoothedRough = Smooth3RSSH(rough);
    for (std::size_t i = 0; i < data.size(); ++i) smooth[i] += smoothedRough[i];
    return smooth;
}

}  // namespace vnk::plot
