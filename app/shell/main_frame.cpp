#include "app/shell/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include "app/commands/crow_amsaa_commands.h"
#include "app/commands/data_commands.h"
#include "app/commands/execution_guard.h"
#include "app/commands/file_commands.h"
#include "app/commands/import_commands.h"
#include "app/commands/model_execution.h"
#include "app/commands/plot_commands.h"
#include "app/commands/project_commands.h"
#include "app/commands/trend_commands.h"
#include "app/kit/chart_prompts.h"
#include "app/kit/help_pages.h"
#include "app/kit/messages.h"
#include "app/kit/prompter.h"
#include "app/screens/data/value_screen.h"
#include "app/shell/about_screen.h"
#include "app/shell/artwork.h"
#include "app/shell/command_context.h"
#include "app/shell/desktop_habits.h"
#include "app/shell/document.h"
#include "app/shell/view.h"
#include "data/startup_config.h"
#include "execution/model_execution_command.h"
#include "numerics/trace.h"

namespace vnk::app {

CMainFrame::CMainFrame(CVarno3Doc& doc, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), doc_(doc), prompter_(prompter) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) screenSize_ = screen->size();
    doc_.data().dataChanged = false;
    // Every chart window and tab asks for its file and reports its errors through the prompter.
    RouteChartPromptsThrough(prompter_);
    setWindowTitle(QString::fromLatin1(text::kAppTitle));
    setWindowIcon(ProgramIcon());
    view_ = new CVarno3View(doc_, this);
    setCentralWidget(view_);
    buildMenus();
    habits_ = new DesktopHabits(*this);
    refreshCommands();
}

CMainFrame::~CMainFrame() = default;

CommandContext CMainFrame::context() { return {doc_, prompter_, this}; }

// ---- Menus ------------------------------------------------------------------------------------

QMenu* CMainFrame::menuFor(const QString& path) {
    if (QMenu* menu = menus_.value(path)) return menu;
    const int cut = path.lastIndexOf(QLatin1Char('>'));
    QMenu* menu = nullptr;
    if (cut < 0) {
        // A top-level menu: its title carries the accelerator mark.
        QString title = path;
        for (const char* top : TopMenus()) {
            QString t = QString::fromLatin1(top);
            if (QString(t).remove(QLatin1Char('&')) == path) title = t;
        }
        menu = menuBar()->addMenu(title);
    } else {
        menu = menuFor(path.left(cut))->addMenu(path.mid(cut + 1));
    }
    menu->setObjectName(path);
    // The rules are evaluated as the menu opens, so they always see the current state.
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::refreshCommands);
    menus_.insert(path, menu);
    return menu;
}

void CMainFrame::buildMenus() {
    for (const char* top : TopMenus()) menuFor(QString::fromLatin1(top).remove(QLatin1Char('&')));
    for (const CommandEntry& c : CommandTable()) {
        QMenu* menu = menuFor(QString::fromLatin1(c.menu));
        if (c.separatorBefore && !menu->isEmpty()) menu->addSeparator();
        QAction* a = menu->addAction(QString::fromLatin1(c.text));
        a->setObjectName(QStringLiteral("command%1").arg(c.id));
        a->setData(c.id);
        a->setCheckable(c.checked != nullptr);
        const Handler handler = c.handler;
        const int argument = c.argument;
        connect(a, &QAction::triggered, this, [this, handler, argument] {
            (this->*handler)(argument);
            refreshCommands();
        });
        actions_.insert(c.id, a);
    }
}

void CMainFrame::refreshCommands() {
    doc_.dataFileKind.observe(doc_.data());
    const MenuState state = MenuState::of(doc_.data(), doc_.options());
    for (const CommandEntry& c : CommandTable()) {
        QAction* a = actions_.value(c.id);
        a->setEnabled(c.enabled(state, c.argument));
        if (c.checked) a->setChecked(c.checked(state, c.argument));
    }
    view_->refresh();
    if (habits_) habits_->refresh();
}

