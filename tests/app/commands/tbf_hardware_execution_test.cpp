// Executions / Model Execution on hardware and system time-between-failure data: the growth
// projection with its additional inputs and result screen, and the message for the models
// that compute nothing.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <cmath>

#include "app/commands/model_execution.h"
#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;
using screens::TbfSelectionScreen;
namespace box = execution::hardware_box;

class TbfHardwareExecutionTest : public QObject {
    Q_OBJECT
  private slots:
    void projectionAsksItsInputsAndShowsItsResults();
    void modelsWithoutComputationOnlyTellSo();
    void projectionNeedsTheHardwareFields();
};

namespace {

// Three failure modes: first seen at 10, 30 and 60 hours; 2, 1 and 3 failures; every
// corrective action half effective.
void loadModes(AppHarness& h, ErrorHistory history, bool hardwareFields) {
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Tbf;
    set.errorHistory = history;
    set.hardwareFieldsPresent = hardwareFields;
    const double modes[3][2] = {{10.0, 2.0}, {30.0, 1.0}, {60.0, 3.0}};
    for (const auto& m : modes) {
        TbfEntry e;
        e.timeBetweenFailures = m[0];
        e.failureType = 1.0;
        e.hardwareFailures = hardwareFields ? m[1] : -1.0;
        e.effectivenessFactor = hardwareFields ? 0.5 : -1.0;
        set.setEntry(++set.tbfCount, e);
    }
}

const QString kNotImplemented =
    QStringLiteral("Either your data is incomplete or the selected model is not implemented.");

}  // namespace

void TbfHardwareExecutionTest::projectionAsksItsInputsAndShowsItsResults() {
    AppHarness h;
    loadModes(h, ErrorHistory::Hardware, true);
    h.options().numericalMethod = 2;
    bool softwareClosed = false;
    h.prompter.on<TbfSelectionScreen>([&](TbfSelectionScreen& s) {
        softwareClosed = !s.modelBox(0)->isEnabled() && !s.systemGroup()->isEnabled();
        s.hardwareBox(box::kProjection)->click();
        s.accept();
    });
    QString offeredTime, offeredAMode;
    h.prompter.on<interval_screens::ProjectionInputsDialog>(
        [&](interval_screens::ProjectionInputsDialog& s) {
            offeredTime = s.field(0)->text();
            offeredAMode = s.field(1)->text();
            s.field(1)->setText(QStringLiteral("1"));
            s.okButton()->click();
        });
    std::vector<double> shown;
    QString title;
    h.prompter.on<interval_screens::HardwareResultScreen>(
        [&](interval_screens::HardwareResultScreen& s) {
            title = s.windowTitle();
            for (int i = 0; i < s.fieldCount(); ++i) shown.push_back(s.field(i)->text().toDouble());
            s.okButton()->click();
        });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY2(h.prompter.scriptDone() && h.prompter.problems.isEmpty(),
             qPrintable(h.prompter.problems.join('\n')));
    QVERIFY(softwareClosed);
    QVERIFY(h.prompter.messages.isEmpty());
    QCOMPARE(offeredTime, QStringLiteral("100"));  // the sum of the times
    QCOMPARE(offeredAMode, QStringLiteral("0"));
    QCOMPARE(title, QStringLiteral("AMSAA / CROW Reliability Growth Projection Model"));
    QCOMPARE(h.options().numericalMethod, 1);

    // By hand, T = 100, NA = 1, K = 3: beta = (K - 1) / sum ln(T / t), lambda = K / T^beta,
    // h = K beta / T, r = NA/T + sum (1 - d) n / T + mean(d) h, o = sum n / T - h.
    const double T = 100.0;
    const double beta = 2.0 / (std::log(T / 10) + std::log(T / 30) + std::log(T / 60));
    const double hB = 3 * beta / T;
    const double r = 1 / T + 3.0 / T + 0.5 * hB;
    const double o = 6 / T - hB;
    const std::vector<double> expected = {beta,       3 / std::pow(T, beta), r, 1 / r, hB, o,
                                          o / (6 / T)};
    QCOMPARE(shown.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QVERIFY2(std::abs(shown[i] - expected[i]) <= 1e-7 * std::abs(expected[i]),
                 qPrintable(QString::number(i)));
}

void TbfHardwareExecutionTest::modelsWithoutComputationOnlyTellSo() {
    // A hardware model without computation.
    {
        AppHarness h;
        loadModes(h, ErrorHistory::Hardware, true);
        h.prompter.on<TbfSelectionScreen>([](TbfSelectionScreen& s) {
            s.hardwareBox(box::kMarkov)->click();
            s.accept();
        });
        h.frame.runCommand(command::kModelExecution);
        QVERIFY2(h.prompter.scriptDone() && h.prompter.problems.isEmpty(),
                 qPrintable(h.prompter.problems.join('\n')));
        QCOMPARE(h.prompter.messages.size(), 1);
        QCOMPARE(h.prompter.messages[0].text, kNotImplemented);
        QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("TBF Hardware Models Error"));
        QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
        QCOMPARE(h.prompter.screens, QStringList{"Time-Between-Failure Model Executions"});
    }
    // A system model: the software group closes once it is ticked.
    {
        AppHarness h;
        loadModes(h, ErrorHistory::System, true);
        bool softwareClosed = false;
        h.prompter.on<TbfSelectionScreen>([&](TbfSelectionScreen& s) {
            s.systemBox(0)->click();
            softwareClosed = !s.modelBox(0)->isEnabled() && !s.selectAllBox()->isEnabled();
            s.accept();
        });
        h.frame.runCommand(command::kModelExecution);
        QVERIFY(h.prompter.scriptDone() && h.prompter.problems.isEmpty());
        QVERIFY(softwareClosed);
        QCOMPARE(h.prompter.messageTexts(), QStringList{kNotImplemented});
    }
}

void TbfHardwareExecutionTest::projectionNeedsTheHardwareFields() {
    AppHarness h;
    loadModes(h, ErrorHistory::Hardware, false);
    h.options().numericalMethod = 2;
    bool offered = true;
    h.prompter.on<TbfSelectionScreen>([&](TbfSelectionScreen& s) {
        offered = s.hardwareBox(box::kProjection)->isEnabled();
        s.selectAllHardwareBox()->click();
        s.accept();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY(h.prompter.scriptDone() && h.prompter.problems.isEmpty());
    QVERIFY(!offered);
    // Select All cannot run the projection without its fields: no input screen, the message.
    QCOMPARE(h.prompter.messageTexts(), QStringList{kNotImplemented});
    QCOMPARE(h.prompter.screens.size(), 1);
    QCOMPARE(h.options().numericalMethod, 1);
}

QTEST_MAIN(TbfHardwareExecutionTest)
#include "tbf_hardware_execution_test.moc"
