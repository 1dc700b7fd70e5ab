// The guards every save path shares, the note on what a data file does not keep, and the
// refusal to run models on entries without a time.
#include <QRadioButton>
#include <QtTest>

#include "app/commands/execution_guard.h"
#include "app/commands/save_guard.h"
#include "app/kit/choice_group.h"
#include "app/screens/data/descriptor_screens.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

const std::string kIntervals = "2 1.5\n5 1\n";

// Data / New / File on a software interval file.
void ReadIntervalFile(AppHarness& h, const QString& file) {
    h.prompter.openPaths << file;
    h.prompter.on<DataTypeScreen>([](DataTypeScreen& s) {
        s.dataTypes()->option(1)->click();
        Click(s, QStringLiteral("okButton"));
    });
    h.prompter.on<ErrorHistoryScreen>([](ErrorHistoryScreen& s) {
        s.history()->option(0)->click();
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kNewFile);
    QVERIFY(h.prompter.problems.isEmpty());
}

void fillTbf(FailureDataSet& set, std::initializer_list<double> times) {
    set.dataKind = DataKind::Tbf;
    set.tbfCount = 0;
    for (double t : times) set.setEntry(++set.tbfCount, {t, 0.0, 1.0, -1.0, -1.0});
    set.deriveDescriptors();
    set.dataChanged = true;
}

}  // namespace

class DataSafetyTest : public QObject {
    Q_OBJECT
  private slots:
    void convertedIntervalFileIsNotEmptiedOnExit();
    void aFileOfTheOtherKindIsReplacedOnlyOnTheUsersWord();
    void intervalDataAreSavedFromTheMenu();
    void unitAndFailureFreeTimeAreSaidNotToBeStored();
    void modelExecutionRefusesEntriesWithoutTime();
};

void DataSafetyTest::convertedIntervalFileIsNotEmptiedOnExit() {
    AppHarness h;
    const QString file = h.write("weeks.v3d", kIntervals);
    ReadIntervalFile(h, file);
    h.frame.runCommand(command::kIntervalToTbf);
    QVERIFY(h.data().dataChanged);

    // Exit, Yes: nothing to write, so the file stays and so does the program.
    h.prompter.answer(QMessageBox::Yes);
    QVERIFY(!h.frame.close());
    QCOMPARE(h.prompter.messageTexts().last(), QString::fromLatin1(text::kNoDataToSave));
    QCOMPARE(h.read("weeks.v3d"), kIntervals);

    // Data / New asks the same and keeps the file the same way.
    h.prompter.answer(QMessageBox::Yes);
    h.frame.runCommand(command::kNewFile);
    QCOMPARE(h.prompter.messageTexts().last(), QString::fromLatin1(text::kNoDataToSave));
    QCOMPARE(h.read("weeks.v3d"), kIntervals);
    QVERIFY(h.prompter.scriptDone());
}

void DataSafetyTest::aFileOfTheOtherKindIsReplacedOnlyOnTheUsersWord() {
    AppHarness h;
    const QString file = h.write("weeks.v3d", kIntervals);
    ReadIntervalFile(h, file);
    fillTbf(h.data(), {3.0, 4.5});

    h.prompter.answer(QMessageBox::No);
    h.frame.runCommand(command::kSave);
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{"weeks.v3d holds interval data, but the data are now "
                         "time-between-failure data. Replace the file with them?"});
    QCOMPARE(h.read("weeks.v3d"), kIntervals);
    QVERIFY(h.data().dataChanged);

    h.prompter.answer(QMessageBox::Yes);
    h.frame.runCommand(command::kSave);
    QVERIFY(h.read("weeks.v3d").find("3.00000") != std::string::npos);
    QVERIFY(!h.data().dataChanged);
    // The file now holds TBF data: the next Save writes without asking.
    h.frame.runCommand(command::kSave);
    QCOMPARE(h.prompter.messages.size(), 2);
    QVERIFY(h.prompter.scriptDone());
}

void DataSafetyTest::intervalDataAreSavedFromTheMenu() {
    AppHarness h;
    ReadIntervalFile(h, h.write("weeks.v3d", kIntervals));
    QVERIFY(h.frame.action(command::kSave)->isEnabled());
    h.prompter.savePaths << h.path("copy.V3D");
    h.frame.runCommand(command::kSaveAs);
    QCOMPARE(h.read("copy.V3D"), kIntervals);
    QVERIFY(h.prompter.messages.isEmpty());
}

void DataSafetyTest::unitAndFailureFreeTimeAreSaidNotToBeStored() {
    const QString note = QString::fromLatin1(text::kUnitNotStored);
    QCOMPARE(note, QStringLiteral(
                       "The time unit and the failure-free time are not stored in a data file."));
    AppHarness h;
    fillTbf(h.data(), {3.0});
    h.prompter.savePaths << h.path("a.V3D");
    h.frame.runCommand(command::kSaveAs);
    QVERIFY(h.prompter.messages.isEmpty());

    // Either one is enough, and each Save says it once.
    h.data().failureFreeTime = 5.0;
    h.frame.runCommand(command::kSave);
    QCOMPARE(h.prompter.messageTexts(), QStringList{note});
    h.data().failureFreeTime = 0.0;
    h.data().tbfUnit = TbfUnit::Hours;
    h.frame.runCommand(command::kSave);
    QCOMPARE(h.prompter.messageTexts(), QStringList(2, note));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Information);
}

void DataSafetyTest::modelExecutionRefusesEntriesWithoutTime() {
    AppHarness h;
    fillTbf(h.data(), {3.0, -1.0, 4.0, -1.0});
    // The execution's first screen, the model selection, is closed as soon as it opens.
    h.prompter.everyScreen = [](QDialog& screen) { screen.reject(); };
    h.frame.runCommand(command::kModelExecution);
    QVERIFY(h.prompter.screens.isEmpty());
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{"2 of the 4 entries have no time between failures (shown as -1); no "
                         "model can be run on them. Correct them with Data / Edit."});
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Error"));

    h.data().setEntry(2, {1.0, 0.0, 1.0, -1.0, -1.0});
    h.data().setEntry(4, {2.0, 0.0, 1.0, -1.0, -1.0});
    h.frame.runCommand(command::kModelExecution);
    QCOMPARE(h.prompter.screens.size(), 1);
}

QTEST_MAIN(DataSafetyTest)
#include "data_safety_test.moc"
