// The selection, measure, range and starting-value screens as a person uses them.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/screens/execution/lav_starting_values_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;

class ExecutionOptionScreensTest : public QObject {
    Q_OBJECT
  private slots:
    void selectionBoxesFollowTheRules() {
        QString statisticsCaption;
        vnk::app::test::ScriptedPrompter prompter;
        TbfSelectionScreen screen(prompter, ErrorHistory::System, 1,
                                  [&](const QString& c) { statisticsCaption = c; });
        QVERIFY(!screen.applicabilityBox()->isEnabled());
        QVERIFY(screen.hardwareGroup()->isEnabled());
        screen.statisticsButton()->click();
        QCOMPARE(statisticsCaption, QStringLiteral("Preliminary System Data Statistics"));

        screen.modelBox(execution::kLavQuadratic)->click();
        QVERIFY(screen.applicabilityBox()->isEnabled());
        QVERIFY(!screen.hardwareGroup()->isEnabled());
        QVERIFY(!screen.systemGroup()->isEnabled());
        screen.applicabilityBox()->click();
        QVERIFY(screen.selection().applicability);
        screen.statisticsButton()->click();
        QCOMPARE(statisticsCaption, QStringLiteral("Preliminary Software Data Statistics"));

        screen.selectAllBox()->click();
        QVERIFY(!screen.modelBox(execution::kGeo)->isEnabled());
        screen.selectAllBox()->click();
        screen.modelBox(execution::kLavQuadratic)->click();  // clears the last box
        QVERIFY(!screen.applicabilityBox()->isChecked());
        QVERIFY(!screen.applicabilityBox()->isEnabled());
        QVERIFY(screen.hardwareGroup()->isEnabled());
        QVERIFY(!AnySoftwareModelChosen(screen.selection()));
    }

    void leastSquaresSelectionScreen() {
        vnk::app::test::ScriptedPrompter prompter;
        TbfSelectionScreen screen(prompter, ErrorHistory::Software, 2);
        QVERIFY(!screen.modelBox(execution::kMusaBasic)->isEnabled());
        QVERIFY(!screen.modelBox(execution::kNpt)->isEnabled());
        QVERIFY(screen.modelBox(execution::kGeo)->isEnabled());
        screen.modelBox(execution::kGeo)->click();
        QVERIFY(!screen.applicabilityBox()->isEnabled());
        QVERIFY(!screen.hardwareGroup()->isEnabled());
    }

    void measureSelectAllDisablesTheMeasures() {
        vnk::app::test::ScriptedPrompter prompter;
        MeasureScreen screen(prompter);
        QVERIFY(!screen.selection().anySelected());
        screen.measureBox(1)->click();  // Bias
        QVERIFY(screen.selection().measureSelected(1));
        QVERIFY(!screen.selection().measureSelected(2));
        screen.selectAllBox()->click();
        for (int m = 0; m < 4; ++m) QVERIFY(!screen.measureBox(m)->isEnabled());
        QVERIFY(screen.selection().measureSelected(3));
        screen.selectAllBox()->click();
        for (int m = 0; m < 4; ++m) QVERIFY(screen.measureBox(m)->isEnabled());
    }

    void rangeScreenKeepsOpenUntilTheRangeIsValid() {
        vnk::app::test::ScriptedPrompter sink;
        RangeScreen screen(26, sink);
        QCOMPARE(screen.startBox()->text(), QStringLiteral("13"));
        QCOMPARE(screen.endBox()->text(), QStringLiteral("25"));
        screen.show();
        for (const auto& [start, end] :
             {std::pair{"2", "25"}, {"3", "26"}, {"9", "9"}, {"x", "20"}}) {
            screen.startBox()->setText(start);
            screen.endBox()->setText(end);
            screen.accept();
            QVERIFY(screen.isVisible());
        }
        QCOMPARE(sink.messageTexts().size(), 4);
        QCOMPARE(sink.messageTexts().first(),
                 QStringLiteral("Starting index must be greater than one and "
                                "the Ending index must be less than NS-1"));
        QCOMPARE(sink.messageCaptions().first(), QStringLiteral("Error"));
        screen.startBox()->setText("3");
        screen.endBox()->setText("25");
        screen.accept();
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QCOMPARE(screen.range().NSB, 3);
        QCOMPARE(screen.range().NSE, 25);
        QCOMPARE(screen.range().NSR(), 23);
    }

    void startingValuesComeBackUnchanged() {
        // Values with awkward binary forms and four decimals.
        const std::array<double, 2> beta = {0.1 + 0.2, 1234.5678};
        vnk::app::test::ScriptedPrompter prompter;
        LavStartingValuesScreen screen(prompter, 2, beta);
        QCOMPARE(screen.windowTitle(), QStringLiteral("Littlewood and Verrall Quadratic Model"));
        screen.okButton()->click();
        QCOMPARE(screen.result(), int(QDialog::Accepted));
        QCOMPARE(screen.BETA()[0], beta[0]);
        QCOMPARE(screen.BETA()[1], beta[1]);

        LavStartingValuesScreen edited(prompter, 1, beta);
        QCOMPARE(edited.windowTitle(), QStringLiteral("Littlewood and Verrall Linear Model"));
        edited.show();
        edited.beta1Box()->setText("abc");
        edited.okButton()->click();
        QVERIFY(edited.isVisible());  // not a number: the screen stays open
        edited.beta1Box()->setText("2.5");
        edited.okButton()->click();
        QCOMPARE(edited.BETA()[1], 2.5);
        QCOMPARE(edited.BETA()[0], beta[0]);
    }
};

QTEST_MAIN(ExecutionOptionScreensTest)
#include "execution_option_screens_test.moc"
