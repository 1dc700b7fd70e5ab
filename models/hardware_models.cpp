#include "models/hardware_models.h"

namespace vnk::models::hardware {

std::vector<LabelledValue> ProjectionResultFields(const ProjectionResult& r) {
    return {{"Model Shape Parameter (Beta):", r.beta},
            {"Model Scale Parameter (Lambda):", r.lambda},
            {"Projected Failure Rate:", r.rate},
            {"Projected Mean Time Before Failure:", r.mtbf},
            {"New B mode Failure Intensity:", r.newIntensity},
            {"Observed B mode Failure Intensity:", r.observedIntensity},
            {"Percent B mode Failure Intensity Seen:", r.fractionSeen}};
}

Message TbfHardwareError() {
    return {"Either your data is incomplete or the selected model is not implemented.",
            "TBF Hardware Models Error"};
}

std::vector<LabelledValue> DiscreteResultFields(double TT, double TF, double LAMBDA, double ALPHA,
                                                double R) {
    return {{"Total Number of Trials:", TT},
            {"Total Number of Failures:", TF},
            {"Model Scale Parameter:", LAMBDA},
            {"Model Growth Parameter:", ALPHA},
            {"Estimated Reliability of the final configuration:", R}};
}

Message DiscreteError(int ERRFLG) {
    if (ERRFLG == discrete_status::kInvalidData) {
        return {"Every configuration needs at least one trial, and no more failures than trials.",
                kDiscreteTitle};
    }
    return {"This model returned an error status.", kDiscreteTitle};
}

Message GrowthTrackingNotImplemented() {
    return {"This Model has not been implemented.", "Growth tracking Model - Continuous"};
}

}  // namespace vnk::models::hardware
