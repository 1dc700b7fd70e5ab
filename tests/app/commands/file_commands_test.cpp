// Data files through the screens: Data / New / File and Data / Append / File with the
// "Input File Format" screen, bad and binary files, and File / Save and Save As.
#include <QComboBox>
#include <QProgressBar>
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

void chooseDataType(AppHarness& h, int choice) {
    h.prompter.on<DataTypeScreen>([choice](DataTypeScreen& s) {
        s.dataTypes()->option(choice)->click();
        Click(s, QStringLiteral("okButton"));
    });
}

// The layout screen with the given column texts (the rest "Not Applicable").
void chooseColumns(AppHarness& h, QStringList texts) {
    h.prompter.on<InputFileFormatScreen>([texts](InputFileFormatScreen& s) {
        for (int k = 1; k <= 9; ++k)
            s.column(k)->setCurrentText(k <= texts.size() ? texts[k - 1]
                                                          : QStringLiteral("Not Applicable"));
        Click(s, QStringLiteral("okButton"));
        QCOMPARE(s.progress()->value(), s.progress()->maximum());
    });
}

void chooseHistory(AppHarness& h, int choice) {
    h.prompter.on<ErrorHistoryScreen>([choice](ErrorHistoryScreen& s) {
        s.history()->option(choice)->click();
        Click(s, QStringLiteral("okButton"));
    });
}

const QString kTime = QStringLiteral("Time Between Failure Units");
const QString kType = QStringLiteral("Failure Type Flag");

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void newFileReadsTbfWithTheChosenLayout();
    void missingFailureTypeAndNoFailureAtEnd();
    void inputFileFormatRefusesInvalidLayouts();
    void intervalFileSetsTheRunningRows();
    void hardwareIntervalFileIsNotRead();
    void binaryAndEmptyFilesLeaveAClearOutcome();
    void unreadableFileOffersRetry();
    void appendFileAddsEntriesAndMarksTheDataChanged();
    void saveAsAndReadBackThroughTheScreens();
    void saveRefusesAnIncompleteSet();
    void saveOffersRetryWhenTheFileCannotBeWritten();
    void intervalDataAreNeverSavedAsAnEmptyFile();
};

void FileCommandsTest::newFileReadsTbfWithTheChosenLayout() {
    AppHarness h;
    const QString file =
        h.write("three.v3d", "     9.00000  0 \n    12.00000  0 \n    11.50000  0 \n");
    h.prompter.openPaths << file;
    chooseDataType(h, 0);
    chooseColumns(h, {kTime, kType});
    h.prompter.answer(QMessageBox::Yes);
    h.frame.runCommand(command::kNewFile);

    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{"Did a failure occur at the end of the final entry?"});
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Question);
    QCOMPARE(h.data().tbfCount, 3);
    QCOMPARE(h.data().tbf(TbfField::TimeBetweenFailures, 3), 11.5);
    QCOMPARE(h.data().errorHistory, ErrorHistory::Software);
    QCOMPARE(QString::fromStdString(h.data().currentFileName), file);
    QVERIFY(!h.data().dataChanged);
    QVERIFY(h.prompter.fileChoices[0].filter.contains(QStringLiteral("*.V3D")));
}

void FileCommandsTest::missingFailureTypeAndNoFailureAtEnd() {
    AppHarness h;
    h.prompter.openPaths << h.write("times.txt", "5\n6\n7\n8\n");
    chooseDataType(h, 0);
    chooseColumns(h, {kTime});
    chooseHistory(h, 1);
    h.prompter.answer(QMessageBox::No);
    h.frame.runCommand(command::kNewFile);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.data().errorHistory, ErrorHistory::Hardware);
    QCOMPARE(h.data().tbfCount, 3);
    QCOMPARE(h.data().failureFreeTime, 8.0);
    for (int i = 1; i <= 3; ++i) QCOMPARE(h.data().tbf(TbfField::FailureType, i), 1.0);

    // Cancel on the history question leaves the set incomplete.
    AppHarness c;
    c.prompter.openPaths << c.write("times.txt", "5\n6\n");
    chooseDataType(c, 0);
    chooseColumns(c, {kTime});
    c.prompter.on<ErrorHistoryScreen>(
        [](ErrorHistoryScreen& s) { Click(s, QStringLiteral("cancelButton")); });
    c.prompter.answer(QMessageBox::Yes);
    c.frame.runCommand(command::kNewFile);
    QCOMPARE(c.data().errorHistory, ErrorHistory::None);
    QVERIFY(!c.data().isComplete());
}

