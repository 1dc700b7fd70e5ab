// The TBF selection screen's state, measure and range rules, without widgets.
#include <gtest/gtest.h>

#include "execution/applicability_range.h"
#include "execution/selection_rules.h"

using namespace vnk;
using namespace vnk::execution;

TEST(TbfSelectionState, LeastSquaresDisablesTheMaximumLikelihoodOnlyModels) {
    const auto e = Enables(OpenTbfSelection(ErrorHistory::Software, 2));
    EXPECT_TRUE(e.models[kGeo] && e.models[kJam]);
    EXPECT_TRUE(e.models[kLavLinear] && e.models[kLavQuadratic]);
    EXPECT_TRUE(!e.models[kMusaBasic] && !e.models[kMusaLog] && !e.models[kNpt]);
    EXPECT_TRUE(Enables(OpenTbfSelection(ErrorHistory::Software, 1)).models[kNpt]);
    // Least squares never offers the applicability analyses.
    auto s = ToggleModel(OpenTbfSelection(ErrorHistory::Software, 2), kGeo, true);
    EXPECT_TRUE(!Enables(s).applicability);
    EXPECT_TRUE(!ToggleApplicability(s, true).applicability);
    // Under least squares Select All does not run them either.
    TbfSelection all;
    all.selectAllModels = true;
    EXPECT_TRUE(!TbfSlotExecuted(all, 2, kNpt));
    EXPECT_TRUE(TbfSlotExecuted(all, 2, kLavQuadratic));
    EXPECT_TRUE(TbfSlotExecuted(all, 1, kNpt));
}

TEST(TbfSelectionState, ClearingTheLastBoxWithdrawsTheApplicabilityChoice) {
    auto s = OpenTbfSelection(ErrorHistory::Software, 1);
    EXPECT_TRUE(!Enables(s).applicability);
    s = ToggleModel(s, kGeo, true);
    s = ToggleModel(s, kJam, true);
    EXPECT_TRUE(Enables(s).applicability);
    s = ToggleApplicability(s, true);
    s = ToggleModel(s, kGeo, false);
    EXPECT_TRUE(s.applicability);  // one box is still ticked
    s = ToggleModel(s, kJam, false);
    EXPECT_TRUE(!s.applicability);
    EXPECT_TRUE(!Enables(s).applicability);
    EXPECT_TRUE(!AnySoftwareModelChosen(s));
}

TEST(TbfSelectionState, SelectAllDisablesTheModelBoxes) {
    auto s = ToggleSelectAll(OpenTbfSelection(ErrorHistory::Software, 1), true);
    auto e = Enables(s);
    for (bool m : e.models) EXPECT_TRUE(!m);
    EXPECT_TRUE(e.applicability);
    s = ToggleApplicability(s, true);
    s = ToggleSelectAll(s, false);
    e = Enables(s);
    for (bool m : e.models) EXPECT_TRUE(m);
    EXPECT_TRUE(!s.applicability);  // no individual box was ticked
}

TEST(TbfSelectionState, SystemHistoryChoosesTheClassByTheFirstBox) {
    auto s = OpenTbfSelection(ErrorHistory::System, 1);
    EXPECT_EQ(s.modelClass, ModelClass::NotChosen);
    auto e = Enables(s);
    EXPECT_TRUE(e.softwareGroup && e.hardwareGroup && e.systemGroup);
    EXPECT_EQ(StatisticsTitle(s.modelClass), std::string("Preliminary System Data Statistics"));
    s = ToggleModel(s, kNpt, true);
    EXPECT_EQ(s.modelClass, ModelClass::Software);
    e = Enables(s);
    EXPECT_TRUE(e.softwareGroup && !e.hardwareGroup && !e.systemGroup);
    EXPECT_EQ(StatisticsTitle(s.modelClass), std::string("Preliminary Software Data Statistics"));
    s = ToggleModel(s, kNpt, false);
    EXPECT_EQ(s.modelClass, ModelClass::NotChosen);
    EXPECT_TRUE(Enables(s).hardwareGroup && Enables(s).systemGroup);

    const auto hardware = Enables(OpenTbfSelection(ErrorHistory::Hardware, 1));
    EXPECT_TRUE(!hardware.softwareGroup && hardware.hardwareGroup && !hardware.systemGroup);
    for (bool m : hardware.models) EXPECT_TRUE(!m);
    const auto software = Enables(OpenTbfSelection(ErrorHistory::Software, 1));
    EXPECT_TRUE(software.softwareGroup && !software.hardwareGroup && !software.systemGroup);
}

