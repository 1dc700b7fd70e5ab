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

AxisScale MarginAxis(const std::vector<double>& values) {
    double low = INFINITY, high = -INFINITY;
    for (double v : values)
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    if (!(low <= high)) return {0.0, 1.0, 0.25};
    if (high == low) {
        const double pad = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
        low -= pad;
        high += pad;
    }
    const double margin = (high - low) / 20.0;
    const double from = low - margin, to = high + margin;
    const double raw = (to - from) / 8.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) {
            step = m * power;
            break;
        }
    // A start at zero stays at zero: failures and times are not negative.
    const double start = low >= 0.0 && from < 0.0 ? 0.0 : std::floor(from / step) * step;
    return {start, std::ceil(to / step) * step, step};
}

AxisScale CoverPoints(const AxisScale& designed, const std::vector<double>& marked,
                      const std::vector<double>& lines, Widen widen) {
    AxisScale a = designed;
    if (!(a.end > a.start) || !(a.step > 0.0)) return a;
    // The room is a share of the axis the points need, not of one drawn too short for them.
    const Extent points = FiniteExtent(marked);
    const bool anyMarked =
        std::any_of(marked.begin(), marked.end(), [](double v) { return std::isfinite(v); });
    const double span = anyMarked
                            ? std::max(a.end, points.largest) - std::min(a.start, points.smallest)
                            : a.end - a.start;
    const double room = kPointMargin * span;
    double low = a.start, high = a.end;  // what must lie inside, margins included
    bool below = false;
    for (double v : marked)
        if (std::isfinite(v)) {
            low = std::min(low, v - room);
            high = std::max(high, v + room);
            below = below || v < 0.0;
        }
    for (double v : lines)
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
            below = below || v < 0.0;
        }
    // The zero line is the floor of counts and times: a point on it needs no room below.
    if (a.start == 0.0 && !below) low = 0.0;
    const auto steps = [&a](double distance) { return std::ceil(distance / a.step - 1e-9); };
    if (high > a.end)
        a.end = widen == Widen::ToTick ? a.start + steps(high - a.start) * a.step : high;
    // The start moves by whole steps, so the labels keep their places.
    if (low < a.start) a.start -= steps(a.start - low) * a.step;
    a.step = UsableStep(a.step, a);
    return a;
}

}  // namespace vnk::plot
