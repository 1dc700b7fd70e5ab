// The Model Execution command flow with scripted screens and a stand-in engine.
#include "app/commands/tbf_execution_controller.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "app/screens/execution/processing_status_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"
#include "support/scripted_prompter.h"

using namespace vnk;
using namespace vnk::screens;
using vnk::app::test::ScriptedPrompter;
namespace ex = vnk::execution;

namespace {

FailureDataSet TbfSoftwareSet(int N) {
    FailureDataSet set;
    set.dataKind = DataKind::Tbf;
    set.errorHistory = vnk::ErrorHistory::Software;
    set.tbfCount = N;
    return set;
}

// Clicks the screen's Help button; false when it has none or it is disabled.
bool ClickHelp(QDialog& d) {
    for (QPushButton* b : d.findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("Help") && b->isEnabled()) {
            b->click();
            return true;
        }
    return false;
}

}  // namespace

class TbfExecutionControllerTest : public QObject {
    Q_OBJECT
  private slots:
    void missingDescriptorsStopTheCommand() {
        ScriptedPrompter sink;
        FailureDataSet set;
        ProgramOptions options;
        options.numericalMethod = 2;
        TbfExecutionSeams seams;
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QCOMPARE(sink.messageTexts(),
                 QStringList{"Both Data Type and Error History are required. Enter "
                             "Input/New or open to specify."});
        QCOMPARE(options.numericalMethod, 1);
    }

    void hardwareChoicesGoToTheHardwareBranch() {
        ScriptedPrompter sink;
        ProgramOptions options;
        options.numericalMethod = 2;
        FailureDataSet set = TbfSoftwareSet(5);
        set.errorHistory = vnk::ErrorHistory::System;
        set.hardwareFieldsPresent = true;
        bool projectionOffered = false;
        bool softwareClosed = false;
        sink.on<TbfSelectionScreen>([&](TbfSelectionScreen& s) {
            projectionOffered = s.hardwareBox(execution::hardware_box::kProjection)->isEnabled();
            s.hardwareBox(execution::hardware_box::kProjection)->click();
            softwareClosed = !s.modelBox(ex::kGeo)->isEnabled();
            s.accept();
        });
        std::vector<ex::HardwareSelection> handed;
        TbfExecutionSeams seams;
        seams.hardware = [&](const ex::HardwareSelection& h) { handed.push_back(h); };
        bool ran = false;
        seams.run = [&](const ex::TbfSelection&, ProgramOptions&, ex::ExecutionHost&) {
            ran = true;
            return ex::TbfExecutionResults{};
        };
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QVERIFY(projectionOffered && softwareClosed);
        QCOMPARE(handed.size(), std::size_t{1});
        QVERIFY(handed[0].projection && !handed[0].otherModels);
        QVERIFY(!ran);
        QVERIFY(sink.messageTexts().isEmpty());
        QCOMPARE(options.numericalMethod, 1);

        // Hardware data with nothing ticked still go there: that branch has the message.
        set.errorHistory = vnk::ErrorHistory::Hardware;
        set.hardwareFieldsPresent = false;
        sink.on<TbfSelectionScreen>([&](TbfSelectionScreen& s) {
            projectionOffered = s.hardwareBox(execution::hardware_box::kProjection)->isEnabled();
            s.accept();
        });
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QVERIFY(!projectionOffered);
        QCOMPARE(handed.size(), std::size_t{2});
        QVERIFY(!handed[1].projection && !handed[1].selectAll && !handed[1].otherModels);
    }

    void systemDataWithNothingTickedAskForAModel() {
        ScriptedPrompter sink;
        ProgramOptions options;
        FailureDataSet set = TbfSoftwareSet(5);
        set.errorHistory = vnk::ErrorHistory::System;
        sink.on<TbfSelectionScreen>([](TbfSelectionScreen& s) { s.accept(); });
        sink.answer(QMessageBox::Cancel);
        TbfExecutionSeams seams;
        int handed = 0;
        seams.hardware = [&](const ex::HardwareSelection&) { ++handed; };
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QCOMPARE(sink.messageTexts(), QStringList{"You must select a model to execute"});
        QCOMPARE(handed, 0);
    }

