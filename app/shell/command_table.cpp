#include "app/shell/command_table.h"

#include "app/shell/main_frame.h"

namespace vnk::app {

MenuState MenuState::of(const FailureDataSet& set, const ProgramOptions& options) {
    MenuState s;
    s.dataKind = static_cast<int>(set.dataKind);
    s.errorHistory = static_cast<int>(set.errorHistory);
    s.tbfUnit = static_cast<int>(set.tbfUnit);
    s.tbfCount = set.tbfCount;
    s.intervalCount = set.intervalCount;
    s.numericalMethod = options.numericalMethod;
    s.executionSeverityLevel = options.executionSeverityLevel;
    s.viewPreference = options.viewPreference;
    s.trace = options.trace;
    s.robustEstimation = options.robustEstimation;
    s.skipFailedRefits = options.skipFailedRefits;
    return s;
}

namespace {

constexpr int kTbf = static_cast<int>(DataKind::Tbf);
constexpr int kInterval = static_cast<int>(DataKind::Interval);
constexpr int kSoftware = static_cast<int>(ErrorHistory::Software);
constexpr int kHardware = static_cast<int>(ErrorHistory::Hardware);
constexpr int kSystem = static_cast<int>(ErrorHistory::System);

bool historySet(const MenuState& s) { return s.errorHistory >= 0 && s.errorHistory <= kSystem; }

// ---- Enable rules -----------------------------------------------------------------------------

bool always(const MenuState&, int) { return true; }
bool never(const MenuState&, int) { return false; }
bool hasTbfEntries(const MenuState& s, int) { return s.tbfCount > 0; }
bool hasHistory(const MenuState& s, int) { return historySet(s); }
bool hasTrendData(const MenuState& s, int) {
    return (s.dataKind == kTbf && s.tbfCount > 0) || s.dataKind == kInterval;
}
bool hardwareData(const MenuState& s, int) {
    return s.errorHistory == kHardware &&
           ((s.dataKind == kTbf && s.tbfCount > 0) || s.dataKind == kInterval);
}
bool canSmooth(const MenuState& s, int) { return s.tbfCount > 0 || s.errorHistory == kSoftware; }
bool intervalWithHistory(const MenuState& s, int) {
    return s.dataKind == kInterval && historySet(s);
}
bool systemHistory(const MenuState& s, int) { return s.errorHistory == kSystem; }
bool tbfWithHistory(const MenuState& s, int) { return s.dataKind == kTbf && historySet(s); }
bool canConvertTo(const MenuState& s, int unit) {
    return tbfWithHistory(s, unit) && s.tbfUnit >= 1 && s.tbfUnit <= 7 && s.tbfUnit != unit;
}
bool hasIntervals(const MenuState& s, int) { return s.intervalCount > 0; }
// Whatever the data file can hold: TBF entries, or software intervals.
bool canSave(const MenuState& s, int) {
    return s.tbfCount > 0 ||
           (s.dataKind == kInterval && s.errorHistory == kSoftware && s.intervalCount > 0);
}

// A project holds any complete data set, hardware intervals included.
bool canSaveProject(const MenuState& s, int) {
    return (s.dataKind == kTbf || s.dataKind == kInterval) && historySet(s) &&
           (s.tbfCount > 0 || s.intervalCount > 0);
}

// ---- Check rules ------------------------------------------------------------------------------

bool methodIs(const MenuState& s, int method) { return s.numericalMethod == method; }
bool executionLevelIs(const MenuState& s, int level) { return s.executionSeverityLevel == level; }
bool unitIs(const MenuState& s, int unit) { return s.tbfUnit == unit; }
bool viewIs(const MenuState& s, int view) { return s.viewPreference == view; }
bool traceOn(const MenuState& s, int) { return s.trace; }
bool robustOn(const MenuState& s, int) { return s.robustEstimation; }
bool skipRefitsOn(const MenuState& s, int) { return s.skipFailedRefits; }

std::vector<CommandEntry> buildTable() {
    using M = CMainFrame;
    using namespace command;
    std::vector<CommandEntry> t = {
        {kSave, "File", "Save", &M::onSave, 0, canSave, nullptr},
        {kSaveAs, "File", "Save As...", &M::onSaveAs, 0, canSave, nullptr},
        {kOpenProject, "File", "Open Project...", &M::onOpenProject, 0, always, nullptr, true},
        {kSaveProject, "File", "Save Project...", &M::onSaveProject, 0, canSaveProject, nullptr},
        {kExit, "File", "Exit", &M::onExit, 0, always, nullptr, true},
        {kNewDataEntry, "Data>New", "Data Entry", &M::onNewDataEntry, 0, always, nullptr},
        {kNewFile, "Data>New", "File", &M::onNewFile, 0, always, nullptr},
        {kImport, "Data", "Import...", &M::onImport, 0, always, nullptr},
        {kAppendDataEntry, "Data>Append", "Data Entry", &M::onAppendDataEntry, 0, hasTbfEntries,
         nullptr},
        {kAppendFile, "Data>Append", "File", &M::onAppendFile, 0, hasTbfEntries, nullptr},
        {kEdit, "Data", "Edit", &M::onEdit, 0, hasTbfEntries, nullptr},
        {kRawData, "Data>Plots", "Raw Data", &M::onRawData, 0, hasHistory, nullptr},
        {kSmoothedData, "Data>Plots", "Smoothed Data", &M::onSmoothedData, 0, canSmooth, nullptr},
        {kStatistics, "Data", "Statistics", &M::onStatistics, 0, hasTbfEntries, nullptr},
        {kTrendAnalysis, "Data", "Trend Analysis", &M::onTrendAnalysis, 0, hasTrendData, nullptr},
        {kTbfToInterval, "Conversions", "Time Between Failure -> Interval", &M::onTbfToInterval, 0,
         never, nullptr},
        {kIntervalToTbf, "Conversions", "Interval -> Time Between Failure", &M::onIntervalToTbf, 0,
         intervalWithHistory, nullptr},
    };
    for (int level = 1; level <= 4; ++level)
        t.push_back({kReduceLevel1 + level - 1, "Conversions>Severity Level Reduction", nullptr,
                     &M::onSeverityReduction, level, always, nullptr, level == 1});
    t.push_back({kSystemToSoftware, "Conversions>Software/Hardware Reduction", "System -> Software",
                 &M::onSystemReduction, 0, systemHistory, nullptr});
    t.push_back({kSystemToHardware, "Conversions>Software/Hardware Reduction", "System -> Hardware",
                 &M::onSystemReduction, 1, systemHistory, nullptr});
    static const char* const kUnits[7] = {"Seconds", "Minutes", "Hours", "Days",
                                          "Weeks",   "Months",  "Years"};
    for (int unit = 1; unit <= 7; ++unit)
        t.push_back({kConvertUnit[unit - 1], "Conversions>Convert TBF Units to ...",
                     kUnits[unit - 1], &M::onConvertUnits, unit, canConvertTo, nullptr});
    static const char* const kTransformTexts[5] = {"Dat ( i ) +  A", "Dat ( i )  * A",
                                                   "Dat ( i ) ** A", "Log ( A * Dat ( i ) + B )",
                                                   "Exp ( A * Dat ( i ) + B )"};
    for (int kind = 1; kind <= 5; ++kind)
        t.push_back({kTransform[kind - 1], "Transformations", kTransformTexts[kind - 1],
                     &M::onTransformation, kind, hasHistory, nullptr});
    t.push_back({kMaximumLikelihood, "Executions>Numerical Method", "Maximum Likelihood",
                 &M::onNumericalMethod, method::kMaximumLikelihood, always, methodIs});
    t.push_back({kLeastSquares, "Executions>Numerical Method", "Least Squares",
                 &M::onNumericalMethod, method::kLeastSquares, always, methodIs});
    for (int level = 1; level <= 4; ++level)
        t.push_back({kExecutionLevel1 + level - 1, "Executions>Severity Level Reduction", nullptr,
                     &M::onExecutionSeverity, level, always, executionLevelIs});
    t.push_back({kNoReduction, "Executions>Severity Level Reduction", "No Reduction",
                 &M::onExecutionSeverity, 0, always, executionLevelIs});
    t.push_back({kModelExecution, "Executions", "Model Execution", &M::onModelExecution, 0, always,
                 nullptr, true});
    t.push_back({kCrowAmsaaTracking, "Executions", "Crow-AMSAA Tracking...",
                 &M::onCrowAmsaaTracking, 0, hardwareData, nullptr});
    for (int unit = 1; unit <= 7; ++unit)
        t.push_back({kDefineUnitSeconds + unit - 1, "Setup>TBF Unit Definition", kUnits[unit - 1],
                     &M::onDefineUnit, unit, tbfWithHistory, unitIs});
    t.push_back({kViewTimeBetweenFailures, "Setup>View Preference", "Time Between Failures",
                 &M::onViewPreference, view_preference::kTimeBetweenFailures, always, viewIs});
    t.push_back({kViewTimeToFailure, "Setup>View Preference", "Time To Failure",
                 &M::onViewPreference, view_preference::kTimeToFailure, always, viewIs});
    t.push_back({kCellCombinations, "Setup", "Set Cell Combinations", &M::onCellCombinations, 0,
                 hasIntervals, nullptr, true});
    t.push_back({kIterationMaximum, "Setup", "Set Iteration Maximum", &M::onIterationMaximum, 0,
                 always, nullptr});
    t.push_back({kPredictionNumber, "Setup", "Prediction Number", &M::onPredictionNumber, 0, always,
                 nullptr});
    t.push_back({kTrace, "Setup", "Trace", &M::onTrace, 0, always, traceOn, true});
    t.push_back({kRobustEstimation, "Setup", "Robust Estimation", &M::onRobustEstimation, 0, always,
                 robustOn, true});
    t.push_back({kSkipFailedRefits, "Setup", "Skip Failed Refits", &M::onSkipFailedRefits, 0,
                 always, skipRefitsOn});
    t.push_back({kComparisonHoldOut, "Setup", "Comparison Hold-Out...", &M::onComparisonHoldOut, 0,
                 always, nullptr});
    t.push_back({kAbout, "Help", "&About VARNOK 3 ...", &M::onAbout, 0, always, nullptr});
    t.push_back({kHelpTopics, "Help", "Help Topics", &M::onHelpTopics, 0, always, nullptr});
    return t;
}

}  // namespace

const std::vector<CommandEntry>& CommandTable() {
    static const std::vector<CommandEntry> table = [] {
        std::vector<CommandEntry> t = buildTable();
        // The four level items of both severity menus read "Level 1" to "Level 4".
        static const char* const kLevels[4] = {"Level 1", "Level 2", "Level 3", "Level 4"};
        for (CommandEntry& c : t)
            if (!c.text) c.text = kLevels[c.argument - 1];
        return t;
    }();
    return table;
}

const CommandEntry* FindCommand(int id) {
    for (const CommandEntry& c : CommandTable())
        if (c.id == id) return &c;
    return nullptr;
}

const std::vector<const char*>& TopMenus() {
    static const std::vector<const char*> menus = {
        "&File", "&Data", "&Conversions", "&Transformations", "&Executions", "&Setup", "&Help"};
    return menus;
}

}  // namespace vnk::app
