// The command table: its enable and check rules against the state, and the menu items of the
// main window as they are when a menu opens.
#include "app/shell/command_table.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QtTest>

#include "app/kit/messages.h"
#include "app/screens/data/value_screen.h"
#include "numerics/trace.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

bool enabled(const MenuState& s, int id) {
    const CommandEntry* c = FindCommand(id);
    return c->enabled(s, c->argument);
}

bool checked(const MenuState& s, int id) {
    const CommandEntry* c = FindCommand(id);
    return c->checked && c->checked(s, c->argument);
}

MenuState tbfSoftware(int unit) {
    MenuState s;
    s.dataKind = static_cast<int>(DataKind::Tbf);
    s.errorHistory = static_cast<int>(ErrorHistory::Software);
    s.tbfUnit = unit;
    s.tbfCount = 5;
    return s;
}

}  // namespace

class CommandTableTest : public QObject {
    Q_OBJECT
  private slots:
    void everyItemOfTheMenuIsListedOnce();
    void startWithoutConfiguration();
    void unitItemsFollowTheCurrentUnit();
    void conversionAndPlotRules();
    void checkMarksFollowTheOptions();
    void rulesAreEvaluatedWhenAMenuOpens();
    void traceChosenTwiceStaysOnUntilClose();
    void severityLevelAndPredictionNumberChangeOnlyThemselves();
    void modelExecutionNeedsDataTypeAndHistory();
    void robustRefitsAndHoldOutOptions();
};

// The Setup options beside the faithful ones: two checkable switches, off at start, and the
// comparison's hold-out share, refused outside 0.01 to 0.9.
void CommandTableTest::robustRefitsAndHoldOutOptions() {
    AppHarness h;
    for (int id : {command::kRobustEstimation, command::kSkipFailedRefits}) {
        QVERIFY(!h.frame.action(id)->isChecked());
        h.frame.runCommand(id);
        QVERIFY(h.frame.action(id)->isChecked());
    }
    QVERIFY(h.options().robustEstimation && h.options().skipFailedRefits);
    h.frame.runCommand(command::kSkipFailedRefits);
    QVERIFY(!h.options().skipFailedRefits);

    h.prompter.on<HoldOutScreen>([](HoldOutScreen& s) {
        s.field()->setText("0.95");
        s.button("okButton")->click();
        QVERIFY(s.isVisible() || s.result() != QDialog::Accepted);
        s.field()->setText("0.2");
        s.button("okButton")->click();
    });
    h.frame.runCommand(command::kComparisonHoldOut);
    QCOMPARE(h.options().holdOutFraction, 0.2);
    QCOMPARE(h.prompter.messages.size(), 1);  // the refusal of 0.95
}

void CommandTableTest::everyItemOfTheMenuIsListedOnce() {
    const QList<int> ids = {
        32774, 32773, 57665, 32830, 32831, 32832, 32833, 32828, 32834, 32835, 32829, 32788, 32798,
        32791, 32792, 32793, 32794, 32796, 32797, 32806, 32807, 32808, 32812, 32809, 32810, 32811,
        32818, 32813, 32815, 32816, 32817, 32781, 32782, 32783, 32784, 32785, 32786, 32787, 32771,
        32799, 32800, 32801, 32802, 32803, 32804, 32805, 32826, 32827, 32837, 32838, 32836, 32825,
        57664, 57667, 32839, 32840, 32841, 32842, 32843, 32844, 32845, 32846};
    QSet<int> seen;
    for (const CommandEntry& c : CommandTable()) {
        QVERIFY2(!seen.contains(c.id), qPrintable(QString::number(c.id)));
        seen.insert(c.id);
    }
    QCOMPARE(seen, QSet<int>(ids.begin(), ids.end()));

    // The menus as the window builds them, e.g. the Convert TBF Units items in their order.
    AppHarness h;
    auto* convert =
        h.frame.findChild<QMenu*>(QStringLiteral("Conversions>Convert TBF Units to ..."));
    QVERIFY(convert);
    QStringList texts;
    for (QAction* a : convert->actions()) texts << a->text();
    QCOMPARE(texts,
             QStringList({"Seconds", "Minutes", "Hours", "Days", "Weeks", "Months", "Years"}));
    QCOMPARE(h.frame.action(command::kTransform[0])->text(), QStringLiteral("Dat ( i ) +  A"));
    QCOMPARE(h.frame.action(command::kAbout)->text(), QStringLiteral("&About VARNOK 3 ..."));
}

