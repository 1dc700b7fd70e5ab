// The plain reason of a failed model, one case per class of failure.
#include "execution/failure_reason.h"

#include <gtest/gtest.h>

namespace vnk::execution {
namespace {

constexpr const char* kNoMaximum =
    "The likelihood has no finite maximum: the data show no reliability growth";
constexpr const char* kBelow = "The estimated number of faults is below the number observed";
constexpr const char* kNotConverged = "The search did not converge in 1000 iterations";

struct TbfCase {
    int slot;
    FailureFinding found;
    std::string starts;  // the reason begins with this
};

TEST(FailureReason, TbfClasses) {
    FailureFinding noRootStandard{.RFLAG = status::kNotAppropriate};
    FailureFinding noRootRobust{.RFLAG = status::kNotAppropriate, .robust = true};
    FailureFinding leastSquares{
        .RFLAG = status::kNotAppropriate, .ESF = method::kLeastSquares, .robust = true};
    const std::vector<TbfCase> cases = {
        {kMusaBasic, noRootRobust, kNoMaximum},
        {kGeo, noRootRobust, kNoMaximum},
        // The standard search only tried its own bracket: it must not claim there is no maximum.
        {kNpt, noRootStandard,
         "The data are not appropriate for the model: the likelihood has "
         "no maximum in the range the standard search covers"},
        {kJam, leastSquares, "The data are not appropriate for the model: the least squares"},
        {kJam, {.RFLAG = status::kTotalFaultsBelowObserved}, kBelow},
        {kMusaLog,
         {.RFLAG = status::kNotAppropriate, .totalFaultsEstimate = -2.0},
         "The data are not appropriate for the model: the estimated total failures are not "
         "positive"},
        {kLavLinear, {.RFLAG = status::kMaxIterations}, kNotConverged},
        {kLavQuadratic,
         {.RFLAG = status::kScaleNotPositive},
         "The data are not appropriate for the model: the fitted scale"},
        // A success turned down for impossible values is not a search that failed.
        {kGeo,
         {.RFLAG = status::kNotAppropriate, .robust = true, .outOfDomain = true},
         "The data are not appropriate for the model: the fit ended with values"},
        {kGeo, {.RFLAG = 7}, "The estimation ended with status 7"},
    };
    for (const TbfCase& c : cases) {
        const std::string reason = TbfFailureReason(c.slot, c.found);
        EXPECT_EQ(reason.substr(0, c.starts.size()), c.starts) << "slot " << c.slot;
    }
    EXPECT_EQ(TbfFailureReason(kGeo, FailureFinding{}), "");
}

TEST(FailureReason, IntervalClasses) {
    const FailureFinding notAppropriate{.RFLAG = status::kNotAppropriate};
    FailureFinding noFaults = notAppropriate;
    noFaults.noFaults = true;
    FailureFinding equal = notAppropriate;
    equal.equalLengths = true;
    FailureFinding few = notAppropriate;
    few.fewIntervals = true;
    EXPECT_EQ(IntervalFailureReason(kBmPoisson, {.RFLAG = status::kMaxIterations}), kNotConverged);
    EXPECT_EQ(IntervalFailureReason(kGp3, {.RFLAG = status::kMaxIterations}), kNotConverged);
    // Status 1 of a one-root model is not an iteration limit.
    EXPECT_EQ(IntervalFailureReason(kNhp, {.RFLAG = status::kMaxIterations}),
              "The estimation ended with status 1");
    EXPECT_EQ(IntervalFailureReason(kSdw2, {.RFLAG = status::kTotalFaultsBelowObserved}), kBelow);
    EXPECT_EQ(IntervalFailureReason(kYam, noFaults),
              "The data are not appropriate for the model: not one fault was counted");
    EXPECT_EQ(IntervalFailureReason(kNhp, few),
              "The data are not appropriate for the model: the model needs at least two intervals");
    EXPECT_NE(IntervalFailureReason(kGp3, equal).find("same length"), std::string::npos);
    EXPECT_EQ(IntervalFailureReason(kGp1, FailureFinding{}), "");
}

// Read from the results: an interval execution on data without faults, a TBF one in robust mode.
TEST(FailureReason, ReadFromResults) {
    IntervalExecutionResults in;
    in.NS = 3;
    in.counts = {0.0, 0.0, 0.0, 5.0};  // past NS: not part of the data
    in.lengths = {1.0, 2.0, 3.0};
    in.ran[kNhp] = true;
    in.status[kNhp] = status::kNotAppropriate;
    EXPECT_EQ(IntervalFailureReason(in, kNhp),
              "The data are not appropriate for the model: not one fault was counted");

    TbfExecutionResults tbf;
    tbf.robustEstimation = true;
    tbf.RFLAG[kMusaBasic] = status::kNotAppropriate;
    tbf.status[kMusaBasic] = model_status::kFailed;
    EXPECT_EQ(TbfFailureReason(tbf, kMusaBasic), kNoMaximum);
}

}  // namespace
}  // namespace vnk::execution
