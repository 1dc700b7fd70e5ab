// Descriptive statistics of a data vector: the data statistics screens, the interval model
// execution and the report header blocks all take their numbers from here.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

// Positions in the statistics vector.
namespace dst {
inline constexpr int kSum = 1;
inline constexpr int kMedian = 2;
inline constexpr int kLowerHinge = 3;
inline constexpr int kUpperHinge = 4;
inline constexpr int kMinimum = 5;
inline constexpr int kMaximum = 6;
inline constexpr int kMean = 7;
inline constexpr int kStandardDeviation = 8;
inline constexpr int kVariance = 9;
inline constexpr int kSkewness = 10;
inline constexpr int kKurtosis = 11;
inline constexpr int kCount = 11;
// NST asking for all eleven statistics; any other value gives positions 1 to 6 only.
inline constexpr int kAll = 11;
inline constexpr int kOrderOnly = 6;
}  // namespace dst

// STATS (11 values) receives sum, median, hinges, minimum and maximum, and with NST = 11 the
// mean, standard deviation, variance, skewness and excess kurtosis; WRK (NS values) receives
// the data sorted ascending. Values that cannot be computed (no data, no spread, overflow)
// are 0, never infinite or not a number; with NS = 0 nothing of DAT or WRK is touched.
void VNKDST(ConstRealArray DAT, int NS, int NST, RealArray STATS, RealArray WRK);

}  // namespace vnk
