// Typing data in: the descriptor screens, the TBF input screen, the failure-free time screen,
// the interval input screens and their closing screens, through Data / New and Data / Append.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/kit/choice_group.h"
#include "app/kit/messages.h"
#include "app/screens/data/descriptor_screens.h"
#include "app/screens/data/interval_input_screens.h"
#include "app/screens/data/tbf_input_screen.h"
#include "app/screens/data/value_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

void chooseDataType(AppHarness& h, int choice) {
    h.prompter.on<DataTypeScreen>([choice](DataTypeScreen& s) {
        s.dataTypes()->option(choice)->click();
        Click(s, QStringLiteral("okButton"));
    });
}

// history: 0 software, 1 hardware, 2 system, -1 none; severity: 0 same, 1 variable, -1 none.
void chooseTbfHistory(AppHarness& h, int history, int severity, const QString& unit) {
    h.prompter.on<TbfHistoryScreen>([=](TbfHistoryScreen& s) {
        if (history >= 0) s.history()->option(history)->click();
        if (severity >= 0) s.severity()->option(severity)->click();
        s.units()->setCurrentText(unit);
        Click(s, QStringLiteral("okButton"));
    });
}

void failureFreeTime(AppHarness& h, const QString& text, bool ok = true) {
    h.prompter.on<FailureFreeTimeScreen>([=](FailureFreeTimeScreen& s) {
        s.field()->setText(text);
        Click(s, ok ? QStringLiteral("okButton") : QStringLiteral("cancelButton"));
    });
}

void enterFailure(TbfInputScreen& s, const QString& time, int type = -1, int level = -1,
                  const QString& count = {}, const QString& factor = {}) {
    s.timeField()->setText(time);
    if (type >= 0) s.failureType()->option(type)->click();
    if (level >= 1) s.severityLevel()->option(level - 1)->click();
    if (!count.isEmpty()) s.hardwareFailuresField()->setText(count);
    if (!factor.isEmpty()) s.effectivenessField()->setText(factor);
    Click(s, QStringLiteral("enterButton"));
}

void fillTbf(FailureDataSet& set, int n) {
    set.dataKind = DataKind::Tbf;
    set.tbfCount = n;
    for (int i = 1; i <= n; ++i) set.setEntry(i, {double(i), 0.0, 1.0, -1.0, -1.0});
    set.deriveDescriptors();
    set.failureFreeTime = 4.0;
}

const QString kEntryError = QString::fromLatin1(text::kFailureEntryIncomplete);

}  // namespace

class DataEntryTest : public QObject {
    Q_OBJECT
  private slots:
    void softwareFailuresWithOneLevel();
    void systemFailuresNeedATypeEachTime();
    void doneAtOnceAndCancelLeaveNoEntries();
    void historyAndSeverityAreRequired();
    void typedSetsHoldAtMost999Entries();
    void appendCancelKeepsTheEntriesAsTheyWere();
    void softwareIntervalsWithRunningRows();
    void hardwareIntervals();
};

void DataEntryTest::softwareFailuresWithOneLevel() {
    AppHarness h;
    chooseDataType(h, 0);
    chooseTbfHistory(h, 0, 0, QStringLiteral("Hours"));
    h.prompter.on<TbfInputScreen>([&h](TbfInputScreen& s) {
        QCOMPARE(s.failureNumber()->text(), QStringLiteral("1"));
        QVERIFY(!s.failureType()->isEnabled());
        QVERIFY(!s.severityLevel()->isEnabled());
        QVERIFY(!s.hardwareFailuresField()->isEnabled());
        QCOMPARE(s.timeField()->text(), QStringLiteral("-1"));
        enterFailure(s, QStringLiteral("-1"));  // the time left unset
        enterFailure(s, QStringLiteral("soon"));
        QCOMPARE(s.failureNumber()->text(), QStringLiteral("1"));
        enterFailure(s, QStringLiteral("5"));
        enterFailure(s, QStringLiteral("7.5"));
        QCOMPARE(s.failureNumber()->text(), QStringLiteral("3"));
        QCOMPARE(h.data().tbfCount, 3);  // the pending entry counts while the screen is open
        s.timeField()->setText(QStringLiteral("9"));  // typed but not entered: lost
        Click(s, QStringLiteral("doneButton"));
    });
    failureFreeTime(h, QStringLiteral("12"));
    h.frame.runCommand(command::kNewDataEntry);

    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messageTexts(), QStringList(2, kEntryError));
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Data Entry Error"));
    const FailureDataSet& set = h.data();
    QCOMPARE(set.tbfCount, 2);
    QCOMPARE(set.entry(1), (TbfEntry{5.0, 0.0, 1.0, -1.0, -1.0}));
    QCOMPARE(set.entry(2).timeBetweenFailures, 7.5);
    QCOMPARE(set.tbfUnit, TbfUnit::Hours);
    QCOMPARE(set.failureFreeTime, 12.0);
    QVERIFY(set.dataChanged);
    QVERIFY(set.currentFileName.empty());
    QVERIFY(h.frame.action(command::kSave)->isEnabled());
}

