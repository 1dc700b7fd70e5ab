// The Conversions menu (reductions, unit conversions, the data kind conversion), the TBF unit
// definition, and the Transformation screen with its error messages.
#include <QLineEdit>
#include <QtTest>
#include <cmath>

#include "app/screens/data/transformation_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

struct Row {
    double time, type, level;
};

void fill(FailureDataSet& set, std::initializer_list<Row> rows, TbfUnit unit = TbfUnit::Hours) {
    set.dataKind = DataKind::Tbf;
    set.tbfCount = 0;
    for (const Row& r : rows) set.setEntry(++set.tbfCount, {r.time, r.type, r.level, -1.0, -1.0});
    set.deriveDescriptors();
    set.tbfUnit = unit;
    set.dataChanged = false;
}

QList<double> times(const FailureDataSet& set) {
    QList<double> t;
    for (int i = 1; i <= set.tbfCount; ++i) t << set.tbf(TbfField::TimeBetweenFailures, i);
    return t;
}

void transform(AppHarness& h, int kind, const QString& a, const QString& b = QStringLiteral("0")) {
    h.prompter.on<TransformationScreen>([=](TransformationScreen& s) {
        s.aField()->setText(a);
        if (s.bField()->isEnabled()) s.bField()->setText(b);
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kTransform[kind - 1]);
}

}  // namespace

class ConversionsTest : public QObject {
    Q_OBJECT
  private slots:
    void severityReductionKeepsOneLevel();
    void systemReductionKeepsOneFailureType();
    void unitConversionsAndDefinition();
    void dataKindConversion();
    void transformationsApplyOrRefuse_data();
    void transformationsApplyOrRefuse();
    void transformationScreenFields();
    void transformingIntervalDataChangesNothing();
};

void ConversionsTest::severityReductionKeepsOneLevel() {
    AppHarness h;
    fill(h.data(), {{3, 0, 1}, {4, 0, 2}, {5, 0, 1}, {6, 0, 2}, {7, 0, 1}});
    QCOMPARE(h.data().severityType, SeverityType::Variable);
    h.frame.runCommand(command::kReduceLevel1 + 1);
    QCOMPARE(times(h.data()), QList<double>({7, 11}));
    QCOMPARE(h.data().entry(2).severityLevel, 2.0);
    QCOMPARE(h.data().severityType, SeverityType::SameLevel);
    QVERIFY(!h.data().severityLevelPresent(1));
    QVERIFY(h.data().dataChanged);
}

void ConversionsTest::systemReductionKeepsOneFailureType() {
    AppHarness h;
    fill(h.data(), {{10, 0, 1}, {1, 1, 1}, {2, 1, 1}, {20, 0, 1}});
    QCOMPARE(h.data().errorHistory, ErrorHistory::System);
    h.frame.runCommand(command::kSystemToSoftware);
    QCOMPARE(times(h.data()), QList<double>({10, 23}));
    QCOMPARE(h.data().errorHistory, ErrorHistory::Software);
    QVERIFY(h.data().dataChanged);
    // Now a software history: the reductions are no longer offered.
    h.frame.runCommand(command::kSystemToHardware);
    QCOMPARE(h.data().tbfCount, 2);

    AppHarness hw;
    fill(hw.data(), {{10, 0, 1}, {1, 1, 1}, {2, 1, 1}, {20, 0, 1}});
    hw.frame.runCommand(command::kSystemToHardware);
    QCOMPARE(times(hw.data()), QList<double>({11, 2}));
    QCOMPARE(hw.data().errorHistory, ErrorHistory::Hardware);
}

void ConversionsTest::unitConversionsAndDefinition() {
    AppHarness h;
    fill(h.data(), {{3600, 0, 1}}, TbfUnit::Seconds);
    h.frame.runCommand(command::kConvertUnit[2]);  // hours
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 1), 1.0);
    QCOMPARE(h.data().tbfUnit, TbfUnit::Hours);
    QVERIFY(h.data().dataChanged);
    QVERIFY(!h.frame.action(command::kConvertUnit[2])->isEnabled());

    fill(h.data(), {{1, 0, 1}}, TbfUnit::Weeks);
    h.frame.runCommand(command::kConvertUnit[3]);  // days
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 1), 7.0);

    fill(h.data(), {{1, 0, 1}}, TbfUnit::Years);
    h.data().failureFreeTime = 2.0;
    h.frame.runCommand(command::kConvertUnit[4]);  // weeks
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 1), 48.0);
    // The failure-free time after the last failure is a time like the others.
    QCOMPARE(h.data().failureFreeTime, 96.0);

    // Defining the unit names the values' unit without changing them or the changed flag.
    fill(h.data(), {{5, 0, 1}}, TbfUnit::None);
    h.frame.refreshCommands();
    QVERIFY(!h.frame.action(command::kConvertUnit[0])->isEnabled());
    h.frame.runCommand(command::kDefineUnitSeconds + 3);
    QCOMPARE(h.data().tbfUnit, TbfUnit::Days);
    QVERIFY(h.frame.action(command::kDefineUnitSeconds + 3)->isChecked());
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 1), 5.0);
    QVERIFY(!h.data().dataChanged);
    QVERIFY(h.prompter.messages.isEmpty());
}