void FileCommandsTest::inputFileFormatRefusesInvalidLayouts() {
    AppHarness h;
    h.prompter.openPaths << h.write("times.txt", "5 0\n");
    chooseDataType(h, 0);
    h.prompter.on<InputFileFormatScreen>([&h](InputFileFormatScreen& s) {
        // The screen always opens on the five fields in order, then "Not Applicable".
        QCOMPARE(s.column(1)->currentText(), kTime);
        QCOMPARE(s.column(5)->currentText(), QStringLiteral("H/W Effectiveness Factor"));
        QCOMPARE(s.column(9)->currentText(), QStringLiteral("Not Applicable"));
        s.column(2)->setCurrentText(QStringLiteral("Severity Level"));
        Click(s, QStringLiteral("okButton"));
        QVERIFY(s.result() != QDialog::Accepted);
        QCOMPARE(s.progress()->value(), 0);
        s.column(2)->setCurrentText(QStringLiteral("Failure Type"));  // typed, names no field
        Click(s, QStringLiteral("okButton"));
        QVERIFY(s.result() != QDialog::Accepted);
        QCOMPARE(h.prompter.messages.size(), 2);
        Click(s, QStringLiteral("cancelButton"));
    });
    h.frame.runCommand(command::kNewFile);
    for (const ShownMessage& m : h.prompter.messages) {
        QCOMPARE(m.text, QStringLiteral("Invalid File Format"));
        QCOMPARE(m.caption, QStringLiteral("ERROR"));
        QCOMPARE(m.icon, MessageIcon::Stop);
    }
    QCOMPARE(h.data().tbfCount, 0);

    // Repeated "Not Applicable" columns and no time column are both acceptable.
    AppHarness ok;
    ok.prompter.openPaths << ok.write("types.txt", "0 1\n");
    chooseDataType(ok, 0);
    chooseColumns(ok, {QStringLiteral("Not Applicable"), kType});
    ok.prompter.answer(QMessageBox::Yes);
    ok.frame.runCommand(command::kNewFile);
    QVERIFY(ok.prompter.problems.isEmpty());
    QCOMPARE(ok.data().tbfCount, 1);
    QCOMPARE(ok.data().tbf(TbfField::FailureType, 1), 1.0);
}

void FileCommandsTest::intervalFileSetsTheRunningRows() {
    AppHarness h;
    h.prompter.openPaths << h.write("weeks.v3d", "2 1.5\n5\n1 2\n");
    chooseDataType(h, 1);
    chooseHistory(h, 0);
    h.frame.runCommand(command::kNewFile);
    QVERIFY(h.prompter.problems.isEmpty());
    const FailureDataSet& s = h.data();
    QCOMPARE(s.dataKind, DataKind::Interval);
    QCOMPARE(s.intervalCount, 3);
    QCOMPARE(s.interval(interval_row::kLength, 2), 1.0);
    QCOMPARE(s.correctionsAfterFinalInterval, 1.0);
    const double running[3] = {0, 2, 7};
    for (int j = 1; j <= 3; ++j) {
        QCOMPARE(s.interval(interval_row::kPreviousFaults, j), running[j - 1]);
        QCOMPARE(s.interval(interval_row::kCorrections, j), running[j - 1]);
    }
    QVERIFY(h.frame.action(command::kIntervalToTbf)->isEnabled());
}

void FileCommandsTest::hardwareIntervalFileIsNotRead() {
    AppHarness h;
    h.prompter.openPaths << h.write("weeks.v3d", "2 1.5\n");
    chooseDataType(h, 1);
    chooseHistory(h, 1);
    h.frame.runCommand(command::kNewFile);
    QCOMPARE(h.data().dataKind, DataKind::None);
    QCOMPARE(h.data().errorHistory, ErrorHistory::None);
}