void DataEntryTest::systemFailuresNeedATypeEachTime() {
    AppHarness h;
    chooseDataType(h, 0);
    chooseTbfHistory(h, 2, 1, QStringLiteral("Days"));
    h.prompter.on<AdditionalInputScreen>(
        [](AdditionalInputScreen& s) { Click(s, QStringLiteral("okButton")); });
    h.prompter.on<TbfInputScreen>([](TbfInputScreen& s) {
        QVERIFY(s.failureType()->isEnabled());
        QVERIFY(s.severityLevel()->isEnabled());
        enterFailure(s, QStringLiteral("3"), 1, 2, QStringLiteral("2"), QStringLiteral("1.5"));
        enterFailure(s, QStringLiteral("3"), 1, 2, QStringLiteral("2"), QStringLiteral("0.5"));
        // Type and level are cleared after each entry.
        QCOMPARE(s.failureType()->choice(), -1);
        QCOMPARE(s.severityLevel()->choice(), -1);
        enterFailure(s, QStringLiteral("4"));
        enterFailure(s, QStringLiteral("4"), 0, 4);
        QVERIFY(!s.hardwareFailuresField()->isEnabled());
        Click(s, QStringLiteral("doneButton"));
    });
    failureFreeTime(h, QStringLiteral("0"), false);
    h.frame.runCommand(command::kNewDataEntry);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.prompter.messageTexts(), QStringList(2, kEntryError));
    const FailureDataSet& set = h.data();
    QCOMPARE(set.tbfCount, 2);
    QCOMPARE(set.entry(1), (TbfEntry{3.0, 1.0, 2.0, 2.0, 0.5}));
    QCOMPARE(set.entry(2), (TbfEntry{4.0, 0.0, 4.0, -1.0, -1.0}));
    // Cancel on the failure-free time screen leaves the set incomplete.
    QVERIFY(!set.isComplete());
    QVERIFY(!set.dataChanged);
}

void DataEntryTest::doneAtOnceAndCancelLeaveNoEntries() {
    AppHarness h;
    chooseDataType(h, 0);
    chooseTbfHistory(h, 1, 0, QStringLiteral("Weeks"));
    h.prompter.on<AdditionalInputScreen>(
        [](AdditionalInputScreen& s) { Click(s, QStringLiteral("skipButton")); });
    h.prompter.on<TbfInputScreen>(
        [](TbfInputScreen& s) { Click(s, QStringLiteral("doneButton")); });
    failureFreeTime(h, QStringLiteral("-3"));  // ignored
    h.frame.runCommand(command::kNewDataEntry);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.data().tbfCount, 0);
    QVERIFY(!h.data().hardwareFieldsPresent);
    QCOMPARE(h.data().failureFreeTime, 0.0);

    chooseDataType(h, 0);
    chooseTbfHistory(h, 0, 0, QStringLiteral("Weeks"));
    h.prompter.on<TbfInputScreen>([](TbfInputScreen& s) {
        enterFailure(s, QStringLiteral("1"));
        Click(s, QStringLiteral("cancelButton"));
    });
    h.prompter.answer(QMessageBox::No);  // the first set was marked changed
    h.frame.runCommand(command::kNewDataEntry);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.data().tbfCount, 0);
    QCOMPARE(h.data().dataKind, DataKind::None);
}