void ConversionsTest::dataKindConversion() {
    AppHarness h;
    h.data().dataKind = DataKind::Interval;
    h.data().errorHistory = ErrorHistory::Software;
    h.frame.runCommand(command::kTbfToInterval);  // never offered
    QVERIFY(!h.data().dataChanged);
    h.frame.runCommand(command::kIntervalToTbf);
    QCOMPARE(h.data().dataKind, DataKind::Tbf);
    QCOMPARE(h.data().tbfCount, 0);
    QVERIFY(h.data().dataChanged);
}

void ConversionsTest::transformationsApplyOrRefuse_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<double>("expected");  // NAN: refused with `message`
    QTest::addColumn<QString>("message");
    QTest::newRow("add") << 1 << 2.0 << "1.5"
                         << "9" << 3.5 << "";
    QTest::newRow("multiply") << 2 << 2.0 << "-3"
                              << "0" << -6.0 << "";
    QTest::newRow("whole power of a negative") << 3 << -3.0 << "2"
                                               << "0" << 9.0 << "";
    QTest::newRow("real power of zero")
        << 3 << 0.0 << "0.5"
        << "0" << double(NAN) << "Raising a non-positive real number to a real power.";
    QTest::newRow("log of zero") << 4 << 0.0 << "1"
                                 << "0" << double(NAN)
                                 << "A LOG was attempted on a computed negative or zero value.";
    QTest::newRow("log") << 4 << 1.0 << "2"
                         << "-1" << 0.0 << "";
    QTest::newRow("exp out of range")
        << 5 << 742.0 << "1"
        << "0" << double(NAN) << "An EXP was attempted on a value that is out of range.";
    QTest::newRow("multiply beyond the largest real")
        << 2 << 10.0 << "1e308"
        << "0" << double(NAN) << "The transformation would produce a value that is out of range.";
    QTest::newRow("exp") << 5 << 700.0 << "1"
                         << "0" << std::exp(700.0) << "";
}

void ConversionsTest::transformationsApplyOrRefuse() {
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(double, expected);
    QFETCH(QString, message);
    AppHarness h;
    fill(h.data(), {{value, 0, 1}});
    transform(h, kind, a, b);
    QVERIFY(h.prompter.problems.isEmpty());
    const double result = h.data().tbf(TbfField::TimeBetweenFailures, 1);
    if (message.isEmpty()) {
        QVERIFY(h.prompter.messages.isEmpty());
        QVERIFY(std::fabs(result - expected) <= 1e-12 * std::max(1.0, std::fabs(expected)));
        QVERIFY(h.data().dataChanged);
    } else {
        QCOMPARE(h.prompter.messageTexts(), QStringList{message});
        QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Transformation Error"));
        QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
        QCOMPARE(result, value);
        QVERIFY(!h.data().dataChanged);
    }
}

void ConversionsTest::transformationScreenFields() {
    AppHarness h;
    fill(h.data(), {{2, 0, 1}});
    h.prompter.on<TransformationScreen>([&h](TransformationScreen& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Dat ( i ) ** A"));
        QCOMPARE(s.aField()->text(), QStringLiteral("0"));
        QVERIFY(!s.bField()->isEnabled());
        s.aField()->setText(QStringLiteral("two"));
        Click(s, QStringLiteral("okButton"));
        QVERIFY(s.result() != QDialog::Accepted);
        QCOMPARE(h.prompter.messageTexts(), QStringList{"Please enter a number."});
        Click(s, QStringLiteral("cancelButton"));
    });
    h.frame.runCommand(command::kTransform[2]);
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 1), 2.0);
    QVERIFY(!h.data().dataChanged);
    QCOMPARE(TransformationScreen::captionOf(4), QStringLiteral("Log ( A * Dat ( i ) + B)"));
    TransformationScreen exp(h.prompter, 5);
    QVERIFY(exp.bField()->isEnabled());
}

void ConversionsTest::transformingIntervalDataChangesNothing() {
    AppHarness h;
    h.data().dataKind = DataKind::Interval;
    h.data().errorHistory = ErrorHistory::Software;
    h.data().interval(interval_row::kFaults, 1) = 4.0;
    transform(h, 1, QStringLiteral("10"));
    QVERIFY(h.prompter.messages.isEmpty());
    QCOMPARE(h.data().interval(interval_row::kFaults, 1), 4.0);
    QVERIFY(!h.data().dataChanged);
}

QTEST_MAIN(ConversionsTest)
#include "conversions_test.moc"
