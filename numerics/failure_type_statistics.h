// The statistics of the failures of one type (software or hardware) that the preliminary
// data statistics screens show beside or instead of the whole set's.
#pragma once

#include <array>

#include "numerics/tbf_arrays.h"
#include "numerics/vnkdst.h"

namespace vnk {

struct TypeStatistics {
    int count = 0;                            // entries kept
    std::array<double, dst::kCount> stats{};  // VNKDST with all eleven; all 0 when none kept
};

// Works on a copy of entries 1..N: keeps the entries of `failureType` by CompactTbfEntries
// (times of the others added into the next kept failure) and takes VNKDST of their times.
TypeStatistics FailureTypeStatistics(const TbfArrays& DAT, int N, int failureType);

}  // namespace vnk
