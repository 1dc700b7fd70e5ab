// Enable rules of the model selection, measure and range screens, without widgets.
#include "app/screens/execution/tbf_selection_rules.h"

#include <QtTest>

using namespace vnk::screens;

class TbfSelectionRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void leastSquaresDisablesTheMaximumLikelihoodOnlyModels() {
        const auto e = Enables(OpenTbfSelection(ErrorHistory::Software, 2));
        QVERIFY(e.models[tbf_slot::kGeo] && e.models[tbf_slot::kJam]);
        QVERIFY(e.models[tbf_slot::kLavLinear] && e.models[tbf_slot::kLavQuadratic]);
        QVERIFY(!e.models[tbf_slot::kMusBasic] && !e.models[tbf_slot::kMusLog] &&
                !e.models[tbf_slot::kNpt]);
        QVERIFY(Enables(OpenTbfSelection(ErrorHistory::Software, 1)).models[tbf_slot::kNpt]);
        // Least squares never offers the applicability analyses.
        auto s = ToggleModel(OpenTbfSelection(ErrorHistory::Software, 2), tbf_slot::kGeo, true);
        QVERIFY(!Enables(s).applicability);
        QVERIFY(!ToggleApplicability(s, true).applicability);
        // Under least squares Select All does not run them either.
        std::array<bool, kTbfModelCount> none{};
        QVERIFY(!ModelExecuted(none, true, 2, tbf_slot::kNpt));
        QVERIFY(ModelExecuted(none, true, 2, tbf_slot::kLavQuadratic));
        QVERIFY(ModelExecuted(none, true, 1, tbf_slot::kNpt));
    }

    void clearingTheLastBoxWithdrawsTheApplicabilityChoice() {
        auto s = OpenTbfSelection(ErrorHistory::Software, 1);
        QVERIFY(!Enables(s).applicability);
        s = ToggleModel(s, tbf_slot::kGeo, true);
        s = ToggleModel(s, tbf_slot::kJam, true);
        QVERIFY(Enables(s).applicability);
        s = ToggleApplicability(s, true);
        s = ToggleModel(s, tbf_slot::kGeo, false);
        QVERIFY(s.applicability);  // one box is still ticked
        s = ToggleModel(s, tbf_slot::kJam, false);
        QVERIFY(!s.applicability);
        QVERIFY(!Enables(s).applicability);
        QVERIFY(!AnySoftwareModelChosen(s));
    }

    void selectAllDisablesTheModelBoxes() {
        auto s = ToggleSelectAll(OpenTbfSelection(ErrorHistory::Software, 1), true);
        auto e = Enables(s);
        for (bool m : e.models) QVERIFY(!m);
        QVERIFY(e.applicability);
        s = ToggleApplicability(s, true);
        s = ToggleSelectAll(s, false);
        e = Enables(s);
        for (bool m : e.models) QVERIFY(m);
        QVERIFY(!s.applicability);  // no individual box was ticked
    }

    void systemHistoryChoosesTheClassByTheFirstBox() {
        auto s = OpenTbfSelection(ErrorHistory::System, 1);
        QCOMPARE(s.modelClass, ModelClass::NotChosen);
        auto e = Enables(s);
        QVERIFY(e.softwareGroup && e.hardwareGroup && e.systemGroup);
        QCOMPARE(StatisticsTitle(s.modelClass), std::string("Preliminary System Data Statistics"));
        s = ToggleModel(s, tbf_slot::kNpt, true);
        QCOMPARE(s.modelClass, ModelClass::Software);
        e = Enables(s);
        QVERIFY(e.softwareGroup && !e.hardwareGroup && !e.systemGroup);
        QCOMPARE(StatisticsTitle(s.modelClass),
                 std::string("Preliminary Software Data Statistics"));
        s = ToggleModel(s, tbf_slot::kNpt, false);
        QCOMPARE(s.modelClass, ModelClass::NotChosen);
        QVERIFY(Enables(s).hardwareGroup && Enables(s).systemGroup);

        const auto hardware = Enables(OpenTbfSelection(ErrorHistory::Hardware, 1));
        QVERIFY(!hardware.softwareGroup && hardware.hardwareGroup && !hardware.systemGroup);
        for (bool m : hardware.models) QVERIFY(!m);
        const auto software = Enables(OpenTbfSelection(ErrorHistory::Software, 1));
        QVERIFY(software.softwareGroup && !software.hardwareGroup && !software.systemGroup);
    }

    void projectionNeedsTheHardwareFields() {
        auto s = OpenTbfSelection(ErrorHistory::Hardware, 1);
        QVERIFY(!Enables(s).hardware[hardware_box::kProjection]);
        QVERIFY(Enables(s).hardware[hardware_box::kMarkov]);
        QVERIFY(Enables(s).selectAllHardware);
        s.hardwareFields = true;
        QVERIFY(Enables(s).hardware[hardware_box::kProjection]);
        // Select All covers the group: its boxes are disabled while it is on.
        s = ToggleSelectAllHardware(s, true);
        for (bool box : Enables(s).hardware) QVERIFY(!box);
        QVERIFY(HardwareChoice(s).selectAll);
        QVERIFY(!HardwareChoice(s).otherModels);
        // Hardware data never leave the hardware class.
        s = ToggleSelectAllHardware(s, false);
        QCOMPARE(s.modelClass, ModelClass::Hardware);
        QVERIFY(!AnyHardwareOrSystemModelChosen(s));
    }

    void hardwareAndSystemBoxesChooseTheHardwareClassOnSystemData() {
        auto s = OpenTbfSelection(ErrorHistory::System, 1);
        s.hardwareFields = true;
        s = ToggleHardwareModel(s, hardware_box::kWeibull, true);
        QCOMPARE(s.modelClass, ModelClass::Hardware);
        auto e = Enables(s);
        QVERIFY(!e.softwareGroup && !e.selectAll && !e.applicability);
        for (bool m : e.models) QVERIFY(!m);
        QVERIFY(e.hardwareGroup && e.systemGroup);  // both stay live to be changed again
        QVERIFY(e.system[0] && e.hardware[hardware_box::kProjection]);
        s = ToggleSystemModel(s, 1, true);
        s = ToggleHardwareModel(s, hardware_box::kWeibull, false);
        QCOMPARE(s.modelClass, ModelClass::Hardware);  // the system box still holds it
        vnk::execution::HardwareSelection h = HardwareChoice(s);
        QVERIFY(!h.projection && !h.selectAll && h.otherModels);
        s = ToggleSystemModel(s, 1, false);
        QCOMPARE(s.modelClass, ModelClass::NotChosen);
        e = Enables(s);
        QVERIFY(e.softwareGroup && e.hardwareGroup && e.systemGroup);

        s = ToggleSelectAllSystem(s, true);
        QCOMPARE(s.modelClass, ModelClass::Hardware);
        QVERIFY(!Enables(s).system[0] && !Enables(s).system[1] && Enables(s).selectAllSystem);
        QVERIFY(HardwareChoice(s).otherModels);
        s = ToggleSelectAllSystem(s, false);
        s = ToggleHardwareModel(s, hardware_box::kProjection, true);
        h = HardwareChoice(s);
        QVERIFY(h.projection && !h.otherModels);

        // A software box closes both other groups.
        s = ToggleHardwareModel(s, hardware_box::kProjection, false);
        s = ToggleModel(s, tbf_slot::kGeo, true);
        e = Enables(s);
        QVERIFY(!e.hardwareGroup && !e.systemGroup && !e.selectAllSystem);
        for (bool box : e.hardware) QVERIFY(!box);
    }

    void rangeDefaultsAndValidation() {
        const auto r = DefaultRange(26);  // NTDS
        QCOMPARE(r.NSB, 13);
        QCOMPARE(r.NSE, 25);
        QCOMPARE(r.NSR, 13);
        QVERIFY(AcceptRange(3, 25, 26).has_value());
        QCOMPARE(AcceptRange(3, 25, 26)->NSR, 23);
        QVERIFY(!AcceptRange(2, 25, 26));   // starts too early
        QVERIFY(!AcceptRange(3, 26, 26));   // would read past the data
        QVERIFY(!AcceptRange(10, 10, 26));  // empty range
        QVERIFY(!AcceptRange(12, 10, 26));

        MeasureSelection m;
        QVERIFY(!m.anySelected());
        m.measures[2] = true;
        QVERIFY(m.anySelected() && m.measureSelected(2) && !m.measureSelected(0));
        m = {};
        m.selectAll = true;
        QVERIFY(m.measureSelected(0) && m.measureSelected(3));
    }
};

QTEST_MAIN(TbfSelectionRulesTest)
#include "tbf_selection_rules_test.moc"
