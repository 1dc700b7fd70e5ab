// The host answering the executions' questions through a scripted prompter, and the hardware
// interval branch with its messages.
#include "app/commands/screens_host.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <vector>

#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "support/hardware_set.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::interval_screens;

namespace {
// The program's scripted prompter: `answer` edits each screen, then its OK is pressed.
struct OkPresser {
    vnk::app::test::ScriptedPrompter prompter;
    std::function<void(QDialog&)> answer;
    OkPresser() {
        prompter.everyScreen = [this](QDialog& screen) {
            if (answer) answer(screen);
            screen.show();
            for (QPushButton* b : screen.findChildren<QPushButton*>())
                if (b->text() == "OK") QTest::mouseClick(b, Qt::LeftButton);
        };
    }
};

using vnk::app::test::HardwareSet;
}  // namespace

class ScreensHostTest : public QObject {
    Q_OBJECT
  private slots:
    void hostOpensEachScreenAndReturnsAnswers() {
        OkPresser p;
        IntervalScreensHost host(p.prompter);
        host.setLastCount(6.0);

        execution::BrooksMotleyStartRequest bm{1, 0.5, 0.2, 30.0};
        host.brooksMotleyStart(bm);
        QCOMPARE(bm.TNOF, 29.0);

        p.answer = [](QDialog& d) { d.findChild<QLineEdit*>("field1")->setText("5"); };
        execution::GeneralizedPoissonStartRequest gp{2, 0.0, 9.0};
        host.generalizedPoissonStart(gp);  // 5 < C(NS) = 6: refused, the screen stays open
        QCOMPARE(gp.AN, 5.0);

        p.answer = [](QDialog& d) { static_cast<OptimumSDialog&>(d).type2Field()->setText("4"); };
        execution::SchneidewindSRequest s;
        s.found = true;
        s.optimum = {4, 0, 0};
        host.schneidewindS(s);
        QCOMPARE(s.S2, 4);
        QCOMPARE(s.S3, 0);

        p.answer = nullptr;
        execution::ProjectionInputsRequest pr{50.0, 2.0};
        host.projectionInputs(pr);
        QCOMPARE(pr.totalTestTime, 50.0);
        QCOMPARE(p.prompter.screens,
                 (QStringList{"Brooks and Motley Discrete SR Model",
                              "Generalized Poisson Model - Weighting Function 2",
                              "Schneidewind Model Optimum S Investigation",
                              "AMSAA / CROW Additional Input Values"}));
    }

    void hardwareDiscreteResultThenGrowthTrackingMessage() {
        OkPresser p;
        std::vector<double> trials{10, 10, 10, 10}, failures{5, 3, 2, 1};
        execution::HardwareSelection both;
        both.selectAll = true;
        ProgramOptions options;
        RunHardwareIntervalModels(HardwareSet(trials, failures), both, options, p.prompter);
        QCOMPARE(p.prompter.screens, QStringList{"AMSAA Discrete Reliability Growth Model"});
        QCOMPARE(p.prompter.messageLines(),
                 QStringList{
                     "Growth tracking Model - Continuous: This Model has not been implemented."});
    }

    void hardwareDiscreteErrorWhenEveryTrialFailed() {
        OkPresser p;
        std::vector<double> trials{2, 3}, failures{2, 3};
        execution::HardwareSelection discrete;
        discrete.discrete = true;
        ProgramOptions options;
        RunHardwareIntervalModels(HardwareSet(trials, failures), discrete, options, p.prompter);
        QVERIFY(p.prompter.screens.isEmpty());
        QCOMPARE(
            p.prompter.messageLines(),
            QStringList{
                "AMSAA Discrete Reliability Growth Model: This model returned an error status."});
    }
};

QTEST_MAIN(ScreensHostTest)
#include "screens_host_test.moc"
