// Start-up with and without "VARNOK3.INI", each configuration error, and the offers to save
// changed data when closing and before new data.
#include <QRadioButton>
#include <QtTest>

#include "app/kit/choice_group.h"
#include "app/screens/data/descriptor_screens.h"
#include "app/screens/data/input_file_format_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

void markChanged(AppHarness& h, const std::string& file) {
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Software;
    set.severityType = SeverityType::SameLevel;
    set.tbfCount = 2;
    set.setEntry(1, {3.0, 0.0, 1.0, -1.0, -1.0});
    set.setEntry(2, {4.5, 0.0, 1.0, -1.0, -1.0});
    set.currentFileName = file.empty() ? std::string() : h.path(file).toStdString();
    set.dataChanged = true;
}

const char* kFourHours = "10\n20\n30\n40\n";

}  // namespace

class StartupCloseTest : public QObject {
    Q_OBJECT
  private slots:
    void tbfConfigurationLoadsTheDataFile();
    void failureAtEndZeroKeepsTheLastTimeAsFailureFree();
    void intervalConfigurationReadsColumnsInTheirOrder();
    void configurationErrorsEndTheProgram_data();
    void configurationErrorsEndTheProgram();
    void closeWithoutChangesAsksNothing();
    void closeCancelKeepsProgramAndData();
    void closeNoEndsWithoutWriting();
    void closeYesSavesToTheCurrentFile();
    void closeYesWithoutASavedFileStaysOpen();
    void newDataOffersToSaveFirst();
    void commandLineOpensTheFirstFileAndNamesTheRest();
    void commandLineFileThatCannotBeReadLeavesAnEmptyWindow();
};

void StartupCloseTest::tbfConfigurationLoadsTheDataFile() {
    AppHarness h;
    h.write("data.txt", kFourHours);
    h.write("VARNOK3.INI", "data.txt\n0\n3\n1\n1\n1\n");
    QVERIFY(h.frame.startUp(h.folder()));
    QVERIFY(h.prompter.messages.isEmpty());
    QCOMPARE(h.data().tbfCount, 4);
    QCOMPARE(h.data().tbfUnit, TbfUnit::Hours);
    QCOMPARE(h.data().errorHistory, ErrorHistory::Software);
    QCOMPARE(h.data().failureFreeTime, 0.0);
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 4), 40.0);
    QVERIFY(!h.data().dataChanged);
    QVERIFY(h.frame.action(command::kStatistics)->isEnabled());
    QVERIFY(h.frame.action(command::kRawData)->isEnabled());
}

void StartupCloseTest::failureAtEndZeroKeepsTheLastTimeAsFailureFree() {
    AppHarness h;
    h.write("data.txt", kFourHours);
    h.write("VARNOK3.INI", "data.txt\n0\n3\n1\n0\n1\n");
    QVERIFY(h.frame.startUp(h.folder()));
    QCOMPARE(h.data().tbfCount, 3);
    QCOMPARE(h.data().failureFreeTime, 40.0);
}

void StartupCloseTest::intervalConfigurationReadsColumnsInTheirOrder() {
    AppHarness h;
    h.write("weeks.txt", "2.5 4\n1.5 7\n");
    h.write("VARNOK3.INI", "weeks.txt\n1\n2\n1\n");
    QVERIFY(h.frame.startUp(h.folder()));
    QCOMPARE(h.data().dataKind, DataKind::Interval);
    QCOMPARE(h.data().intervalCount, 2);
    QCOMPARE(h.data().interval(interval_row::kFaults, 2), 7.0);
    QCOMPARE(h.data().interval(interval_row::kLength, 2), 1.5);
    QCOMPARE(h.data().correctionsAfterFinalInterval, 7.0);
}

