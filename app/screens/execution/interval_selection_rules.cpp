#include "app/screens/execution/interval_selection_rules.h"

#include "execution/selection_rules.h"

namespace vnk::interval_screens {

using namespace vnk::execution;

bool NeedsMaximumLikelihood(int choice) {
    return execution::IntervalChoiceNeedsMaximumLikelihood(choice);
}

IntervalSelectionEnables SelectionEnables(const IntervalSelectionState& s) {
    IntervalSelectionEnables e;
    e.hardwareGroup = s.hardwareData;
    if (s.hardwareData) return e;
    e.selectAll = true;
    bool accuracyWanted = false;
    for (int c = 0; c < kIntervalChoiceCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        e.models[i] = !s.selectAll && (s.method == 1 || !NeedsMaximumLikelihood(c));
        // A ticked model enables the accuracy analysis under maximum likelihood; Yamada
        // enables it under either method.
        if (s.models[i] && (s.method == 1 || c == kChooseYam)) accuracyWanted = true;
    }
    e.accuracy = s.selectAll ? s.method == 1 : accuracyWanted;
    return e;
}

IntervalSelectionState Settle(IntervalSelectionState state) {
    if (!SelectionEnables(state).accuracy) state.accuracy = false;
    return state;
}

}  // namespace vnk::interval_screens
