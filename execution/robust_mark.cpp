#include "execution/robust_mark.h"

namespace vnk::execution {

bool EstimatedWithRobustSearch(const TbfExecutionResults& r, int slot) {
    // Littlewood and Verrall's least squares line has no search to make robust.
    const bool lav = slot == kLavLinear || slot == kLavQuadratic;
    return r.robustEstimation && (!lav || r.ESF == method::kMaximumLikelihood);
}

bool EstimatedWithRobustSearch(const IntervalExecutionResults& r, int slot) {
    return r.robustEstimation && (IntervalSlotUsesRootSearch(slot) || slot == kBmBinomial ||
                                  slot == kBmPoisson || slot == kGp3);
}

}  // namespace vnk::execution
