#include "execution/interval_plot_values.h"

#include <algorithm>

namespace vnk::execution {

std::pair<std::vector<double>, int> IntervalPredictedByInterval(const IntervalExecutionResults& r,
                                                                int slot) {
    const std::vector<double>& all = r.predicted[static_cast<std::size_t>(slot)];
    if (slot != kSdw2 && slot != kSdw3) return {all, 1};
    const int S = r.schneidewindS[static_cast<std::size_t>(slot - kSdw2)];
    if (S < 1 || S > r.NS) return {{}, 1};
    const auto cells = static_cast<std::size_t>(r.NS - S + 1);
    // Treatment 3 pools the intervals before S into its first cell.
    const std::size_t skip = slot == kSdw3 ? 1 : 0;
    if (all.size() < skip) return {{}, S};
    const auto from = all.begin() + static_cast<std::ptrdiff_t>(skip);
    const auto n = std::min(cells, all.size() - skip);
    return {std::vector<double>(from, from + static_cast<std::ptrdiff_t>(n)), S};
}

bool IntervalAccuracyRan(const IntervalExecutionResults& r, int entry) {
    const int slot = kAccuracySlots.at(static_cast<std::size_t>(entry));
    return r.selection.accuracy && r.ran[static_cast<std::size_t>(slot)];
}

}  // namespace vnk::execution
