// Axis ends and steps of the data and model plots. The x axis runs one past the last point;
// the y axis of a TBF plot steps by a fifth of (largest value + 1), that of an interval plot
// ends at the whole number above its largest value. Qt-free so the rules read on their own.
#pragma once

#include <vector>

namespace vnk::plot {

struct AxisScale {
    double start = 0.0;
    double end = 1.0;
    double step = 1.0;  // distance between labelled ticks, always above zero
};

// x axis of a TBF plot of `points` points: 0 to points + 1 by floor((points + 1) / 5), at
// least 1.
AxisScale TbfXAxis(int points);

// x axis of an interval plot: 0 to points + 1 by floor(points / 5) + 1.
AxisScale IntervalXAxis(int points);

// y axis of a TBF plot from its values: ends at floor(largest) + 1, steps by
// floor(0.2 * (largest + 1)). Below 4 that step would be 0, so a fifth of the axis is used.
// Negative values (residuals) start the axis at the whole number below the smallest one.
// Values that are not finite are ignored.
AxisScale TbfYAxis(const std::vector<double>& values);

// y axis of an interval plot: ends at floor(largest) + 1, steps by 1 + floor(0.2 * largest)
// when the largest value exceeds 5 and by 1 otherwise; negative values as for TbfYAxis.
AxisScale IntervalYAxis(const std::vector<double>& values);

// An axis for values in [0, 1] (U-plots): 0 to 1 by 0.25.
AxisScale UnitAxis();

// An axis over [low, high] with a twentieth of the range as margin on each side and a step of
// 1, 2 or 5 times a power of ten giving at most about eight steps. Values that are not finite
// are left out; no finite value gives 0 to 1.
AxisScale MarginAxis(const std::vector<double>& values);

// Room kept between a marked point and the end of its axis, as a share of the axis length: a
// point closer than that sits on the frame.
inline constexpr double kPointMargin = 0.03;

// How an axis that must grow to hold its points grows.
enum class Widen {
    ToTick,   // to the next labelled tick, so the last label lies beyond every point
    ToPoint,  // just far enough for the margin
};

// The axis a chart draws: `designed` as its rule gives it, grown where a marked point (`marked`)
// lies within kPointMargin of an end or beyond it, and where a line without markers (`lines`)
// leaves it. The start moves by whole steps; `widen` says how the end moves. An axis starting at 0
// keeps its start when no value lies below 0: points on the zero line stand on it. Values that are
// not finite are left out.
AxisScale CoverPoints(const AxisScale& designed, const std::vector<double>& marked,
                      const std::vector<double>& lines, Widen widen);

}  // namespace vnk::plot
