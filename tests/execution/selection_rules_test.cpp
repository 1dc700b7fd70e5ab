#include "execution/selection_rules.h"

#include <gtest/gtest.h>

#include "execution/applicability_range.h"
#include "execution/model_reports.h"

namespace {

using namespace vnk;
using namespace vnk::execution;

TEST(ApplicabilityRange, DefaultsAndTheScreensCheck) {
    EXPECT_EQ(DefaultApplicabilityRange(26).NSB, 13);
    EXPECT_EQ(DefaultApplicabilityRange(26).NSE, 25);
    EXPECT_EQ(DefaultApplicabilityRange(7).NSB, 3);
    EXPECT_TRUE(ApplicabilityRangeAccepted(26, DefaultApplicabilityRange(26)));
    EXPECT_TRUE(ApplicabilityRangeAccepted(26, {3, 4}));     // two refits, NSR = 2
    EXPECT_FALSE(ApplicabilityRangeAccepted(26, {2, 25}));   // NSB below 3
    EXPECT_FALSE(ApplicabilityRangeAccepted(26, {13, 26}));  // no value after NSE
    EXPECT_FALSE(ApplicabilityRangeAccepted(26, {13, 13}));
    // Too little data for any range: the defaults themselves are refused.
    EXPECT_FALSE(ApplicabilityRangeAccepted(5, DefaultApplicabilityRange(5)));
}

TEST(TbfSelectionRules, SelectAllSkipsTheMaximumLikelihoodModelsUnderLeastSquares) {
    TbfSelection s;
    s.selectAllModels = true;
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        EXPECT_TRUE(TbfSlotExecuted(s, method::kMaximumLikelihood, slot));
        EXPECT_EQ(TbfSlotExecuted(s, method::kLeastSquares, slot),
                  !TbfSlotNeedsMaximumLikelihood(slot));
    }
    TbfSelection one;
    one.models[kMusaBasic] = true;
    EXPECT_TRUE(TbfSlotExecuted(one, method::kLeastSquares, kMusaBasic));
    EXPECT_FALSE(TbfSlotExecuted(one, method::kMaximumLikelihood, kGeo));
}

TEST(TbfSelectionRules, GroupsFollowTheHistoryAndTheFirstTickedClass) {
    TbfSelection none;
    auto e = TbfSelectionScreenEnables(ErrorHistory::Software, method::kLeastSquares, false,
                                       ModelClass::Software, none);
    EXPECT_TRUE(e.softwareGroup);
    EXPECT_FALSE(e.hardwareGroup);
    EXPECT_FALSE(e.models[kMusaBasic]);
    EXPECT_TRUE(e.models[kLavQuadratic]);
    EXPECT_FALSE(e.applicability);  // nothing ticked yet

    TbfSelection geo;
    geo.models[kGeo] = true;
    EXPECT_TRUE(TbfSelectionScreenEnables(ErrorHistory::Software, method::kMaximumLikelihood, false,
                                          ModelClass::Software, geo)
                    .applicability);
    EXPECT_FALSE(TbfSelectionScreenEnables(ErrorHistory::Software, method::kLeastSquares, false,
                                           ModelClass::Software, geo)
                     .applicability);

    e = TbfSelectionScreenEnables(ErrorHistory::System, method::kMaximumLikelihood, true,
                                  ModelClass::NotChosen, none);
    EXPECT_TRUE(e.softwareGroup && e.hardwareGroup && e.systemGroup && e.projection);
    e = TbfSelectionScreenEnables(ErrorHistory::System, method::kMaximumLikelihood, true,
                                  ModelClass::Hardware, none);
    EXPECT_FALSE(e.softwareGroup);
    EXPECT_TRUE(e.projection);
    e = TbfSelectionScreenEnables(ErrorHistory::Hardware, method::kMaximumLikelihood, false,
                                  ModelClass::Hardware, none);
    EXPECT_FALSE(e.projection);  // no hardware fields

    TbfSelection all;
    all.selectAllModels = true;
    e = TbfSelectionScreenEnables(ErrorHistory::Software, method::kMaximumLikelihood, false,
                                  ModelClass::Software, all);
    for (bool box : e.models) EXPECT_FALSE(box);
    EXPECT_TRUE(e.applicability);
}

