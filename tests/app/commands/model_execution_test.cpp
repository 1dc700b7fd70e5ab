// Executions / Model Execution on time-between-failure data, driven through the program's
// prompter: selection, engine, summary, and the numerical method afterwards.
#include "app/commands/model_execution.h"

#include <QCheckBox>
#include <QPushButton>
#include <QtTest>

#include "app/screens/execution/execution_summary_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "app/shell/command_table.h"
#include "data/data_file.h"
#include "data/input_format.h"
#include "execution/tbf_results.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

class ModelExecutionTest : public QObject {
    Q_OBJECT
  private slots:
    void runsTheChosenModelsAndShowsTheSummary();
    void cancelledSelectionRunsNothing();
};

namespace {

void loadNtds(AppHarness& h) {
    FailureDataSet& set = h.data();
    const auto result =
        ReadTbfFile(set, std::string(VARNOK_TEST_DATA_DIR) + "/ntds_tbf.txt", kDefaultColumnLayout);
    QVERIFY(result.status == FileStatus::Ok);
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Software;
    for (int i = 1; i <= set.tbfCount; ++i) set.tbf(TbfField::FailureType, i) = 0.0;
    QCOMPARE(set.tbfCount, 26);
}

}  // namespace

void ModelExecutionTest::runsTheChosenModelsAndShowsTheSummary() {
    AppHarness h;
    loadNtds(h);
    h.options().numericalMethod = 2;
    h.prompter.on<screens::TbfSelectionScreen>([](screens::TbfSelectionScreen& s) {
        s.modelBox(execution::kGeo)->click();
        s.modelBox(execution::kJam)->click();
        s.accept();
    });
    bool summaryShown = false;
    h.prompter.on<screens::ExecutionSummaryScreen>([&](screens::ExecutionSummaryScreen& s) {
        summaryShown = true;
        // Both models ran; the Musa and NHPP models were not selected.
        QVERIFY(s.headerButton(execution::kGeo)->isEnabled());
        QVERIFY(s.headerButton(execution::kJam)->isEnabled());
        s.accept();
    });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY(summaryShown);
    QVERIFY2(h.prompter.scriptDone(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.options().numericalMethod, 1);
}

void ModelExecutionTest::cancelledSelectionRunsNothing() {
    AppHarness h;
    loadNtds(h);
    h.options().numericalMethod = 2;
    h.prompter.on<screens::TbfSelectionScreen>([](screens::TbfSelectionScreen& s) { s.reject(); });
    h.frame.runCommand(command::kModelExecution);
    QVERIFY(h.prompter.scriptDone());
    QCOMPARE(h.options().numericalMethod, 1);
    QVERIFY(h.prompter.messages.isEmpty());
}

QTEST_MAIN(ModelExecutionTest)
#include "model_execution_test.moc"
