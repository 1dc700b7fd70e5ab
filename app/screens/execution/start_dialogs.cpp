#include "app/screens/execution/start_dialogs.h"

namespace vnk::interval_screens {

namespace {
EstimateField Ranged(double value, double minimum, double maximum) {
    return {value, minimum, maximum, true};
}
EstimateField Free(double value) { return {value, 0.0, 0.0, false}; }
}  // namespace

BrooksMotleyStartDialog::BrooksMotleyStartDialog(app::Prompter& prompter,
                                                 execution::BrooksMotleyStartRequest& request,
                                                 QWidget* parent)
    : InitialEstimatesDialog(
          prompter, models::BrooksMotleyInitialEstimatesTexts(),
          {Ranged(request.PEC, models::kBamProbabilityMin, models::kBamProbabilityMax),
           Ranged(request.PED, models::kBamProbabilityMin, models::kBamProbabilityMax),
           Free(models::BrooksMotleyShownTotal(request.TNOF))},
          [TNOF = request.TNOF](const std::vector<double>& v) {
              return models::BrooksMotleyTotalAccepted(v[2], TNOF);
          },
          QStringLiteral("model_brooks_motley"), parent) {
    connect(this, &InitialEstimatesDialog::valuesStored, this, [this, &request] {
        request.PEC = values()[0];
        request.PED = values()[1];
    });
    connect(this, &QDialog::accepted, this, [this, &request] { request.TNOF = values()[2]; });
}

GeneralizedPoissonStartDialog::GeneralizedPoissonStartDialog(
    app::Prompter& prompter, execution::GeneralizedPoissonStartRequest& request, double lastCount,
    QWidget* parent)
    : InitialEstimatesDialog(
          prompter, models::GeneralizedPoissonInitialEstimatesTexts(request.WFSF),
          {Ranged(request.ALPHA, models::kGpoAlphaMin, models::kGpoAlphaMax), Free(request.AN)},
          [lastCount](const std::vector<double>& v) {
              return models::GeneralizedPoissonTotalAccepted(v[1], lastCount);
          },
          QStringLiteral("model_generalized_poisson"), parent) {
    connect(this, &InitialEstimatesDialog::valuesStored, this, [this, &request] {
        request.ALPHA = values()[0];
        request.AN = values()[1];
    });
}

}  // namespace vnk::interval_screens
