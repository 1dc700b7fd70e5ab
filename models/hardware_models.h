// Screen and message texts of the hardware reliability growth models, and the values their
// result screens show.
#pragma once

#include <string>
#include <vector>

#include "numerics/hardware_growth.h"

namespace vnk::models::hardware {

struct Message {
    std::string text;
    std::string caption;
};

struct LabelledValue {
    std::string label;
    double value = 0.0;
};

// Growth projection for hardware time-between-failure data.
inline constexpr const char* kProjectionTitle = "AMSAA / CROW Reliability Growth Projection Model";
inline constexpr const char* kAdditionalInputTitle = "AMSAA / CROW Additional Input Values";
inline constexpr const char* kTotalTestTimeLabel = "Total Test Time:";
inline constexpr const char* kAModeFailuresLabel = "Number of A Mode Failures:";

// The seven read-only fields of the projection result screen, in screen order. The last is
// the fraction of the B-mode failure intensity seen, shown as a fraction.
std::vector<LabelledValue> ProjectionResultFields(const ProjectionResult& result);

// Missing hardware fields, only unimplemented models selected, or inputs the projection
// cannot use (GrowthProjection's ERRFLG 1).
Message TbfHardwareError();
// The projection could not use its inputs: the message names what is wrong (a
// projection_problem with the entry at fault).
Message ProjectionError(int problem, int entry);

// Discrete growth model for hardware interval data.
inline constexpr const char* kDiscreteTitle = "AMSAA Discrete Reliability Growth Model";

// The five read-only fields of the discrete result screen, in screen order.
std::vector<LabelledValue> DiscreteResultFields(double TT, double TF, double LAMBDA, double ALPHA,
                                                double R);

// The message box for a nonzero ERRFLG of DiscreteGrowth.
Message DiscreteError(int ERRFLG);

// Shown after the discrete model when the continuous growth tracking model was selected.
Message GrowthTrackingNotImplemented();

}  // namespace vnk::models::hardware