void StartupCloseTest::configurationErrorsEndTheProgram_data() {
    QTest::addColumn<QString>("configuration");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing data file") << "absent.txt\n0\n3\n1\n1\n1\n"
                                       << "The file on the VARNOK3.INI could not be opened.";
    QTest::newRow("data type") << "data.txt\n2\n"
                               << "The data type on the VARNOK3.INI file is invalid.";
    QTest::newRow("unit") << "data.txt\n0\n8\n1\n1\n1\n"
                          << "The TBF Measurement Unit on the VARNOK3.INI file is invalid.";
    QTest::newRow("history") << "data.txt\n0\n3\n3\n1\n1\n"
                             << "The error history type on the VARNOK3.INI file is invalid.";
    QTest::newRow("failure at end")
        << "data.txt\n0\n3\n1\n2\n1\n"
        << "The Failure at End field on the VARNOK3.INI file is invalid.";
    QTest::newRow("field code")
        << "data.txt\n0\n3\n1\n1\n6\n"
        << "There is an invalid field specification on the VARNOK3.INI file.";
    QTest::newRow("trailing empty line")
        << "data.txt\n0\n3\n1\n1\n1\n\n"
        << "There is an invalid field specification on the VARNOK3.INI file.";
    QTest::newRow("six columns") << "data.txt\n0\n3\n1\n1\n1\n2\n3\n4\n5\n5\n"
                                 << "There are extra fields on the VARNOK3.INI file.";
    QTest::newRow("three interval columns") << "data.txt\n1\n1\n2\n2\n"
                                            << "There are extra fields on the VARNOK3.INI file.";
    QTest::newRow("no time column")
        << "data.txt\n0\n3\n1\n1\n2\n"
        << "The Time Between Failure field is a required field on the VARNOK3.INI file.";
    QTest::newRow("system without failure type")
        << "data.txt\n0\n3\n2\n1\n1\n"
        << "The Failure Type Flag field is a required field on the VARNOK3.INI file for System "
           "Data.";
    QTest::newRow("interval without counts")
        << "data.txt\n1\n2\n"
        << "The Fault Counts field is a required field on the VARNOK3.INI file.";
}

void StartupCloseTest::configurationErrorsEndTheProgram() {
    QFETCH(QString, configuration);
    QFETCH(QString, message);
    AppHarness h;
    h.write("data.txt", kFourHours);
    h.write("VARNOK3.INI", configuration.toStdString());
    QVERIFY(!h.frame.startUp(h.folder()));
    QCOMPARE(h.prompter.messageTexts(), QStringList{message});
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Varnok 3"));
    // Nothing was loaded, so ending asks nothing.
    QCOMPARE(h.data().tbfCount, 0);
    QVERIFY(h.frame.close());
    QCOMPARE(h.prompter.messages.size(), 1);
}

void StartupCloseTest::closeWithoutChangesAsksNothing() {
    AppHarness h;
    QVERIFY(h.frame.close());
    QVERIFY(h.prompter.messages.isEmpty());
}

void StartupCloseTest::closeCancelKeepsProgramAndData() {
    AppHarness h;
    markChanged(h, "kept.v3d");
    h.frame.show();
    h.prompter.answer(QMessageBox::Cancel);
    h.frame.runCommand(command::kExit);
    QVERIFY(h.frame.isVisible());
    QCOMPARE(h.prompter.messages.size(), 1);
    QCOMPARE(h.prompter.messages[0].text, QStringLiteral("Do you want to save previous data"));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Question);
    QCOMPARE(h.prompter.messages[0].buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QVERIFY(h.data().dataChanged);
    QCOMPARE(h.data().tbfCount, 2);
    QVERIFY(!QFile::exists(h.path("kept.v3d")));
}

void StartupCloseTest::closeNoEndsWithoutWriting() {
    AppHarness h;
    markChanged(h, "kept.v3d");
    h.prompter.answer(QMessageBox::No);
    QVERIFY(h.frame.close());
    QVERIFY(!QFile::exists(h.path("kept.v3d")));
}

void StartupCloseTest::closeYesSavesToTheCurrentFile() {
    AppHarness h;
    markChanged(h, "kept.v3d");
    h.prompter.answer(QMessageBox::Yes);
    QVERIFY(h.frame.close());
    QCOMPARE(h.read("kept.v3d"), std::string("     3.00000  0 \n     4.50000  0 \n"));
    QVERIFY(!h.data().dataChanged);
}

void StartupCloseTest::closeYesWithoutASavedFileStaysOpen() {
    // Yes with no data file name asks for one; cancelling that must not lose the data.
    AppHarness h;
    markChanged(h, "");
    h.prompter.answer(QMessageBox::Yes);
    QVERIFY(!h.frame.close());
    QCOMPARE(h.prompter.fileChoices.size(), 1);
    QCOMPARE(h.prompter.fileChoices[0].defaultSuffix, QStringLiteral("V3D"));
    QVERIFY(h.data().dataChanged);
    // Saving through the file screen does end the program.
    h.prompter.answer(QMessageBox::Yes);
    h.prompter.savePaths << h.path("named.V3D");
    QVERIFY(h.frame.close());
    QVERIFY(QFile::exists(h.path("named.V3D")));
}

