// Conversion of the times between failures from one TBF unit to another, one unit step at a
// time through VNKTRN, as the Conversions menu does it.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

namespace tbf_unit {
inline constexpr int kNone = 0;
inline constexpr int kSeconds = 1;
inline constexpr int kMinutes = 2;
inline constexpr int kHours = 3;
inline constexpr int kDays = 4;
inline constexpr int kWeeks = 5;
inline constexpr int kMonths = 6;
inline constexpr int kYears = 7;
}  // namespace tbf_unit

// How many of `unit` make one of `unit` + 1 (60, 60, 24, 7, 4, 12 from seconds up); 0 for a
// unit without a next one.
double UnitStepFactor(int unit);

// Converts times(1..N) from unit `from` to unit `to` (both 1 to 7). Returns false, with the
// times unchanged, when a unit is undefined or a step would overflow.
bool ConvertTbfUnits(int from, int to, int N, RealArray times);

}  // namespace vnk
