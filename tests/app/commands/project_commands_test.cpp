// File / Save Project and Open Project: what a data file cannot keep comes back, a project is
// never written over its data file, and a refused project changes nothing.
#include <QtTest>

#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

class ProjectCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void unitFailureFreeTimeAndStepsComeBack() {
        AppHarness h;
        FailureDataSet& set = h.data();
        set.dataKind = DataKind::Tbf;
        set.errorHistory = ErrorHistory::Software;
        for (int i = 1; i <= 3; ++i) {
            set.tbf(TbfField::TimeBetweenFailures, i) = 10.0 * i;
            set.tbf(TbfField::FailureType, i) = 0.0;
        }
        set.tbfCount = 3;
        set.tbfUnit = TbfUnit::Seconds;
        set.failureFreeTime = 120.0;
        h.frame.runCommand(command::kConvertUnit[2]);  // to hours
        QCOMPARE(h.doc.steps.size(), std::size_t{1});
        QVERIFY(h.frame.action(command::kSaveProject)->isEnabled());
        h.prompter.savePaths << h.path("run.v3p");
        h.frame.runCommand(command::kSaveProject);
        QVERIFY2(h.prompter.messages.isEmpty(), qPrintable(h.prompter.messageLines().join('\n')));

        h.doc.clearForNewData();
        h.data().dataChanged = false;
        h.prompter.openPaths << h.path("run.v3p");
        h.frame.runCommand(command::kOpenProject);
        QCOMPARE(h.data().tbfUnit, TbfUnit::Hours);
        QCOMPARE(h.data().failureFreeTime, 120.0 / 3600.0);
        QCOMPARE(h.data().tbfCount, 3);
        QCOMPARE(h.doc.steps.size(), std::size_t{1});
        QCOMPARE(h.doc.steps.front().name, std::string("Convert TBF Units"));
    }

    void neverOverTheDataFileAndARefusedProjectChangesNothing() {
        AppHarness h;
        FailureDataSet& set = h.data();
        set.dataKind = DataKind::Tbf;
        set.errorHistory = ErrorHistory::Software;
        set.tbf(TbfField::TimeBetweenFailures, 1) = 4.0;
        set.tbfCount = 1;
        const std::string data = "   4.00000  0  1\n";
        set.currentFileName = h.write("data.v3d", data).toStdString();
        h.prompter.savePaths << QString::fromStdString(set.currentFileName);
        h.frame.runCommand(command::kSaveProject);
        QCOMPARE(h.prompter.messages.size(), 1);
        QCOMPARE(h.read("data.v3d"), data);

        h.data().dataChanged = false;
        h.prompter.openPaths << h.write("bad.v3p", "{\"format\": \"varnok3-project\"}");
        h.frame.runCommand(command::kOpenProject);
        QCOMPARE(h.prompter.messages.size(), 2);
        QVERIFY(h.prompter.messages.last().text.contains("version"));
        QCOMPARE(h.data().tbfCount, 1);
        QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 1), 4.0);
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "project_commands_test.moc"
