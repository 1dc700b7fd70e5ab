#include "numerics/ranking.h"

#include <array>
#include <cmath>
#include <utility>

namespace vnk {
namespace {

constexpr int kSeven = 7;

// An analysis that was not run, failed, or produced a statistic that is not finite (every
// comparison with NaN is false, so it could never be placed) takes no part: 0.0.
bool counts(int selected, int flag, double value) {
    return selected != 0 && flag == 0 && std::isfinite(value);
}

}  // namespace

void RankSeven(ConstRealArray VALUES, IntArray RANKS) {
    std::array<double, kSeven> value{};
    std::array<int, kSeven> position{};
    for (int i = 0; i < kSeven; ++i) {
        const double v = VALUES(i + 1);
        value[i] = std::isfinite(v) ? v : 0.0;
        position[i] = i + 1;
    }
    // Bubble sort that swaps only when the earlier value is strictly greater: equal values
    // keep their order.
    for (int pass = 0; pass < kSeven - 1; ++pass) {
        for (int i = 0; i < kSeven - 1 - pass; ++i) {
            if (value[i] > value[i + 1]) {
                std::swap(value[i], value[i + 1]);
                std::swap(position[i], position[i + 1]);
            }
        }
    }
    int counted = 0;
    int rank = 0;
    double previous = 0.0;
    for (int i = 0; i < kSeven; ++i) {
        const double v = value[i];
        if (v != 0.0) {
            ++counted;
            if (std::fabs(v - previous) > kRankTieTolerance) rank = counted;
        }
        RANKS(position[i]) = rank;
        previous = v;
    }
}

void RankTbfModels(ConstIntArray RAN, ConstIntArray EXCLUDED, RealArray VALUES, IntArray RANKS) {
    for (int entry = 1; entry <= kRankedTbfModels * kRankedMeasures; ++entry) {
        if (!counts(RAN(entry), EXCLUDED(entry), VALUES(entry))) VALUES(entry) = 0.0;
    }
    std::array<double, kSeven> column{};
    std::array<int, kSeven> ranks{};
    for (int measure = 1; measure <= kRankedMeasures; ++measure) {
        for (int model = 1; model <= kRankedTbfModels; ++model) {
            column[model - 1] = VALUES((model - 1) * kRankedMeasures + measure);
        }
        RankSeven(column, ranks);
        for (int model = 1; model <= kRankedTbfModels; ++model) {
            RANKS((model - 1) * (kRankedMeasures + 1) + measure) = ranks[model - 1];
        }
    }
    // Overall: the mean of each model's nonzero ranks, ranked again.
    for (int model = 1; model <= kRankedTbfModels; ++model) {
        int sum = 0;
        int count = 0;
        for (int measure = 1; measure <= kRankedMeasures; ++measure) {
            const int r = RANKS((model - 1) * (kRankedMeasures + 1) + measure);
            if (r != 0) {
                sum += r;
                ++count;
            }
        }
        column[model - 1] = count > 0 ? static_cast<double>(sum) / count : 0.0;
    }
    RankSeven(column, ranks);
    for (int model = 1; model <= kRankedTbfModels; ++model) {
        RANKS(model * (kRankedMeasures + 1)) = ranks[model - 1];
    }
}

void RankIntervalModels(ConstIntArray RAN, ConstIntArray EXCLUDED, RealArray VALUES,
                        IntArray RANKS) {
    std::array<double, kSeven> padded{};  // the seventh entry stays 0.0
    for (int model = 1; model <= kRankedIntervalModels; ++model) {
        if (!counts(RAN(model), EXCLUDED(model), VALUES(model))) VALUES(model) = 0.0;
        padded[model - 1] = VALUES(model);
    }
    std::array<int, kSeven> ranks{};
    RankSeven(padded, ranks);
    for (int model = 1; model <= kRankedIntervalModels; ++model) RANKS(model) = ranks[model - 1];
}

}  // namespace vnk
