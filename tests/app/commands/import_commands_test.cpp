// Data / Import...: what the screen imports becomes the data set with its unit and
// failure-free time, the settings reach the project file, rejected rows and more than 1000
// entries are put to the user, and Cancel on any page changes nothing.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QtTest>

#include "app/screens/data/import_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

// Failures 2 h, 3 h (a tie across time zones), 5 h and 10 h after the start; one in "db".
const std::string kExport =
    "key;opened;prio;component\r\nA-1;2024-03-01T02:00:00Z;Major;ui\r\n"
    "A-2;2024-03-01T05:00:00+02:00;critical;ui\r\nA-3;2024-03-01T03:00:00Z;minor;ui\r\n"
    "A-4;2024-03-01T04:00:00Z;minor;db\r\nA-5;2024-03-01T10:00:00Z;trivial;ui\r\n";

void setRole(ImportScreen& s, int column, ImportScreen::Role role) {
    s.roleBox(column)->setCurrentIndex(role);
}

}  // namespace

class ImportCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void timestampsBecomeTheDataSetAndTheSettingsReachTheProject() {
        AppHarness h;
        const QString file = h.write("export.csv", kExport);
        h.prompter.on<ImportScreen>([&](ImportScreen& s) {
            QVERIFY(s.setFile(file));
            QCOMPARE(s.previewTable()->columnCount(), 4);
            QCOMPARE(s.previewTable()->item(0, 2)->text(), QStringLiteral("Major"));
            QVERIFY(s.next());
            QCOMPARE(s.roleBox(1)->currentIndex(), int(ImportScreen::Time));  // guessed
            setRole(s, 2, ImportScreen::Severity);
            setRole(s, 3, ImportScreen::Filter);
            QCOMPARE(s.filterValuesList()->count(), 2);
            s.filterValuesList()->item(1)->setCheckState(Qt::Unchecked);  // "db"
            // The column holds the usual labels only: their levels are offered.
            QCOMPARE(s.severityMapBox()->text(),
                     QStringLiteral("critical=1,major=2,minor=3,trivial=4"));
            QVERIFY(s.next());
            s.unitBox()->setCurrentIndex(2);  // hours
            s.startBox()->setText(QStringLiteral("2024-03-01"));
            s.endBox()->setText(QStringLiteral("2024-03-01T12:00:00Z"));
            QVERIFY(s.next());
            QCOMPARE(s.resultTable()->rowCount(), 4);
            Click(s, QStringLiteral("okButton"));
        });
        h.frame.runCommand(command::kImport);
        QVERIFY2(h.prompter.messages.isEmpty(), qPrintable(h.prompter.messageLines().join('\n')));
        const FailureDataSet& set = h.data();
        QCOMPARE(set.dataKind, DataKind::Tbf);
        QCOMPARE(set.tbfCount, 4);
        QCOMPARE(set.tbfUnit, TbfUnit::Hours);
        const double times[] = {2, 1, 0, 7}, levels[] = {2, 1, 3, 4};
        for (int i = 1; i <= 4; ++i) {
            QCOMPARE(set.tbf(TbfField::TimeBetweenFailures, i), times[i - 1]);
            QCOMPARE(set.tbf(TbfField::SeverityLevel, i), levels[i - 1]);
        }
        QCOMPARE(set.failureFreeTime, 2.0);
        QCOMPARE(set.errorHistory, ErrorHistory::Software);
        QVERIFY(set.currentFileName.empty());  // Save never writes over the export
        QVERIFY(set.dataChanged);
        QCOMPARE(h.doc.steps.size(), std::size_t{1});
        QCOMPARE(h.doc.steps.front().name, std::string("Import"));

        h.prompter.savePaths << h.path("run.v3p");
        h.frame.runCommand(command::kSaveProject);
        const std::string project = h.read("run.v3p");
        QVERIFY2(project.find("\"time_column\": \"opened\"") != std::string::npos, project.c_str());
        QVERIFY(project.find("\"filter_values\": [\n      \"ui\"\n    ]") != std::string::npos);
        QVERIFY(project.find(file.toStdString()) != std::string::npos);
    }

    void rejectedRowsAndTooManyPeriodsAreAskedAndCancelChangesNothing() {
        AppHarness h;
        FailureDataSet& set = h.data();
        set.dataKind = DataKind::Tbf;
        set.errorHistory = ErrorHistory::Software;
        set.tbf(TbfField::TimeBetweenFailures, 1) = 4.0;
        set.tbfCount = 1;
        std::string csv = "cycle,opened\n1,2024-01-02\n,2024-01-03\n";
        for (int i = 0; i < 3; ++i) csv += "1500,2024-01-04\n";
        const QString file = h.write("cycles.csv", csv);
        h.prompter.on<ImportScreen>([&](ImportScreen& s) {
            QVERIFY(s.setFile(file));
            QVERIFY(s.next());
            setRole(s, 0, ImportScreen::Period);
            setRole(s, 1, ImportScreen::Ignore);
            QVERIFY(s.next());
            QCOMPARE(s.resultBox()->currentIndex(), 4);  // per test period
            h.prompter.answer(QMessageBox::Cancel);      // the rejected row
            QVERIFY(!s.next());
            QCOMPARE(s.page(), int(ImportScreen::TimesPage));
            h.prompter.answer(QMessageBox::Yes);  // skip it
            h.prompter.answer(QMessageBox::Yes);  // keep the most recent 1000 of 1500
            QVERIFY(s.next());
            QCOMPARE(s.resultTable()->rowCount(), 1000);
            QCOMPARE(s.resultTable()->item(999, 1)->text(), QStringLiteral("3"));
            QCOMPARE(s.findChild<QListWidget*>(QStringLiteral("skippedList"))->item(0)->text(),
                     QStringLiteral("line 3: missing field \"cycle\""));
            Click(s, QStringLiteral("cancelButton"));
        });
        h.frame.runCommand(command::kImport);
        QCOMPARE(h.prompter.messageTexts().size(), 3);  // the rows twice, then the count
        QVERIFY(h.prompter.messageTexts()[0].startsWith(
            QStringLiteral("1 rows cannot be imported.\nline 3: missing field \"cycle\"")));
        QCOMPARE(
            h.prompter.messageTexts()[2],
            QStringLiteral("1500 intervals; at most 1000 can be kept. Keep the most recent 1000?"));
        QCOMPARE(set.tbfCount, 1);
        QCOMPARE(set.tbf(TbfField::TimeBetweenFailures, 1), 4.0);
        QVERIFY(h.doc.steps.empty());
        QVERIFY(!h.doc.import);
    }
};

QTEST_MAIN(ImportCommandsTest)
#include "import_commands_test.moc"
