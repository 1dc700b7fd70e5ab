#include "execution/applicability_range.h"

namespace vnk::execution {

ApplicabilityRange DefaultApplicabilityRange(int N) { return {N / 2, N - 1}; }

bool ApplicabilityRangeAccepted(int N, const ApplicabilityRange& range) {
    return range.NSB >= 3 && range.NSE < N && range.NSB < range.NSE;
}

}  // namespace vnk::execution