void CMainFrame::runCommand(int id) {
    refreshCommands();
    if (QAction* a = actions_.value(id); a && a->isEnabled()) a->trigger();
}

// ---- Start and close --------------------------------------------------------------------------

bool CMainFrame::startUp(const std::filesystem::path& folder, bool readConfiguration) {
    trace::close();
    doc_.options().trace = false;
    if (!readConfiguration) {
        refreshCommands();
        return true;
    }
    const StartupResult result = LoadStartupConfiguration(
        folder / std::string(kStartupConfigFileName), doc_.data(), doc_.options());
    refreshCommands();
    switch (result.status) {
        case StartupStatus::NoConfiguration:
            return true;
        case StartupStatus::Error:
            prompter_.error(this, QString::fromStdString(result.message));
            return false;
        case StartupStatus::Loaded:
            onRawData(0);
            return true;
    }
    return true;
}

void CMainFrame::openDataFile(const QString& path) {
    ReadNewDataFile(context(), path);
    refreshCommands();
}

void CMainFrame::openCommandLineFiles(const QStringList& files) {
    if (files.isEmpty()) return;
    if (files.size() > 1) {
        const QString ignored = QStringList(files.mid(1)).join(QStringLiteral(", "));
        std::fprintf(stderr, "varnok3: only one data file is opened; ignored: %s\n",
                     qPrintable(ignored));
        prompter_.information(this, QStringLiteral("Only one data file can be open at a time. "
                                                   "Opening %1; ignored: %2.")
                                        .arg(files.first(), ignored));
    }
    openDataFile(files.first());
}

bool CMainFrame::queryClose() {
    if (!OfferSaveBeforeClose(context())) {
        refreshCommands();
        return false;
    }
    if (trace::isOn()) trace::close();
    doc_.options().trace = false;
    return true;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (queryClose())
        event->accept();
    else
        event->ignore();
}

// ---- File -------------------------------------------------------------------------------------

void CMainFrame::onSave(int) { SaveData(context()); }
void CMainFrame::onSaveAs(int) { SaveDataAs(context()); }
void CMainFrame::onExit(int) { close(); }

// ---- Data -------------------------------------------------------------------------------------

void CMainFrame::onNewDataEntry(int) { NewDataEntry(context()); }
void CMainFrame::onNewFile(int) { NewFromFile(context()); }
void CMainFrame::onAppendDataEntry(int) { AppendDataEntry(context()); }
void CMainFrame::onAppendFile(int) { AppendFromFile(context()); }
void CMainFrame::onEdit(int) { EditData(context()); }
void CMainFrame::onStatistics(int) { ShowStatistics(context()); }
void CMainFrame::onTrendAnalysis(int) { ShowTrendAnalysis(context()); }
void CMainFrame::onImport(int) { ImportData(context()); }
void CMainFrame::onCrowAmsaaTracking(int) { RunCrowAmsaaTracking(context()); }

void CMainFrame::onRawData(int) { ShowDataPlot(context(), false); }
void CMainFrame::onSmoothedData(int) { ShowDataPlot(context(), true); }

// ---- Conversions and transformations ----------------------------------------------------------

