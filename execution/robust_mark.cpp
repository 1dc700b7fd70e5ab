#include "execution/robust_mark.h"

namespace vnk::execution {

bool EstimatedWithRobustSearch(const TbfExecutionResults& r, int slot) {
    return r.robustEstimation && slot != kLavLinear && slot != kLavQuadratic;
}

}  // namespace vnk::execution