void CommandTableTest::startWithoutConfiguration() {
    AppHarness h;
    QVERIFY(h.frame.startUp(h.folder()));
    QVERIFY(h.prompter.messages.isEmpty());
    h.frame.refreshCommands();
    for (int id : {command::kSave, command::kSaveAs, command::kAppendDataEntry,
                   command::kAppendFile, command::kEdit, command::kStatistics, command::kRawData,
                   command::kTbfToInterval, command::kIntervalToTbf, command::kSystemToSoftware})
        QVERIFY2(!h.frame.action(id)->isEnabled(), qPrintable(QString::number(id)));
    for (int unit = 0; unit < 7; ++unit) {
        QVERIFY(!h.frame.action(command::kConvertUnit[unit])->isEnabled());
        QVERIFY(!h.frame.action(command::kDefineUnitSeconds + unit)->isEnabled());
    }
    // The number of intervals starts at 1.
    QVERIFY(h.frame.action(command::kCellCombinations)->isEnabled());
    for (int id : {command::kNewDataEntry, command::kNewFile, command::kModelExecution,
                   command::kTrace, command::kExit, command::kHelpTopics, command::kReduceLevel1})
        QVERIFY(h.frame.action(id)->isEnabled());
}

void CommandTableTest::unitItemsFollowTheCurrentUnit() {
    const MenuState hours = tbfSoftware(3);
    for (int unit = 1; unit <= 7; ++unit) {
        QCOMPARE(enabled(hours, command::kConvertUnit[unit - 1]), unit != 3);
        QVERIFY(enabled(hours, command::kDefineUnitSeconds + unit - 1));
        QCOMPARE(checked(hours, command::kDefineUnitSeconds + unit - 1), unit == 3);
    }
    // No unit defined: nothing to convert from, but a unit can be defined.
    const MenuState none = tbfSoftware(0);
    for (int unit = 1; unit <= 7; ++unit) {
        QVERIFY(!enabled(none, command::kConvertUnit[unit - 1]));
        QVERIFY(enabled(none, command::kDefineUnitSeconds + unit - 1));
    }
    MenuState interval = tbfSoftware(3);
    interval.dataKind = static_cast<int>(DataKind::Interval);
    QVERIFY(!enabled(interval, command::kConvertUnit[0]));
    QVERIFY(!enabled(interval, command::kDefineUnitSeconds));
}

void CommandTableTest::conversionAndPlotRules() {
    MenuState s = tbfSoftware(4);
    QVERIFY(!enabled(s, command::kTbfToInterval));
    QVERIFY(!enabled(s, command::kIntervalToTbf));
    QVERIFY(!enabled(s, command::kSystemToSoftware));
    QVERIFY(enabled(s, command::kRawData));
    QVERIFY(enabled(s, command::kTransform[4]));

    s.errorHistory = static_cast<int>(ErrorHistory::System);
    QVERIFY(enabled(s, command::kSystemToSoftware));
    QVERIFY(enabled(s, command::kSystemToHardware));

    // Interval software data: no TBF entries, yet plots, smoothing and the conversion to TBF.
    MenuState interval;
    interval.dataKind = static_cast<int>(DataKind::Interval);
    interval.errorHistory = static_cast<int>(ErrorHistory::Software);
    interval.intervalCount = 19;
    QVERIFY(enabled(interval, command::kIntervalToTbf));
    QVERIFY(!enabled(interval, command::kTbfToInterval));
    QVERIFY(enabled(interval, command::kSmoothedData));
    QVERIFY(!enabled(interval, command::kStatistics));
    // The data file holds software intervals, so they can be saved from the menu.
    QVERIFY(enabled(interval, command::kSave));
    QVERIFY(enabled(interval, command::kSaveAs));
    interval.errorHistory = static_cast<int>(ErrorHistory::Hardware);
    QVERIFY(!enabled(interval, command::kSave));
    QVERIFY(!enabled(interval, command::kSmoothedData));
    QVERIFY(enabled(interval, command::kRawData));
    interval.intervalCount = 0;
    QVERIFY(!enabled(interval, command::kCellCombinations));

    // An error history left undecided by a read (-1) is not a history.
    MenuState undecided = tbfSoftware(1);
    undecided.errorHistory = -1;
    QVERIFY(!enabled(undecided, command::kRawData));
    QVERIFY(!enabled(undecided, command::kTransform[0]));
}

