#include "models/hardware_models.h"

#include <string>

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

Message ProjectionError(int problem, int entry) {
    using namespace projection_problem;
    const std::string at = "Entry " + std::to_string(entry) + ": ";
    std::string text;
    switch (problem) {
        case kTestTime:
            text = "The total test time must be a number above 0.";
            break;
        case kAModeFailures:
            text = "The number of A mode failures may not be negative.";
            break;
        case kNoEntries:
            text = "There are no failure modes to project.";
            break;
        case kFirstOccurrence:
            text = at +
                   "the time of first occurrence must lie above 0 and not beyond the total "
                   "test time.";
            break;
        case kFailureCount:
            text = at + "the number of failures may not be negative.";
            break;
        case kEffectiveness:
            text = at + "the effectiveness factor is not a number.";
            break;
        case kNoFailures:
            text = "The data hold no failures to project.";
            break;
        case kAllAtEnd:
            text =
                "Every failure mode was first seen at the total test time, so no growth can be "
                "estimated.";
            break;
        case kNotFinite:
            text = "The projected values are too large to compute.";
            break;
        default:
            return TbfHardwareError();
    }
    return {text, TbfHardwareError().caption};
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
