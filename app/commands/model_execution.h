// Executions / Model Execution for time-between-failure data: the selection, measure and range
// screens, the engine behind the processing status screen, then the execution summary with the
// model result screens, plots and printing.
#pragma once

namespace vnk::app {

class CMainFrame;

// Runs the command on the frame's data set (time-between-failure or interval data; the main
// window has checked that the data type and error history are given).
void RunModelExecution(CMainFrame& frame);

}  // namespace vnk::app
