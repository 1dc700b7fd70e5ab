#include "plot/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace vnk::plot {
namespace {

struct Extent {
    double smallest = 0.0;
    double largest = 0.0;
};

// Smallest and largest finite value, both 0 when there is none.
Extent FiniteExtent(const std::vector<double>& values) {
    Extent e;
    bool any = false;
    for (double v : values) {
        if (!std::isfinite(v)) continue;
        e.smallest = any ? std::min(e.smallest, v) : v;
        e.largest = any ? std::max(e.largest, v) : v;
        any = true;
    }
    return e;
}

// Start of a y axis: 0 unless some value lies below it.
double AxisStart(const Extent& e) { return std::min(0.0, std::floor(e.smallest)); }

// A step that is not positive (or that would draw thousands of ticks) becomes a fifth of the
// axis.
double UsableStep(double step, const AxisScale& axis) {
    const double span = axis.end - axis.start;
    if (!(step > 0.0) || span / step > 1000.0) return span / 5.0;
    return step;
}

}  // namespace

AxisScale TbfXAxis(int points) {
    AxisScale a;
    a.end = std::max(points, 0) + 1;
    a.step = std::max(1, (std::max(points, 0) + 1) / 5);
    return a;
}

AxisScale IntervalXAxis(int points) {
    AxisScale a;
    a.end = std::max(points, 0) + 1;
    a.step = std::max(points, 0) / 5 + 1;
    return a;
}

AxisScale TbfYAxis(const std::vector<double>& values) {
    const Extent e = FiniteExtent(values);
    AxisScale a;
    a.start = AxisStart(e);
    a.end = std::max(std::floor(e.largest) + 1.0, a.start + 1.0);
    // The step counts from the start of the axis, which is 0 for anything but residuals.
    a.step = UsableStep(std::floor(0.2 * (e.largest - a.start + 1.0)), a);
    return a;
}

AxisScale IntervalYAxis(const std::vector<double>& values) {
    const Extent e = FiniteExtent(values);
    AxisScale a;
    a.start = AxisStart(e);
    a.end = std::max(std::floor(e.largest) + 1.0, a.start + 1.0);
    const double height = e.largest - a.start;
    a.step = UsableStep(height > 5.0 ? 1.0 + std::floor(0.2 * height) : 1.0, a);
    return a;
}

AxisScale UnitAxis() { return {0.0, 1.0, 0.25}; }

}  // namespace vnk::plot