void FileCommandsTest::binaryAndEmptyFilesLeaveAClearOutcome() {
    AppHarness h;
    std::string binary(
        "\x7f"
        "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0",
        16);
    for (int k = 0; k < 200; ++k) binary += static_cast<char>(k);
    h.prompter.openPaths << h.write("program.bin", binary);
    h.frame.runCommand(command::kNewFile);
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{"The file is not a text data file; nothing was read."});
    QVERIFY(h.prompter.screens.isEmpty());
    QCOMPARE(h.data().tbfCount, 0);

    // Text that is not data: those lines are named and skipped on the user's word.
    AppHarness c;
    const QString notes = c.write("notes.txt", "failure log\n12 0\nsee above\n");
    c.prompter.openPaths << notes;
    chooseDataType(c, 0);
    chooseColumns(c, {kTime, kType});
    c.prompter.answer(QMessageBox::Yes);  // skip the lines that are not data
    c.prompter.answer(QMessageBox::Yes);  // a failure at the end
    c.frame.runCommand(command::kNewFile);
    QVERIFY2(c.prompter.problems.isEmpty(), qPrintable(c.prompter.problems.join(QLatin1Char(10))));
    QVERIFY(c.prompter.messageTexts().first().startsWith(
        notes + QStringLiteral(": line 1, column 1: \"failure\" is not a number\n") + notes +
        QStringLiteral(": line 3, column 1: \"see\" is not a number\n")));
    QCOMPARE(c.data().tbfCount, 1);
    QCOMPARE(c.data().tbf(TbfField::TimeBetweenFailures, 1), 12.0);

    AppHarness e;
    e.prompter.openPaths << e.write("empty.v3d", "");
    chooseDataType(e, 0);
    chooseColumns(e, {kTime});
    e.frame.runCommand(command::kNewFile);
    QVERIFY(e.prompter.problems.isEmpty());
    QCOMPARE(e.prompter.messageTexts(), QStringList{"The file holds no data; nothing was read."});
    QCOMPARE(e.data().errorHistory, ErrorHistory::None);
    QVERIFY(!e.frame.action(command::kRawData)->isEnabled());
}

void FileCommandsTest::unreadableFileOffersRetry() {
    AppHarness h;
    h.prompter.openPaths << h.path("vanished.v3d");
    chooseDataType(h, 0);
    chooseColumns(h, {kTime});
    h.prompter.answer(QMessageBox::Retry);
    h.prompter.answer(QMessageBox::Cancel);
    h.frame.runCommand(command::kNewFile);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.prompter.messageTexts(), QStringList(2, QStringLiteral("Error Opening File")));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Exclamation);
    QCOMPARE(h.prompter.messages[0].buttons, QMessageBox::Retry | QMessageBox::Cancel);
    QCOMPARE(h.data().tbfCount, 0);
}

void FileCommandsTest::appendFileAddsEntriesAndMarksTheDataChanged() {
    AppHarness h;
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Tbf;
    set.tbfCount = 2;
    set.setEntry(1, {1.0, 0.0, 1.0, -1.0, -1.0});
    set.setEntry(2, {2.0, 0.0, 1.0, -1.0, -1.0});
    set.deriveDescriptors();
    set.currentFileName = "first.v3d";
    h.prompter.openPaths << h.write("more.txt", "3 1\n4 0\n");
    chooseColumns(h, {kTime, kType});
    h.prompter.answer(QMessageBox::Yes);
    h.frame.runCommand(command::kAppendFile);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(set.tbfCount, 4);
    QCOMPARE(set.errorHistory, ErrorHistory::System);
    QCOMPARE(set.currentFileName, std::string("first.v3d"));
    QVERIFY(set.dataChanged);
}

