// Which boxes of the interval model selection screen are enabled, as pure functions of what is
// ticked, so the rules are testable without widgets.
#pragma once

#include <array>

#include "execution/interval_results.h"

namespace vnk::interval_screens {

// Hardware group: discrete growth model, growth tracking, select both.
struct HardwareIntervalSelection {
    bool discrete = false;
    bool growthTracking = false;
    bool both = false;
    bool runsDiscrete() const { return discrete || both; }
    bool runsGrowthTracking() const { return growthTracking || both; }
};

struct IntervalSelectionState {
    bool hardwareData = false;  // hardware error history: only the hardware group is live
    int method = 1;             // 1 maximum likelihood, 2 least squares
    std::array<bool, execution::kIntervalChoiceCount> models{};
    bool selectAll = false;
    bool accuracy = false;
};

struct IntervalSelectionEnables {
    std::array<bool, execution::kIntervalChoiceCount> models{};
    bool selectAll = false;
    bool accuracy = false;
    bool hardwareGroup = false;
};

// Models that run only under maximum likelihood: their boxes are disabled with least squares.
bool NeedsMaximumLikelihood(int choice);

IntervalSelectionEnables SelectionEnables(const IntervalSelectionState& state);

// The state after a change: "Accuracy Analysis" is cleared whenever it is not enabled.
IntervalSelectionState Settle(IntervalSelectionState state);

}  // namespace vnk::interval_screens
