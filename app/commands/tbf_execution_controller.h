// The Model Execution command for time-between-failure data: selection, measures and range,
// the processing status screen while the engine runs, and the record for the summary; or,
// for hardware and system models, the hand-over to the hardware branch. Modal
// screens and messages go through the caller's seams; the engine is handed in as a function,
// so this flow does not depend on how the engine is linked.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "data/failure_data_set.h"
#include "data/program_options.h"
#include "execution/hardware_execution.h"
#include "execution/host.h"
#include "execution/tbf_results.h"

class QDialog;
class QWidget;

namespace vnk::screens {

class MessageSink;

struct TbfExecutionSeams {
    // Runs a modal screen to its end; returns QDialog::Accepted or Rejected.
    std::function<int(QDialog& screen)> exec;
    // An exclamation box with OK and Cancel; true for OK.
    std::function<bool(const QString& caption, const QString& text)> okCancel;
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
    // Runs the hardware models for the boxes ticked, with their screens and messages. Null:
    // the command says the branch is not available.
    std::function<void(const execution::HardwareSelection&)> hardware;
    // Opens the help for the selection, measure and range screens, from the given window.
    std::function<void(QWidget* from)> help;
};

// Runs the command to the end of the execution; nullopt when it ended without a software
// execution (cancelled, refused, or handed to the hardware branch).
// The numerical method is maximum likelihood again afterwards, whichever way it ended.
std::optional<execution::TbfExecutionResults> RunTbfModelExecution(const FailureDataSet& set,
                                                                   ProgramOptions& options,
                                                                   MessageSink& messages,
                                                                   const TbfExecutionSeams& seams,
                                                                   QWidget* parent = nullptr);

}  // namespace vnk::screens