TEST(TbfSelectionState, ProjectionNeedsTheHardwareFields) {
    auto s = OpenTbfSelection(ErrorHistory::Hardware, 1);
    EXPECT_TRUE(!Enables(s).hardware[hardware_box::kProjection]);
    EXPECT_TRUE(Enables(s).hardware[hardware_box::kMarkov]);
    EXPECT_TRUE(Enables(s).selectAllHardware);
    s.hardwareFields = true;
    EXPECT_TRUE(Enables(s).hardware[hardware_box::kProjection]);
    // Select All covers the group: its boxes are disabled while it is on.
    s = ToggleSelectAllHardware(s, true);
    for (bool box : Enables(s).hardware) EXPECT_TRUE(!box);
    EXPECT_TRUE(HardwareChoice(s).selectAll);
    EXPECT_TRUE(!HardwareChoice(s).otherModels);
    // Hardware data never leave the hardware class.
    s = ToggleSelectAllHardware(s, false);
    EXPECT_EQ(s.modelClass, ModelClass::Hardware);
    EXPECT_TRUE(!AnyHardwareOrSystemModelChosen(s));
}

TEST(TbfSelectionState, HardwareAndSystemBoxesChooseTheHardwareClassOnSystemData) {
    auto s = OpenTbfSelection(ErrorHistory::System, 1);
    s.hardwareFields = true;
    s = ToggleHardwareModel(s, hardware_box::kWeibull, true);
    EXPECT_EQ(s.modelClass, ModelClass::Hardware);
    auto e = Enables(s);
    EXPECT_TRUE(!e.softwareGroup && !e.selectAll && !e.applicability);
    for (bool m : e.models) EXPECT_TRUE(!m);
    EXPECT_TRUE(e.hardwareGroup && e.systemGroup);  // both stay live to be changed again
    EXPECT_TRUE(e.system[0] && e.hardware[hardware_box::kProjection]);
    s = ToggleSystemModel(s, 1, true);
    s = ToggleHardwareModel(s, hardware_box::kWeibull, false);
    EXPECT_EQ(s.modelClass, ModelClass::Hardware);  // the system box still holds it
    HardwareSelection h = HardwareChoice(s);
    EXPECT_TRUE(!h.projection && !h.selectAll && h.otherModels);
    s = ToggleSystemModel(s, 1, false);
    EXPECT_EQ(s.modelClass, ModelClass::NotChosen);
    e = Enables(s);
    EXPECT_TRUE(e.softwareGroup && e.hardwareGroup && e.systemGroup);

    s = ToggleSelectAllSystem(s, true);
    EXPECT_EQ(s.modelClass, ModelClass::Hardware);
    EXPECT_TRUE(!Enables(s).system[0] && !Enables(s).system[1] && Enables(s).selectAllSystem);
    EXPECT_TRUE(HardwareChoice(s).otherModels);
    s = ToggleSelectAllSystem(s, false);
    s = ToggleHardwareModel(s, hardware_box::kProjection, true);
    h = HardwareChoice(s);
    EXPECT_TRUE(h.projection && !h.otherModels);

    // A software box closes both other groups.
    s = ToggleHardwareModel(s, hardware_box::kProjection, false);
    s = ToggleModel(s, kGeo, true);
    e = Enables(s);
    EXPECT_TRUE(!e.hardwareGroup && !e.systemGroup && !e.selectAllSystem);
    for (bool box : e.hardware) EXPECT_TRUE(!box);
}

TEST(TbfSelectionState, RangeDefaultsAndValidation) {
    const auto r = DefaultApplicabilityRange(26);  // NTDS
    EXPECT_EQ(r.NSB, 13);
    EXPECT_EQ(r.NSE, 25);
    EXPECT_EQ(r.NSR(), 13);
    EXPECT_TRUE(ApplicabilityRangeAccepted(26, {3, 25}));
    EXPECT_EQ((ApplicabilityRange{3, 25}).NSR(), 23);
    EXPECT_TRUE(!ApplicabilityRangeAccepted(26, {2, 25}));   // starts too early
    EXPECT_TRUE(!ApplicabilityRangeAccepted(26, {3, 26}));   // would read past the data
    EXPECT_TRUE(!ApplicabilityRangeAccepted(26, {10, 10}));  // empty range
    EXPECT_TRUE(!ApplicabilityRangeAccepted(26, {12, 10}));

    MeasureSelection m;
    EXPECT_TRUE(!m.anySelected());
    m.measures[2] = true;
    EXPECT_TRUE(m.anySelected() && m.measureSelected(2) && !m.measureSelected(0));
    m = {};
    m.selectAll = true;
    EXPECT_TRUE(m.measureSelected(0) && m.measureSelected(3));
}