void CommandTableTest::checkMarksFollowTheOptions() {
    MenuState s;
    s.numericalMethod = 2;
    s.executionSeverityLevel = 3;
    s.viewPreference = 1;
    QVERIFY(!checked(s, command::kMaximumLikelihood));
    QVERIFY(checked(s, command::kLeastSquares));
    for (int level = 1; level <= 4; ++level)
        QCOMPARE(checked(s, command::kExecutionLevel1 + level - 1), level == 3);
    QVERIFY(!checked(s, command::kNoReduction));
    QVERIFY(checked(s, command::kViewTimeToFailure));
    QVERIFY(!checked(s, command::kViewTimeBetweenFailures));
    QVERIFY(!FindCommand(command::kSave)->checked);
}

void CommandTableTest::rulesAreEvaluatedWhenAMenuOpens() {
    AppHarness h;
    QAction* save = h.frame.action(command::kSave);
    QVERIFY(!save->isEnabled());
    h.data().dataKind = DataKind::Tbf;
    h.data().errorHistory = ErrorHistory::Software;
    h.data().tbfCount = 2;
    auto* file = h.frame.findChild<QMenu*>(QStringLiteral("File"));
    QVERIFY(file);
    emit file->aboutToShow();
    QVERIFY(save->isEnabled());
    QVERIFY(h.frame.action(command::kEdit)->isEnabled());
}

void CommandTableTest::traceChosenTwiceStaysOnUntilClose() {
    {
        AppHarness h;
        QVERIFY(!h.frame.action(command::kTrace)->isChecked());
        h.frame.runCommand(command::kTrace);
        QVERIFY(h.frame.action(command::kTrace)->isChecked());
        // A second Trace keeps tracing on, and the mark with it.
        h.frame.runCommand(command::kTrace);
        QVERIFY(h.frame.action(command::kTrace)->isChecked());
        QVERIFY(trace::isOn());
        QVERIFY(h.options().trace);
        QVERIFY(h.prompter.messages.isEmpty());
        QVERIFY(QFile::exists(h.path("VNK_trace.txt")));
        QVERIFY(h.frame.close());
        QVERIFY(!trace::isOn());
    }
    QVERIFY(!trace::isOn());
}

void CommandTableTest::severityLevelAndPredictionNumberChangeOnlyThemselves() {
    AppHarness h;
    const FailureDataSet before = h.data();
    h.frame.runCommand(command::kExecutionLevel1 + 2);
    QCOMPARE(h.options().executionSeverityLevel, 3);
    QVERIFY(h.frame.action(command::kExecutionLevel1 + 2)->isChecked());
    QVERIFY(!h.frame.action(command::kNoReduction)->isChecked());
    h.prompter.on<PredictionNumberScreen>([](PredictionNumberScreen& s) {
        s.field()->setText(QStringLiteral("17"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kPredictionNumber);
    QCOMPARE(h.options().predictionNumber, 17);
    QVERIFY(!h.data().dataChanged);
    QCOMPARE(h.data().tbfCount, before.tbfCount);
    QCOMPARE(h.options().numericalMethod, 1);
    QVERIFY(h.prompter.problems.isEmpty());
}

void CommandTableTest::modelExecutionNeedsDataTypeAndHistory() {
    AppHarness h;
    h.frame.runCommand(command::kModelExecution);
    QCOMPARE(h.prompter.messages.size(), 1);
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Error"));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
    QCOMPARE(h.prompter.messages[0].text,
             QStringLiteral("Both Data Type and Error History are required. Enter Input/New or "
                            "open to specify."));

    // Complete data reach the execution itself, which ends with maximum likelihood again.
    h.data().dataKind = DataKind::Tbf;
    h.data().errorHistory = ErrorHistory::Software;
    h.options().numericalMethod = 2;
    h.frame.runCommand(command::kModelExecution);
    QCOMPARE(h.prompter.messages.size(), 2);
    QCOMPARE(h.prompter.messages[1].text,
             QStringLiteral("The data set holds no times between failures."));
    QCOMPARE(h.options().numericalMethod, 1);
}

QTEST_MAIN(CommandTableTest)
#include "command_table_test.moc"
