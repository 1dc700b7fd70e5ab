// The TBF edit screen: selecting, changing, inserting, deleting and merging entries on the
// working copy, storing them, and the questions OK and Cancel ask about unstored changes.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "app/commands/edit_listing.h"
#include "app/kit/choice_group.h"
#include "app/kit/messages.h"
#include "app/screens/data/tbf_edit_screen.h"
#include "app/screens/data/value_screen.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

// Times 1..n, software failures; entry 5 (when present) at level 3, the others at level 1.
void fillTbf(FailureDataSet& set, int n) {
    set.dataKind = DataKind::Tbf;
    set.tbfCount = n;
    for (int i = 1; i <= n; ++i) set.setEntry(i, {double(i), 0.0, i == 5 ? 3.0 : 1.0, -1.0, -1.0});
    set.deriveDescriptors();
}

void select(TbfEditScreen& s, int n) {
    s.failureNumber()->setValue(n);
    Click(s, QStringLiteral("selectButton"));
}

QList<double> times(const FailureDataSet& set) {
    QList<double> t;
    for (int i = 1; i <= set.tbfCount; ++i) t << set.tbf(TbfField::TimeBetweenFailures, i);
    return t;
}

}  // namespace

class EditScreenTest : public QObject {
    Q_OBJECT
  private slots:
    void mergeTakesTheLastEntrysTypeAndLevel();
    void insertBeyondCapacityIsRefused();
    void deletingTheLastEntryAsksForTheFailureFreeTime();
    void selectionRules();
    void changeChecksTheFields();
    void cancelQuestions();
    void listingWidensWithTheLargestTime();
};

