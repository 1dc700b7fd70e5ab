#include "numerics/failure_type_statistics.h"

#include <algorithm>
#include <vector>

#include "numerics/tbf_compaction.h"

namespace vnk {

TypeStatistics FailureTypeStatistics(const TbfArrays& DAT, int N, int failureType) {
    const int n = std::clamp(N, 0, DAT.capacity());
    std::array<std::vector<double>, tbf_field::kCount> copy;
    for (int f = 1; f <= tbf_field::kCount; ++f) {
        const RealArray source = DAT.field(f);
        copy[static_cast<std::size_t>(f - 1)].assign(source.data(), source.data() + n);
    }
    const TbfArrays kept(copy[0], copy[1], copy[2], copy[3], copy[4]);

    TypeStatistics result;
    result.count = n;
    CompactTbfEntries(kept, result.count, tbf_field::kFailureType, failureType);
    std::vector<double> sorted(static_cast<std::size_t>(result.count));
    VNKDST(kept.field(tbf_field::kTime), result.count, dst::kAll, result.stats, sorted);
    return result;
}

}  // namespace vnk
