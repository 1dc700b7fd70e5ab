// The Model Execution command for time-between-failure data: selection, measures and range,
// the processing status screen while the engine runs, and the record for the summary; or,
// for hardware and system models, the hand-over to the hardware branch. Modal screens,
// messages and help go through the prompter; the engine is handed in as a function, so this
// flow does not depend on how the engine is linked.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/hardware_execution.h"
#include "execution/host.h"
#include "execution/tbf_results.h"

class QWidget;

namespace vnk::app {
class Prompter;
}

namespace vnk::screens {

struct TbfExecutionSeams {
    // The engine: runs the selection on the set's data with the options' numerical method,
    // reporting to the host.
    std::function<execution::TbfExecutionResults(const execution::TbfSelection& selection,
                                                 ProgramOptions& options,
                                                 execution::ExecutionHost& host)>
        run;
    // Answers the Littlewood and Verrall starting-value request (e.g. with its screen).
    std::function<void(execution::LavStartRequest&)> lavStartingValues;
    // Shows the preliminary statistics screen under the given caption.
    std::function<void(const QString& caption)> statistics;
    // Runs the hardware models for the boxes ticked, with their screens and messages.
    std::function<void(const execution::HardwareSelection&)> hardware;
};

// Runs the command on time-between-failure data to the end of the execution; nullopt when it
// ended without a software execution (cancelled, refused, or handed to the hardware branch).
// The numerical method is maximum likelihood again afterwards, whichever way it ended.
std::optional<execution::TbfExecutionResults> RunTbfModelExecution(const FailureDataSet& set,
                                                                   ProgramOptions& options,
                                                                   app::Prompter& prompter,
                                                                   const TbfExecutionSeams& seams,
                                                                   QWidget* parent = nullptr);

}  // namespace vnk::screens
