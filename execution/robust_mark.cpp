#include "execution/robust_mark.h"

namespace vnk::execution {

bool EstimatedWithRobustSearch(const TbfExecutionResults& r, int slot) {
    return r.robustEstimation && slot != kLavLinear && slot != kLavQuadratic;
}

bool EstimatedWithRobustSearch(const IntervalExecutionResults& r, int slot) {
    return r.robustEstimation &&
           (IntervalSlotUsesRootSearch(slot) || slot == kBmBinomial || slot == kBmPoisson);
}

}  // namespace vnk::execution
