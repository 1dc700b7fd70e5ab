// The command table: every menu item with its menu, text, command id, handler and the rules
// that enable it and put a check mark beside it. The rules are pure functions of a snapshot of
// the state, so they can be tested without a window.
#pragma once

#include <vector>

#include "data/failure_data_set.h"
#include "data/program_options.h"

namespace vnk::app {

class CMainFrame;

// What the rules look at.
struct MenuState {
    int dataKind = static_cast<int>(DataKind::None);
    int errorHistory = static_cast<int>(ErrorHistory::None);
    int tbfUnit = static_cast<int>(TbfUnit::None);
    int tbfCount = 0;
    int intervalCount = 1;
    int numericalMethod = 1;
    int executionSeverityLevel = 0;
    int viewPreference = 0;
    bool trace = false;
    bool robustEstimation = false;
    bool skipFailedRefits = false;

    static MenuState of(const FailureDataSet& set, const ProgramOptions& options);
};

// Command ids of the menu items.
namespace command {
inline constexpr int kSave = 32774;
inline constexpr int kSaveAs = 32773;
inline constexpr int kExit = 57665;
inline constexpr int kNewDataEntry = 32830;
inline constexpr int kNewFile = 32831;
inline constexpr int kAppendDataEntry = 32832;
inline constexpr int kAppendFile = 32833;
inline constexpr int kEdit = 32828;
inline constexpr int kRawData = 32834;
inline constexpr int kSmoothedData = 32835;
inline constexpr int kStatistics = 32829;
inline constexpr int kTrendAnalysis = 32839;
inline constexpr int kCrowAmsaaTracking = 32840;
inline constexpr int kRobustEstimation = 32841;
inline constexpr int kSkipFailedRefits = 32842;
inline constexpr int kComparisonHoldOut = 32843;
inline constexpr int kSaveProject = 32844;
inline constexpr int kOpenProject = 32845;
inline constexpr int kImport = 32846;
inline constexpr int kTbfToInterval = 32788;
inline constexpr int kIntervalToTbf = 32798;
inline constexpr int kReduceLevel1 = 32791;  // to 32794 for level 4
inline constexpr int kSystemToSoftware = 32796;
inline constexpr int kSystemToHardware = 32797;
// Convert TBF Units to Seconds ... Years.
inline constexpr int kConvertUnit[7] = {32806, 32807, 32808, 32812, 32809, 32810, 32811};
inline constexpr int kTransform[5] = {32818, 32813, 32815, 32816, 32817};  // kinds 1 to 5
inline constexpr int kMaximumLikelihood = 32781;
inline constexpr int kLeastSquares = 32782;
inline constexpr int kExecutionLevel1 = 32783;  // to 32786 for level 4
inline constexpr int kNoReduction = 32787;
inline constexpr int kModelExecution = 32771;
inline constexpr int kDefineUnitSeconds = 32799;  // to 32805 for Years
inline constexpr int kViewTimeBetweenFailures = 32826;
inline constexpr int kViewTimeToFailure = 32827;
inline constexpr int kCellCombinations = 32837;
inline constexpr int kIterationMaximum = 32838;
inline constexpr int kPredictionNumber = 32836;
inline constexpr int kTrace = 32825;
inline constexpr int kAbout = 57664;
inline constexpr int kHelpTopics = 57667;
}  // namespace command

using Rule = bool (*)(const MenuState& state, int argument);
using Handler = void (CMainFrame::*)(int argument);

struct CommandEntry {
    int id;
    const char* menu;  // menu path, submenus after '>': "Data>New"
    const char* text;
    Handler handler;
    int argument;  // handed to the handler and the rules: a level, a unit or a kind
    Rule enabled;
    Rule checked;  // nullptr: the item carries no check mark
    bool separatorBefore = false;
};

// Every menu item in menu order.
const std::vector<CommandEntry>& CommandTable();
// The item with this id; nullptr for an unknown id.
const CommandEntry* FindCommand(int id);

// The top-level menus in order, with their accelerator marks.
const std::vector<const char*>& TopMenus();

}  // namespace vnk::app
