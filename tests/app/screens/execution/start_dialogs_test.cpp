// Initial-estimates screens driven off-screen: what OK stores, when it closes.
#include "app/screens/execution/start_dialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::interval_screens;

class StartDialogsTest : public QObject {
    Q_OBJECT
    vnk::app::test::ScriptedPrompter p;  // answers the Help buttons

  private slots:
    void brooksMotleyShowsTextsAndTotalLessOne() {
        execution::BrooksMotleyStartRequest r{1, 0.5, 0.25, 40.0};
        BrooksMotleyStartDialog d(p, r);
        QCOMPARE(d.windowTitle(), QString("Brooks and Motley Discrete SR Model"));
        QCOMPARE(d.findChild<QLabel*>("heading")->text(),
                 QString("The computed intiial estimates for the execution are:"));
        QCOMPARE(d.field(2)->text(), QString("39"));
        d.show();
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(r.TNOF, 39.0);  // OK on the unchanged screen stores the shown total
        QCOMPARE(r.PEC, 0.5);
    }

    void brooksMotleyRefusesTotalSilentlyButStoresProbabilities() {
        execution::BrooksMotleyStartRequest r{2, 0.5, 0.25, 40.0};
        BrooksMotleyStartDialog d(p, r);
        d.show();
        d.field(0)->setText("0.7");
        d.field(1)->setText("0.3");
        for (const char* total : {"38.5", "10000001"}) {
            d.field(2)->setText(total);
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
            QVERIFY(d.isVisible());
        }
        QCOMPARE(r.PEC, 0.7);
        QCOMPARE(r.PED, 0.3);
        QCOMPARE(r.TNOF, 40.0);
        d.field(2)->setText("1e7");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(r.TNOF, 1e7);
    }

    void outOfRangeOrNonNumberRefusesWholeOk() {
        execution::BrooksMotleyStartRequest r{1, 0.5, 0.25, 10.0};
        BrooksMotleyStartDialog d(p, r);
        d.show();
        d.field(1)->setText("0.3");
        for (const char* pec : {"1", "0.00000001", "abc", "nan"}) {  // 1 > 0.99999, 1e-8 < 1e-7
            d.field(0)->setText(pec);
            QTest::mouseClick(d.okButton(), Qt::LeftButton);
            QVERIFY(d.isVisible());
            QCOMPARE(r.PED, 0.25);  // nothing stored, not even the valid field
        }
        d.field(0)->setText("0.99999");
        d.field(2)->setText("abc");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(r.PEC, 0.5);
        d.field(2)->setText("9");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(r.PEC, 0.99999);
        QCOMPARE(r.TNOF, 9.0);
    }

    void closingWithoutOkLeavesRequest() {
        execution::BrooksMotleyStartRequest r{1, 0.5, 0.25, 10.0};
        BrooksMotleyStartDialog d(p, r);
        d.show();
        d.field(0)->setText("0.9");
        d.reject();
        QCOMPARE(r.PEC, 0.5);
        QCOMPARE(r.TNOF, 10.0);
    }

    void generalizedPoissonTitlesAndClosingRule() {
        execution::GeneralizedPoissonStartRequest r{3, 0.0, 12.0};
        GeneralizedPoissonStartDialog d(p, r, 5.0);
        QCOMPARE(d.windowTitle(), QString("Generalized Poisson Model - Weighting Function 3"));
        QCOMPARE(d.findChild<QLabel*>("heading")->text(),
                 QString("The computed intial estimates for the execution are:"));
        execution::GeneralizedPoissonStartRequest r2{2, 0.0, 12.0};
        QCOMPARE(GeneralizedPoissonStartDialog(p, r2, 5.0).windowTitle(),
                 QString("Generalized Poisson Model - Weighting Function 2"));

        d.show();
        d.field(0)->setText("1.5");
        d.field(1)->setText("4.9");  // below the last count: stored, screen stays
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(r.ALPHA, 1.5);
        QCOMPARE(r.AN, 4.9);
        d.field(0)->setText("-1");  // out of range: OK refused
        d.field(1)->setText("5");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(d.isVisible());
        QCOMPARE(r.AN, 4.9);
        d.field(0)->setText("1e7");
        QTest::mouseClick(d.okButton(), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(r.ALPHA, 1e7);
        QCOMPARE(r.AN, 5.0);
    }
};

QTEST_MAIN(StartDialogsTest)
#include "start_dialogs_test.moc"