TEST(IntervalSelectionRules, LeastSquaresLeavesGeneralizedPoissonAndNhppOnly) {
    IntervalSelection none;
    auto e = IntervalSelectionScreenEnables(ErrorHistory::Software, method::kLeastSquares, none);
    EXPECT_EQ(e.models, (std::array<bool, 6>{false, false, true, true, false, false}));
    EXPECT_FALSE(e.hardwareGroup);
    IntervalSelection gp;
    gp.models[kChooseGp] = true;
    EXPECT_FALSE(
        IntervalSelectionScreenEnables(ErrorHistory::Software, method::kLeastSquares, gp).accuracy);
    EXPECT_TRUE(
        IntervalSelectionScreenEnables(ErrorHistory::Software, method::kMaximumLikelihood, gp)
            .accuracy);
    e = IntervalSelectionScreenEnables(ErrorHistory::Hardware, method::kMaximumLikelihood, none);
    EXPECT_FALSE(e.softwareGroup);
    EXPECT_TRUE(e.hardwareGroup);
    for (bool box : e.models) EXPECT_FALSE(box);
}

TEST(IntervalSelectionRules, SummaryColumnsNeedTheMethodAndAPositiveS) {
    IntervalSelection all;
    all.selectAll = true;
    const int ml = method::kMaximumLikelihood, ls = method::kLeastSquares;
    EXPECT_TRUE(IntervalColumnActive(all, ml, kBmBinomial, 0, 0));
    EXPECT_FALSE(IntervalColumnActive(all, ls, kBmBinomial, 0, 0));
    EXPECT_TRUE(IntervalColumnActive(all, ls, kGp2, 0, 0));
    EXPECT_FALSE(IntervalColumnActive(all, ls, kGp3, 0, 0));
    EXPECT_FALSE(IntervalColumnActive(all, ml, kSdw2, 0, 4));
    EXPECT_TRUE(IntervalColumnActive(all, ml, kSdw3, 0, 4));
    IntervalSelection nhp;
    nhp.models[kChooseNhp] = true;
    EXPECT_TRUE(IntervalColumnActive(nhp, ls, kNhp, 0, 0));
    EXPECT_FALSE(IntervalColumnActive(nhp, ml, kYam, 0, 0));
}

// The rules the selection screens show, where an earlier engine copy differed.
TEST(SelectionRules, ScreenRulesWhereTheCopiesDiffered) {
    // A system box ticked makes the class hardware; the system group stays live to clear it.
    TbfSelection none;
    EXPECT_TRUE(TbfSelectionScreenEnables(ErrorHistory::System, method::kMaximumLikelihood, true,
                                          ModelClass::Hardware, none)
                    .systemGroup);
    EXPECT_FALSE(TbfSelectionScreenEnables(ErrorHistory::System, method::kMaximumLikelihood, true,
                                           ModelClass::Software, none)
                     .systemGroup);
    // Under Select All only maximum likelihood offers the accuracy analysis, even with the
    // Yamada box still ticked underneath.
    IntervalSelection all;
    all.selectAll = true;
    all.models[kChooseYam] = true;
    EXPECT_FALSE(IntervalSelectionScreenEnables(ErrorHistory::Software, method::kLeastSquares, all)
                     .accuracy);
    EXPECT_TRUE(
        IntervalSelectionScreenEnables(ErrorHistory::Software, method::kMaximumLikelihood, all)
            .accuracy);
    all.accuracy = true;
    EXPECT_FALSE(
        SettleIntervalSelection(ErrorHistory::Software, method::kLeastSquares, all).accuracy);
}

// Every slot has its names, and the codes are the descriptions' codes.
TEST(SlotTables, CodesMatchTheModelDescriptions) {
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        const auto* d = TbfSlotDescription(slot);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->code, TbfSlotLabel(slot));
    }
    for (int slot = 0; slot < kIntervalSlotCount; ++slot) {
        const auto* d = IntervalSlotDescription(slot);
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->code, IntervalSlotLabel(slot));
    }
}

}  // namespace
