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

}  // namespace vnk::plot
