// Selection screen rules under both numerical methods, as pure functions and on the screen.
#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "app/screens/execution/interval_selection_dialog.h"
#include "execution/selection_rules.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::execution;
using namespace vnk::interval_screens;

class IntervalSelectionTest : public QObject {
    Q_OBJECT
  private slots:
    void leastSquaresLeavesOnlyGpAndNhp() {
        IntervalSelection s;
        const auto e = IntervalSelectionScreenEnables(ErrorHistory::Software, 2, s);
        const std::array<bool, 6> expected{false, false, true, true, false, false};
        QCOMPARE(e.models, expected);
        QVERIFY(e.selectAll);
        QVERIFY(!e.accuracy);
        QVERIFY(!e.hardwareGroup);
        s.models[kChooseGp] = true;  // a model ticked under least squares: still no accuracy
        QVERIFY(!IntervalSelectionScreenEnables(ErrorHistory::Software, 2, s).accuracy);
        s.selectAll = true;
        QVERIFY(!IntervalSelectionScreenEnables(ErrorHistory::Software, 2, s).accuracy);
    }

    void maximumLikelihoodTickEnablesAccuracyAndLastUntickClearsIt() {
        const auto history = ErrorHistory::Software;
        IntervalSelection s;
        QVERIFY(!IntervalSelectionScreenEnables(history, 1, s).accuracy);
        s.models[kChooseNhp] = true;
        s.accuracy = true;
        QVERIFY(IntervalSelectionScreenEnables(history, 1, s).accuracy);
        QVERIFY(SettleIntervalSelection(history, 1, s).accuracy);
        s.models[kChooseNhp] = false;
        QVERIFY(!SettleIntervalSelection(history, 1, s).accuracy);
        // Yamada enables it whatever the method.
        IntervalSelection y;
        y.models[kChooseYam] = true;
        QVERIFY(IntervalSelectionScreenEnables(history, 2, y).accuracy);
    }

    void selectAllDisablesModelBoxes() {
        IntervalSelection s;
        s.selectAll = true;
        const auto e = IntervalSelectionScreenEnables(ErrorHistory::Software, 1, s);
        QCOMPARE(e.models, (std::array<bool, 6>{}));
        QVERIFY(e.accuracy);
    }

    void hardwareDataDisablesSoftwareGroup() {
        IntervalSelection s;
        const auto e = IntervalSelectionScreenEnables(ErrorHistory::Hardware, 1, s);
        QVERIFY(e.hardwareGroup);
        QVERIFY(!e.selectAll && !e.accuracy);
        QCOMPARE(e.models, (std::array<bool, 6>{}));
    }

    void screenFollowsRulesAndOkStores() {
        IntervalSelection sel;
        sel.models[kChooseBmB] = true;  // a stale tick: the screen opens clear
        sel.NSB = 3;
        HardwareSelection hw;
        IntervalSelectionDialog d(prompter, sel, hw, false, 1);
        QCOMPARE(d.windowTitle(), QString("Interval Fault Count Model Executions"));
        QVERIFY(!d.modelBox(kChooseBmB)->isChecked());
        QVERIFY(!d.accuracyBox()->isEnabled());
        QVERIFY(!d.discreteBox()->isEnabled());
        d.show();
        d.modelBox(kChooseSdw)->setChecked(true);
        QVERIFY(d.accuracyBox()->isEnabled());
        d.accuracyBox()->setChecked(true);
        d.selectAllBox()->setChecked(true);
        QVERIFY(!d.modelBox(kChooseGp)->isEnabled());
        d.selectAllBox()->setChecked(false);
        QVERIFY(d.modelBox(kChooseGp)->isEnabled());
        QVERIFY(d.accuracyBox()->isChecked());  // Schneidewind still ticked
        d.modelBox(kChooseSdw)->setChecked(false);
        QVERIFY(!d.accuracyBox()->isChecked());
        QVERIFY(!d.accuracyBox()->isEnabled());
        d.modelBox(kChooseYam)->setChecked(true);
        d.accuracyBox()->setChecked(true);
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(sel.models[kChooseYam] && !sel.models[kChooseBmB] && sel.accuracy);
        QCOMPARE(sel.NSB, 3);
    }

    void leastSquaresScreenAndHardwareScreen() {
        IntervalSelection sel;
        HardwareSelection hw;
        IntervalSelectionDialog ls(prompter, sel, hw, false, 2);
        QVERIFY(!ls.modelBox(kChooseBmP)->isEnabled());
        QVERIFY(ls.modelBox(kChooseNhp)->isEnabled());

        IntervalSelectionDialog h(prompter, sel, hw, true, 1);
        QVERIFY(!h.selectAllBox()->isEnabled());
        QVERIFY(h.bothHardwareBox()->isEnabled());
        h.show();
        h.bothHardwareBox()->setChecked(true);
        QTest::mouseClick(h.okButton(), Qt::LeftButton);
        QVERIFY(hw.selectAll);  // runs the discrete model and the growth tracking notice
    }

    void clearingSelectAllUnderEitherMethod() {
        IntervalSelection sel;
        HardwareSelection hw;
        // Maximum likelihood: Select All with Accuracy, then cleared with no model ticked.
        IntervalSelectionDialog ml(prompter, sel, hw, false, 1);
        ml.selectAllBox()->click();
        ml.accuracyBox()->click();
        QVERIFY(ml.accuracyBox()->isChecked());
        ml.selectAllBox()->click();
        for (int c = 0; c < kIntervalChoiceCount; ++c) QVERIFY(ml.modelBox(c)->isEnabled());
        QVERIFY(!ml.accuracyBox()->isChecked());
        QVERIFY(!ml.accuracyBox()->isEnabled());

        // Least squares: Select All never offers Accuracy; clearing it gives back only the
        // generalized Poisson and NHPP boxes.
        IntervalSelectionDialog ls(prompter, sel, hw, false, 2);
        ls.selectAllBox()->click();
        QVERIFY(!ls.accuracyBox()->isEnabled());
        ls.selectAllBox()->click();
        for (int c = 0; c < kIntervalChoiceCount; ++c)
            QCOMPARE(ls.modelBox(c)->isEnabled(), c == kChooseGp || c == kChooseNhp);
        ls.modelBox(kChooseNhp)->click();
        QVERIFY(!ls.accuracyBox()->isEnabled());
    }

    void cancelLeavesTheSelectionAsItWas() {
        IntervalSelection sel;
        sel.models[kChooseYam] = true;
        sel.accuracy = true;
        HardwareSelection hw;
        hw.discrete = true;
        IntervalSelectionDialog d(prompter, sel, hw, false, 1);
        d.modelBox(kChooseNhp)->click();
        d.reject();
        QVERIFY(sel.models[kChooseYam] && !sel.models[kChooseNhp] && sel.accuracy);
        QVERIFY(hw.discrete);
    }

  private:
    vnk::app::test::ScriptedPrompter prompter;
};

QTEST_MAIN(IntervalSelectionTest)
#include "interval_selection_test.moc"
