#include "app/commands/screens_host.h"

#include "app/kit/prompter.h"
#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "app/screens/execution/start_dialogs.h"

namespace vnk::interval_screens {

void IntervalScreensHost::brooksMotleyStart(execution::BrooksMotleyStartRequest& request) {
    BrooksMotleyStartDialog screen(prompter_, request, parent_);
    prompter_.exec(screen);
}

void IntervalScreensHost::generalizedPoissonStart(
    execution::GeneralizedPoissonStartRequest& request) {
    GeneralizedPoissonStartDialog screen(prompter_, request, lastCount_, parent_);
    prompter_.exec(screen);
}

void IntervalScreensHost::schneidewindS(execution::SchneidewindSRequest& request) {
    // Investigate shows the search this execution just ran.
    OptimumSDialog screen(prompter_, request,
                          request.search ? OptimumSDataOf(*request.search) : optimumS_, parent_);
    screen.setReportPrinter(print_);
    prompter_.exec(screen);
}

void IntervalScreensHost::projectionInputs(execution::ProjectionInputsRequest& request) {
    ProjectionInputsDialog screen(prompter_, request, parent_);
    prompter_.exec(screen);
}

void RunHardwareIntervalModels(const FailureDataSet& set,
                               const execution::HardwareSelection& selection,
                               ProgramOptions& options, app::Prompter& prompter, QWidget* parent) {
    const execution::HardwareExecutionResults r =
        execution::RunIntervalHardwareExecution(set, selection, options);
    const execution::DiscreteRun& d = r.discrete;
    if (d.ran && d.ERRFLG == 0) {
        auto screen = DiscreteResultScreen(prompter, d.TT, d.TF, d.LAMBDA, d.ALPHA, d.R, parent);
        prompter.exec(*screen);
    }
    for (const execution::ExecutionMessage& m : r.messages)
        prompter.error(parent, QString::fromStdString(m.text), QString::fromStdString(m.caption));
}

}  // namespace vnk::interval_screens
