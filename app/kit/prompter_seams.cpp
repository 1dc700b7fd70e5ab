#include "app/kit/prompter_seams.h"

#include "app/screens/execution/hardware_screens.h"
#include "app/screens/execution/optimum_s_dialog.h"
#include "app/screens/execution/start_dialogs.h"
#include "models/hardware_models.h"

namespace vnk::app {

namespace {

using namespace interval_screens;

// The help page of an interval screen's model; empty for a screen without Help.
QString HelpPageOf(QDialog& screen) {
    if (dynamic_cast<BrooksMotleyStartDialog*>(&screen))
        return QStringLiteral("model_brooks_motley");
    if (dynamic_cast<GeneralizedPoissonStartDialog*>(&screen))
        return QStringLiteral("model_generalized_poisson");
    if (dynamic_cast<OptimumSDialog*>(&screen)) return QStringLiteral("model_schneidewind");
    if (dynamic_cast<ProjectionInputsDialog*>(&screen)) return QStringLiteral("model_amsaa_crow");
    if (dynamic_cast<HardwareResultScreen*>(&screen))
        return screen.windowTitle() == QString::fromUtf8(models::hardware::kDiscreteTitle)
                   ? QStringLiteral("model_amsaa_discrete")
                   : QStringLiteral("model_amsaa_crow");
    return {};
}

}  // namespace

int PrompterIntervalScreens::run(QDialog& screen) {
    const QString page = HelpPageOf(screen);
    const auto help = [this, &screen, page] { prompter_.help(&screen, page); };
    if (auto* d = dynamic_cast<InitialEstimatesDialog*>(&screen))
        QObject::connect(d, &InitialEstimatesDialog::helpRequested, d, help);
    else if (auto* s = dynamic_cast<OptimumSDialog*>(&screen))
        QObject::connect(s, &OptimumSDialog::helpRequested, s, help);
    else if (auto* r = dynamic_cast<HardwareResultScreen*>(&screen))
        QObject::connect(r, &HardwareResultScreen::helpRequested, r, help);
    return prompter_.exec(screen);
}

}  // namespace vnk::app
