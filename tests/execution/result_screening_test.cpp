// A success with values no fit can have becomes a failure with a reason; a possible one is
// left exactly as it was.
#include "execution/result_screening.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace vnk;
using namespace vnk::execution;

TbfExecutionResults OneTbfSuccess() {
    TbfExecutionResults r;
    r.executed[kJam] = true;
    r.status[kJam] = model_status::kSucceeded;
    r.stats[kJam](tbf_row::kCurrentMtbnf, kEstimate) = 12.5;
    r.stats[kJam](tbf_row::kPurificationLevel, kEstimate) = 0.75;
    r.predicted[kJam] = {1.0, 2.0};
    r.DVAL[kJam] = 0.2;
    r.DFLG[kJam] = 2;
    return r;
}

TEST(ResultScreening, TbfSuccessOutsideItsDomainFailsAsNotAppropriate) {
    struct Case {
        const char* what;
        void (*spoil)(TbfExecutionResults&);
    };
    const Case cases[] = {
        {"negative MTBNF", [](TbfExecutionResults& r) { r.stats[kJam](9, 1) = -11.3; }},
        {"negative remaining faults", [](TbfExecutionResults& r) { r.stats[kJam](11, 1) = -0.5; }},
        {"purification above 1", [](TbfExecutionResults& r) { r.stats[kJam](12, 1) = 1.5; }},
        {"negative predicted time", [](TbfExecutionResults& r) { r.predicted[kJam][1] = -3.0; }},
        {"infinite predicted time",
         [](TbfExecutionResults& r) {
             r.predicted[kJam][0] = std::numeric_limits<double>::infinity();
         }},
        {"distance inf",
         [](TbfExecutionResults& r) { r.DVAL[kJam] = std::numeric_limits<double>::infinity(); }},
    };
    for (const Case& c : cases) {
        TbfExecutionResults r = OneTbfSuccess();
        c.spoil(r);
        ScreenTbfSlot(r, kJam);
        EXPECT_EQ(r.status[kJam], model_status::kFailed) << c.what;
        EXPECT_EQ(r.RFLAG[kJam], status::kNotAppropriate) << c.what;
        EXPECT_EQ(r.predicted[kJam], (std::vector<double>{0.0, 0.0})) << c.what;
        EXPECT_EQ(r.DVAL[kJam], 0.0) << c.what;
    }
    TbfExecutionResults fine = OneTbfSuccess();
    ScreenTbfSlot(fine, kJam);
    EXPECT_EQ(fine.status[kJam], model_status::kSucceeded);
    EXPECT_EQ(fine.predicted[kJam], (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(fine.DVAL[kJam], 0.2);
    // A distance that was not computed is not judged; a kept status-1 result is not touched.
    TbfExecutionResults notComputed = OneTbfSuccess();
    notComputed.DFLG[kJam] = 0;
    notComputed.DVAL[kJam] = -1.0;
    ScreenTbfSlot(notComputed, kJam);
    EXPECT_EQ(notComputed.status[kJam], model_status::kSucceeded);
    TbfExecutionResults kept = OneTbfSuccess();
    kept.status[kJam] = model_status::kTotalFaultsBelowObserved;
    kept.stats[kJam](9, 1) = -4.0;
    ScreenTbfSlot(kept, kJam);
    EXPECT_EQ(kept.status[kJam], model_status::kTotalFaultsBelowObserved);
}

TEST(ResultScreening, IntervalSuccessOutsideItsDomainFailsAsNotAppropriate) {
    auto success = [](int slot) {
        IntervalExecutionResults r;
        r.status[slot] = status::kOk;
        r.ran[slot] = true;
        r.stats[slot](4, 1) = 0.5;
        r.stats[slot](5, 1) = 30.0;
        r.stats[slot](6, 1) = 4.0;
        r.predicted[slot] = {2.0, 3.0};
        r.fit[slot].CHI = {1.5, 2.5};
        return r;
    };
    IntervalExecutionResults fine = success(kBmBinomial);
    ScreenIntervalSlot(fine, kBmBinomial);
    EXPECT_EQ(fine.status[kBmBinomial], status::kOk);
    EXPECT_EQ(fine.fit[kBmBinomial].CHI[1], 2.5);

    IntervalExecutionResults probability = success(kBmPoisson);
    probability.stats[kBmPoisson](4, 1) = 1.2;
    ScreenIntervalSlot(probability, kBmPoisson);
    EXPECT_EQ(probability.status[kBmPoisson], status::kNotAppropriate);
    // Row 4 is a probability only for Brooks and Motley.
    IntervalExecutionResults other = success(kNhp);
    other.stats[kNhp](4, 1) = 1.2;
    ScreenIntervalSlot(other, kNhp);
    EXPECT_EQ(other.status[kNhp], status::kOk);

    IntervalExecutionResults remaining = success(kYam);
    remaining.stats[kYam](6, 1) = -2.0;
    ScreenIntervalSlot(remaining, kYam);
    EXPECT_EQ(remaining.status[kYam], status::kNotAppropriate);

    IntervalExecutionResults predicted = success(kGp1);
    predicted.predicted[kGp1][0] = std::numeric_limits<double>::quiet_NaN();
    ScreenIntervalSlot(predicted, kGp1);
    EXPECT_EQ(predicted.status[kGp1], status::kNotAppropriate);
    EXPECT_EQ(predicted.predicted[kGp1], (std::vector<double>{0.0, 0.0}));
    EXPECT_EQ(predicted.fit[kGp1].CHI[0], 0.0);
}

}  // namespace
