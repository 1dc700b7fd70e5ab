// The main window: the menu built from the command table, the command handlers, start-up and
// close. The window holds no data of its own; the document does.
#pragma once

#include <QMainWindow>
#include <QMap>
#include <QSize>
#include <QString>
#include <filesystem>
#include <functional>

#include "app/shell/command_table.h"

class QAction;
class QMenu;

namespace vnk::app {

class CVarno3Doc;
class CVarno3View;
class Prompter;
struct CommandContext;

class DesktopHabits;

class CMainFrame : public QMainWindow {
    Q_OBJECT
  public:
    CMainFrame(CVarno3Doc& doc, Prompter& prompter, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Start-up after creation: the trace off, then the start-up configuration of `folder`
    // loaded when there is one, and its raw data plot shown. False after a configuration
    // error, whose message has been shown: the program must end. A data file named on the
    // command line takes the configuration's place (`readConfiguration` false).
    bool startUp(const std::filesystem::path& folder, bool readConfiguration = true);

    // Reads the data file named on the program's command line, as Data / New / File does once
    // the file is chosen (its screens and messages).
    void openDataFile(const QString& path);
    // The files named on the command line: the first is opened, the rest are named as ignored
    // (one data set is open at a time).
    void openCommandLineFiles(const QStringList& files);

    // The close sequence shared by File / Exit and closing the window: the offer to save
    // changed data, then the trace file closed. False when the user chose to stay.
    bool queryClose();

    // Runs a menu command as choosing it does: nothing when its item is disabled.
    void runCommand(int id);
    QAction* action(int id) const { return actions_.value(id); }
    // Enable and check state of every item from the current state.
    void refreshCommands();

    CVarno3Doc& document() const { return doc_; }
    Prompter& prompter() const { return prompter_; }
    CVarno3View* view() const { return view_; }
    // The screen size recorded when the window was created; plot windows size from it.
    QSize screenSize() const { return screenSize_; }

    // ---- Command handlers (the command table names them) ------------------------------------
    void onSave(int);
    void onSaveAs(int);
    void onExit(int);
    void onNewDataEntry(int);
    void onNewFile(int);
    void onImport(int);
    void onAppendDataEntry(int);
    void onAppendFile(int);
    void onEdit(int);
    void onRawData(int);
    void onSmoothedData(int);
    void onStatistics(int);
    void onTrendAnalysis(int);
    void onCrowAmsaaTracking(int);
    void onTbfToInterval(int);
    void onIntervalToTbf(int);
    void onSeverityReduction(int level);
    void onSystemReduction(int failureType);
    void onConvertUnits(int unit);
    void onTransformation(int kind);
    void onNumericalMethod(int method);
    void onExecutionSeverity(int level);
    void onModelExecution(int);
    void onDefineUnit(int unit);
    void onViewPreference(int preference);
    void onCellCombinations(int);
    void onIterationMaximum(int);
    void onPredictionNumber(int);
    void onTrace(int);
    void onSaveProject(int);
    void onOpenProject(int);
    void onRobustEstimation(int);
    void onSkipFailedRefits(int);
    void onComparisonHoldOut(int);
    void onAbout(int);
    void onHelpTopics(int);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QMenu* menuFor(const QString& path);
    CommandContext context();

    CVarno3Doc& doc_;
    Prompter& prompter_;
    CVarno3View* view_;
    DesktopHabits* habits_ = nullptr;
    QSize screenSize_;
    QMap<int, QAction*> actions_;
    QMap<QString, QMenu*> menus_;
    bool closing_ = false;
};

}  // namespace vnk::app
