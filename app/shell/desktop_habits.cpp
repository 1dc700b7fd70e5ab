#include "app/shell/desktop_habits.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QSettings>

#include "app/commands/file_commands.h"
#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/shell/command_table.h"
#include "app/shell/document.h"
#include "app/shell/main_frame.h"

namespace vnk::app {

namespace {

const QString kRecentKey = QStringLiteral("Recent File List/files");

// The one local file of a drag, if that is what it carries.
QString droppedFile(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1) return {};
    const QUrl url = mime->urls().first();
    if (!url.isLocalFile() || !QFileInfo(url.toLocalFile()).isFile()) return {};
    return url.toLocalFile();
}

}  // namespace

QStringList RecentFiles::list() const { return QSettings().value(kRecentKey).toStringList(); }

void RecentFiles::add(const QString& name) {
    // A name relative to the start-up folder would mean another file from elsewhere.
    const QString path = QFileInfo(name).absoluteFilePath();
    QStringList files = list();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kMaximum) files.removeLast();
    QSettings().setValue(kRecentKey, files);
}

void RecentFiles::remove(const QString& path) {
    QStringList files = list();
    files.removeAll(path);
    QSettings().setValue(kRecentKey, files);
}

DesktopHabits::DesktopHabits(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    QMenu* file = frame.findChild<QMenu*>(QStringLiteral("File"));
    QAction* save = frame.action(command::kSave);
    open_ = new QAction(QStringLiteral("&Open..."), &frame);
    open_->setObjectName(QStringLiteral("openFile"));
    open_->setShortcut(QKeySequence::Open);
    recent_ = new QMenu(QStringLiteral("Recent &Files"), file);
    recent_->setObjectName(QStringLiteral("File>Recent Files"));
    file->insertAction(save, open_);
    file->insertMenu(save, recent_);
    file->insertSeparator(save);
    connect(recent_, &QMenu::aboutToShow, this, &DesktopHabits::fillRecentMenu);
    connect(open_, &QAction::triggered, this, [this] {
        // Data / New / File: the same offer to save, the same screens.
        frame_.runCommand(command::kNewFile);
    });

    save->setShortcut(QKeySequence::Save);
    frame.action(command::kHelpTopics)->setShortcut(QKeySequence::HelpContents);

    frame.setAcceptDrops(true);
    frame.installEventFilter(this);
    fillRecentMenu();
}

QString DesktopHabits::titleFor(const QString& fileName) {
    const QString app = QString::fromLatin1(text::kAppTitle);
    if (fileName.isEmpty()) return app + QStringLiteral("[*]");
    return QFileInfo(fileName).fileName() + QStringLiteral("[*] - ") + app;
}

QString DesktopHabits::printFileFor(const QString& dataFile) {
    if (dataFile.isEmpty()) return {};
    const QFileInfo info(dataFile);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
}

void DesktopHabits::refresh() {
    const FailureDataSet& set = frame_.document().data();
    const QString file = QString::fromStdString(set.currentFileName);
    frame_.setWindowTitle(titleFor(file));
    frame_.setWindowModified(set.dataChanged);
    frame_.prompter().setDefaultPrintFile(printFileFor(file));
    if (file != lastFile_) {
        lastFile_ = file;
        if (!file.isEmpty() && QFileInfo(file).isFile()) recentFiles_.add(file);
    }
}

void DesktopHabits::open(const QString& path) {
    const CommandContext ctx{frame_.document(), frame_.prompter(), &frame_};
    if (!OfferSaveBeforeNew(ctx)) {
        frame_.refreshCommands();
        return;
    }
    frame_.document().clearForNewData();
    frame_.openDataFile(path);
}

void DesktopHabits::fillRecentMenu() {
    recent_->clear();
    const QStringList files = recentFiles_.list();
    for (int k = 0; k < files.size(); ++k) {
        const QString path = files[k];
        QAction* a = recent_->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(path));
        connect(a, &QAction::triggered, this, [this, path] {
            if (!QFileInfo(path).isFile()) {
                recentFiles_.remove(path);
                frame_.prompter().error(&frame_,
                                        QString::fromLatin1(text::kRecentFileGone).arg(path));
                return;
            }
            open(path);
        });
    }
    recent_->setEnabled(!files.isEmpty());
}

bool DesktopHabits::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &frame_) return false;
    if (event->type() == QEvent::DragEnter) {
        auto* drag = static_cast<QDragEnterEvent*>(event);
        if (!droppedFile(drag->mimeData()).isEmpty()) drag->acceptProposedAction();
        return true;
    }
    if (event->type() == QEvent::Drop) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedFile(drop->mimeData());
        if (path.isEmpty()) return true;
        drop->acceptProposedAction();
        open(path);
        return true;
    }
    return false;
}

}  // namespace vnk::app
