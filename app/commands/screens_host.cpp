#include "app/commands/screens_host.h"

#include <QDialog>

#include "app/kit/prompter.h"
#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "app/screens/execution/start_dialogs.h"
#include "models/hardware_models.h"
#include "numerics/hardware_growth.h"

namespace vnk::interval_screens {

namespace {

// Runs the screen; its Help opens the page the screen names.
template <class S>
int RunWithHelp(app::Prompter& prompter, S& screen) {
    QObject::connect(&screen, &S::helpRequested, &screen,
                     [&prompter, &screen] { prompter.help(&screen, screen.helpPage()); });
    return prompter.exec(screen);
}

}  // namespace

void IntervalScreensHost::brooksMotleyStart(execution::BrooksMotleyStartRequest& request) {
    BrooksMotleyStartDialog screen(request, parent_);
    RunWithHelp(prompter_, screen);
}

void IntervalScreensHost::generalizedPoissonStart(
    execution::GeneralizedPoissonStartRequest& request) {
    GeneralizedPoissonStartDialog screen(request, lastCount_, parent_);
    RunWithHelp(prompter_, screen);
}

void IntervalScreensHost::schneidewindS(execution::SchneidewindSRequest& request) {
    // Investigate shows the search this execution just ran.
    OptimumSDialog screen(request, request.search ? OptimumSDataOf(*request.search) : optimumS_,
                          parent_);
    screen.setReportPrinter(print_);
    RunWithHelp(prompter_, screen);
}

void IntervalScreensHost::projectionInputs(execution::ProjectionInputsRequest& request) {
    ProjectionInputsDialog screen(request, parent_);
    RunWithHelp(prompter_, screen);
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
            auto screen = DiscreteResultScreen(TT, TF, LAMBDA, ALPHA, R, parent);
            RunWithHelp(prompter, *screen);
        }
    }
    if (selection.runsGrowthTracking()) {
        const hw::Message m = hw::GrowthTrackingNotImplemented();
        prompter.error(parent, QString::fromStdString(m.text),
                       QString::fromStdString(m.caption));
    }
}

}  // namespace vnk::interval_screens