void FileCommandsTest::saveAsAndReadBackThroughTheScreens() {
    // A variable-severity hardware set writes five numbers per line and reads back with the
    // five fields in layout order.
    AppHarness h;
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Tbf;
    set.tbfCount = 3;
    set.setEntry(1, {10.123456, 1.0, 1.0, 2.0, 0.5});
    set.setEntry(2, {20.0, 1.0, 3.0, 1.0, 0.25});
    set.setEntry(3, {30.5, 1.0, 2.0, 4.0, 1.0});
    set.deriveDescriptors();
    set.dataChanged = true;
    h.prompter.savePaths << h.path("hardware.V3D");
    h.frame.runCommand(command::kSaveAs);
    const QString saved = h.path("hardware.V3D");
    QVERIFY(QFile::exists(saved));
    QCOMPARE(QString::fromStdString(set.currentFileName), saved);
    QVERIFY(!set.dataChanged);
    QCOMPARE(h.read("hardware.V3D").substr(0, 34),
             std::string("   10.123456  1   1   2 0.500\n    "));

    AppHarness back;
    back.prompter.openPaths << saved;
    chooseDataType(back, 0);
    back.prompter.on<InputFileFormatScreen>(
        [](InputFileFormatScreen& s) { Click(s, QStringLiteral("okButton")); });
    back.prompter.answer(QMessageBox::Yes);
    back.frame.runCommand(command::kNewFile);
    QVERIFY(back.prompter.problems.isEmpty());
    QCOMPARE(back.data().tbfCount, 3);
    QCOMPARE(back.data().entry(1).timeBetweenFailures, 10.123456);
    for (int i = 2; i <= 3; ++i) QCOMPARE(back.data().entry(i), set.entry(i));
    QCOMPARE(back.data().severityType, SeverityType::Variable);
    QVERIFY(back.data().hardwareFieldsPresent);

    // Save writes to the current file without asking for one.
    set.setEntry(3, {31.0, 1.0, 2.0, 4.0, 1.0});
    h.frame.runCommand(command::kSave);
    QCOMPARE(h.prompter.fileChoices.size(), 1);
    QVERIFY(h.read("hardware.V3D").find("    31.00000") != std::string::npos);
}

void FileCommandsTest::saveRefusesAnIncompleteSet() {
    AppHarness h;
    h.data().dataKind = DataKind::Tbf;
    h.data().tbfCount = 2;
    h.frame.runCommand(command::kSaveAs);
    h.frame.runCommand(command::kSave);
    QCOMPARE(h.prompter.messageTexts(),
             QStringList(2, QStringLiteral("You haven't entered a complete data set")));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
    QVERIFY(h.prompter.fileChoices.isEmpty());
}

void FileCommandsTest::saveOffersRetryWhenTheFileCannotBeWritten() {
    AppHarness h;
    FailureDataSet& set = h.data();
    set.dataKind = DataKind::Tbf;
    set.errorHistory = ErrorHistory::Software;
    set.tbfCount = 1;
    set.setEntry(1, {1.0, 0.0, 1.0, -1.0, -1.0});
    set.dataChanged = true;
    h.prompter.savePaths << h.path("no-such-folder/data.V3D");
    h.prompter.answer(QMessageBox::Retry);
    h.prompter.answer(QMessageBox::Cancel);
    h.frame.runCommand(command::kSaveAs);
    QCOMPARE(h.prompter.messageTexts(), QStringList(2, QStringLiteral("Error Opening File")));
    QVERIFY(set.dataChanged);
    QVERIFY(set.currentFileName.empty());
}

void FileCommandsTest::intervalDataAreNeverSavedAsAnEmptyFile() {
    AppHarness h;
    h.prompter.openPaths << h.write("weeks.v3d", "2 1.5\n5 1\n");
    chooseDataType(h, 1);
    chooseHistory(h, 0);
    h.frame.runCommand(command::kNewFile);
    h.prompter.savePaths << h.path("copy.V3D");
    h.frame.onSaveAs(0);  // the menu offers Save for TBF entries only; closing offers it too
    QCOMPARE(h.read("copy.V3D"), std::string("2 1.5\n5 1\n"));

    // Hardware interval data have no file layout: the existing file stays as it was.
    h.data().errorHistory = ErrorHistory::Hardware;
    h.prompter.savePaths << h.path("copy.V3D");
    h.frame.onSaveAs(0);
    QCOMPARE(h.prompter.messageTexts().last(),
             QStringLiteral("These data cannot be written to a data file."));
    QCOMPARE(h.read("copy.V3D"), std::string("2 1.5\n5 1\n"));
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
