// Data / Statistics: the whole set's statistics, the software or hardware screen on the kept
// failures, the system screen's three columns, and values drawn in blue.
#include <QLineEdit>
#include <QtTest>

#include "app/screens/data/statistics_screens.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

void fill(FailureDataSet& set, std::initializer_list<std::pair<double, double>> rows) {
    set.dataKind = DataKind::Tbf;
    set.tbfCount = 0;
    for (auto [time, type] : rows) set.setEntry(++set.tbfCount, {time, type, 1.0, -1.0, -1.0});
    set.deriveDescriptors();
}

bool isBlue(const QLineEdit* field) {
    return field->palette().color(QPalette::Text) == QColor(Qt::blue);
}

// Rows of the screens, as indices into kStatisticsRows.
constexpr int kAverage = 0, kMedian = 1, kLowerHinge = 2, kUpperHinge = 3, kMinimum = 4,
              kMaximum = 5, kVariance = 7, kKurtosis = 9;

}  // namespace

class StatisticsTest : public QObject {
    Q_OBJECT
  private slots:
    void softwareScreenShowsTheKeptFailures();
    void systemScreenShowsThreeColumns();
    void hardwareHistoryUsesTheHardwareCaption();
    void misleadingValuesAreBlue();
};

void StatisticsTest::softwareScreenShowsTheKeptFailures() {
    // A software history whose second failure is a hardware one: the screen works on 10 and 25.
    AppHarness h;
    fill(h.data(), {{10, 0}, {5, 1}, {20, 0}});
    h.data().errorHistory = ErrorHistory::Software;
    h.prompter.on<SoftwareStatisticsScreen>([](SoftwareStatisticsScreen& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Preliminary Software Data Statistics"));
        QCOMPARE(s.column().count()->text(), QStringLiteral("2"));
        QCOMPARE(s.column().value(kAverage)->text(), QStringLiteral("17.500000"));
        QCOMPARE(s.column().value(kMaximum)->text(), QStringLiteral("25.000000"));
        QCOMPARE(s.column().value(kVariance)->text(), QStringLiteral("112.500000"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kStatistics);
    QVERIFY(h.prompter.problems.isEmpty());
    // The whole set is kept for later use, and the data set itself is untouched.
    QCOMPARE(h.doc.wholeSetStatistics.count, 3);
    QCOMPARE(h.doc.wholeSetStatistics.stats[dst::kSum - 1], 35.0);
    QCOMPARE(h.data().tbfCount, 3);
}

void StatisticsTest::systemScreenShowsThreeColumns() {
    AppHarness h;
    fill(h.data(), {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
    h.data().errorHistory = ErrorHistory::System;
    h.prompter.on<SystemStatisticsScreen>([](SystemStatisticsScreen& s) {
        const StatisticsColumn& sys = s.system();
        QCOMPARE(sys.count()->text(), QStringLiteral("5"));
        QCOMPARE(sys.value(kMedian)->text(), QStringLiteral("3.000000"));
        QCOMPARE(sys.value(kLowerHinge)->text(), QStringLiteral("2.000000"));
        QCOMPARE(sys.value(kUpperHinge)->text(), QStringLiteral("4.000000"));
        QCOMPARE(sys.value(kVariance)->text(), QStringLiteral("2.500000"));
        QCOMPARE(sys.value(kKurtosis)->text(), QStringLiteral("-1.300000"));
        QCOMPARE(s.software().count()->text(), QStringLiteral("5"));
        // No hardware failures: a count of 0 and nothing else to show.
        QCOMPARE(s.hardware().count()->text(), QStringLiteral("0"));
        QVERIFY(s.hardware().value(kAverage)->text().isEmpty());
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kStatistics);
    QVERIFY(h.prompter.problems.isEmpty());
}

void StatisticsTest::hardwareHistoryUsesTheHardwareCaption() {
    AppHarness h;
    fill(h.data(), {{7, 1}});
    h.prompter.on<SoftwareStatisticsScreen>([](SoftwareStatisticsScreen& s) {
        QCOMPARE(s.windowTitle(), QStringLiteral("Preliminary Hardware Data Statistics"));
        QCOMPARE(s.column().value(kMedian)->text(), QStringLiteral("7.000000"));
        QCOMPARE(s.column().value(kVariance)->text(), QStringLiteral("0.000000"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kStatistics);
    QVERIFY(h.prompter.problems.isEmpty());
}

void StatisticsTest::misleadingValuesAreBlue() {
    AppHarness h;
    fill(h.data(), {{123456.0, 0}, {123456.0, 0}, {0.00001, 0}});
    h.prompter.on<SoftwareStatisticsScreen>([](SoftwareStatisticsScreen& s) {
        QVERIFY(isBlue(s.column().value(kMaximum)));    // 123456.000000
        QVERIFY(isBlue(s.column().value(kMinimum)));    // 0.000010
        QVERIFY(!isBlue(s.column().value(kKurtosis)));  // a small plain number
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kStatistics);
    QVERIFY(h.prompter.problems.isEmpty());
}

QTEST_MAIN(StatisticsTest)
#include "statistics_test.moc"
