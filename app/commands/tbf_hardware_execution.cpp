#include "app/commands/tbf_hardware_execution.h"

#include <QString>

#include "app/kit/prompter.h"
#include "app/screens/execution/hardware_screens.h"

namespace vnk::app {
namespace {

// The engine asks for the total test time and the A-mode failures through this host.
class ProjectionInputsHost : public execution::ExecutionHost {
  public:
    ProjectionInputsHost(Prompter& prompter, QWidget* parent)
        : prompter_(prompter), parent_(parent) {}

    void projectionInputs(execution::ProjectionInputsRequest& request) override {
        interval_screens::ProjectionInputsDialog screen(prompter_, request, parent_);
        prompter_.exec(screen);
    }

  private:
    Prompter& prompter_;
    QWidget* parent_;
};

}  // namespace

void RunTbfHardwareModels(const FailureDataSet& set, ProgramOptions& options,
                          const execution::HardwareSelection& selection, Prompter& prompter,
                          QWidget* parent) {
    ProjectionInputsHost host(prompter, parent);
    const execution::HardwareExecutionResults results =
        execution::RunTbfHardwareExecution(set, selection, options, host);
    for (const execution::ExecutionMessage& m : results.messages)
        prompter.message(parent, Message{QString::fromStdString(m.caption),
                                         QString::fromStdString(m.text), MessageIcon::Stop});
    const execution::ProjectionRun& projection = results.projection;
    if (!projection.ran || projection.ERRFLG != 0) return;
    auto screen = interval_screens::ProjectionResultScreen(prompter, projection.result, parent);
    prompter.exec(*screen);
}

}  // namespace vnk::app
