// The Model Execution command flow with scripted screens and a stand-in engine.
#include "app/commands/tbf_execution_controller.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "support/recording_sink.h"
#include "app/screens/execution/processing_status_screen.h"
#include "app/screens/execution/tbf_selection_screen.h"

using namespace vnk;
using namespace vnk::screens;
namespace ex = vnk::execution;

namespace {

FailureDataSet TbfSoftwareSet(int N) {
    FailureDataSet set;
    set.dataKind = DataKind::Tbf;
    set.errorHistory = vnk::ErrorHistory::Software;
    set.tbfCount = N;
    return set;
}

// Screens answered in order: each script step handles one modal screen.
struct Script {
    std::vector<std::function<int(QDialog&)>> steps;
    std::size_t next = 0;
    int operator()(QDialog& d) {
        if (next >= steps.size()) return QDialog::Rejected;
        return steps[next++](d);
    }
};

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
        RecordingSink sink;
        FailureDataSet set;
        ProgramOptions options;
        options.numericalMethod = 2;
        TbfExecutionSeams seams;
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QCOMPARE(sink.texts, QStringList{"Both Data Type and Error History are required. Enter "
                                         "Input/New or open to specify."});
        QCOMPARE(options.numericalMethod, 1);
    }

    void hardwareChoicesGoToTheHardwareBranch() {
        RecordingSink sink;
        ProgramOptions options;
        options.numericalMethod = 2;
        FailureDataSet set = TbfSoftwareSet(5);
        set.errorHistory = vnk::ErrorHistory::System;
        set.hardwareFieldsPresent = true;
        bool projectionOffered = false;
        bool softwareClosed = false;
        Script script;
        script.steps = {[&](QDialog& d) {
            auto& s = dynamic_cast<TbfSelectionScreen&>(d);
            projectionOffered = s.hardwareBox(execution::hardware_box::kProjection)->isEnabled();
            s.hardwareBox(execution::hardware_box::kProjection)->click();
            softwareClosed = !s.modelBox(ex::kGeo)->isEnabled();
            return int(QDialog::Accepted);
        }};
        std::vector<ex::HardwareSelection> handed;
        TbfExecutionSeams seams;
        seams.exec = std::ref(script);
        seams.okCancel = [](const QString&, const QString&) { return false; };
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
        QVERIFY(sink.texts.isEmpty());
        QCOMPARE(options.numericalMethod, 1);

        // Hardware data with nothing ticked still go there: that branch has the message.
        set.errorHistory = vnk::ErrorHistory::Hardware;
        set.hardwareFieldsPresent = false;
        script.steps = {[&](QDialog& d) {
            projectionOffered =
                dynamic_cast<TbfSelectionScreen&>(d).hardwareBox(execution::hardware_box::kProjection)
                    ->isEnabled();
            return int(QDialog::Accepted);
        }};
        script.next = 0;
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QVERIFY(!projectionOffered);
        QCOMPARE(handed.size(), std::size_t{2});
        QVERIFY(!handed[1].projection && !handed[1].selectAll && !handed[1].otherModels);
    }

    void systemDataWithNothingTickedAskForAModel() {
        RecordingSink sink;
        ProgramOptions options;
        FailureDataSet set = TbfSoftwareSet(5);
        set.errorHistory = vnk::ErrorHistory::System;
        Script script;
        script.steps = {[](QDialog&) { return int(QDialog::Accepted); }};
        QStringList asked;
        TbfExecutionSeams seams;
        seams.exec = std::ref(script);
        seams.okCancel = [&](const QString&, const QString& text) {
            asked << text;
            return false;
        };
        int handed = 0;
        seams.hardware = [&](const ex::HardwareSelection&) { ++handed; };
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QCOMPARE(asked, QStringList{"You must select a model to execute"});
        QCOMPARE(handed, 0);
    }

    void noModelAsksAgainThenCancelEnds() {
        RecordingSink sink;
        ProgramOptions options;
        options.numericalMethod = 2;
        Script script;
        script.steps = {[](QDialog&) { return int(QDialog::Accepted); },
                        [](QDialog&) { return int(QDialog::Accepted); }};
        QStringList asked;
        int answers = 0;
        TbfExecutionSeams seams;
        seams.exec = std::ref(script);
        seams.okCancel = [&](const QString& caption, const QString& text) {
            asked << caption + ": " + text;
            return ++answers == 1;  // OK the first time, Cancel the second
        };
        bool ran = false;
        seams.run = [&](const ex::TbfSelection&, ProgramOptions&, ex::ExecutionHost&) {
            ran = true;
            return ex::TbfExecutionResults{};
        };
        QVERIFY(!RunTbfModelExecution(TbfSoftwareSet(26), options, sink, seams));
        QCOMPARE(asked.size(), 2);
        QCOMPARE(asked.first(), QStringLiteral("Error: You must select a model to execute"));
        QVERIFY(!ran);
        QCOMPARE(options.numericalMethod, 1);
    }

    void selectionMeasuresAndRangeReachTheEngine() {
        RecordingSink sink;
        ProgramOptions options;
        Script script;
        // Every screen of the flow offers help.
        int helpOpened = 0;
        script.steps = {[&](QDialog& d) {
                            helpOpened += ClickHelp(d);
                            auto& s = dynamic_cast<TbfSelectionScreen&>(d);
                            s.modelBox(execution::kGeo)->click();
                            s.modelBox(execution::kNpt)->click();
                            s.applicabilityBox()->click();
                            return int(QDialog::Accepted);
                        },
                        [&](QDialog& d) {
                            helpOpened += ClickHelp(d);
                            dynamic_cast<MeasureScreen&>(d).selectAllBox()->click();
                            return int(QDialog::Accepted);
                        },
                        [&](QDialog& d) {
                            helpOpened += ClickHelp(d);
                            auto& r = dynamic_cast<RangeScreen&>(d);
                            r.startBox()->setText("5");
                            r.accept();
                            return r.result();
                        }};
        ex::TbfSelection seen;
        int helpCalls = 0;
        bool hostWasStatusScreen = false;
        TbfExecutionSeams seams;
        seams.exec = std::ref(script);
        seams.help = [&](QWidget*) { ++helpCalls; };
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
        QCOMPARE(helpCalls, 3);
        QVERIFY(sink.texts.isEmpty());
    }

    void intervalDataSaysItIsNotAvailable() {
        RecordingSink sink;
        ProgramOptions options;
        FailureDataSet set = TbfSoftwareSet(0);
        set.dataKind = DataKind::Interval;
        TbfExecutionSeams seams;
        QVERIFY(!RunTbfModelExecution(set, options, sink, seams));
        QCOMPARE(sink.texts,
                 QStringList{"Model execution for interval data is not yet available."});
    }
};

QTEST_MAIN(TbfExecutionControllerTest)
#include "tbf_execution_controller_test.moc"
