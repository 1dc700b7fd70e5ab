#include "execution/ranking_step.h"

#include <cmath>

#include "numerics/ranking.h"

namespace vnk::execution {
namespace {

double countable(double STAT) { return std::isfinite(STAT) ? STAT : 0.0; }

}  // namespace

void RankTbfExecution(TbfExecutionResults& r) {
    constexpr int kEntries = kTbfSlotCount * kMeasureCount;
    std::array<int, kEntries> RAN{};
    std::array<int, kEntries> EXCLUDED{};
    std::array<double, kEntries> VALUES{};
    for (int slot = 0; slot < kTbfSlotCount; ++slot) {
        // The matrix counts Select All Software Models whatever the numerical method.
        const bool model = r.selection.models[slot] || r.selection.selectAllModels;
        for (int m = 0; m < kMeasureCount; ++m) {
            const auto i = static_cast<std::size_t>(slot * kMeasureCount + m);
            ApplicabilityResult& a = r.applicability[i];
            a.STAT = countable(a.STAT);
            RAN[i] = model && r.selection.measureSelected(m) ? 1 : 0;
            EXCLUDED[i] = a.RFLAG;
            VALUES[i] = a.STAT;
        }
    }
    RankTbfModels(ConstIntArray(RAN), ConstIntArray(EXCLUDED), RealArray(VALUES),
                  IntArray(r.ranks));
    for (std::size_t i = 0; i < VALUES.size(); ++i) r.applicability[i].STAT = VALUES[i];
}

void RankIntervalExecution(IntervalExecutionResults& r) {
    std::array<int, 6> RAN{};
    std::array<int, 6> EXCLUDED{};
    std::array<double, 6> VALUES{};
    for (std::size_t i = 0; i < kAccuracySlots.size(); ++i) {
        IntervalAccuracy& a = r.accuracy[i];
        a.STAT = countable(a.STAT);
        RAN[i] = r.selection.chosen(ChoiceOfSlot(kAccuracySlots[i])) ? 1 : 0;
        EXCLUDED[i] = a.RFLAG;
        VALUES[i] = a.STAT;
    }
    RankIntervalModels(ConstIntArray(RAN), ConstIntArray(EXCLUDED), RealArray(VALUES),
                       IntArray(r.ranks));
    for (std::size_t i = 0; i < VALUES.size(); ++i) r.accuracy[i].STAT = VALUES[i];
}

}  // namespace vnk::execution