void StartupCloseTest::newDataOffersToSaveFirst() {
    AppHarness h;
    markChanged(h, "old.v3d");
    h.prompter.answer(QMessageBox::No);
    h.prompter.on<DataTypeScreen>(
        [](DataTypeScreen& s) { Click(s, QStringLiteral("cancelButton")); });
    h.frame.runCommand(command::kNewDataEntry);
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
    QCOMPARE(h.prompter.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(!QFile::exists(h.path("old.v3d")));
    QVERIFY(!h.data().dataChanged);
    QCOMPARE(h.data().tbfCount, 0);
    QVERIFY(h.data().currentFileName.empty());

    // Yes saves first, then the command goes on; the options come back to their start values.
    markChanged(h, "old.v3d");
    h.options().numericalMethod = 2;
    h.options().executionSeverityLevel = 4;
    h.prompter.answer(QMessageBox::Yes);
    h.frame.runCommand(command::kNewFile);  // the open-file screen is then cancelled
    QVERIFY(QFile::exists(h.path("old.v3d")));
    QCOMPARE(h.options().numericalMethod, 1);
    QCOMPARE(h.options().executionSeverityLevel, 0);
    QCOMPARE(h.prompter.fileChoices.size(), 1);
    QVERIFY(h.prompter.problems.isEmpty());
    QVERIFY(h.prompter.scriptDone());
}

void StartupCloseTest::commandLineOpensTheFirstFileAndNamesTheRest() {
    AppHarness h;
    const QString first = h.write("first.txt", kFourHours);
    h.prompter.on<DataTypeScreen>(
        [](DataTypeScreen& s) { Click(s, QStringLiteral("cancelButton")); });
    h.frame.openCommandLineFiles({first, QStringLiteral("b.v3d"), QStringLiteral("c.v3d")});
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{QStringLiteral("Only one data file can be open at a time. Opening %1; "
                                        "ignored: b.v3d, c.v3d.")
                             .arg(first)});
    QVERIFY(h.prompter.scriptDone());  // the data type screen came up for the first file

    // One file: no message before its screens.
    AppHarness one;
    one.prompter.on<DataTypeScreen>(
        [](DataTypeScreen& s) { Click(s, QStringLiteral("cancelButton")); });
    one.frame.openCommandLineFiles({one.write("only.txt", kFourHours)});
    QVERIFY(one.prompter.messages.isEmpty());
    QVERIFY(one.prompter.scriptDone());
}

void StartupCloseTest::commandLineFileThatCannotBeReadLeavesAnEmptyWindow() {
    // A file that is not there meets the same screens and message as Data / New / File.
    const auto open = [](AppHarness& h, bool commandLine) {
        h.prompter.on<DataTypeScreen>([](DataTypeScreen& s) {
            s.dataTypes()->option(0)->click();
            Click(s, QStringLiteral("okButton"));
        });
        h.prompter.on<InputFileFormatScreen>(
            [](InputFileFormatScreen& s) { Click(s, QStringLiteral("okButton")); });
        h.prompter.answer(QMessageBox::Cancel);
        const QString missing = h.path("missing.v3d");
        if (commandLine) {
            h.frame.openCommandLineFiles({missing});
        } else {
            h.prompter.openPaths << missing;
            h.frame.runCommand(command::kNewFile);
        }
    };
    AppHarness fromLine, fromMenu;
    open(fromLine, true);
    open(fromMenu, false);
    QVERIFY(!fromLine.prompter.messages.isEmpty());
    QCOMPARE(fromLine.prompter.messageTexts(), fromMenu.prompter.messageTexts());
    QCOMPARE(fromLine.data().tbfCount, 0);
    QVERIFY(fromLine.data().currentFileName.empty());
    QVERIFY(fromLine.prompter.scriptDone());
    QVERIFY(fromLine.frame.isEnabled());
}

QTEST_MAIN(StartupCloseTest)
#include "startup_close_test.moc"
