// Optimum S screens driven off-screen: S values entered and left at zero, Investigate.
#include "app/screens/execution/optimum_s_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::interval_screens;

namespace {
bool HasText(const QWidget& w, const QString& text) {
    for (const QLabel* l : w.findChildren<QLabel*>())
        if (l->text() == text) return true;
    return false;
}
plot::OptimumSData ThreeS() {
    // S = 2 gave no fit.
    return {{1, -10, 3},   {0.5, -10, 0.25}, {2, -10, 1},
            {3, -10, 1.5}, {0.1, -10, 0.2},  {0.01, -10, 0.02}};
}
}  // namespace

class OptimumSDialogTest : public QObject {
    Q_OBJECT
    vnk::app::test::ScriptedPrompter p;  // answers the Help buttons

  private slots:
    void notFoundLeftAtZeroCancelsTreatments() {
        execution::SchneidewindSRequest r;
        r.S2 = 7;  // stale value from an earlier run must not leak through
        OptimumSDialog d(p, r, ThreeS());
        QCOMPARE(d.windowTitle(), QString("Schneidewind Model Optimum S Investigation"));
        QVERIFY(HasText(d, "An Optimum S was not found."));
        QVERIFY(HasText(d,
                        "Leaving values at zero will cancel the execution of treatment types 2 and "
                        "3, respectively. "));
        QVERIFY(d.findChild<QLineEdit*>("best0") == nullptr);
        d.show();
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(r.S2, 0);
        QCOMPARE(r.S3, 0);
    }

    void foundShowsOptimaAndStoresEnteredS() {
        execution::SchneidewindSRequest r;
        r.found = true;
        r.optimum = {3, 2, 4};
        OptimumSDialog d(p, r, ThreeS());
        QVERIFY(HasText(d,
                        "Executions of either (or both) Treatment types can be cancelled by "
                        "leaving the zero value."));
        QCOMPARE(d.findChild<QLineEdit*>("best0")->text(), QString("3"));
        QCOMPARE(d.findChild<QLineEdit*>("best1")->text(), QString("2"));
        QCOMPARE(d.findChild<QLineEdit*>("best2")->text(), QString("4"));
        QVERIFY(d.findChild<QLineEdit*>("best2")->isReadOnly());
        d.show();
        d.type2Field()->setText("3");
        d.type3Field()->setText("x");  // not an integer: stays 0
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QCOMPARE(r.S2, 3);
        QCOMPARE(r.S3, 0);
    }

    void closingWithoutOkRunsOnlyTreatmentOne() {
        execution::SchneidewindSRequest r;
        r.found = true;
        OptimumSDialog d(p, r, ThreeS());
        d.show();
        d.type2Field()->setText("2");
        d.reject();
        QCOMPARE(r.S2, 0);
    }

    void investigateOpensTableOfFittedS() {
        execution::SchneidewindSRequest r;
        OptimumSDialog d(p, r, ThreeS());
        d.show();
        plot::OptimumSInvestigationScreen* opened = nullptr;
        connect(&d, &OptimumSDialog::investigationOpened, this,
                [&](plot::OptimumSInvestigationScreen* s) { opened = s; });
        QTest::mouseClick(d.investigateButton(), Qt::LeftButton);
        QVERIFY(opened != nullptr);
        QCOMPARE(opened->windowTitle(), QString("Optimum S Investigation"));
        QCOMPARE(opened->table()->rowCount(), 2);
        QVERIFY(d.isVisible());  // the S screen still waits for its answer
    }
};

QTEST_MAIN(OptimumSDialogTest)
#include "optimum_s_dialog_test.moc"
