// Executions / Model Execution for time-between-failure data: the selection, measure and range
// screens, the engine behind the processing status screen, then the execution summary with the
// model result screens, plots and printing.
#pragma once

namespace vnk::app {

class CMainFrame;

// Fills the main window's Model Execution hook.
void InstallModelExecution(CMainFrame& frame);

// The hook itself: runs the command on the frame's data set.
void RunModelExecution(CMainFrame& frame);

}  // namespace vnk::app
