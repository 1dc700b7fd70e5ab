#include "numerics/sanitise.h"

#include <cmath>

namespace vnk {

void SanitiseStats(int ROWS, int COLS, RealMatrix STATS, int& RFLAG) {
    for (int i = 1; i <= ROWS; ++i) {
        for (int j = 1; j <= COLS; ++j) {
            if (std::isfinite(STATS(i, j))) continue;
            if (j == 1) {
                STATS(i, j) = 0.0;
                RFLAG = status::kNotAppropriate;
            } else if (STATS(i, 1) == 0.0) {
                STATS(i, j) = 0.0;
            } else {
                STATS(i, j) = j == 2 ? -kLimitOverflowMarker : kLimitOverflowMarker;
            }
        }
    }
}

}  // namespace vnk