void DataEntryTest::historyAndSeverityAreRequired() {
    AppHarness h;
    chooseDataType(h, 0);
    chooseTbfHistory(h, 0, -1, QStringLiteral("Hours"));
    h.frame.runCommand(command::kNewDataEntry);
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{"You must enter an error history type and a severity level type to "
                         "continue."});
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Input Error"));
    QCOMPARE(h.data().errorHistory, ErrorHistory::None);
    QCOMPARE(h.data().tbfUnit, TbfUnit::None);
    QVERIFY(h.prompter.scriptDone());
}

void DataEntryTest::typedSetsHoldAtMost999Entries() {
    AppHarness h;
    fillTbf(h.data(), 998);
    chooseTbfHistory(h, 0, 0, QStringLiteral("Hours"));
    h.prompter.on<TbfInputScreen>([](TbfInputScreen& s) {
        QCOMPARE(s.failureNumber()->text(), QStringLiteral("999"));
        enterFailure(s, QStringLiteral("1"));
        // The next Enter would take the 1000th entry: the screen ends as Done instead.
        enterFailure(s, QStringLiteral("2"));
        QCOMPARE(s.result(), int(QDialog::Accepted));
    });
    failureFreeTime(h, QStringLiteral("6"));
    h.frame.runCommand(command::kAppendDataEntry);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.data().tbfCount, 999);
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 1000), -1.0);
    QCOMPARE(h.data().failureFreeTime, 6.0);
    QVERIFY(h.data().dataChanged);
}

void DataEntryTest::appendCancelKeepsTheEntriesAsTheyWere() {
    AppHarness h;
    fillTbf(h.data(), 2);
    h.prompter.on<TbfHistoryScreen>([](TbfHistoryScreen& s) {
        QCOMPARE(s.history()->choice(), 0);  // preset from the data set
        Click(s, QStringLiteral("okButton"));
    });
    h.prompter.on<TbfInputScreen>([](TbfInputScreen& s) {
        enterFailure(s, QStringLiteral("10"));
        Click(s, QStringLiteral("cancelButton"));
    });
    h.frame.runCommand(command::kAppendDataEntry);
    QCOMPARE(h.data().tbfCount, 2);

    chooseTbfHistory(h, 0, 0, QString());
    h.prompter.on<TbfInputScreen>([](TbfInputScreen& s) {
        enterFailure(s, QStringLiteral("10"));
        Click(s, QStringLiteral("doneButton"));
    });
    failureFreeTime(h, QStringLiteral("1"), false);
    h.frame.runCommand(command::kAppendDataEntry);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.data().tbfCount, 2);
    QCOMPARE(h.data().failureFreeTime, 4.0);
    QCOMPARE(h.data().errorHistory, ErrorHistory::Software);
    QVERIFY(!h.data().dataChanged);
}