void CMainFrame::onTbfToInterval(int) {
    RecordStep(context(), "TBF -> Interval", {}, [this] { ConvertTbfToInterval(context()); });
}
void CMainFrame::onIntervalToTbf(int) {
    RecordStep(context(), "Interval -> Time Between Failure", {},
               [this] { ConvertIntervalToTbf(context()); });
}
void CMainFrame::onSeverityReduction(int level) {
    RecordStep(context(), "Severity Level Reduction", {{"level", static_cast<double>(level)}},
               [this, level] { ReduceToSeverityLevel(context(), level); });
}
void CMainFrame::onSystemReduction(int failureType) {
    RecordStep(context(), "System Reduction", {{"failure_type", static_cast<double>(failureType)}},
               [this, failureType] { ReduceSystemTo(context(), failureType); });
}
void CMainFrame::onConvertUnits(int unit) {
    RecordStep(
        context(), "Convert TBF Units",
        {{"from", static_cast<double>(doc_.data().tbfUnit)}, {"to", static_cast<double>(unit)}},
        [this, unit] { ConvertTbfUnits(context(), unit); });
}
void CMainFrame::onTransformation(int kind) {
    RecordStep(context(), "Transformation", {{"kind", static_cast<double>(kind)}},
               [this, kind] { Transform(context(), kind); });
}
void CMainFrame::onSaveProject(int) { SaveProject(context()); }
void CMainFrame::onOpenProject(int) { OpenProject(context()); }

// ---- Executions -------------------------------------------------------------------------------

void CMainFrame::onNumericalMethod(int method) { doc_.options().numericalMethod = method; }
void CMainFrame::onExecutionSeverity(int level) { doc_.options().executionSeverityLevel = level; }

void CMainFrame::onModelExecution(int) {
    const FailureDataSet& set = doc_.data();
    if (!set.isComplete()) {
        prompter_.error(this, QString::fromLatin1(execution::kModelExecutionPrecondition),
                        QString::fromLatin1(text::kErrorCaption));
        return;
    }
    if (RefuseEntriesWithoutTime(context())) return;
    if (!ConfirmExecutionDespiteDecay(context())) {
        execution::EndModelExecutionCommand(doc_.options());
        return;
    }
    RunModelExecution(*this);
    execution::EndModelExecutionCommand(doc_.options());
}

// ---- Setup ------------------------------------------------------------------------------------

void CMainFrame::onDefineUnit(int unit) { doc_.data().tbfUnit = static_cast<TbfUnit>(unit); }
void CMainFrame::onViewPreference(int preference) { doc_.options().viewPreference = preference; }

void CMainFrame::onCellCombinations(int) {
    CellCombinationsScreen screen(prompter_, doc_.options().cellCombinations, this);
    if (prompter_.exec(screen) == QDialog::Accepted)
        doc_.options().cellCombinations = screen.value();
}

void CMainFrame::onIterationMaximum(int) {
    IterationMaximumScreen screen(prompter_, doc_.options().iterationMaximum, this);
    if (prompter_.exec(screen) == QDialog::Accepted)
        doc_.options().iterationMaximum = screen.value();
}

void CMainFrame::onPredictionNumber(int) {
    PredictionNumberScreen screen(prompter_, doc_.options().predictionNumber, this);
    if (prompter_.exec(screen) == QDialog::Accepted)
        doc_.options().predictionNumber = screen.value();
}

void CMainFrame::onTrace(int) {
    // Tracing goes on and stays on; a second Trace keeps the open file.
    if (!trace::isOn() && !trace::open())
        prompter_.error(this, QString::fromLatin1(text::kTraceNotOpened));
    doc_.options().trace = trace::isOn();
}

void CMainFrame::onRobustEstimation(int) {
    doc_.options().robustEstimation = !doc_.options().robustEstimation;
}

void CMainFrame::onSkipFailedRefits(int) {
    doc_.options().skipFailedRefits = !doc_.options().skipFailedRefits;
}

void CMainFrame::onComparisonHoldOut(int) {
    HoldOutScreen screen(prompter_, doc_.options().holdOutFraction, this);
    if (prompter_.exec(screen) == QDialog::Accepted)
        doc_.options().holdOutFraction = screen.value();
}

// ---- Help -------------------------------------------------------------------------------------

void CMainFrame::onAbout(int) {
    AboutScreen screen(prompter_, this);
    prompter_.exec(screen);
}

void CMainFrame::onHelpTopics(int) {
    prompter_.help(this, QString::fromLatin1(help_page::kContents));
}

}  // namespace vnk::app
