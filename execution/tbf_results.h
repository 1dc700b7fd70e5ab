// The record of the last TBF software execution: what the summary screen, the result and
// prediction screens, the plots and the reports read.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "models/tbf_slots.h"
#include "numerics/conventions.h"

namespace vnk::execution {

// TBF model slots, in the fixed order of every per-model table (named in models/tbf_slots.h).
using models::slot_order::TbfSlot;
using enum models::slot_order::TbfSlot;
using models::slot_order::kTbfSlotCount;
// The order the screens, the reports and the batch output list the models in.
using models::kTbfScreenOrder;

// Applicability measures, in the order of every per-measure table.
enum Measure : int { kAccuracy = 0, kBias, kNoise, kTrend };
inline constexpr int kMeasureCount = 4;

// Model status per slot.
namespace model_status {
inline constexpr int kSucceeded = 0;
inline constexpr int kTotalFaultsBelowObserved = 1;  // estimation returned 4; results kept
inline constexpr int kFailed = 2;
inline constexpr int kNotExecuted = 3;
}  // namespace model_status

struct ApplicabilityResult {
    double STAT = 0.0;
    int RFLAG = 0;
    int INDX = 0;
    std::vector<double> plot1;       // V
    std::vector<double> plot2;       // VPRE
    std::vector<double> noiseSteps;  // Noise: the relative change of each step after the first
    int failedRefits = 0;            // refits skipped (skipFailedRefits only)
};

struct TbfSelection {
    std::array<bool, kTbfSlotCount> models{};  // per slot
    bool selectAllModels = false;
    bool applicability = false;  // "Model Applicability Analyses"
    std::array<bool, kMeasureCount> measures{};
    bool selectAllMeasures = false;
    int NSB = 0;
    int NSE = 0;

    bool anyMeasure() const {
        if (!applicability) return false;
        if (selectAllMeasures) return true;
        for (bool m : measures)
            if (m) return true;
        return false;
    }
    bool measureSelected(int measure) const {
        return applicability && (selectAllMeasures || measures[measure]);
    }
    int NSR() const { return NSE - NSB + 1; }
};

struct TbfExecutionResults {
    int NS = 0;
    int ESF = method::kMaximumLikelihood;
    bool skipFailedRefits = false;            // a failed refit is skipped and counted, not the end
    bool robustEstimation = false;            // the one-root estimations used the robust search
    std::array<double, 11> dataStatistics{};  // VNKDST of the working data
    TbfSelection selection;
    std::array<bool, kTbfSlotCount> executed{};
    std::array<int, kTbfSlotCount> status{};
    std::array<int, kTbfSlotCount> RFLAG{};
    // The routine reported success but its values were impossible (see result_screening.h).
    std::array<bool, kTbfSlotCount> outOfDomain{};
    std::array<TbfStats, kTbfSlotCount> stats{};
    std::array<std::vector<double>, kTbfSlotCount> predicted{};
    std::array<double, kTbfSlotCount> DVAL{};
    std::array<int, kTbfSlotCount> DFLG{};
    // The standard root search stopped at an absolute tolerance coarser than 1e-6 of the root
    // it solved: the estimate has fewer correct digits than it shows.
    std::array<bool, kTbfSlotCount> coarseTolerance{};
    std::array<double, kTbfSlotCount> Z{};                    // Littlewood and Verrall output
    std::array<std::array<double, 2>, kTbfSlotCount> BETA{};  // LV starting values used
    // 28 entries, model-major, measures in the order Accuracy, Bias, Noise, Trend.
    std::array<ApplicabilityResult, kTbfSlotCount * kMeasureCount> applicability{};
    // 35 ranks, five per slot: Accuracy, Bias, Noise, Trend, Overall.
    std::array<int, kTbfSlotCount * 5> ranks{};
    std::vector<double> data;            // the working TBF values
    std::vector<double> cumulativeData;  // the running sums the NPT model works on
    double XLTM = 0.0;                   // failure-free time after the last failure (Musa)

    TbfExecutionResults() {
        status.fill(model_status::kNotExecuted);
        DFLG.fill(2);
    }
    const ApplicabilityResult& measure(int slot, int m) const {
        return applicability[static_cast<std::size_t>(slot * kMeasureCount + m)];
    }
    ApplicabilityResult& measure(int slot, int m) {
        return applicability[static_cast<std::size_t>(slot * kMeasureCount + m)];
    }
    int rank(int slot, int column) const {
        return ranks[static_cast<std::size_t>(slot * 5 + column)];
    }
};

}  // namespace vnk::execution