    void noModelAsksAgainThenCancelEnds() {
        ScriptedPrompter sink;
        ProgramOptions options;
        options.numericalMethod = 2;
        sink.on<TbfSelectionScreen>([](TbfSelectionScreen& s) { s.accept(); });
        sink.on<TbfSelectionScreen>([](TbfSelectionScreen& s) { s.accept(); });
        sink.answer(QMessageBox::Ok);  // OK the first time, Cancel the second
        sink.answer(QMessageBox::Cancel);
        TbfExecutionSeams seams;
        bool ran = false;
        seams.run = [&](const ex::TbfSelection&, ProgramOptions&, ex::ExecutionHost&) {
            ran = true;
            return ex::TbfExecutionResults{};
        };
        QVERIFY(!RunTbfModelExecution(TbfSoftwareSet(26), options, sink, seams));
        const QStringList asked = sink.messageLines();
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked.first(), QStringLiteral("Error: You must select a model to execute"));
        QVERIFY(!ran);
        QCOMPARE(options.numericalMethod, 1);
    }

    void selectionMeasuresAndRangeReachTheEngine() {
        ScriptedPrompter sink;
        ProgramOptions options;
        // Every screen of the flow offers help.
        int helpOpened = 0;
        sink.on<TbfSelectionScreen>([&](TbfSelectionScreen& s) {
            helpOpened += ClickHelp(s);
            s.modelBox(execution::kGeo)->click();
            s.modelBox(execution::kNpt)->click();
            s.applicabilityBox()->click();
            s.accept();
        });
        sink.on<MeasureScreen>([&](MeasureScreen& m) {
            helpOpened += ClickHelp(m);
            m.selectAllBox()->click();
            m.accept();
        });
        sink.on<RangeScreen>([&](RangeScreen& r) {
            helpOpened += ClickHelp(r);
            r.startBox()->setText("5");
            r.accept();
        });
        ex::TbfSelection seen;
        bool hostWasStatusScreen = false;
        TbfExecutionSeams seams;
        seams.run = [&](const ex::TbfSelection& s, ProgramOptions& o, ex::ExecutionHost& host) {
            seen = s;
            hostWasStatusScreen = dynamic_cast<ProcessingStatusScreen*>(&host) != nullptr;
            host.stepStarted(ex::kGeo, ex::kAccuracy);
            host.stepFinished(ex::kGeo, ex::kAccuracy);
            ex::TbfExecutionResults r;
            r.ESF = o.numericalMethod;
            r.selection = s;
            return r;
        };
        const auto results = RunTbfModelExecution(TbfSoftwareSet(26), options, sink, seams);
        QVERIFY(results.has_value());
        QVERIFY(hostWasStatusScreen);
        QVERIFY(seen.models[ex::kGeo] && seen.models[ex::kNpt] && !seen.models[ex::kJam]);
        QVERIFY(seen.applicability && seen.selectAllMeasures);
        QCOMPARE(seen.NSB, 5);
        QCOMPARE(seen.NSE, 25);
        QCOMPARE(helpOpened, 3);
        QCOMPARE(sink.helpPages, QStringList(3, QStringLiteral("menu_executions")));
        QVERIFY(sink.messageTexts().isEmpty());
    }

    // The measure screen's box is the Setup menu's option: it opens showing it, OK writes the
    // box back (the engine runs with it), Cancel leaves the option alone.
    void skipFailedRefitsBoxIsTheProgramOption() {
        ProgramOptions options;
        bool engineSkipped = false;
        TbfExecutionSeams seams;
        seams.run = [&](const ex::TbfSelection& s, ProgramOptions& o, ex::ExecutionHost&) {
            engineSkipped = o.skipFailedRefits;
            ex::TbfExecutionResults r;
            r.selection = s;
            return r;
        };
        auto chooseGeoWithAnalyses = [](ScriptedPrompter& sink) {
            sink.on<TbfSelectionScreen>([](TbfSelectionScreen& s) {
                s.modelBox(ex::kGeo)->click();
                s.applicabilityBox()->click();
                s.accept();
            });
        };
        for (const bool start : {false, true}) {
            options.skipFailedRefits = start;
            ScriptedPrompter sink;
            chooseGeoWithAnalyses(sink);
            bool shown = !start;
            sink.on<MeasureScreen>([&](MeasureScreen& m) {
                shown = m.skipFailedRefitsBox()->isChecked();
                m.selectAllBox()->click();
                m.skipFailedRefitsBox()->click();
                m.accept();
            });
            sink.on<RangeScreen>([](RangeScreen& r) { r.accept(); });
            QVERIFY(RunTbfModelExecution(TbfSoftwareSet(26), options, sink, seams).has_value());
            QCOMPARE(shown, start);
            QCOMPARE(options.skipFailedRefits, !start);
            QCOMPARE(engineSkipped, !start);
        }

        ScriptedPrompter cancelled;
        chooseGeoWithAnalyses(cancelled);
        cancelled.on<MeasureScreen>([](MeasureScreen& m) {
            m.skipFailedRefitsBox()->click();
            m.reject();
        });
        options.skipFailedRefits = true;
        QVERIFY(!RunTbfModelExecution(TbfSoftwareSet(26), options, cancelled, seams));
        QVERIFY(options.skipFailedRefits);
    }
};

QTEST_MAIN(TbfExecutionControllerTest)
#include "tbf_execution_controller_test.moc"
