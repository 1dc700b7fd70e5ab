// Cleans infinities and not-a-number values out of an estimate table.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

inline constexpr double kLimitOverflowMarker = 999889024.0;

// A non-finite estimate becomes 0.0 and sets RFLAG to 3; a non-finite limit becomes 0.0 when
// its estimate is 0.0, otherwise -/+999889024.0. Every non-finite value is treated alike
// (negative infinity and every not-a-number pattern included), so nothing non-finite reaches
// a screen or a report.
void SanitiseStats(int ROWS, int COLS, RealMatrix STATS, int& RFLAG);

template <int Rows>
void SanitiseStats(StatsTable<Rows>& STATS, int& RFLAG) {
    SanitiseStats(Rows, 3, STATS.matrix(), RFLAG);
}

}  // namespace vnk
