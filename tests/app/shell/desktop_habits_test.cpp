// The main window's desktop habits: shortcuts, the title with the file name and the modified
// marker, File / Open, the recent files and a dropped data file.
#include "app/shell/desktop_habits.h"

#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QtTest>

#include "app/kit/choice_group.h"
#include "app/screens/data/descriptor_screens.h"
#include "app/shell/command_table.h"
#include "support/app_harness.h"

using namespace vnk;
using namespace vnk::app;
using namespace vnk::app::test;

namespace {

const std::string kIntervals = "2 1.5\n5 1\n";

// The screens of reading a software interval file.
void scriptIntervalRead(AppHarness& h) {
    h.prompter.on<DataTypeScreen>([](DataTypeScreen& s) {
        s.dataTypes()->option(1)->click();
        Click(s, QStringLiteral("okButton"));
    });
    h.prompter.on<ErrorHistoryScreen>([](ErrorHistoryScreen& s) {
        s.history()->option(0)->click();
        Click(s, QStringLiteral("okButton"));
    });
}

DesktopHabits& habits(AppHarness& h) { return *h.frame.findChild<DesktopHabits*>(); }

}  // namespace

class DesktopHabitsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QCoreApplication::setOrganizationName(QStringLiteral("varnok-test")); }
    void shortcutsOfTheUsualCommands();
    void titleNamesTheFileAndMarksChanges();
    void openedFilesAreRecentAndReopen();
    void aDroppedFileIsOpenedAfterTheOfferToSave();
};

void DesktopHabitsTest::shortcutsOfTheUsualCommands() {
    AppHarness h;
    QCOMPARE(h.frame.action(command::kSave)->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(h.frame.action(command::kHelpTopics)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(habits(h).openAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    // Open and the recent files lead the File menu.
    auto* file = h.frame.findChild<QMenu*>(QStringLiteral("File"));
    QCOMPARE(file->actions().at(0), habits(h).openAction());
    QCOMPARE(file->actions().at(1)->menu(), habits(h).recentMenu());
}

void DesktopHabitsTest::titleNamesTheFileAndMarksChanges() {
    AppHarness h;
    QCOMPARE(h.frame.windowTitle(), QStringLiteral("Varnok 3[*]"));
    QVERIFY(!h.frame.isWindowModified());

    h.prompter.openPaths << h.write("weeks.v3d", kIntervals);
    scriptIntervalRead(h);
    habits(h).openAction()->trigger();
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.frame.windowTitle(), QStringLiteral("weeks.v3d[*] - Varnok 3"));
    QVERIFY(!h.frame.isWindowModified());
    // Printing to a file offers the data file's folder and name.
    QCOMPARE(h.prompter.defaultPrintFile(), h.path("weeks.pdf"));
    QCOMPARE(DesktopHabits::printFileFor(QStringLiteral("/d/sys1.v1.V3D")),
             QStringLiteral("/d/sys1.v1.pdf"));

    h.frame.runCommand(command::kIntervalToTbf);
    QVERIFY(h.frame.isWindowModified());
}

void DesktopHabitsTest::openedFilesAreRecentAndReopen() {
    AppHarness h;
    const QString weeks = h.write("weeks.v3d", kIntervals);
    const QString gone = h.write("gone.v3d", kIntervals);
    for (const QString& file : {gone, weeks}) {
        h.prompter.openPaths << file;
        scriptIntervalRead(h);
        h.frame.runCommand(command::kNewFile);
    }
    QCOMPARE(RecentFiles().list(), (QStringList{weeks, gone}));

    QFile::remove(gone);
    emit habits(h).recentMenu()->aboutToShow();
    QList<QAction*> items = habits(h).recentMenu()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[1]->text(), QStringLiteral("&2 ") + gone);
    items[1]->trigger();
    QCOMPARE(h.prompter.messageTexts(),
             QStringList{QStringLiteral("The file %1 no longer exists; it was taken off the list "
                                        "of recent files.")
                             .arg(gone)});
    QCOMPARE(RecentFiles().list(), QStringList{weeks});

    // A recent file reopens through the same screens.
    h.data().intervalCount = 0;
    scriptIntervalRead(h);
    items[0]->trigger();
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.data().intervalCount, 2);
}

void DesktopHabitsTest::aDroppedFileIsOpenedAfterTheOfferToSave() {
    AppHarness h;
    const QString weeks = h.write("weeks.v3d", kIntervals);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(weeks)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&h.frame, &enter);
    QVERIFY(enter.isAccepted());

    // Changed data: No drops them, then the file is read.
    h.data().dataChanged = true;
    h.prompter.answer(QMessageBox::No);
    scriptIntervalRead(h);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&h.frame, &drop);
    QVERIFY(h.prompter.problems.isEmpty());
    QCOMPARE(h.prompter.messageTexts(), QStringList{"Do you want to save previous data"});
    QCOMPARE(h.data().intervalCount, 2);
    QCOMPARE(QString::fromStdString(h.data().currentFileName), weeks);

    // Something that is not one local file is refused at the door.
    QMimeData text;
    text.setText(QStringLiteral("2 1.5"));
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(&h.frame, &refused);
    QVERIFY(!refused.isAccepted());
}

QTEST_MAIN(DesktopHabitsTest)
#include "desktop_habits_test.moc"
