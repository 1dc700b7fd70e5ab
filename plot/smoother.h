// The resistant smoother behind the smoothed data plots: running medians of three repeated to
// convergence with the end rule (3R), splitting of two-point plateaus (SS), hanning (H), applied
// twice by smoothing the residuals of the first pass and adding them back ("twicing").
// Qt-free, so it can be used and tested without the charting layer.
#pragma once

#include <vector>

namespace vnk::plot {

// One pass of running medians of three over the inner values, each taken from the values as
// they were before the pass. Returns whether any value changed.
bool RunningMediansOfThree(std::vector<double>& y);

// Running medians of three until a pass changes nothing, then the end rule.
void Smooth3R(std::vector<double>& y);

// The end rule: the first value becomes the median of itself, y2 and 3*y2 - 2*y3, and the last
// likewise from its two neighbours. Needs at least three values; fewer are left as they are.
void ApplyEndRule(std::vector<double>& y);

// Splits every two-point plateau that forms a peak or a valley, re-estimating each of its two
// values from its own side as the end rule does. Returns whether any value changed.
bool SplitPlateaus(std::vector<double>& y);

// Hanning: each inner value becomes 0.25, 0.5, 0.25 of its neighbours and itself, all taken
// from the values before the pass.
void Hanning(std::vector<double>& y);

// One 3RSSH smoothing.
std::vector<double> Smooth3RSSH(std::vector<double> data);

// 3RSSH twice: S = smooth(data), result = S + smooth(data - S). Fewer than three values have
// no neighbours to smooth against and come back unchanged.
std::vector<double> Smooth3RSSHTwice(const std::vector<double>& data);

}  // namespace vnk::plot
