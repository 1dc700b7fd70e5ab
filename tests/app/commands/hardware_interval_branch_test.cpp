// The hardware interval branch on a hardware interval data set: the discrete model's result
// screen with its five values, its error message, and the growth tracking notice.
#include <QDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/commands/screens_host.h"
#include "app/screens/execution/hardware_screens.h"
#include "data/failure_data_set.h"
#include "execution/hardware_execution.h"
#include "support/hardware_set.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::interval_screens;

namespace {

// The program's scripted prompter, with what the result screen showed: its labels, its
// values and whether every value was read-only. OK closes the screen.
struct ResultScreenReader {
    vnk::app::test::ScriptedPrompter prompter;
    QStringList labels;
    std::vector<double> values;
    bool readOnly = true;
    ResultScreenReader() {
        prompter.everyScreen = [this](QDialog& screen) {
            const auto* form = screen.findChild<QFormLayout*>();
            for (int r = 0; r < form->rowCount(); ++r) {
                labels << static_cast<QLabel*>(form->itemAt(r, QFormLayout::LabelRole)->widget())
                              ->text();
                auto* box =
                    static_cast<QLineEdit*>(form->itemAt(r, QFormLayout::FieldRole)->widget());
                readOnly = readOnly && box->isReadOnly();
                values.push_back(box->text().toDouble());
            }
            screen.show();
            QTest::mouseClick(screen.findChild<QPushButton*>(), Qt::LeftButton);
        };
    }
};

using vnk::app::test::HardwareSet;

void RunBranch(const FailureDataSet& set, const execution::HardwareSelection& selection,
               vnk::app::Prompter& prompter) {
    ProgramOptions options;
    RunHardwareIntervalModels(set, selection, options, prompter);
}

}  // namespace

class HardwareIntervalBranchTest : public QObject {
    Q_OBJECT
  private slots:
    void discreteModelShowsItsFiveValues() {
        // 14, 19, 15 and 20 trials with 5, 3, 4 and 4 failures. Reference maximum of the
        // binomial likelihood found independently by a nested ternary search (see
        // tests/data/README.md): alpha 0.780111, lambda 0.595358, reliability 0.809560.
        const FailureDataSet set = HardwareSet({14, 19, 15, 20}, {5, 3, 4, 4});
        ResultScreenReader shown;
        execution::HardwareSelection discrete;
        discrete.discrete = true;
        RunBranch(set, discrete, shown.prompter);
        QCOMPARE(shown.prompter.screens, QStringList{"AMSAA Discrete Reliability Growth Model"});
        QCOMPARE(shown.labels, (QStringList{"Total Number of Trials:", "Total Number of Failures:",
                                            "Model Scale Parameter:", "Model Growth Parameter:",
                                            "Estimated Reliability of the final configuration:"}));
        QVERIFY(shown.prompter.messageLines().isEmpty());
        QVERIFY(shown.readOnly);
        QCOMPARE(shown.values.size(), std::size_t(5));
        QCOMPARE(shown.values[0], 68.0);
        QCOMPARE(shown.values[1], 16.0);
        // Six digits of the reference; the screen shows eight.
        QVERIFY(std::fabs(shown.values[2] - 0.595358) < 5e-6);
        QVERIFY(std::fabs(shown.values[3] - 0.780111) < 5e-6);
        QVERIFY(std::fabs(shown.values[4] - 0.809560) < 5e-6);

        // The engine's hardware branch computes the same from the data set.
        ProgramOptions options;
        execution::HardwareSelection engine;
        engine.discrete = true;
        const auto r = execution::RunIntervalHardwareExecution(set, engine, options);
        QCOMPARE(r.discrete.TT, shown.values[0]);
        QVERIFY(std::fabs(r.discrete.ALPHA - shown.values[3]) < 1e-7);
        QVERIFY(std::fabs(r.discrete.R - shown.values[4]) < 1e-7);
    }

    void everyTrialFailedGivesTheErrorMessageThenTheTrackingNotice() {
        ResultScreenReader shown;
        execution::HardwareSelection both;
        both.selectAll = true;
        RunBranch(HardwareSet({3, 4, 2}, {3, 4, 2}), both, shown.prompter);
        QVERIFY(shown.prompter.screens.isEmpty());
        QCOMPARE(shown.prompter.messageLines(),
                 (QStringList{"AMSAA Discrete Reliability Growth Model: This model returned an "
                              "error status.",
                              "Growth tracking Model - Continuous: This Model has not been "
                              "implemented."}));
    }

    void growthTrackingAloneRunsNoModel() {
        ResultScreenReader shown;
        execution::HardwareSelection tracking;
        tracking.growthTracking = true;
        RunBranch(HardwareSet({14, 19, 15, 20}, {5, 3, 4, 4}), tracking, shown.prompter);
        QVERIFY(shown.prompter.screens.isEmpty());
        QCOMPARE(shown.prompter.messageLines(),
                 QStringList{
                     "Growth tracking Model - Continuous: This Model has not been implemented."});
    }
};

QTEST_MAIN(HardwareIntervalBranchTest)
#include "hardware_interval_branch_test.moc"