void DataEntryTest::softwareIntervalsWithRunningRows() {
    AppHarness h;
    chooseDataType(h, 1);
    h.prompter.on<ErrorHistoryScreen>([](ErrorHistoryScreen& s) {
        s.history()->option(0)->click();
        Click(s, QStringLiteral("okButton"));
    });
    h.prompter.on<IntervalSoftwareOptionsScreen>([](IntervalSoftwareOptionsScreen& s) {
        QCOMPARE(s.lengths()->choice(), 0);
        QCOMPARE(s.corrections()->choice(), 0);
        Click(s, QStringLiteral("okButton"));
    });
    h.prompter.on<IntervalSoftwareInputScreen>([](IntervalSoftwareInputScreen& s) {
        QVERIFY(!s.lengthField()->isEnabled());
        QVERIFY(!s.fractionField()->isEnabled());
        QVERIFY(!s.previousFaultField(1)->isEnabled());
        QVERIFY(!s.correctionField(1)->isEnabled());
        QVERIFY(!s.faultField(2)->isEnabled());
        s.faultField(1)->setText(QStringLiteral("-2"));
        Click(s, QStringLiteral("enterButton"));
        QCOMPARE(s.counter(), 1);
        for (const char* count : {"2", "5", "1"}) {
            s.faultField(1)->setText(QString::fromLatin1(count));
            Click(s, QStringLiteral("enterButton"));
        }
        QCOMPARE(s.intervalNumber()->text(), QStringLiteral("4"));
        Click(s, QStringLiteral("doneButton"));
    });
    h.prompter.on<CorrectionsScreen>([](CorrectionsScreen& s) {
        QCOMPARE(s.field()->text(), QStringLiteral("1"));
        s.field()->setText(QStringLiteral("3"));
        Click(s, QStringLiteral("okButton"));
        QVERIFY(s.result() != QDialog::Accepted);
        s.field()->setText(QStringLiteral("0.5"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kNewDataEntry);
    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messageTexts(),
             QStringList({QString::fromLatin1(text::kIntervalEntryIncomplete),
                          "Value must be between 0 and the total number of failures in the last "
                          "interval."}));
    QCOMPARE(h.prompter.messages[1].caption, QStringLiteral("Error"));
    const FailureDataSet& set = h.data();
    QCOMPARE(set.intervalCount, 3);
    QCOMPARE(set.correctionsAfterFinalInterval, 0.5);
    const double running[3] = {0, 2, 7};
    for (int j = 1; j <= 3; ++j) {
        for (int row : {interval_row::PreviousFaults(1), interval_row::kPreviousFaults,
                        interval_row::Corrections(1), interval_row::kCorrections})
            QCOMPARE(set.interval(row, j), running[j - 1]);
        QCOMPARE(set.interval(interval_row::kFraction, j), 1.0);
        QCOMPARE(set.interval(interval_row::kLength, j), 1.0);
    }
    QCOMPARE(set.interval(interval_row::kFaults, 2), 5.0);
    QVERIFY(set.dataChanged);
}

void DataEntryTest::hardwareIntervals() {
    AppHarness h;
    chooseDataType(h, 1);
    h.prompter.on<ErrorHistoryScreen>([](ErrorHistoryScreen& s) {
        s.history()->option(1)->click();
        Click(s, QStringLiteral("okButton"));
    });
    h.prompter.on<IntervalHardwareOptionsScreen>([](IntervalHardwareOptionsScreen& s) {
        s.units()->option(0)->click();
        QVERIFY(s.constantField()->isEnabled());
        s.constantField()->setText(QStringLiteral("0"));
        Click(s, QStringLiteral("okButton"));
        QVERIFY(s.result() != QDialog::Accepted);
        s.constantField()->setText(QStringLiteral("10"));
        Click(s, QStringLiteral("okButton"));
    });
    h.prompter.on<IntervalHardwareInputScreen>([](IntervalHardwareInputScreen& s) {
        QVERIFY(!s.unitsOnTestField()->isEnabled());
        QCOMPARE(s.unitsOnTestField()->text(), QStringLiteral("10"));
        QVERIFY(!s.failingField(2)->isEnabled());
        s.failingField(1)->setText(QStringLiteral("11"));
        Click(s, QStringLiteral("enterButton"));
        QCOMPARE(s.counter(), 1);
        s.failingField(1)->setText(QStringLiteral("3"));
        Click(s, QStringLiteral("enterButton"));
        QCOMPARE(s.failingField(1)->text(), QStringLiteral("0"));
        Click(s, QStringLiteral("doneButton"));
    });
    h.frame.runCommand(command::kNewDataEntry);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.prompter.messageTexts(),
             QStringList({"This is not a legal number of units on test.",
                          QString::fromLatin1(text::kIntervalEntryIncomplete)}));
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("ERROR"));
    const FailureDataSet& set = h.data();
    QCOMPARE(set.intervalCount, 1);
    QCOMPARE(set.constantUnitsOnTest(), 10.0);
    QCOMPARE(set.hardwareInterval(interval_row::kUnitsOnTest, 1), 10.0);
    QCOMPARE(set.hardwareInterval(interval_row::kUnitsFailing, 1), 3.0);
    QCOMPARE(set.intervalCell(interval_row::kUnitsFailing, 2), 3.0);
    // Typed data exist nowhere else: Data / New and Exit must ask before dropping them.
    QVERIFY(set.dataChanged);
}

QTEST_MAIN(DataEntryTest)
#include "data_entry_test.moc"
