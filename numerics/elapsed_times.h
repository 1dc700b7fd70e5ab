// Elapsed execution times derived from times between failures, as the Musa models use them.
#pragma once

#include "numerics/conventions.h"

namespace vnk {

struct ElapsedTimes {
    double last = 0.0;        // Tn = x(1) + ... + x(NS), the time of the last failure
    double sumOfTimes = 0.0;  // S = T(1) + ... + T(NS) with T(i) = x(1) + ... + x(i)
};

inline ElapsedTimes ElapsedTimesOf(ConstRealArray DAT, int NS) {
    ElapsedTimes t;
    for (int i = 1; i <= NS; ++i) {
        t.last += DAT(i);
        t.sumOfTimes += t.last;
    }
    return t;
}

// Whether NS entries can be read from DAT and form a usable record (at least one entry).
inline bool HoldsEntries(ConstRealArray DAT, int NS) { return NS >= 1 && NS <= DAT.size(); }

}  // namespace vnk
