// Executions / Model Execution for interval data: the interval selection screen, then for a
// hardware history the discrete growth models, otherwise the accuracy range, the processing
// status screen while the engine runs, and the execution summary with the model result
// screens, plots and printing.
#pragma once

namespace vnk::app {

class CMainFrame;
struct CommandContext;

// Runs the command on the frame's interval data; the results stay in the document.
void RunIntervalModelExecution(CMainFrame& frame);

// The preliminary statistics screen of the interval data for the current error history.
void ShowIntervalStatistics(const CommandContext& ctx);

}  // namespace vnk::app