void EditScreenTest::mergeTakesTheLastEntrysTypeAndLevel() {
    AppHarness h;
    fillTbf(h.data(), 6);
    h.prompter.on<TbfEditScreen>([&h](TbfEditScreen& s) {
        // Only the selection, Store, OK, Cancel and Help are offered until an entry is chosen.
        QVERIFY(!s.button(QStringLiteral("mergeButton"))->isEnabled());
        QVERIFY(!s.timeField()->isEnabled());
        select(s, 3);
        QVERIFY(s.button(QStringLiteral("mergeButton"))->isEnabled());
        QVERIFY(!s.button(QStringLiteral("okButton"))->isEnabled());
        QVERIFY(!s.failureNumber()->isEnabled());
        h.prompter.on<MergeScreen>([](MergeScreen& m) {
            QCOMPARE(m.endField()->minimum(), 3);
            QCOMPARE(m.endField()->maximum(), 6);
            QCOMPARE(m.endField()->value(), 3);
            m.endField()->setValue(5);
            Click(m, QStringLiteral("okButton"));
        });
        Click(s, QStringLiteral("mergeButton"));
        QCOMPARE(times(s.workingCopy()), QList<double>({1, 2, 12, 6}));
        QCOMPARE(s.workingCopy().entry(3).severityLevel, 3.0);
        QCOMPARE(times(h.data()).size(), 6);  // nothing stored yet
        QVERIFY(s.listing()->toPlainText().contains(QStringLiteral("12.000")));
        Click(s, QStringLiteral("cancelButton"));  // drops the selection
        QVERIFY(s.button(QStringLiteral("okButton"))->isEnabled());
        h.prompter.answer(QMessageBox::Yes);
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kEdit);
    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messageTexts(), QStringList{QString::fromLatin1(text::kStoreChangesNow)});
    QCOMPARE(h.prompter.messages[0].caption, QString());
    QCOMPARE(h.prompter.messages[0].buttons,
             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(times(h.data()), QList<double>({1, 2, 12, 6}));
    QVERIFY(h.data().dataChanged);
    // Derived again: levels 1, 1, 3, 1 are variable.
    QCOMPARE(h.data().severityType, SeverityType::Variable);
}

void EditScreenTest::insertBeyondCapacityIsRefused() {
    AppHarness h;
    fillTbf(h.data(), 1000);
    h.prompter.on<TbfEditScreen>([](TbfEditScreen& s) {
        select(s, 1);
        Click(s, QStringLiteral("insertButton"));
        QCOMPARE(s.workingCopy().tbfCount, 1000);
        QVERIFY(!s.hasUnstoredChanges());
        Click(s, QStringLiteral("cancelButton"));
        Click(s, QStringLiteral("cancelButton"));
    });
    h.frame.runCommand(command::kEdit);
    QCOMPARE(h.prompter.messageTexts(), QStringList{"Insertion will exceed the array size."});
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Edit Error"));
    QCOMPARE(h.prompter.messages[0].icon, MessageIcon::Stop);
    QVERIFY(!h.data().dataChanged);

    // Below the capacity the new entry goes before the selected one.
    AppHarness ins;
    fillTbf(ins.data(), 3);
    ins.prompter.on<TbfEditScreen>([](TbfEditScreen& s) {
        select(s, 2);
        s.timeField()->setText(QStringLiteral("9.5"));
        Click(s, QStringLiteral("insertButton"));
        Click(s, QStringLiteral("storeButton"));
        QVERIFY(!s.hasUnstoredChanges());
        Click(s, QStringLiteral("cancelButton"));
        Click(s, QStringLiteral("cancelButton"));
    });
    ins.frame.runCommand(command::kEdit);
    QVERIFY(ins.prompter.messages.isEmpty());
    QCOMPARE(times(ins.data()), QList<double>({1, 9.5, 2, 3}));
    QVERIFY(ins.data().dataChanged);
}

void EditScreenTest::deletingTheLastEntryAsksForTheFailureFreeTime() {
    AppHarness h;
    fillTbf(h.data(), 4);
    h.prompter.on<TbfEditScreen>([&h](TbfEditScreen& s) {
        select(s, 4);
        Click(s, QStringLiteral("deleteButton"));
        QVERIFY(s.lastEntryTouched());
        // The selection stays on an entry that no longer exists: the next edit is out of bounds.
        Click(s, QStringLiteral("deleteButton"));
        QCOMPARE(s.workingCopy().tbfCount, 3);
        Click(s, QStringLiteral("cancelButton"));
        h.prompter.answer(QMessageBox::Yes);
        h.prompter.on<FailureFreeTimeScreen>([](FailureFreeTimeScreen& f) {
            f.field()->setText(QStringLiteral("4"));
            Click(f, QStringLiteral("okButton"));
        });
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kEdit);
    QVERIFY2(h.prompter.problems.isEmpty(), qPrintable(h.prompter.problems.join('\n')));
    QCOMPARE(h.prompter.messageTexts().first(),
             QStringLiteral("Edit exceeds the bounds of the current data"));
    QCOMPARE(times(h.data()), QList<double>({1, 2, 3}));
    QCOMPARE(h.data().failureFreeTime, 4.0);
}

void EditScreenTest::selectionRules() {
    AppHarness h;
    fillTbf(h.data(), 3);
    h.prompter.on<TbfEditScreen>([](TbfEditScreen& s) {
        select(s, 4);
        QCOMPARE(s.selected(), 0);
        QVERIFY(s.failureNumber()->isEnabled());
        select(s, 0);
        QCOMPARE(s.selected(), 0);
        QVERIFY(!s.button(QStringLiteral("changeButton"))->isEnabled());
        select(s, 2);
        QCOMPARE(s.timeField()->text(), QStringLiteral("2"));
        QCOMPARE(s.failureType()->choice(), 0);
        QCOMPARE(s.hardwareFailuresField()->text(), QStringLiteral("-1"));
        QVERIFY(!s.hardwareFailuresField()->isEnabled());
        s.failureType()->option(1)->click();
        QVERIFY(s.hardwareFailuresField()->isEnabled());
        Click(s, QStringLiteral("cancelButton"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kEdit);
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{"Data Additions should be handled via the Data/Append menu item"});
    QCOMPARE(h.prompter.messages[0].caption, QStringLiteral("Error"));
    QVERIFY(!h.data().dataChanged);
}

void EditScreenTest::changeChecksTheFields() {
    AppHarness h;
    fillTbf(h.data(), 3);
    h.prompter.on<TbfEditScreen>([](TbfEditScreen& s) {
        select(s, 3);
        s.timeField()->setText(QStringLiteral("-4"));
        Click(s, QStringLiteral("changeButton"));
        QVERIFY(!s.hasUnstoredChanges());
        s.timeField()->setText(QStringLiteral("8"));
        s.failureType()->option(1)->click();
        s.severityLevel()->option(1)->click();
        s.hardwareFailuresField()->setText(QStringLiteral("2"));
        s.effectivenessField()->setText(QStringLiteral("0.75"));
        Click(s, QStringLiteral("changeButton"));
        QVERIFY(s.hasUnstoredChanges());
        Click(s, QStringLiteral("cancelButton"));
        Click(s, QStringLiteral("storeButton"));
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kEdit);
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{QString::fromLatin1(text::kFailureEntryIncomplete)});
    QCOMPARE(h.data().entry(3), (TbfEntry{8.0, 1.0, 2.0, 2.0, 0.75}));
    // The derived descriptors follow the edit.
    QCOMPARE(h.data().errorHistory, ErrorHistory::System);
    QVERIFY(h.data().hardwareFieldsPresent);
}

void EditScreenTest::cancelQuestions() {
    // Cancel with unstored changes: Yes closes without storing, No stores, Cancel stays.
    for (auto answer : {QMessageBox::Yes, QMessageBox::No}) {
        AppHarness h;
        fillTbf(h.data(), 3);
        h.prompter.on<TbfEditScreen>([&h, answer](TbfEditScreen& s) {
            select(s, 1);
            Click(s, QStringLiteral("deleteButton"));
            Click(s, QStringLiteral("cancelButton"));
            h.prompter.answer(QMessageBox::Cancel);
            Click(s, QStringLiteral("cancelButton"));
            QVERIFY(s.hasUnstoredChanges());  // still open, nothing stored
            QCOMPARE(s.workingCopy().tbfCount, 2);
            h.prompter.answer(answer);
            Click(s, QStringLiteral("cancelButton"));
        });
        h.frame.runCommand(command::kEdit);
        QVERIFY(h.prompter.problems.isEmpty());
        QCOMPARE(h.prompter.messageTexts(),
                 QStringList(2, QString::fromLatin1(text::kContinueWithoutStoring)));
        QCOMPARE(h.data().tbfCount, answer == QMessageBox::Yes ? 3 : 2);
        QCOMPARE(h.data().dataChanged, answer == QMessageBox::No);
    }
    // OK with unstored changes and No: closes without storing.
    AppHarness h;
    fillTbf(h.data(), 3);
    h.prompter.on<TbfEditScreen>([&h](TbfEditScreen& s) {
        select(s, 2);
        Click(s, QStringLiteral("deleteButton"));
        Click(s, QStringLiteral("cancelButton"));
        h.prompter.answer(QMessageBox::No);
        Click(s, QStringLiteral("okButton"));
    });
    h.frame.runCommand(command::kEdit);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.data().tbfCount, 3);
}

void EditScreenTest::listingWidensWithTheLargestTime() {
    QCOMPARE(EditListingTimeFormat(99.0), std::string("%7.3f"));
    QCOMPARE(EditListingTimeFormat(99.5), std::string("%8.3f"));
    QCOMPARE(EditListingTimeFormat(999999.0), std::string("%11.3f"));
    QCOMPARE(EditListingTimeFormat(1e6 + 1), std::string("%12.5e"));
    FailureDataSet set;
    fillTbf(set, 2);
    set.setEntry(2, {1234.5, 1.0, 2.0, -1.0, -1.0});
    QCOMPARE(EditListing(set), std::string("    1      1.000    0    1\n"
                                           "    2   1234.500    1    2\n"));
}

QTEST_MAIN(EditScreenTest)
#include "edit_screen_test.moc"
