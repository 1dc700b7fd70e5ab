#include "execution/robust_mark.h"

#include <gtest/gtest.h>

namespace vnk::execution {
namespace {

// Every fit whose search the robust mode widens is marked, and only in the robust mode;
// Littlewood and Verrall's least squares line has no search to widen.
TEST(RobustMark, MarksTheTrustRegionFitsThatRestart) {
    TbfExecutionResults tbf;
    tbf.robustEstimation = true;
    EXPECT_TRUE(EstimatedWithRobustSearch(tbf, kLavLinear));
    EXPECT_TRUE(EstimatedWithRobustSearch(tbf, kGeo));
    tbf.ESF = method::kLeastSquares;
    EXPECT_FALSE(EstimatedWithRobustSearch(tbf, kLavQuadratic));
    EXPECT_TRUE(EstimatedWithRobustSearch(tbf, kJam));
    tbf.robustEstimation = false;
    tbf.ESF = method::kMaximumLikelihood;
    EXPECT_FALSE(EstimatedWithRobustSearch(tbf, kLavLinear));

    IntervalExecutionResults interval;
    interval.robustEstimation = true;
    for (int slot : {kBmBinomial, kBmPoisson, kGp1, kGp2, kGp3, kNhp, kYam})
        EXPECT_TRUE(EstimatedWithRobustSearch(interval, slot)) << slot;
    interval.robustEstimation = false;
    EXPECT_FALSE(EstimatedWithRobustSearch(interval, kGp3));
}

}  // namespace
}  // namespace vnk::execution
