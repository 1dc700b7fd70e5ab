// What a desktop user expects of the main window beside its menus: the usual shortcuts, File /
// Open and a list of recent files, the data file's name and a modified marker in the title, and
// data files dropped onto the window opened.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;

namespace vnk::app {

class CMainFrame;

namespace text {
inline constexpr const char* kRecentFileGone =
    "The file %1 no longer exists; it was taken off the list of recent files.";
}  // namespace text

// The recent data files, newest first, kept in the user's settings.
class RecentFiles {
  public:
    static constexpr int kMaximum = 8;
    QStringList list() const;
    void add(const QString& path);
    void remove(const QString& path);
};

class DesktopHabits : public QObject {
    Q_OBJECT
  public:
    explicit DesktopHabits(CMainFrame& frame);

    // After every command: the title, and the current file into the recent list.
    void refresh();
    // The way File / Open, a recent file and a dropped file are opened: the offer to save the
    // data first, then the data type and layout screens for the file.
    void open(const QString& path);

    QAction* openAction() const { return open_; }
    QMenu* recentMenu() const { return recent_; }
    // The title for the current file name and changed flag ("[*]" is Qt's modified marker).
    static QString titleFor(const QString& fileName);
    // The print screen's file for a data file: same folder and name, ".pdf".
    static QString printFileFor(const QString& dataFile);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillRecentMenu();

    CMainFrame& frame_;
    QAction* open_;
    QMenu* recent_;
    RecentFiles recentFiles_;
    QString lastFile_;
};

}  // namespace vnk::app
