#include "app/commands/screens_host.h"

#include "app/kit/prompter.h"
#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "app/screens/execution/start_dialogs.h"
#include "models/hardware_models.h"
#include "numerics/hardware_growth.h"

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

void RunHardwareIntervalModels(const HardwareIntervalSelection& selection, int NS,
                               ConstRealArray TRIALS, ConstRealArray FAILURES,
                               app::Prompter& prompter, QWidget* parent) {
    namespace hw = models::hardware;
    if (selection.runsDiscrete()) {
        double TT = 0.0, TF = 0.0, LAMBDA = 0.0, ALPHA = 0.0, R = 0.0;
        int ERRFLG = 0;
        DiscreteGrowth(NS, TRIALS, FAILURES, TT, TF, ERRFLG, LAMBDA, ALPHA, R);
        if (ERRFLG != 0) {
            const hw::Message m = hw::DiscreteError(ERRFLG);
            prompter.error(parent, QString::fromStdString(m.text),
                           QString::fromStdString(m.caption));
        } else {
            auto screen = DiscreteResultScreen(prompter, TT, TF, LAMBDA, ALPHA, R, parent);
            prompter.exec(*screen);
        }
    }
    if (selection.runsGrowthTracking()) {
        const hw::Message m = hw::GrowthTrackingNotImplemented();
        prompter.error(parent, QString::fromStdString(m.text),
                       QString::fromStdString(m.caption));
    }
}

}  // namespace vnk::interval_screens
